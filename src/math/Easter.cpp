#include "math/Easter.h"

namespace quillon {

EasterDate GregorianEaster(long long year) {
    const long long a = year % 19;
    const long long b = year / 100;
    const long long c = year % 100;
    const long long d = b / 4;
    const long long e = b % 4;
    const long long f = (b + 8) / 25;
    const long long g = (b - f + 1) / 3;
    const long long h = (19 * a + b - d - g + 15) % 30;
    const long long i = c / 4;
    const long long k = c % 4;
    const long long l = (32 + 2 * e + 2 * i - h - k) % 7;
    const long long m = (a + 11 * h + 22 * l) / 451;
    const long long n = h + l - 7 * m + 114;
    return {static_cast<int>(n % 31 + 1), static_cast<int>(n / 31)};
}

} // namespace quillon
