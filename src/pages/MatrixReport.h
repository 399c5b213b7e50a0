#pragma once

#include "core/Globals.h"
#include "math/GMatrix.h"
#include "math/GVektor.h"

#include <array>
#include <functional>
#include <string>

// The report lines of the matrix page: each operation's equation drawn over three lines with ASCII
// brackets, and the information report on one matrix. Every piece of a line has the same width on all
// three lines, so the brackets line up in a fixed-pitch font.

namespace quillon {

// The page's values after an operation: inputs as read, the result in its slot.
struct MatrixValues {
    TMatrix A{}, B{}, C{};
    TVektor x{}, b{};
    Extended d = 0;
};

// Operation n (0..9) of the tool bar: A+B, A-B, A*B, d*A, A/d, inverse, A*x, solve A*x = b, rotation,
// determinant. A singular A in the inverse and in the solution gives an empty line, the message, and
// an empty line.
std::array<std::string, 3> OperationLines(int n, const MatrixValues& values);

// The information report on matrix X called `name` (a single letter): the matrix, its inverse,
// determinant, trace, special properties, rotation angle and characteristic polynomial. Each line goes
// to `append` as soon as it is built, so the lines before a floating-point error stay reported.
void InfoReport(const TMatrix& X, char name, const std::function<void(const std::string&)>& append);

// The lines the information report ends with when Matrix_Eigen is on: the eigenvalues, each distinct
// real eigenvalue with a basis of its eigenspace, and for a rotation within rounding its axis, angle in
// degrees and unit quaternion. A matrix with an infinite or invalid element gets one line saying that
// the eigenvalues are not defined. Never throws a floating-point error.
void EigenReport(const TMatrix& X, const std::function<void(const std::string&)>& append);

} // namespace quillon
