#pragma once

#include "core/Globals.h"
#include "math/GMatrix.h"
#include "math/GQuaternion.h"
#include "math/GVektor.h"

// Rotations as matrices, as unit quaternions and as axis and angle. Extended precision throughout;
// nothing here raises or leaves a floating-point event.

namespace quillon {

// Every element of A^T A within this of the identity, and det A > 0: a rotation within rounding.
inline constexpr Extended RotationTolerance = 1e-15L;

bool IsRotationWithinRounding(TMatrix A);

// The rotation matrix of the unit quaternion of q (q / |q|); the zero quaternion gives the identity.
TMatrix QuatToRotation(TQuat q);

// The unit quaternion of a rotation within rounding, with Re >= 0 (for a half turn, Re = 0, the
// first component of the axis that is not 0 is positive). Of the largest of 1 + trace and the three
// 1 + 2 a_ii - trace the root is taken, so no small number is divided by. Parts below 2^-56 are
// rounding noise and become 0.
TQuat RotationToQuat(TMatrix R);

// Axis (unit, (0, 0, 0) for the identity) and angle in degrees, 0..180, of the unit quaternion q with
// Re >= 0.
void QuatAxisAngle(TQuat q, TVektor& axis, Extended& degrees);

} // namespace quillon
