#include "math/MathText.h"

#include "core/Handle.h"

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

// One coefficient term of a plane equation; the x term opens the text, so it has no leading "+".
std::string EquationTerm(Extended c, char variable, bool first) {
    const std::string name(1, variable);
    if (c == 1) return first ? name + " " : "+ " + name + " ";
    if (c == -1) return "- " + name + " ";
    if (c > 0) return (first ? "" : "+ ") + FormatNumber(c) + " " + name + " ";
    if (c < 0) return "- " + FormatNumber(std::fabs(c)) + " " + name + " ";
    return "";
}

} // namespace

std::string VectorText(TVektor v) {
    return "(" + FormatNumber(v.x) + " ;" + FormatNumber(v.y) + " ;" + FormatNumber(v.z) + ")";
}

std::string LineText(TGerade line) {
    return "x= " + VectorText(line.P) + " + t * " + VectorText(line.u);
}

std::string PlaneParamText(TEbene plane) {
    return "x= " + VectorText(plane.Q) + " + t * " + VectorText(plane.v) + " + s * " + VectorText(plane.w);
}

std::string PlaneEquationText(TVektor normal, Extended d) {
    // The x term replaces the text rather than appending to it: with a zero x coefficient the equation
    // starts with the sign of the y or z term ("+ y + z = 5").
    std::string text = EquationTerm(normal.x, 'x', true);
    text += EquationTerm(normal.y, 'y', false);
    text += EquationTerm(normal.z, 'z', false);
    return text + "= " + FormatNumber(d);
}

std::string SphereText(TKugel sphere) {
    return "m = " + VectorText(sphere.m) + "; r = " + FormatNumber(sphere.r);
}

std::array<std::string, 9> AlignMatrixColumns(const TMatrix& matrix) {
    std::array<std::string, 9> texts;
    for (int i = 0; i < 9; ++i)
        texts[i] = FormatNumber(matrix.e[i]);
    for (int column = 0; column < 3; ++column) {
        std::size_t width = 0;
        for (int row = 0; row < 3; ++row)
            width = std::max(width, texts[3 * row + column].size());
        for (int row = 0; row < 3; ++row)
            texts[3 * row + column].resize(width, ' ');
    }
    return texts;
}

} // namespace quillon
