#pragma once

#include "math/GMatrix.h"
#include "pages/CalcPage.h"
#include "pages/FormulaFields.h"

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolBar;
class QToolButton;

namespace quillon {

class ArrowKeyNavigator;

// 3x3 matrices: the operations of the tool bar and the information report.
class MatrixPage : public CalcPage {
    Q_OBJECT
public:
    explicit MatrixPage(QWidget* parent = nullptr, Build when = Build::Now);
    ~MatrixPage() override;

    // Sections "Matrix", "MatrixA", "MatrixB" (C is stored but never read back).
    void ReadSettings(const IniFile& ini) override;
    // Takes over every field first; a field that does not evaluate stops the writing there.
    void WriteSettings(IniFile& ini) override;
    void ApplyTexts() override;
    // Lays the page out for the stored operation.
    void StartUp() override;

    QString FixedCaption() const override { return QStringLiteral("Matrix"); }
    int CaptionText() const override { return 29; }
    QSize WindowSize() const override { return {617, 495}; }
    QString ReportName() const override { return QStringLiteral("Matrix"); }
    // The memo's lines as shown, trailing blanks kept.
    QStringList ReportLines() const override;
    QFont ReportFont() const override;

    // Operation numbers are the tool buttons' image indexes.
    static constexpr int OperationCount = 10;
    int CurrentOperation() const { return operation_; }

    // For the window's rotation buttons of the quaternion page: matrix A as the page reads it (a
    // cell that does not evaluate throws), and a matrix written into C like a result.
    TMatrix ReadMatrixA();
    void ShowInC(const TMatrix& value);

private:
    // The three matrices A, B, C by index 0, 1, 2; element n of a matrix is row n / 3, column n % 3.
    struct MatrixCell {
        std::array<bool, 9> stale{};
        TMatrix value{};
    };
    // A matrix block: nine cells, its letter, its info button and (A and B only) its transpose button.
    struct MatrixBlock {
        std::array<QLineEdit*, 9> cells{};
        QLabel* label = nullptr;
        QPushButton* info = nullptr;
        QPushButton* transpose = nullptr;
    };

    void BuildControls();
    void BuildMatrixBlock(int m);
    void PlaceMatrixBlock(int m, int left, int top);
    void PlaceVectorBlock(const std::array<QLineEdit*, 3>& edits, QLabel* image, int left);
    void PlaceScalarBlock(int left);
    void UpdateArrowKeys(int n);

    void M_ToolButtonChanged(int n);
    // The layout operation: picture, pressed button, visible blocks and their places, enabled cells.
    void ShowOperation(int n);
    void M_Calc_ButtonClick();
    void MInfo_ButtonClick(int m);
    void MAB_Copy_ButtonClick();
    void MBA_Copy_ButtonClick();
    void MCA_Copy_ButtonClick();
    void MTransA_ButtonClick();
    void MTransB_ButtonClick();
    void MClear_ButtonClick();
    void ME_ButtonClick();

    // Evaluates every stale cell, A B C position by position, then x, b and d.
    void ReadPage();
    // The changed cells of matrix m as plain numbers, for the copies; a text that is not one throws.
    void ConvertPlain(int m);
    void CopyMatrix(int from, int to);
    void ShowMatrix(int m, const TMatrix& value);
    void SetMatrix(int m, const TMatrix& value);

    void PrepareMemo();
    void AppendLine(const std::string& line);
    int MemoLineCount() const;

    std::array<MatrixBlock, 3> blocks_{};
    std::array<MatrixCell, 3> matrices_{};
    std::array<QLineEdit*, 3> xEdits_{}, bEdits_{};
    QLineEdit* dEdit_ = nullptr;
    QLabel* dLabel_ = nullptr;
    QLabel* xImage_ = nullptr;
    QLabel* bImage_ = nullptr;
    QLabel* operationImage_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::array<QToolButton*, OperationCount> toolButtons_{};
    QPushButton* calcButton_ = nullptr;
    QPushButton* copyABButton_ = nullptr;
    QPushButton* copyBAButton_ = nullptr;
    QPushButton* copyCAButton_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    ArrowKeyNavigator* arrows_ = nullptr;

    VectorCell x_, b_;
    ScalarCell d_;
    int operation_ = 0;
};

} // namespace quillon
