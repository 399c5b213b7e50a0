#pragma once

#include "math/GVektor.h"
#include "pages/CalcPage.h"
#include "pages/FormulaFields.h"

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;
class QToolButton;

namespace quillon {
class ArrowKeyNavigator;
class EnterKeyRunner;
}

namespace quillon {

// The vector calculator: eleven operations chosen from a vertical tool bar, the fields each one needs,
// and a memory of vectors with their componentwise sum, mean and standard deviation.
class VectorPage : public CalcPage {
    Q_OBJECT
public:
    explicit VectorPage(QWidget* parent = nullptr, Build when = Build::Now);
    ~VectorPage() override;

    void ReadSettings(const IniFile& ini) override;
    void WriteSettings(IniFile& ini) override;
    void ApplyTexts() override;
    void StartUp() override;
    QString FixedCaption() const override { return QStringLiteral("Vektorrechnung"); }
    int CaptionText() const override { return 1; }
    QString ReportName() const override { return QStringLiteral("V"); }
    QStringList ReportLines() const override { return MemoryLines(); }
    SketchScene Sketch() const override;

    // The memory holds at most this many vectors; M+ on a full memory is refused.
    static constexpr int MemoryCapacity = 1001;
    // Operation numbers are the tool buttons' image indexes; the last button toggles the copy flag.
    static constexpr int OperationCount = 11;
    static constexpr int CopyToggleIndex = 11;

    int CurrentOperation() const { return operation_; }
    bool CopyFlag() const { return copyFlag_; }
    int MemoryCount() const { return memoryCount_; }
    // The lines of the memory list, for saving and printing.
    QStringList MemoryLines() const;

private:
    void BuildControls();
    void V_ToolButtonChanged(int k);
    void ShowOperation(int k);
    // The arrow keys and Tab follow the input columns the operation shows, from left to right.
    void ArrangeKeys(int scalarLeft, int aLeft, bool showB, bool showVectorC);
    void V_Calc_ButtonClick();
    void Copy_ButtonClick();
    void Clear_ButtonClick();
    void MS_ButtonClick();
    void MPlus_ButtonClick();
    void MC_ButtonClick();
    void ReadInputs();
    void CopyResultToA();
    void RefreshStatistics();

    // Fields of a, b, vector c and the result vector, x y z each.
    std::array<QLineEdit*, 3> aEdits_{}, bEdits_{}, cEdits_{}, dEdits_{};
    QLineEdit* cScalarEdit_ = nullptr;
    QLineEdit* dScalarEdit_ = nullptr;
    QLabel* aImage_ = nullptr;
    QLabel* bImage_ = nullptr;
    QLabel* cImage_ = nullptr;
    QLabel* cScalarLabel_ = nullptr;
    QLabel* formulaImage_ = nullptr;
    QLabel* angleLabel_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::array<QToolButton*, 12> toolButtons_{};
    QPushButton* calcButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* msButton_ = nullptr;
    QPushButton* mPlusButton_ = nullptr;
    QPushButton* mcButton_ = nullptr;
    QListWidget* memoryList_ = nullptr;
    QLabel* counterLabel_ = nullptr;
    std::array<QLabel*, 3> sumLabels_{}, meanLabels_{}, sdLabels_{};
    ArrowKeyNavigator* arrows_ = nullptr;
    EnterKeyRunner* enterKeys_ = nullptr;

    VectorCell a_, b_, c_, d_;
    ScalarCell cScalar_, dScalar_;
    int operation_ = 0;
    bool copyFlag_ = false;
    // The inputs of the last calculation, which the sketch shows with its result until the operation
    // changes or the fields are cleared; a copy of the result into a does not change them.
    struct Calculated {
        bool valid = false;
        int operation = 0;
        TVektor a{}, b{}, c{};
        Extended k = 0;
    };
    Calculated calculated_;
    std::vector<TVektor> memory_;
    int memoryCount_ = 0;
    TVektor memorySum_{};
};

} // namespace quillon
