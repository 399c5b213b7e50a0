#pragma once

#include "core/Globals.h"

// Real functions under the dual arithmetic, each with the numeric conventions the formulas rely on
// (where they overflow, what they give outside their domain). None of them checks anything: domain
// errors show up as floating-point events for the caller to detect.

namespace quillon {

// -1, 0 or 1.
Extended sgn(Extended x);
// cosh x / sinh x; divides by zero at 0.
Extended coth(Extended x);
// atan(1/x) for x other than 0 and +-1, 0 at 0, a division by zero at +-1.
Extended arccot(Extended x);

// e^x as 2^(x log2 e), split into an integer power of two and a fraction: overflows above about 11356.5.
Extended Exp(Extended x);
// Both from one exponential, h = e^x / 2: sinh = h - 0.25/h, cosh = h + 0.25/h.
void SinhCosh(Extended x, Extended& sinhX, Extended& coshX);
Extended Sinh(Extended x);
Extended Cosh(Extended x);
// +-1 beyond +-5678.22249441322, (e^2x - 1) / (e^2x + 1) otherwise.
Extended Tanh(Extended x);
// Arguments of magnitude 2^63 or more give 0 for both.
void SinCos(Extended x, Extended& sinX, Extended& cosX);
Extended Sin(Extended x);
Extended Cos(Extended x);

// 0 for x <= 1 (no event below 1).
Extended arcosh(Extended x);
Extended arsinh(Extended x);
// +-1.1e4932 for |x| >= 1.
Extended artanh(Extended x);

} // namespace quillon
