#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

namespace quillon {

class TNumEdit;

// The options dialog: output format, precision and exponent digits, the report options of the
// point-line-plane and matrix pages, and the language. It works on the process-wide settings: OK
// stores the controls, Cancel stores nothing, except that a language chosen here takes effect at once.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsForm(QWidget* parent = nullptr);

    // The current language's texts into every control.
    void OptionTextInit();

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildCommonPage();
    void BuildPlePage();
    void BuildMatrixPage();
    void BuildLanguagePage();

    void FormActivate();
    void OK_ButtonClick();
    void Cancel_ButtonClick();
    void ComboBox1Change();
    void Precision_NumEditChange();
    void Digits_NumEditChange();
    void Default_ButtonClick();
    void PLE_Clear_CheckBoxClick();
    void Matrix_Clear_CheckBoxClick();
    void Language_ComboBoxChange();

    void FitSize();
    void UpdatePreview();
    void ShowPendingFormat();
    void ShowFlag();
    void ShowLanguage();

    int pendingFormat_ = 0;
    bool filling_ = false; // the program, not the user, is changing a combo box

    QTabWidget* Option_PageControl = nullptr;
    QWidget* Common_TabSheet = nullptr;
    QWidget* PLE_TabSheet = nullptr;
    QWidget* Matrix_TabSheet = nullptr;
    QWidget* Language_TabSheet = nullptr;

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Exp_Label = nullptr;
    QLabel* Label2 = nullptr;
    TNumEdit* Precision_NumEdit = nullptr;
    QLabel* Digit_Label = nullptr;
    TNumEdit* Digits_NumEdit = nullptr;
    QPushButton* Default_Button = nullptr;

    QCheckBox* PLE_Inputout_CheckBox = nullptr;
    QCheckBox* PLE_DistanceOut_CheckBox = nullptr;
    QCheckBox* PLE_mirror_CheckBox = nullptr;
    QCheckBox* PLE_Intersection_CheckBox = nullptr;
    QCheckBox* PLE_AddInfo_CheckBox = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* PLE_Clear_CheckBox = nullptr;
    QCheckBox* PLE_Trennstrich_CheckBox = nullptr;

    QCheckBox* Matrix_Clear_CheckBox = nullptr;
    QCheckBox* Matrix_Trennstrich_CheckBox = nullptr;
    QCheckBox* Matrix_Eigen_CheckBox = nullptr;

    QLabel* Flag_Image = nullptr;
    QComboBox* Language_ComboBox = nullptr;

    QPushButton* Cancel_Button = nullptr;
    QPushButton* OK_Button = nullptr;
};

} // namespace quillon
