#include "core/Globals.h"

#include "core/FloatError.h"

#include <cmath>

namespace quillon {

int Precision = 5;
int Digits = 1;
char DecimalSeparator = '.';

// The helpers report their floating-point events themselves, as Power does: a negative area or volume
// is an invalid operation, a huge radius an overflow.

Extended SphereSurface(Extended r) {
    return Checked([&] { return r * (r * (4 * Pi)); });
}

Extended RadiusFromSurface(Extended area) {
    return Checked([&] { return std::sqrt(area / (4 * Pi)); });
}

Extended SphereVolume(Extended r) {
    return Checked([&] { return Power(r, 3) * (4 * Pi / 3); });
}

Extended RadiusFromVolume(Extended volume) {
    return Checked([&] { return Power(3 * volume / (4 * Pi), 1.0L / 3); });
}

Extended RadToDeg(Extended x) {
    return Checked([&] { return x / Pi * 180; });
}

Extended DegToRad(Extended x) {
    return Checked([&] { return x / 180 * Pi; });
}

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
    return Checked([&]() -> Extended {
        if (exponent == 0) return 1;
        if (base == 0 && exponent > 0) return 0;
        if (std::fabs(exponent) <= 2147483647.0L && std::trunc(exponent) == exponent)
            return IntegerPower(base, static_cast<long long>(exponent));
        return std::exp(exponent * std::log(base));
    });
}

} // namespace quillon
