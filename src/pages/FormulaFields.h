#pragma once

#include "core/Globals.h"
#include "math/GVektor.h"

#include <array>

class QLabel;
class QLineEdit;
class QWidget;

// The numeric fields of the formula pages. A field's text is only parsed when an operation reads it:
// typing (or a program write) marks the component stale, and a read evaluates just the stale ones.

namespace quillon {

struct VectorCell {
    std::array<bool, 3> stale{};
    TVektor value{};
};

struct ScalarCell {
    bool stale = false;
    Extended value = 0;
};

// From now on every text change of an edit marks its component of the cell stale. The cell must live
// as long as the edits (both belong to the same page).
void BindVectorEdits(QLineEdit* editX, QLineEdit* editY, QLineEdit* editZ, VectorCell& cell);
void BindScalarEdit(QLineEdit* edit, ScalarCell& cell);

// EvaluateText of the edit's text; an error names the edit to the error display.
Extended EvaluateField(const QLineEdit* edit);

// Evaluates the stale components only and clears their flags. An evaluation error propagates; the
// components read before it keep their new values, the failing one and those after it stay stale.
void ReadVectorEdits(const QLineEdit* editX, const QLineEdit* editY, const QLineEdit* editZ,
                     VectorCell& cell);
void ReadScalarEdit(const QLineEdit* edit, ScalarCell& cell);

// FormatNumber of each component. The writes mark the bound cell stale, as a user edit would.
void WriteVectorEdits(const TVektor& vector, QLineEdit* editX, QLineEdit* editY, QLineEdit* editZ);
void WriteScalarEdit(Extended value, QLineEdit* edit);
void WriteVectorLabels(const TVektor& vector, QLabel* labelX, QLabel* labelY, QLabel* labelZ);

void SetTripleVisible(QWidget* first, QWidget* second, QWidget* third, bool visible);
// Moves the three controls horizontally, keeping their tops.
void SetTripleLeft(QWidget* first, QWidget* second, QWidget* third, int left);

} // namespace quillon
