#pragma once

#include "core/Globals.h"
#include "math/GComplex.h"
#include "math/GQuaternion.h"

#include <QObject>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QString;

// The plain-number fields of the complex and quaternion pages. Unlike the formula fields of the other
// pages these read plain numbers only, keep the old value on text that is not one, and carry a writing
// flag so that a page's own writes raise no change handling.

namespace quillon {

// A plain number in the locale format: optional blanks, sign, digits with DecimalSeparator, optional
// exponent. No formulas, no thousands separators, nothing beyond the extended range.
std::optional<Extended> ReadPlainNumber(const QString& text);

// Clears a page's change-handling flag while the page writes into its own fields, and restores it.
class WritingScope {
public:
    explicit WritingScope(bool& changeHandling) : flag_(changeHandling), saved_(changeHandling) {
        flag_ = false;
    }
    ~WritingScope() { flag_ = saved_; }
    WritingScope(const WritingScope&) = delete;
    WritingScope& operator=(const WritingScope&) = delete;

private:
    bool& flag_;
    bool saved_;
};

// The four fields of one complex number, in the order of their index: Re 0, Im 1, r 2, phi 3.
using ComplexEdits = std::array<QLineEdit*, 4>;

// Index of the field that names every field of a complex number, for WriteComplexEdits.
inline constexpr int AllComplexFields = 5;

// src with the part of field `index` taken from that field's text (phi converted from degrees in degree
// mode), then the other form recomputed: polar from Cartesian for Re and Im, Cartesian from polar for r
// and phi. A text that is not a number leaves src as it is, silently. The result goes to dst.
void ReadComplexField(const ComplexEdits& edits, TComplex& dst, int index, const TComplex& src,
                      bool degreeMode);

// Writes every part of z except the one of field `index` (AllComplexFields writes all four), phi in
// degrees in degree mode; then every field's hint becomes the exact-value text of its value (phi as an
// angle, in radians). changeHandling is cleared meanwhile.
void WriteComplexEdits(const ComplexEdits& edits, int index, const TComplex& z, bool degreeMode,
                       bool& changeHandling);

// The nine fields of one quaternion: Re, i, j, k, modulus, argument, and the axis n1, n2, n3.
using QuaternionEdits = std::array<QLineEdit*, 9>;

// Index that names no field, so WriteQuaternionEdits writes all nine.
inline constexpr int AllQuaternionFields = -1;

// src with part `index` (Re 0, i 1, j 2, k 3) taken from its field's text; nothing is recomputed. A text
// that is not a number leaves src as it is, silently. The result goes to dst.
void ReadQuaternionField(const QuaternionEdits& edits, TQuat& dst, int index, const TQuat& src);

// Writes Re, i, j, k, modulus, argument (radians) and axis of q into the nine fields except the one of
// `index`, each with its exact-value hint; changeHandling is cleared meanwhile.
void WriteQuaternionEdits(const QuaternionEdits& edits, int index, const TQuat& q, bool& changeHandling);

// Keeps an edit over the run of blanks in a button's caption ("Power(Z1,            )"), so the exponent is
// typed inside the caption; it follows the button's size and font.
class CaptionEdit : public QObject {
    Q_OBJECT
public:
    CaptionEdit(QPushButton* button, QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QPushButton* button_;
    QLineEdit* edit_;
};

// The exponent field of a power button: "1" at first, sitting inside the button's caption.
QLineEdit* AddExponentEdit(QPushButton* powerButton, const QString& name);

// After a language switch: the hints of the marked fields below `page` in the new language.
void RewordMarkHints(QWidget* page);

// The style's minimum button width would make the number pages wider than their windows.
void AllowNarrowButtons(QWidget* page);

} // namespace quillon
