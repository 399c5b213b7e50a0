#pragma once

#include "math/GComplex.h"
#include "pages/NumberPage.h"
#include "pages/NumberFields.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon {

class ArrowKeyNavigator;
class RadioGroupBox;

// Three complex numbers Z1, Z2, Z3, each shown in Cartesian and polar form; Z1 and Z2 are the operands,
// Z3 takes every result. The records are the page's state; the fields only display them.
class ComplexPage : public NumberPage {
    Q_OBJECT
public:
    explicit ComplexPage(QWidget* parent = nullptr, Build when = Build::Now);
    ~ComplexPage() override;

    // Section "Complex": all four parts of Z1..Z3 as stored, nothing recomputed.
    void ReadSettings(const IniFile& ini) override;
    void WriteSettings(IniFile& ini) override;
    void ApplyTexts() override;
    // Switches change handling on and writes Z1..Z3 with their hints.
    void StartUp() override;
    QString FixedCaption() const override { return QStringLiteral("Complex"); }

    // Zn for n = 0, 1, 2 (Z1, Z2, Z3).
    const TComplex& Number(int n) const { return z_[n]; }

private:
    void BuildControls();
    void BuildArrowKeys();

    // Update number n from its field index (Re 0, Im 1, r 2, phi 3) after a change of that field.
    void FieldChanged(int n, int index);
    void ShowNumber(int n);
    void SetResult(const TComplex& z3, const QString& label);
    void SetAll(const TComplex& z, const QString& label);

    void CDiv_ButtonClick();
    void CPower_ButtonClick();
    void CKehrwert_ButtonClick();
    void CLn_ButtonClick();
    void CAdj_ButtonClick(int n);
    void Copy_ButtonClick(int from, int to, const QString& label);
    void RadGrad_RadioGroupClick();

    std::array<TComplex, 3> z_{ComplexZero, ComplexZero, ComplexZero};
    std::array<ComplexEdits, 3> edits_{};
    bool degreeMode_ = false;

    QLineEdit* powerEdit_ = nullptr;
    QPushButton* powerButton_ = nullptr;
    RadioGroupBox* radGrad_ = nullptr;
    ArrowKeyNavigator* arrows_ = nullptr;
};

} // namespace quillon
