#pragma once

#include "pages/CalcPage.h"
#include "pages/FormulaFields.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillon {

class RadioGroupBox;
struct GeometryInput;

// Points, lines, planes and spheres: two objects and the report of their relations.
class GeometryPage : public CalcPage {
    Q_OBJECT
public:
    explicit GeometryPage(QWidget* parent = nullptr, Build when = Build::Now);
    ~GeometryPage() override;

    void ReadSettings(const IniFile& ini) override;
    void WriteSettings(IniFile& ini) override;
    void ApplyTexts() override;
    void StartUp() override;
    void TakeOverFields() override;

    QString FixedCaption() const override { return QStringLiteral("Punkt, Gerade,Ebene"); }
    int CaptionText() const override { return 19; }
    QString ReportName() const override { return QStringLiteral("PLE"); }
    QStringList ReportLines() const override;
    QFont ReportFont() const override;
    SketchScene Sketch() const override;

    // The kind code (GeometryCode) of object 0 or 1.
    int KindCode(int object) const { return objects_[static_cast<std::size_t>(object)].code; }
    int LineForm() const { return lineForm_; }
    int PlaneForm() const { return planeForm_; }

private:
    // One of the two objects: its cells, whatever its form, and the controls that show them.
    struct Object {
        VectorCell a, b, c;
        std::array<ScalarCell, 4> k{}; // the coordinate form a·x + b·y + c·z = d
        ScalarCell r;                  // the sphere's radius, whatever its field shows
        int code = 0;
        int size = 0; // item of the size combo box: radius, volume or surface

        QComboBox* kindBox = nullptr;
        QComboBox* sizeBox = nullptr;
        std::array<QLineEdit*, 3> aEdits{}, bEdits{}, cEdits{};
        std::array<QLineEdit*, 4> kEdits{};
        std::array<QLabel*, 4> kLabels{};
        QLineEdit* rEdit = nullptr;
        QLabel* aImage = nullptr;
        QLabel* bImage = nullptr;
        QLabel* cImage = nullptr;
        QLabel* mImage = nullptr;
        QLabel* formImage = nullptr;
    };

    void BuildControls();
    void BuildObject(int index, int top);
    void PLE_L_ComboBoxChange(int index);
    void FormClick(bool lineForms);
    void PLE_Kug_ComboBoxChange(int index);
    void PLE_Calc_ButtonClick();
    void PLE_Clear_ButtonClick();

    void Arrange(const std::array<int, 2>& kinds);
    void ShowObject(int index);
    void ShowChoices();
    void NameFields();
    // The values of the object's cells, whatever its form, as the calculation takes them.
    static GeometryInput Input(const Object& o);
    void ReadObject(int index);
    void WriteObject(int index, bool keepTyped);
    void WriteAllFields();
    void ClearStale();
    void SetCoordinateForm(Object& o);

    std::array<Object, 2> objects_;
    RadioGroupBox* lineForms_ = nullptr;  // PLE_PaPu_RadioGroup
    RadioGroupBox* planeForms_ = nullptr; // PLE_PPNK_RadioGroup
    QPushButton* calcButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;

    int lineForm_ = 0;
    int planeForm_ = 0;
    // The settings file keeps six form indexes; the page uses the first two and keeps the others.
    std::array<int, 6> formIndexes_{};
    // Set while the page changes its own combo boxes and radio groups, whose handlers are for the user.
    bool updating_ = false;
};

} // namespace quillon
