#pragma once

#include "core/Globals.h"
#include "math/GComplex.h"
#include "math/GMatrix.h"
#include "math/GQuaternion.h"
#include "math/GVektor.h"

#include <span>
#include <string>
#include <vector>

// A whole matrix, vector, complex number or quaternion as text for another program: LaTeX, Octave,
// NumPy, or tab-separated rows for a spreadsheet. Every form is one row of a table, so a new form
// needs no new code.

namespace quillon {

enum class CopyKind { Matrix, Vector, Complex, Quaternion };

// The parts of one value: a matrix row after row, a vector's x, y, z, a complex number's Re, Im, a
// quaternion's Re, i, j, k.
struct CopyValue {
    CopyKind kind = CopyKind::Vector;
    std::vector<Extended> parts;
};

CopyValue CopyOf(const TMatrix& m);
CopyValue CopyOf(TVektor v);
CopyValue CopyOf(TComplex z);
CopyValue CopyOf(TQuat q);

// How a form lays out a value that is not a matrix (a matrix is always rows of three):
// Column: one part a row; Row: all parts in one row; Flat: the parts without row brackets;
// Sum: "a + bi + cj + dk" with the form's units.
enum class CopyLayout { Column, Row, Flat, Sum };

struct CopyForm {
    const char* id;   // the part of the menu entry's object name, "CopyAs<id>_Action"
    const char* name; // the entry's caption where it is the same in every language
    int text;         // otherwise its text number (name is then empty)
    // true: numbers as the fields show them (FormatNumber); false: "." and "e", which every program
    // reads whatever the user's regional settings.
    bool shownNumbers;
    const char* open; // around the whole array
    const char* close;
    const char* rowOpen; // around each row
    const char* rowClose;
    const char* partSeparator; // between the parts of a row
    const char* rowSeparator;
    CopyLayout vector, complex, quaternion;
    const char* complexUnit; // "i" or "j"; the quaternion units are i, j, k in every form
};

// LaTeX, Octave/MATLAB, NumPy, plain text, in the order of the menu.
std::span<const CopyForm> CopyForms();

// The number as `form` writes it, with Precision significant digits.
std::string CopyNumber(Extended x, const CopyForm& form);

// The whole value in the form.
std::string CopyText(const CopyValue& value, const CopyForm& form);

} // namespace quillon
