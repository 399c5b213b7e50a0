#pragma once

#include <string>

// The euro area's fixed conversion rates of 1 January 1999, and conversion by a typed factor between
// any other pair of units. A currency is its three-letter code, compared exactly (case-sensitive, no
// trimming); only the twelve codes of the table are known, anything else ("none", a blank, typed text)
// has neither a rate nor a name. Every step is computed in extended precision and rounded to double.

namespace quillon {

// x in euro: x divided by the units per euro of `code`. A code that is not known has no rate: x is
// returned as it is, as for "EUR".
double ToEuro(const std::string& code, double x);

// x euro in the currency `code`: x times its units per euro; x itself for "EUR" and unknown codes.
double FromEuro(const std::string& code, double x);

// Two known currencies convert through the euro, each leg rounded to double, and the factor is ignored;
// if either code is not known the result is amount * factor.
double ConvertCurrency(const std::string& fromCode, const std::string& toCode, double factor, double amount);

// The currency's name in the current language; empty for a code that is not known.
std::string CurrencyName(const std::string& code);

// True for the twelve codes of the table.
bool IsEuroCurrency(const std::string& code);

} // namespace quillon
