#pragma once

#include "pages/CalcPage.h"
#include "pages/FormulaFields.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon {

class RadioGroupBox;

// One point in Cartesian, spherical and cylindrical coordinates: the user types into one system and
// presses its button, the page fills in the other two, in radians or degrees.
class CoordinatePage : public CalcPage {
    Q_OBJECT
public:
    explicit CoordinatePage(QWidget* parent = nullptr, Build when = Build::Now);
    ~CoordinatePage() override;

    void ReadSettings(const IniFile& ini) override;
    void WriteSettings(IniFile& ini) override;
    void ApplyTexts() override;
    void StartUp() override;
    QString FixedCaption() const override { return QStringLiteral("Koordinatensysteme"); }
    int CaptionText() const override { return 30; }
    SketchScene Sketch() const override;

    // 0: theta measured from the z axis, 1: from the xy plane.
    int ThetaConvention() const { return convention_; }
    bool DegreeMode() const { return degreeMode_; }

private:
    void BuildControls();
    void kartesische_Koordinaten_ButtonClick();
    void Kugelkoordinaten_ButtonClick();
    void Zylinderkoordinaten_ButtonClick();
    void KKugelZ_RadioGroupClick();
    void K_Rad_Deg_RadioGroupClick();
    void ShowSketch();
    void Read();
    void Write();

    std::array<QLineEdit*, 3> cartesianEdits_{}, sphericalEdits_{}, cylindricalEdits_{};
    QPushButton* cartesianButton_ = nullptr;
    QPushButton* sphericalButton_ = nullptr;
    QPushButton* cylindricalButton_ = nullptr;
    RadioGroupBox* conventionGroup_ = nullptr;
    RadioGroupBox* unitGroup_ = nullptr;
    QLabel* sphereZSketch_ = nullptr;
    QLabel* sphereXYSketch_ = nullptr;

    // Always in radians; only the angle fields show degrees in degree mode.
    VectorCell cartesian_, spherical_, cylindrical_;
    int convention_ = 0;
    bool degreeMode_ = false;
};

} // namespace quillon
