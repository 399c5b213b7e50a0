#pragma once

#include "math/GQuaternion.h"
#include "pages/NumberPage.h"
#include "pages/NumberFields.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon {

class ArrowKeyNavigator;

// Three quaternions q1, q2, q3 with modulus, argument and axis; q1 and q2 are the operands, q3 takes the
// results, and a few buttons act on one quaternion in place. Nothing of this page is stored.
class QuaternionPage : public NumberPage {
    Q_OBJECT
public:
    explicit QuaternionPage(QWidget* parent = nullptr);
    ~QuaternionPage() override;

    void ApplyTexts() override;
    // Switches change handling on and shows q1 = q2 = q3 = 0 in all fields.
    void StartUp() override;
    QString FixedCaption() const override { return QStringLiteral("Quaternion"); }
    QSize WindowSize() const override { return {617, 500}; }

    // qn for n = 0, 1, 2 (q1, q2, q3).
    const TQuat& Number(int n) const { return q_[n]; }

private:
    void BuildControls();
    void BuildArrowKeys();

    // Update quaternion n from its part index (Re 0, i 1, j 2, k 3) after a change of that field.
    void FieldChanged(int n, int index);
    void ShowNumber(int n);
    void SetResult(const TQuat& q3, const QString& label);
    void SetAll(const TQuat& q);

    void QDiv_ButtonClick();
    void QPower_ButtonClick();
    void QInv_ButtonClick(int n);
    void QEinheit_ButtonClick(int n);

    std::array<TQuat, 3> q_{QuatZero, QuatZero, QuatZero};
    std::array<QuaternionEdits, 3> edits_{};
    QLineEdit* powerEdit_ = nullptr;
    ArrowKeyNavigator* arrows_ = nullptr;
};

} // namespace quillon
