#include "pages/MatrixReport.h"

#include "core/FloatError.h"
#include "core/Handle.h"
#include "math/GEigen.h"
#include "math/GRotation.h"
#include "math/MathText.h"
#include "text/AllText.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quillon {
namespace {

// The three rows of a matrix, its columns padded to their widest entry, entries joined by one blank.
std::array<std::string, 3> Rows(const TMatrix& m) {
    const std::array<std::string, 9> t = AlignMatrixColumns(m);
    std::array<std::string, 3> rows;
    for (int i = 0; i < 3; ++i)
        rows[i] = t[3 * i] + " " + t[3 * i + 1] + " " + t[3 * i + 2];
    return rows;
}

// The three components of a vector, padded to the widest of them.
std::array<std::string, 3> Column(const TVektor& v) {
    std::array<std::string, 3> t = {FormatNumber(v.x), FormatNumber(v.y), FormatNumber(v.z)};
    const std::size_t width = std::max({t[0].size(), t[1].size(), t[2].size()});
    for (std::string& s : t)
        s.resize(width, ' ');
    return t;
}

std::array<std::string, 3> SingularLines() {
    return {std::string(), Text(92), std::string()};
}

// A coefficient of the characteristic polynomial with its power of k; nothing for a zero coefficient.
std::string Term(Extended c, const char* suffix) {
    if (c > 0) return "+" + FormatNumber(c) + suffix;
    if (c < 0) return FormatNumber(c) + suffix;
    return {};
}

} // namespace

std::array<std::string, 3> OperationLines(int n, const MatrixValues& v) {
    const auto A = Rows(v.A);
    const auto B = Rows(v.B);
    const auto C = Rows(v.C);
    const auto x = Column(v.x);
    const auto b = Column(v.b);
    const std::string D = FormatNumber(v.d);
    const std::string S(D.size(), ' ');

    switch (n) {
    case 0:
    case 1:
    case 2: {
        const char* name[3] = {"A+B = |", "A-B = |", "A*B = |"};
        const char* sign[3] = {"|+|", "|-|", "|*|"};
        return {"      /" + A[0] + "\\ /" + B[0] + "\\ /" + C[0] + "\\",
                name[n] + A[1] + sign[n] + B[1] + "|=|" + C[1] + "|",
                "      \\" + A[2] + "/ \\" + B[2] + "/ \\" + C[2] + "/"};
    }
    case 3:
        return {S + "       /" + A[0] + "\\   /" + C[0] + "\\",
                "d*A = " + D + "*|" + A[1] + "| = |" + C[1] + "|",
                S + "       \\" + A[2] + "/   \\" + C[2] + "/"};
    case 4:
        return {"      /" + A[0] + "\\  /" + S + "   /" + C[0] + "\\",
                "A/d = |" + A[1] + "| / " + D + " = |" + C[1] + "|",
                "      \\" + A[2] + "//  " + S + "   \\" + C[2] + "/"};
    case 5:
        if (MDet(v.A) == 0) return SingularLines();
        return {"  -1  /" + A[0] + "\\-1  /" + C[0] + "\\", "(A) = |" + A[1] + "|  = |" + C[1] + "|",
                "      \\" + A[2] + "/    \\" + C[2] + "/"};
    case 6:
        return {"      /" + A[0] + "\\ /" + x[0] + "\\   /" + b[0] + "\\",
                "A*x = |" + A[1] + "|*|" + x[1] + "| = |" + b[1] + "|",
                "      \\" + A[2] + "/ \\" + x[2] + "/   \\" + b[2] + "/"};
    case 7:
        if (MDet(v.A) == 0) return SingularLines();
        return {"       /" + A[0] + "\\    /" + b[0] + "\\       /" + x[0] + "\\",
                "A*x=b: |" + A[1] + "|*x= |" + b[1] + "| --> x=|" + x[1] + "|",
                "       \\" + A[2] + "/    \\" + b[2] + "/       \\" + x[2] + "/"};
    case 8:
        return {"  /" + x[0] + "\\        " + S + "      /" + C[0] + "\\",
                "x=|" + x[1] + "|; alpha=" + D + "  --> |" + C[1] + "|",
                "  \\" + x[2] + "/        " + S + "      \\" + C[2] + "/"};
    default:
        return {"        |" + A[0] + "|", "det(A)= |" + A[1] + "|  = " + D, "        |" + A[2] + "|"};
    }
}

void InfoReport(const TMatrix& X, char name, const std::function<void(const std::string&)>& append) {
    const std::string N(1, name);
    const auto rows = Rows(X);
    append("    /" + rows[0] + "\\");
    append(N + " = |" + rows[1] + "|");
    append("    \\" + rows[2] + "/");

    const Extended det = MDet(X);
    if (det != 0) {
        const auto inverse = Rows(MInverse(X));
        append("  -1  /" + inverse[0] + "\\");
        append("(" + N + ") = |" + inverse[1] + "|");
        append("      \\" + inverse[2] + "/");
    } else {
        append(N + Text(92));
    }
    append("Det " + N + " = " + FormatNumber(det));
    append(Text(90) + " " + N + " = " + FormatNumber(MTrace(X)));

    const TMatrix transposed = MTranspose(X);
    const bool orthogonal = MEqual(MMul(transposed, X), EinheitsMatrix);
    if (!MEqual(X, NullMatrix)) {
        if (MEqual(X, EinheitsMatrix)) {
            append(N + Text(91));
        } else {
            if (orthogonal) {
                if (det == 1)
                    append(N + Text(89) + N + " = 1; " + N + Text(96) + ")");
                else
                    append(N + Text(96));
            }
            // X^T X^-1 = I says X^T = X; for a singular X the inverse is X itself, so it fails.
            if (MEqual(MMul(transposed, MInverse(X)), EinheitsMatrix)) append(N + Text(98));
        }
    }

    if (det == 1 && orthogonal) {
        const TVektor t{(X(3, 2) - X(2, 3)) / 2, (X(1, 3) - X(3, 1)) / 2, (X(2, 1) - X(1, 2)) / 2};
        // For an orthogonal matrix |t| is a sine; rounding must not push it past 1 into a failure.
        const Extended alpha = Checked([&] { return std::asin(std::min(VLength(t), 1.0L)); });
        append(Text(99) + ": alpha=" + FormatNumber(alpha) + "; " + VectorText(t));
    }

    const TVektor c = MCharPoly(X);
    const std::string start = "char. Polynom: -k*k*k";
    const std::string polynomial = start + Term(c.x, " k*k") + Term(c.y, " k") + Term(c.z, "");
    if (polynomial.size() > start.size()) append(polynomial + "=0");
}

namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

// Rounding noise of the rotation's parts, as in the eigenvectors, is written as 0.
Extended Tidy(Extended x) {
    return std::fabs(x) < EigenTolerance ? 0 : x;
}

// "0,5-0,5i+0,5j-0,5k"
std::string QuaternionText(const TQuat& q) {
    std::string text = FormatNumber(Tidy(q.Re));
    const std::pair<Extended, char> parts[] = {{q.i, 'i'}, {q.j, 'j'}, {q.k, 'k'}};
    for (const auto& [value, letter] : parts) {
        const Extended v = Tidy(value);
        text += (v < 0 ? "-" : "+") + FormatNumber(std::fabs(v)) + letter;
    }
    return text;
}

} // namespace

void EigenReport(const TMatrix& X, const std::function<void(const std::string&)>& append) {
    const TEigen eigen = MEigen(X);
    if (!eigen.defined) {
        append(Text(801));
        return;
    }
    std::vector<std::string> values;
    for (int n = 0; n < eigen.realCount; ++n)
        values.push_back(FormatNumber(eigen.real[n]));
    if (eigen.realCount == 1) {
        const std::string re = FormatNumber(eigen.re), im = FormatNumber(eigen.im);
        values.push_back(re + "+" + im + "i");
        values.push_back(re + "-" + im + "i");
    }
    append(Text(44) + " " + Joined(values));

    for (int s = 0; s < eigen.spaceCount; ++s) {
        const TEigenSpace& space = eigen.spaces[s];
        std::vector<std::string> vectors;
        for (int n = 0; n < space.dimension; ++n)
            vectors.push_back(VectorText(space.basis[n]));
        append(Text(43) + " " + FormatNumber(space.value) + ": " + Joined(vectors));
    }

    if (!IsRotationWithinRounding(X)) return;
    const TQuat q = RotationToQuat(X);
    TVektor axis;
    Extended degrees = 0;
    QuatAxisAngle(q, axis, degrees);
    append(Text(802) + VectorText(TVektor{Tidy(axis.x), Tidy(axis.y), Tidy(axis.z)}));
    append(Text(803) + FormatNumber(degrees) + "\u00B0");
    append(Text(804) + QuaternionText(q));
}

} // namespace quillon
