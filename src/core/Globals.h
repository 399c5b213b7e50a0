#pragma once

// Process-wide number settings and the small real helpers every page shares.

namespace quillon {

// The x87 80-bit type on x86-64: a 64-bit mantissa, the precision the whole program computes in.
using Extended = long double;

inline constexpr Extended Pi = 3.1415926535897932385L;

// Significant digits of output (clamped to 2..18 where used), default 5.
extern int Precision;
// Minimum exponent digits of the scientific and fixed formats of the options dialog, default 1.
extern int Digits;
// The decimal separator of the user's regional settings; the application sets it at start-up.
extern char DecimalSeparator;

// Sphere and angle helpers; like Power they throw FloatError for the events they raise.
Extended SphereSurface(Extended r);
Extended RadiusFromSurface(Extended area);
Extended SphereVolume(Extended r);
Extended RadiusFromVolume(Extended volume);
Extended RadToDeg(Extended x);
Extended DegToRad(Extended x);

// The real power: 1 for a zero exponent, 0 for a zero base and a positive exponent, repeated squaring
// for integral exponents up to 2^31 - 1 in magnitude (so negative bases work), exp(e ln b) otherwise.
// Throws FloatError for the floating-point events it raises (0^-1, (-8)^(1/3), 10^5000).
Extended Power(Extended base, Extended exponent);

} // namespace quillon
