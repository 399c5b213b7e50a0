#include "core/Globals.h"

#include "core/FloatError.h"

#include <cfenv>
#include <cmath>

namespace quillon {

int Precision = 5;
int Digits = 1;
char DecimalSeparator = '.';

Extended SphereSurface(Extended r) { return r * (r * (4 * Pi)); }

Extended RadiusFromSurface(Extended area) { return std::sqrt(area / (4 * Pi)); }

Extended SphereVolume(Extended r) { return Power(r, 3) * (4 * Pi / 3); }

Extended RadiusFromVolume(Extended volume) { return Power(3 * volume / (4 * Pi), 1.0L / 3); }

Extended RadToDeg(Extended x) { return x / Pi * 180; }

Extended DegToRad(Extended x) { return x / 180 * Pi; }

namespace {

Extended IntegerPower(Extended base, long long exponent) {
    unsigned long long n = exponent < 0 ? static_cast<unsigned long long>(-exponent) : exponent;
    Extended result = 1;
    while (n != 0) {
        if (n & 1u) result *= base;
        n >>= 1;
        if (n != 0) base *= base;
    }
    return exponent < 0 ? 1 / result : result;
}

} // namespace

Extended Power(Extended base, Extended exponent) {
    // The caller's own pending events stay; only what this power raises is reported.
    const int pending = std::fetestexcept(FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);

    Extended result;
    if (exponent == 0) {
        result = 1;
    } else if (base == 0 && exponent > 0) {
        result = 0;
    } else if (std::fabs(exponent) <= 2147483647.0L && std::trunc(exponent) == exponent) {
        result = IntegerPower(base, static_cast<long long>(exponent));
    } else {
        result = std::exp(exponent * std::log(base));
    }

    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (pending != 0) std::feraiseexcept(pending);
    if (raised & FE_INVALID) throw FloatError(FloatErrorKind::InvalidOperation);
    if (raised & FE_DIVBYZERO) throw FloatError(FloatErrorKind::DivisionByZero);
    if (raised & FE_OVERFLOW) throw FloatError(FloatErrorKind::Overflow);
    return result;
}

} // namespace quillon
