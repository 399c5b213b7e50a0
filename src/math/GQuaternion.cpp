#include "math/GQuaternion.h"

#include "core/FloatError.h"

#include <cfenv>
#include <cmath>

namespace quillon {
namespace {

using ComplexFunction = TComplex (*)(TComplex);

struct NamedFunction {
    const char* name;
    ComplexFunction f;
};

const NamedFunction ComplexFunctions[] = {
    {"sin", ComplexSin},        {"cos", ComplexCos},        {"tan", ComplexTan},
    {"cotan", ComplexCot},      {"sinh", ComplexSinh},      {"cosh", ComplexCosh},
    {"tanh", ComplexTanh},      {"coth", ComplexCoth},      {"arcsin", ComplexArcSin},
    {"arccos", ComplexArcCos},  {"arctan", ComplexArcTan},  {"arccot", ComplexArcCot},
    {"arcsinh", ComplexArSinh}, {"arccosh", ComplexArCosh}, {"arctanh", ComplexArTanh},
    {"artanh", ComplexArTanh},  {"arcoth", ComplexArCoth},  {"sqrt", ComplexSqrt},
    {"exp", ComplexExp},        {"ln", ComplexLn},
};

TQuat Reduced(ComplexFunction f, TQuat q) {
    TComplex z{q.Re, QuatImagLength(q), 0, 0};
    ComplexSync(z, false);
    const TComplex w = f(z);
    TVektor u{1, 0, 0};
    if (!(q.i == 0 && q.j == 0 && q.k == 0)) {
        const Extended length = QuatImagLength(q);
        u = TVektor{q.i / length, q.j / length, q.k / length};
    }
    return TQuat{w.Re, w.Im * u.x, w.Im * u.y, w.Im * u.z};
}

} // namespace

TQuat QuatAdd(TQuat a, TQuat b) {
    return Checked([&] { return TQuat{a.Re + b.Re, a.i + b.i, a.j + b.j, a.k + b.k}; });
}

TQuat QuatSub(TQuat a, TQuat b) {
    return Checked([&] { return TQuat{a.Re - b.Re, a.i - b.i, a.j - b.j, a.k - b.k}; });
}

TQuat QuatMul(TQuat a, TQuat b) {
    return Checked([&] {
        return TQuat{
            a.Re * b.Re - a.i * b.i - a.j * b.j - a.k * b.k, a.Re * b.i + a.i * b.Re + a.j * b.k - a.k * b.j,
            a.Re * b.j - a.i * b.k + a.j * b.Re + a.k * b.i, a.Re * b.k + a.i * b.j - a.j * b.i + a.k * b.Re};
    });
}

TQuat QuatDiv(TQuat a, TQuat b) {
    return Checked([&] {
        const Extended x = QuatNorm2(b);
        // No inverse: keep the dividend, as the complex quotient does.
        if (!(x > 0)) return a;
        return QuatMul(a, QuatDivReal(QuatConj(b), x));
    });
}

TQuat QuatScale(TQuat q, Extended x) {
    return Checked([&] { return TQuat{q.Re * x, q.i * x, q.j * x, q.k * x}; });
}

TQuat QuatDivReal(TQuat q, Extended x) {
    return Checked([&] {
        if (x == 0) return q;
        return TQuat{q.Re / x, q.i / x, q.j / x, q.k / x};
    });
}

TQuat QuatConj(TQuat q) {
    return TQuat{q.Re, -q.i, -q.j, -q.k};
}

Extended QuatNorm2(TQuat q) {
    return Checked([&] { return q.Re * q.Re + q.i * q.i + q.j * q.j + q.k * q.k; });
}

Extended QuatAbs(TQuat q) {
    return Checked([&] { return std::sqrt(QuatNorm2(q)); });
}

Extended QuatImagLength(TQuat q) {
    return Checked([&] { return std::sqrt(q.i * q.i + q.j * q.j + q.k * q.k); });
}

Extended QuatArg(TQuat q) {
    return Checked([&] {
        const Extended m = QuatAbs(q);
        if (!(m > 0)) return Extended{0};
        const Extended c = q.Re / m;
        // A real part whose square is subnormal can leave m just below |Re| and c beyond +-1; that
        // quaternion is real, and its argument is 0 or pi rather than an invalid operation.
        const Extended s = 1 - c * c;
        return std::atan2(s > 0 ? std::sqrt(s) : 0, c);
    });
}

TVektor QuatAxis(TQuat q) {
    return Checked([&] {
        const Extended phi = QuatArg(q);
        if (phi == 0) return NullVektor;
        if (q.Re == 0) {
            const TQuat unit = QuatUnit(q);
            return TVektor{unit.i, unit.j, unit.k};
        }
        // Re tan(phi) is |v|; for a negative real quaternion tan(pi) is a rounding residue, not 0, so the
        // axis comes out as the zero vector.
        const Extended s = q.Re * std::tan(phi);
        return TVektor{q.i / s, q.j / s, q.k / s};
    });
}

TQuat QuatUnit(TQuat q) {
    return Checked([&] {
        if (!(QuatAbs(q) > 0)) return QuatZero;
        return QuatDivReal(q, QuatAbs(q));
    });
}

TQuat QuatPower(TQuat q, Extended x) {
    return Checked([&] {
        const Extended m = Power(QuatNorm2(q), x / 2);
        const Extended phi = QuatArg(q);
        TVektor n = QuatAxis(q);
        // A negative real quaternion has no axis of its own; without one its fractional powers would
        // collapse to about 0. Take the i-axis, as the elementary functions do.
        if (n.x == 0 && n.y == 0 && n.z == 0) n = TVektor{1, 0, 0};
        const Extended s = m * std::sin(x * phi);
        return TQuat{m * std::cos(x * phi), s * n.x, s * n.y, s * n.z};
    });
}

TQuat QuatReduced(TComplex (*f)(TComplex), TQuat q) {
    return Checked([&] { return Reduced(f, q); });
}

TQuat QuatOperation(const std::string& name, TQuat a, TQuat b) {
    if (name == "add") return QuatAdd(a, b);
    if (name == "sub") return QuatSub(a, b);
    if (name == "mul") return QuatMul(a, b);
    if (name == "div") return QuatDiv(a, b);
    return a;
}

TQuat QuatFunction(const std::string& name, TQuat q) {
    if (name == "kehrwert") return QuatDiv(QuatOne, q);
    if (name == "konj") return QuatConj(q);
    for (const NamedFunction& entry : ComplexFunctions)
        if (name == entry.name) return QuatReduced(entry.f, q);
    return q;
}

} // namespace quillon
