#include "pages/NumberFields.h"

#include "core/FloatError.h"
#include "core/Handle.h"
#include "core/NumberFormats.h"
#include "pages/CalcPage.h"
#include "pages/FieldAids.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <string>

namespace quillon {
namespace {

// Only a text that differs is written: an unchanged field keeps its cursor and raises no change event.
void SetFieldText(QLineEdit* edit, Extended value) {
    MarkField(edit, false);
    const QString text = QString::fromStdString(FormatNumber(value));
    if (edit->text() == text) return;
    edit->setText(text);
    // A text wider than its field shows its beginning: the sign and leading digits, not "2345E-7".
    edit->setCursorPosition(0);
}

// Kept beside the hint, so that a language switch can reword a marked field's hint.
constexpr char ValueInUseProperty[] = "valueInUse";

// A marked field's hint says that its text is not taken and which value is.
void SetMarkHint(QLineEdit* edit, const QString& valueInUse, const QString& unmarkedHint) {
    edit->setProperty(ValueInUseProperty, valueInUse);
    edit->setToolTip(IsMarked(edit) ? Tx(730) + valueInUse : unmarkedHint);
}

void SetHint(QLineEdit* edit, Extended value, bool isAngle) {
    const QString exact = QString::fromStdString(ExactValueText(value, isAngle));
    SetMarkHint(edit, exact, exact);
}

Extended& ComplexPart(TComplex& z, int index) {
    switch (index) {
    case 0:
        return z.Re;
    case 1:
        return z.Im;
    case 2:
        return z.r;
    default:
        return z.phi;
    }
}

Extended& QuatPart(TQuat& q, int index) {
    switch (index) {
    case 0:
        return q.Re;
    case 1:
        return q.i;
    case 2:
        return q.j;
    default:
        return q.k;
    }
}

} // namespace

std::optional<Extended> ReadPlainNumber(const QString& text) {
    return ParsePlainNumber(text.trimmed().toStdString());
}

void ReadComplexField(const ComplexEdits& edits, TComplex& dst, int index, const TComplex& src,
                      bool degreeMode) {
    TComplex z = src;
    const std::optional<Extended> value = ReadPlainNumber(edits[index]->text());
    MarkField(edits[index], !value);
    if (value) {
        ComplexPart(z, index) = (index == 3 && degreeMode) ? DegToRad(*value) : *value;
        // A typed r or phi stands as typed (even a negative r); only the other form follows it.
        ComplexSync(z, index >= 2);
    }
    dst = z;
}

void WriteComplexEdits(const ComplexEdits& edits, int index, const TComplex& z, bool degreeMode,
                       bool& changeHandling) {
    WritingScope writing(changeHandling);
    const Extended parts[4] = {z.Re, z.Im, z.r, degreeMode ? RadToDeg(z.phi) : z.phi};
    for (int n = 0; n < 4; ++n)
        if (n != index) SetFieldText(edits[n], parts[n]);
    // The angle's hint names the radian value whatever the unit shown.
    SetHint(edits[0], z.Re, false);
    SetHint(edits[1], z.Im, false);
    SetHint(edits[2], z.r, false);
    SetHint(edits[3], z.phi, true);
}

void ReadQuaternionField(const QuaternionEdits& edits, TQuat& dst, int index, const TQuat& src) {
    TQuat q = src;
    const std::optional<Extended> value = ReadPlainNumber(edits[index]->text());
    MarkField(edits[index], !value);
    if (value) QuatPart(q, index) = *value;
    dst = q;
}

void WriteQuaternionEdits(const QuaternionEdits& edits, int index, const TQuat& q, bool& changeHandling) {
    WritingScope writing(changeHandling);
    const TVektor axis = QuatAxis(q);
    const Extended parts[9] = {q.Re, q.i, q.j, q.k, QuatAbs(q), QuatArg(q), axis.x, axis.y, axis.z};
    for (int n = 0; n < 9; ++n) {
        if (n != index) SetFieldText(edits[n], parts[n]);
        SetHint(edits[n], parts[n], false);
    }
}

CaptionEdit::CaptionEdit(QPushButton* button, QLineEdit* edit)
    : QObject(button), button_(button), edit_(edit) {
    edit_->setParent(button_);
    button_->installEventFilter(this);
    Place();
}

bool CaptionEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == button_ && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange ||
                               event->type() == QEvent::StyleChange))
        Place();
    return QObject::eventFilter(watched, event);
}

void CaptionEdit::Place() {
    const QString caption = button_->text();
    const qsizetype gapStart = caption.indexOf(QStringLiteral("  "));
    if (gapStart < 0) return;
    qsizetype gapEnd = gapStart;
    while (gapEnd < caption.size() && caption[gapEnd] == QLatin1Char(' '))
        ++gapEnd;

    // The style centres the caption in the button, so the blanks start half the free width in.
    const QFontMetrics metrics = button_->fontMetrics();
    const int left = (button_->width() - metrics.horizontalAdvance(caption)) / 2 +
                     metrics.horizontalAdvance(caption.left(gapStart));
    const int width = metrics.horizontalAdvance(caption.mid(gapStart, gapEnd - gapStart));
    const int height = std::min(button_->height() - 6, metrics.height() + 6);
    edit_->setGeometry(left + 2, (button_->height() - height) / 2, std::max(width - 4, 16), height);
}

QLineEdit* AddExponentEdit(QPushButton* powerButton, const QString& name) {
    auto* edit = new QLineEdit(QStringLiteral("1"), powerButton);
    edit->setObjectName(name);
    new CaptionEdit(powerButton, edit);
    // The power falls back to 1 on a text that is not a number; the mark and the hint say so.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        MarkField(edit, !ReadPlainNumber(text).has_value());
        SetMarkHint(edit, QStringLiteral("1"), QString());
    });
    return edit;
}

void RewordMarkHints(QWidget* page) {
    for (QLineEdit* edit : page->findChildren<QLineEdit*>())
        if (IsMarked(edit)) edit->setToolTip(Tx(730) + edit->property(ValueInUseProperty).toString());
}

void AllowNarrowButtons(QWidget* page) {
    for (QPushButton* button : page->findChildren<QPushButton*>())
        button->setMinimumSize(24, 30);
}

} // namespace quillon
