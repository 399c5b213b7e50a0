#pragma once

#include "core/Globals.h"
#include "math/Bodies.h"
#include "math/GMatrix.h"
#include "math/GVektor.h"

#include <array>
#include <string>

// The texts of vectors, lines, planes, spheres and matrices that the result memos show, built from
// FormatNumber with the user's precision and decimal separator.

namespace quillon {

// "(x ;y ;z)": a blank before each semicolon, none after.
std::string VectorText(TVektor v);
// "x= (P) + t * (u)"
std::string LineText(TGerade line);
// "x= (Q) + t * (v) + s * (w)"
std::string PlaneParamText(TEbene plane);
// "x - 2 y = 3": a coefficient of ±1 is written as its sign alone, a zero term is left out.
std::string PlaneEquationText(TVektor normal, Extended d);
inline std::string PlaneEquationText(TEbeneKoord plane) {
    return PlaneEquationText(plane.n, plane.d);
}
// "m = (1 ;2 ;3); r = 4"
std::string SphereText(TKugel sphere);
// The nine entries in row-major order, each padded on the right with blanks to the width of the widest
// entry in its column, so that a fixed-pitch memo shows aligned columns.
std::array<std::string, 9> AlignMatrixColumns(const TMatrix& matrix);

} // namespace quillon
