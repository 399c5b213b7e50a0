#pragma once

// The date of Easter Sunday in the Gregorian calendar (the anonymous Gregorian algorithm).

namespace quillon {

struct EasterDate {
    int day;
    int month; // 3 March, 4 April
};

// Applied to every year as it is given, also to years before the calendar reform; the integer
// divisions truncate toward zero, so a year below 1 still gives a day and month without overflow.
EasterDate GregorianEaster(long long year);

} // namespace quillon
