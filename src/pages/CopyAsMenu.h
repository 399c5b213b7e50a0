#pragma once

#include "math/CopyForms.h"
#include "pages/FormulaFields.h"

#include <array>
#include <functional>
#include <span>

class QLineEdit;

// "Copy as" in the context menu of every field of a matrix, vector, complex number or quaternion: the
// whole value the field belongs to goes to the clipboard in one of the forms of CopyForms().

namespace quillon {

// The value as the page reads it at the moment of the copy; it may throw the evaluation error of a
// field, which the error display then shows, and nothing is copied.
using CopyReader = std::function<CopyValue()>;

// Puts the sub-menu above the standard edit entries of each field's context menu. The reader is
// called once per copy.
void AddCopyAsMenu(std::span<QLineEdit* const> fields, CopyReader read);

// A formula vector: its stale components are evaluated into the cell first, as an operation would.
void AddCopyAsMenu(const std::array<QLineEdit*, 3>& edits, VectorCell& cell);

} // namespace quillon
