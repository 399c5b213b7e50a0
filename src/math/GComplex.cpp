#include "math/GComplex.h"

#include "core/FloatError.h"

#include <cfenv>
#include <cmath>

namespace quillon {
namespace {

void SyncFromCartesian(TComplex& z) {
    z.r = std::sqrt(z.Re * z.Re + z.Im * z.Im);
    if (z.Re != 0)
        z.phi = std::atan2(z.Im, z.Re);
    else
        z.phi = z.Im < 0 ? -Pi / 2 : Pi / 2;
}

void SyncFromPolar(TComplex& z) {
    if (z.phi == Pi / 2 || z.phi == -Pi / 2) {
        // The cosine of the rounded pi/2 is not 0; a pure imaginary number must stay pure.
        z.Re = 0;
        z.Im = z.r * (z.phi / std::fabs(z.phi));
    } else {
        z.Re = z.r * std::cos(z.phi);
        z.Im = z.r * std::sin(z.phi);
    }
}

TComplex FromCartesian(Extended re, Extended im) {
    TComplex z{re, im, 0, 0};
    SyncFromCartesian(z);
    return z;
}

TComplex FromPolar(Extended r, Extended phi) {
    TComplex z{0, 0, r, phi};
    SyncFromPolar(z);
    return z;
}

// The logarithm where the inverse hyperbolic tangent and cotangent have their poles: ComplexLn would pass
// 0 through and turn the pole into a finite, wrong value.
TComplex LnOfNonZero(TComplex z) {
    if (!(z.r > 0)) throw FloatError(FloatErrorKind::DivisionByZero);
    return ComplexLn(z);
}

} // namespace

void ComplexSync(TComplex& z, bool fromPolar) {
    z = Checked([&] {
        TComplex w = z;
        if (fromPolar)
            SyncFromPolar(w);
        else
            SyncFromCartesian(w);
        return w;
    });
}

TComplex ComplexAdd(TComplex a, TComplex b) {
    return Checked([&] { return FromCartesian(a.Re + b.Re, a.Im + b.Im); });
}

TComplex ComplexSub(TComplex a, TComplex b) {
    return Checked([&] { return FromCartesian(a.Re - b.Re, a.Im - b.Im); });
}

TComplex ComplexMul(TComplex a, TComplex b) {
    return Checked([&] { return FromCartesian(a.Re * b.Re - a.Im * b.Im, a.Re * b.Im + a.Im * b.Re); });
}

TComplex ComplexDiv(TComplex a, TComplex b) {
    return Checked([&] {
        if (!(b.r > 0)) return a;
        return FromPolar(a.r / b.r, a.phi - b.phi);
    });
}

TComplex ComplexScale(TComplex z, Extended x) {
    return Checked([&] { return ComplexMul(TComplex{x, 0, 0, 0}, z); });
}

TComplex ComplexDivReal(TComplex z, Extended x) {
    return Checked([&] {
        if (x == 0) return z;
        return ComplexDiv(z, FromCartesian(x, 0));
    });
}

TComplex ComplexConj(TComplex z) {
    return Checked([&] { return FromCartesian(z.Re, -z.Im); });
}

TComplex ComplexPower(TComplex z, Extended x) {
    return Checked([&] {
        TComplex w = FromPolar(Power(z.r, x), x * z.phi);
        SyncFromCartesian(w);
        return w;
    });
}

TComplex ComplexLn(TComplex z) {
    return Checked([&] {
        if (!(z.r > 0)) return z;
        return FromCartesian(std::log(z.r), z.phi);
    });
}

TComplex ComplexExp(TComplex z) {
    return Checked([&] {
        const TComplex w{std::cos(z.Im), std::sin(z.Im), 0, 0};
        return ComplexScale(w, std::exp(z.Re));
    });
}

TComplex ComplexSqrt(TComplex z) {
    return Checked([&] {
        // Exact for the negative reals, where the logarithm's rounded argument would leave a real residue.
        if (z.Im == 0 && z.Re < 0) return FromCartesian(0, std::sqrt(-z.Re));
        // The logarithm cannot take 0; going through its fallback would make the root of 0 equal to 1.
        if (!(z.r > 0)) return FromCartesian(0, 0);
        return ComplexExp(ComplexDivReal(ComplexLn(z), 2));
    });
}

TComplex ComplexSin(TComplex z) {
    return Checked(
        [&] { return FromCartesian(std::sin(z.Re) * std::cosh(z.Im), std::cos(z.Re) * std::sinh(z.Im)); });
}

TComplex ComplexCos(TComplex z) {
    return Checked(
        [&] { return FromCartesian(std::cos(z.Re) * std::cosh(z.Im), -std::sin(z.Re) * std::sinh(z.Im)); });
}

TComplex ComplexTan(TComplex z) {
    return Checked([&] {
        const Extended d = std::cos(2 * z.Re) + std::cosh(2 * z.Im);
        if (d == 0) return z;
        return FromCartesian(std::sin(2 * z.Re) / d, std::sinh(2 * z.Im) / d);
    });
}

TComplex ComplexCot(TComplex z) {
    return Checked([&] {
        const TComplex t = ComplexTan(z);
        // A pole: the quotient's fallback would answer 1.
        if (!(t.r > 0)) throw FloatError(FloatErrorKind::DivisionByZero);
        return ComplexDiv(ComplexOne, t);
    });
}

TComplex ComplexSinh(TComplex z) {
    return Checked(
        [&] { return FromCartesian(std::sinh(z.Re) * std::cos(z.Im), std::cosh(z.Re) * std::sin(z.Im)); });
}

TComplex ComplexCosh(TComplex z) {
    return Checked(
        [&] { return FromCartesian(std::cosh(z.Re) * std::cos(z.Im), std::sinh(z.Re) * std::sin(z.Im)); });
}

TComplex ComplexTanh(TComplex z) {
    return Checked([&] { return ComplexDiv(ComplexSinh(z), ComplexCosh(z)); });
}

TComplex ComplexCoth(TComplex z) {
    return Checked([&] {
        const TComplex t = ComplexTanh(z);
        // A pole: the quotient's fallback would answer 1.
        if (!(t.r > 0)) throw FloatError(FloatErrorKind::DivisionByZero);
        return ComplexDiv(ComplexOne, t);
    });
}

// The inverse functions keep the textbook logarithmic formulas step by step, each step an operation of
// this unit with the constant factor first; their branches are simply those of these formulas.

TComplex ComplexArcSin(TComplex z) {
    return Checked([&] {
        const TComplex iz = ComplexMul(ComplexI, z);
        const TComplex root = ComplexSqrt(ComplexSub(ComplexOne, ComplexMul(z, z)));
        const TComplex ln = ComplexLn(ComplexAdd(iz, root));
        return ComplexSub(ComplexZero, ComplexMul(ComplexI, ln));
    });
}

TComplex ComplexArcCos(TComplex z) {
    return Checked([&] {
        const TComplex root = ComplexSqrt(ComplexSub(ComplexMul(z, z), ComplexOne));
        const TComplex ln = ComplexLn(ComplexAdd(z, root));
        return ComplexSub(ComplexZero, ComplexMul(ComplexI, ln));
    });
}

TComplex ComplexArcTan(TComplex z) {
    return Checked([&] { return ComplexMul(ComplexMinusI, ComplexArTanh(ComplexMul(ComplexI, z))); });
}

TComplex ComplexArcCot(TComplex z) {
    return Checked([&] {
        // arccot 0 = pi/2, where the reciprocal's fallback would give arctan 1 = pi/4.
        if (!(z.r > 0)) return FromCartesian(Pi / 2, 0);
        return ComplexArcTan(ComplexDiv(ComplexOne, z));
    });
}

TComplex ComplexArSinh(TComplex z) {
    return Checked([&] {
        const TComplex root = ComplexSqrt(ComplexAdd(ComplexOne, ComplexMul(z, z)));
        return ComplexLn(ComplexAdd(z, root));
    });
}

TComplex ComplexArCosh(TComplex z) {
    return Checked([&] {
        const TComplex left = ComplexSqrt(ComplexDivReal(ComplexAdd(ComplexOne, z), 2));
        const TComplex right = ComplexSqrt(ComplexDivReal(ComplexSub(z, ComplexOne), 2));
        return ComplexScale(ComplexLn(ComplexAdd(left, right)), 2);
    });
}

TComplex ComplexArTanh(TComplex z) {
    return Checked([&] {
        const TComplex lnPlus = LnOfNonZero(ComplexAdd(ComplexOne, z));
        const TComplex lnMinus = LnOfNonZero(ComplexSub(ComplexOne, z));
        return ComplexDivReal(ComplexSub(lnPlus, lnMinus), 2);
    });
}

TComplex ComplexArCoth(TComplex z) {
    return Checked([&] {
        const TComplex lnPlus = LnOfNonZero(ComplexAdd(z, ComplexOne));
        const TComplex lnMinus = LnOfNonZero(ComplexSub(z, ComplexOne));
        return ComplexDivReal(ComplexSub(lnPlus, lnMinus), 2);
    });
}

} // namespace quillon
