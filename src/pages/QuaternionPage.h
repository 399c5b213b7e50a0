#pragma once

#include "math/GMatrix.h"
#include "math/GQuaternion.h"
#include "pages/NumberFields.h"
#include "pages/NumberPage.h"

#include <array>
#include <functional>

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
    explicit QuaternionPage(QWidget* parent = nullptr, Build when = Build::Now);
    ~QuaternionPage() override;

    void ApplyTexts() override;
    // Switches change handling on and shows q1 = q2 = q3 = 0 in all fields.
    void StartUp() override;
    QString FixedCaption() const override { return QStringLiteral("Quaternion"); }
    QSize WindowSize() const override { return {617, 500}; }

    // qn for n = 0, 1, 2 (q1, q2, q3).
    const TQuat& Number(int n) const { return q_[n]; }

    // Where QFromMatrix_Button takes its matrix from (the window hands in the matrix page's A); without
    // one the button does nothing. The source may throw the error of a cell that does not evaluate.
    void SetRotationSource(std::function<TMatrix()> source) { rotationSource_ = std::move(source); }

signals:
    // QToMatrix_Button: the rotation matrix of q1's unit quaternion, for the window to pass on.
    void RotationMatrixOut(const quillon::TMatrix& rotation);

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
    void QToMatrix_ButtonClick();
    void QFromMatrix_ButtonClick();

    std::array<TQuat, 3> q_{QuatZero, QuatZero, QuatZero};
    std::array<QuaternionEdits, 3> edits_{};
    QLineEdit* powerEdit_ = nullptr;
    QPushButton* toMatrixButton_ = nullptr;
    QPushButton* fromMatrixButton_ = nullptr;
    std::function<TMatrix()> rotationSource_;
    ArrowKeyNavigator* arrows_ = nullptr;
};

} // namespace quillon
