#include "pages/MatrixPage.h"

#include "core/FloatError.h"
#include "core/Handle.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "pages/ArrowKeys.h"
#include "pages/CopyAsMenu.h"
#include "pages/FieldAids.h"
#include "pages/MatrixReport.h"
#include "pages/NumberFields.h"
#include "pages/Pictures.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>

#include <optional>
#include <vector>

namespace quillon {
namespace {

constexpr const char* Section = "Matrix";

enum { A = 0, B = 1, C = 2 };
constexpr char MatrixLetters[3] = {'A', 'B', 'C'};

// Cells are 65 wide; a matrix's columns stand 71 apart and its rows 32.
constexpr int CellWidth = 65;
constexpr int CellHeight = 24;
constexpr int ColumnPitch = 71;
constexpr int RowPitch = 32;
// The operands stand in the top row, in the order of the formula; C below them.
constexpr int BlocksLeft = 108;
constexpr int TopRow = 8;
constexpr int ResultRow = 136;
constexpr int BlockGap = 14;
// A matrix block: its letter and buttons in a column in front of the cells.
constexpr int MatrixLead = 28;
constexpr int MatrixBlockWidth = MatrixLead + 2 * ColumnPitch + CellWidth;
// A vector block: its bracket picture in front of the cells.
constexpr int VectorLead = 28;
constexpr int VectorBlockWidth = VectorLead + CellWidth;
// The scalar: its label in front of the one cell, level with the middle row.
constexpr int ScalarLead = 56;
constexpr int ScalarBlockWidth = ScalarLead + CellWidth;

constexpr QSize ButtonIconSize(89, 27);
constexpr QSize ToolButtonSize(96, 35);

QString PictureName(int n) {
    return QStringLiteral("MATRIX%1").arg(n + 1, 2, 10, QLatin1Char('0'));
}

QString Formatted(Extended x) {
    return QString::fromStdString(FormatNumber(x));
}

QLineEdit* MakeCell(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->resize(CellWidth, CellHeight);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The memo's font: the fixed pitch the ASCII brackets need.
QFont MemoFont() {
    QFont font = QFontDatabase::families().contains(QStringLiteral("Courier New"))
                     ? QFont(QStringLiteral("Courier New"))
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    font.setFixedPitch(true);
    return font;
}

// Which blocks operation n shows, in the order of its formula; C (when shown) stands below them.
enum class Block { A, B, X, Vb, D };
struct OperationLayout {
    std::vector<Block> operands;
    bool c;
};
OperationLayout LayoutOf(int n) {
    switch (n) {
    case 0:
    case 1:
    case 2:
        return {{Block::A, Block::B}, true};
    case 3:
        return {{Block::D, Block::A}, true};
    case 4:
        return {{Block::A, Block::D}, true};
    case 5:
        return {{Block::A}, true};
    case 6:
        return {{Block::A, Block::X, Block::Vb}, false};
    case 7:
        return {{Block::A, Block::Vb, Block::X}, false};
    case 8:
        return {{Block::X, Block::D}, true};
    default:
        return {{Block::A, Block::D}, false};
    }
}

int WidthOf(Block block) {
    switch (block) {
    case Block::A:
    case Block::B:
        return MatrixBlockWidth;
    case Block::X:
    case Block::Vb:
        return VectorBlockWidth;
    default:
        return ScalarBlockWidth;
    }
}

// Arrow-key targets. A cell is named by its block and its row and column (1..3); a vector component
// by its row; the scalar has none.
enum class Kind { Matrix, X, Vb, D };
struct Cell {
    Kind kind;
    int m = 0; // matrix A, B or C
    int row = 1, col = 1;
};
enum Key { Left, Up, Down, Right };

Cell At(int m, int row, int col) {
    return {Kind::Matrix, m, row, col};
}
int Wrap(int i) {
    return i < 1 ? 3 : i > 3 ? 1 : i;
}
// The neighbour inside the cell's own matrix, wrapping around its row or column.
Cell Inside(const Cell& c, Key key) {
    switch (key) {
    case Left:
        return At(c.m, c.row, Wrap(c.col - 1));
    case Right:
        return At(c.m, c.row, Wrap(c.col + 1));
    case Up:
        return At(c.m, Wrap(c.row - 1), c.col);
    default:
        return At(c.m, Wrap(c.row + 1), c.col);
    }
}

// Where the key leads from cell c while operation n is selected; none where the key does nothing.
// Outside a block the moves connect the blocks in the order the layout shows them.
std::optional<Cell> Target(const Cell& c, Key key, int n) {
    const bool matrixPair = n <= 2;
    switch (c.kind) {
    case Kind::D:
        if (key == Left) return At(A, 2, 3);
        if (key == Right) return At(A, 2, 1);
        return std::nullopt;
    case Kind::Vb:
        if (key == Left) return At(A, c.row, 3);
        if (key == Right) return At(A, c.row, 1);
        return Cell{Kind::Vb, 0, Wrap(key == Up ? c.row - 1 : c.row + 1), 1};
    case Kind::X:
        if (key == Up || key == Down) {
            if (n != 6 && n != 8) return std::nullopt;
            return Cell{Kind::X, 0, Wrap(key == Up ? c.row - 1 : c.row + 1), 1};
        }
        if (n != 6) return std::nullopt;
        return At(A, c.row, key == Left ? 3 : 1);
    case Kind::Matrix:
        break;
    }
    const bool centre = c.row == 2 && c.col == 2;
    if (c.m == A) {
        if (n == 8 && !centre) return std::nullopt;
        const bool scalarBeside = n == 3 || n == 4 || n == 9;
        if ((key == Left && c.col == 1) || (key == Right && c.col == 3)) {
            const int otherEnd = key == Left ? 3 : 1;
            if (matrixPair) return At(B, c.row, otherEnd);
            if (n == 6) return Cell{Kind::X, 0, c.row, 1};
            if (n == 7) return Cell{Kind::Vb, 0, c.row, 1};
            if (c.row == 2 && scalarBeside) return Cell{Kind::D};
            return At(A, c.row, otherEnd);
        }
        if (key == Up && c.row == 1) return At(n == 3 ? C : A, 3, c.col);
        if (key == Down && c.row == 3) return At(n == 3 ? C : A, 1, c.col);
        return Inside(c, key);
    }
    if (c.m == B) {
        if (!matrixPair && !centre) return std::nullopt;
        if (key == Left && c.col == 1) return At(A, c.row, 3);
        if (key == Right && c.col == 3) return At(A, c.row, 1);
        if (key == Up && c.row == 1) return At(C, 3, c.col);
        if (key == Down && c.row == 3) return At(C, 1, c.col);
        return Inside(c, key);
    }
    // C: its middle row navigates in every operation, the others only where C is shown.
    if (c.row != 2 && (n == 6 || n == 7 || n == 9)) return std::nullopt;
    if (key == Up && c.row == 1) return At(matrixPair ? B : n == 3 ? A : C, 3, c.col);
    if (key == Down && c.row == 3) return At(matrixPair ? B : n == 3 ? A : C, 1, c.col);
    return Inside(c, key);
}

} // namespace

MatrixPage::MatrixPage(QWidget* parent, Build when) : CalcPage(parent) {
    setObjectName(QStringLiteral("Matrix_TabSheet"));
    BuildControlsWhen(when, [this] {
        BuildControls();
        ShowOperation(0);
    });
}

MatrixPage::~MatrixPage() = default;

void MatrixPage::BuildControls() {
    // The tool bar: one checkable picture button per operation, the button's index its operation.
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("Mat_ToolBar"));
    toolBar_->setOrientation(Qt::Vertical);
    toolBar_->setMovable(false);
    toolBar_->setIconSize(ButtonIconSize);
    toolBar_->layout()->setSpacing(0);
    toolBar_->layout()->setContentsMargins(0, 0, 0, 0);
    for (int n = 0; n < OperationCount; ++n) {
        auto* button = new QToolButton(toolBar_);
        button->setObjectName(QStringLiteral("MToolButton%1").arg(n));
        button->setCheckable(true);
        button->setFixedSize(ToolButtonSize);
        button->setIconSize(ButtonIconSize);
        SetPictureIcon(button, PictureName(n), ButtonIconSize);
        toolBar_->addWidget(button);
        toolButtons_[static_cast<std::size_t>(n)] = button;
        connect(button, &QToolButton::clicked, this, Guarded([this, n] { M_ToolButtonChanged(n); }));
    }
    toolBar_->setGeometry(4, 4, ToolButtonSize.width() + 2, toolBar_->sizeHint().height());

    // The cells, in tab order: A, B, C row by row, then x, b and d.
    for (int m = A; m <= C; ++m)
        BuildMatrixBlock(m);
    const char axes[3] = {'x', 'y', 'z'};
    for (int i = 0; i < 3; ++i)
        xEdits_[static_cast<std::size_t>(i)] = MakeCell(this, QStringLiteral("Mx%1_Edit").arg(axes[i]));
    for (int i = 0; i < 3; ++i)
        bEdits_[static_cast<std::size_t>(i)] = MakeCell(this, QStringLiteral("Mb%1_Edit").arg(axes[i]));
    dEdit_ = MakeCell(this, QStringLiteral("Md_Edit"));
    dLabel_ = MakeLabel(this, "Md_Label", QStringLiteral("d ="));
    dLabel_->resize(ScalarLead - 4, CellHeight);
    xImage_ = MakePicture(this, "Mx_Image", QStringLiteral("MatBracketX"),
                          QRect(0, TopRow, VectorLead, 2 * RowPitch + CellHeight));
    bImage_ = MakePicture(this, "Mb_Image", QStringLiteral("MatBracketB"),
                          QRect(0, TopRow, VectorLead, 2 * RowPitch + CellHeight));
    BindVectorEdits(xEdits_[0], xEdits_[1], xEdits_[2], x_);
    BindVectorEdits(bEdits_[0], bEdits_[1], bEdits_[2], b_);
    BindScalarEdit(dEdit_, d_);
    AddCopyAsMenu(xEdits_, x_);
    AddCopyAsMenu(bEdits_, b_);
    for (int m = A; m <= C; ++m) {
        const auto s = static_cast<std::size_t>(m);
        AddCopyAsMenu(blocks_[s].cells, [this, s] {
            // The cells of this matrix as the page reads them, the other blocks untouched.
            MatrixCell& matrix = matrices_[s];
            for (std::size_t n = 0; n < 9; ++n) {
                if (!matrix.stale[n]) continue;
                matrix.value.e[n] = EvaluateField(blocks_[s].cells[n]);
                matrix.stale[n] = false;
            }
            return CopyOf(matrix.value);
        });
    }

    // Copies between the blocks, in the gaps between them.
    copyABButton_ = AddButton(QStringLiteral("A-->B"), QStringLiteral("MAB_Copy_Button"),
                              [this] { MAB_Copy_ButtonClick(); });
    copyABButton_->setGeometry(BlocksLeft + MatrixBlockWidth - 58, TopRow + 94, 56, 26);
    copyBAButton_ = AddButton(QStringLiteral("A<--B"), QStringLiteral("MBA_Copy_Button"),
                              [this] { MBA_Copy_ButtonClick(); });
    copyBAButton_->setGeometry(BlocksLeft + MatrixBlockWidth + BlockGap + 2, TopRow + 94, 56, 26);
    copyCAButton_ = AddButton(QStringLiteral("A<--C"), QStringLiteral("MCA_Copy_Button"),
                              [this] { MCA_Copy_ButtonClick(); });
    copyCAButton_->setGeometry(BlocksLeft + MatrixLead, TopRow + 94, 56, 26);

    // Beside C: the formula of the operation, the calculation and the two resets.
    const int right = BlocksLeft + MatrixBlockWidth + BlockGap;
    operationImage_ = new QLabel(this);
    operationImage_->setObjectName(QStringLiteral("Matrix_Image"));
    operationImage_->setGeometry(right, ResultRow, 2 * ButtonIconSize.width(), 2 * ButtonIconSize.height());
    calcButton_ = AddButton(QStringLiteral("Berechnen"), QStringLiteral("M_Calc_Button"),
                            [this] { M_Calc_ButtonClick(); });
    calcButton_->setGeometry(right, ResultRow + 62, 112, 28);
    auto* clear =
        AddButton(QStringLiteral("C"), QStringLiteral("MClear_Button"), [this] { MClear_ButtonClick(); });
    clear->setGeometry(right + 120, ResultRow + 62, 32, 28);
    clear->setToolTip(QStringLiteral("A=B=C=0"));
    auto* identity =
        AddButton(QStringLiteral("1"), QStringLiteral("ME_Button"), [this] { ME_ButtonClick(); });
    identity->setGeometry(right + 158, ResultRow + 62, 32, 28);
    identity->setToolTip(QStringLiteral("A=B=C=1"));

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Matrix_Memo"));
    memo_->setFont(MemoFont());
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setGeometry(BlocksLeft, 232, 613 - 4 - BlocksLeft, 448 - 4 - 232);

    AllowNarrowButtons(this);
    arrows_ = new ArrowKeyNavigator(this);
    auto* enterKeys = new EnterKeyRunner(this);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        if (edit->parentWidget() == this) enterKeys->Add(edit, calcButton_);
    MakeFieldsReadable(this);
}

void MatrixPage::BuildMatrixBlock(int m) {
    MatrixBlock& block = blocks_[static_cast<std::size_t>(m)];
    const QChar letter = QLatin1Char(MatrixLetters[m]);
    for (int n = 0; n < 9; ++n) {
        QLineEdit* cell =
            MakeCell(this, QStringLiteral("M%1%2%3_Edit").arg(letter).arg(n / 3 + 1).arg(n % 3 + 1));
        block.cells[static_cast<std::size_t>(n)] = cell;
        bool& flag = matrices_[static_cast<std::size_t>(m)].stale[static_cast<std::size_t>(n)];
        connect(cell, &QLineEdit::textChanged, this, [&flag] { flag = true; });
    }
    const QByteArray labelName = "M" + QByteArray(1, MatrixLetters[m]) + "_Label";
    block.label = MakeLabel(this, labelName.constData(), QString(letter) + QLatin1Char('='));
    block.label->resize(MatrixLead - 2, CellHeight);
    block.info = AddButton(QString(letter) + QLatin1Char('?'), QStringLiteral("MInfo%1_Button").arg(letter),
                           [this, m] { MInfo_ButtonClick(m); });
    block.info->resize(MatrixLead - 2, CellHeight);
    if (m == C) return;
    block.transpose = AddButton(QString(), QStringLiteral("MTrans%1_Button").arg(letter), [this, m] {
        if (m == A)
            MTransA_ButtonClick();
        else
            MTransB_ButtonClick();
    });
    block.transpose->resize(MatrixLead - 2, CellHeight);
    block.transpose->setIconSize(QSize(22, 20));
    SetPictureIcon(block.transpose, QStringLiteral("MatTrans%1").arg(letter), QSize(22, 20));
}

void MatrixPage::PlaceMatrixBlock(int m, int left, int top) {
    MatrixBlock& block = blocks_[static_cast<std::size_t>(m)];
    for (int n = 0; n < 9; ++n)
        block.cells[static_cast<std::size_t>(n)]->move(left + MatrixLead + (n % 3) * ColumnPitch,
                                                       top + (n / 3) * RowPitch);
    block.info->move(left, top);
    block.label->move(left, top + RowPitch);
    if (block.transpose) block.transpose->move(left, top + 2 * RowPitch);
}

void MatrixPage::PlaceVectorBlock(const std::array<QLineEdit*, 3>& edits, QLabel* image, int left) {
    image->move(left, TopRow);
    for (int i = 0; i < 3; ++i)
        edits[static_cast<std::size_t>(i)]->move(left + VectorLead, TopRow + i * RowPitch);
}

void MatrixPage::PlaceScalarBlock(int left) {
    dLabel_->move(left, TopRow + RowPitch);
    dEdit_->move(left + ScalarLead, TopRow + RowPitch);
}

void MatrixPage::ReadSettings(const IniFile& ini) {
    const int status = ini.ReadInteger(Section, "m_Status", 0);
    // A foreign value would name no tool button; the first operation stands in for it.
    operation_ = status >= 0 && status < OperationCount ? status : 0;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            for (int m : {A, B}) {
                const std::string key = std::string("M") + MatrixLetters[m] + "[" + std::to_string(i) + "," +
                                        std::to_string(j) + "]";
                const Extended value = ini.ReadFloat(std::string(Section) + MatrixLetters[m], key, 0);
                matrices_[static_cast<std::size_t>(m)].value(i, j) = value;
                blocks_[static_cast<std::size_t>(m)]
                    .cells[static_cast<std::size_t>(3 * (i - 1) + j - 1)]
                    ->setText(Formatted(value));
            }
    const auto readVector = [&ini](const char* key) {
        const std::string k(key);
        return TVektor{ini.ReadFloat(Section, k + ".x", 0), ini.ReadFloat(Section, k + ".y", 0),
                       ini.ReadFloat(Section, k + ".z", 0)};
    };
    x_.value = readVector("Mxx");
    b_.value = readVector("Mbb");
    d_.value = ini.ReadFloat(Section, "Mdd", 1);
    WriteVectorEdits(x_.value, xEdits_[0], xEdits_[1], xEdits_[2]);
    WriteVectorEdits(b_.value, bEdits_[0], bEdits_[1], bEdits_[2]);
    WriteScalarEdit(d_.value, dEdit_);
}

void MatrixPage::WriteSettings(IniFile& ini) {
    ini.WriteInteger(Section, "m_Status", operation_);
    // The stored values are the ones on screen.
    ReadPage();
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            for (int m = A; m <= C; ++m) {
                const std::string key = std::string("M") + MatrixLetters[m] + "[" + std::to_string(i) + "," +
                                        std::to_string(j) + "]";
                ini.WriteFloat(std::string(Section) + MatrixLetters[m], key,
                               matrices_[static_cast<std::size_t>(m)].value(i, j));
            }
    const auto writeVector = [&ini](const char* key, const TVektor& v) {
        const std::string k(key);
        ini.WriteFloat(Section, k + ".x", v.x);
        ini.WriteFloat(Section, k + ".y", v.y);
        ini.WriteFloat(Section, k + ".z", v.z);
    };
    writeVector("Mxx", x_.value);
    writeVector("Mbb", b_.value);
    ini.WriteFloat(Section, "Mdd", d_.value);
}

// Every other caption of this page is a letter or a formula, the same in all languages.
void MatrixPage::ApplyTexts() {
    calcButton_->setText(Tx(18));
    NameButtons(this);
    for (int n = 0; n < OperationCount; ++n)
        toolButtons_[static_cast<std::size_t>(n)]->setAccessibleName(Tx(740 + n));
    for (int m = A; m <= C; ++m) {
        const MatrixBlock& block = blocks_[static_cast<std::size_t>(m)];
        const QString letter(QLatin1Char(MatrixLetters[m]));
        for (int n = 0; n < 9; ++n)
            block.cells[static_cast<std::size_t>(n)]->setAccessibleName(
                QStringLiteral("%1, %2,%3").arg(letter).arg(n / 3 + 1).arg(n % 3 + 1));
        if (block.transpose) block.transpose->setAccessibleName(Tx(750) + QLatin1Char(' ') + letter);
    }
    for (int i = 0; i < 3; ++i) {
        xEdits_[static_cast<std::size_t>(i)]->setAccessibleName(QStringLiteral("x, %1").arg(i + 1));
        bEdits_[static_cast<std::size_t>(i)]->setAccessibleName(QStringLiteral("b, %1").arg(i + 1));
    }
}

void MatrixPage::StartUp() {
    ShowOperation(operation_);
}

QStringList MatrixPage::ReportLines() const {
    QStringList lines;
    const QTextDocument* document = memo_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // The empty block after the last line break is where the next line goes, not a line.
        if (block == document->lastBlock() && block.text().isEmpty()) break;
        lines << block.text();
    }
    return lines;
}

QFont MatrixPage::ReportFont() const {
    return memo_->font();
}

void MatrixPage::M_ToolButtonChanged(int n) {
    ShowOperation(n);
    operation_ = n;
}

void MatrixPage::ShowOperation(int n) {
    SetPicture(operationImage_, PictureName(n));
    for (int k = 0; k < OperationCount; ++k)
        toolButtons_[static_cast<std::size_t>(k)]->setChecked(k == n);

    const OperationLayout layout = LayoutOf(n);
    bool shown[5] = {};
    int left = BlocksLeft;
    for (Block block : layout.operands) {
        shown[static_cast<int>(block)] = true;
        switch (block) {
        case Block::A:
            PlaceMatrixBlock(A, left, TopRow);
            break;
        case Block::B:
            PlaceMatrixBlock(B, left, TopRow);
            break;
        case Block::X:
            PlaceVectorBlock(xEdits_, xImage_, left);
            break;
        case Block::Vb:
            PlaceVectorBlock(bEdits_, bImage_, left);
            break;
        case Block::D:
            PlaceScalarBlock(left);
            break;
        }
        left += WidthOf(block) + BlockGap;
    }
    PlaceMatrixBlock(C, BlocksLeft, ResultRow);

    const bool showMatrix[3] = {shown[static_cast<int>(Block::A)], shown[static_cast<int>(Block::B)],
                                layout.c};
    for (int m = A; m <= C; ++m) {
        MatrixBlock& block = blocks_[static_cast<std::size_t>(m)];
        for (QLineEdit* cell : block.cells)
            cell->setVisible(showMatrix[m]);
        block.label->setVisible(showMatrix[m]);
        block.info->setVisible(showMatrix[m]);
        if (block.transpose) block.transpose->setVisible(showMatrix[m]);
    }
    const bool showX = shown[static_cast<int>(Block::X)];
    const bool showB = shown[static_cast<int>(Block::Vb)];
    SetTripleVisible(xEdits_[0], xEdits_[1], xEdits_[2], showX);
    xImage_->setVisible(showX);
    SetTripleVisible(bEdits_[0], bEdits_[1], bEdits_[2], showB);
    bImage_->setVisible(showB);
    dEdit_->setVisible(shown[static_cast<int>(Block::D)]);
    dLabel_->setVisible(shown[static_cast<int>(Block::D)]);
    copyABButton_->setVisible(showMatrix[A] && showMatrix[B]);
    copyBAButton_->setVisible(showMatrix[A] && showMatrix[B]);
    copyCAButton_->setVisible(showMatrix[A] && showMatrix[C]);

    for (QLineEdit* edit : bEdits_)
        edit->setEnabled(n != 6);
    for (QLineEdit* edit : xEdits_)
        edit->setEnabled(n != 7);
    dLabel_->setText(n == 8 ? QStringLiteral("alpha =") : QStringLiteral("d ="));
    dEdit_->setAccessibleName(dLabel_->text().chopped(2));

    UpdateArrowKeys(n);

    // Tab reads the operands in the order the operation shows them, then calculates; C, which takes
    // the results, and the rest follow.
    QList<QWidget*> tabs;
    for (Block block : layout.operands) {
        switch (block) {
        case Block::A:
        case Block::B:
            for (QLineEdit* cell : blocks_[static_cast<std::size_t>(block == Block::A ? A : B)].cells)
                tabs << cell;
            break;
        case Block::X:
            tabs << xEdits_[0] << xEdits_[1] << xEdits_[2];
            break;
        case Block::Vb:
            tabs << bEdits_[0] << bEdits_[1] << bEdits_[2];
            break;
        case Block::D:
            tabs << dEdit_;
            break;
        }
    }
    tabs << calcButton_;
    for (QLineEdit* cell : blocks_[C].cells)
        tabs << cell;
    ChainTabs(this, tabs);
}

void MatrixPage::UpdateArrowKeys(int n) {
    const auto widget = [this](const Cell& c) -> QWidget* {
        switch (c.kind) {
        case Kind::Matrix:
            return blocks_[static_cast<std::size_t>(c.m)]
                .cells[static_cast<std::size_t>(3 * (c.row - 1) + c.col - 1)];
        case Kind::X:
            return xEdits_[static_cast<std::size_t>(c.row - 1)];
        case Kind::Vb:
            return bEdits_[static_cast<std::size_t>(c.row - 1)];
        default:
            return dEdit_;
        }
    };
    const auto add = [&](const Cell& c) {
        const auto to = [&](Key key) -> QWidget* {
            const std::optional<Cell> target = Target(c, key, n);
            return target ? widget(*target) : nullptr;
        };
        arrows_->Add(widget(c), {to(Left), to(Up), to(Down), to(Right)});
    };
    for (int m = A; m <= C; ++m)
        for (int row = 1; row <= 3; ++row)
            for (int col = 1; col <= 3; ++col)
                add(At(m, row, col));
    for (int row = 1; row <= 3; ++row) {
        add(Cell{Kind::X, 0, row, 1});
        add(Cell{Kind::Vb, 0, row, 1});
    }
    add(Cell{Kind::D});
}

void MatrixPage::ReadPage() {
    for (std::size_t n = 0; n < 9; ++n)
        for (std::size_t m = 0; m < 3; ++m) {
            MatrixCell& matrix = matrices_[m];
            if (!matrix.stale[n]) continue;
            matrix.value.e[n] = EvaluateField(blocks_[m].cells[n]);
            matrix.stale[n] = false;
        }
    ReadVectorEdits(xEdits_[0], xEdits_[1], xEdits_[2], x_);
    ReadVectorEdits(bEdits_[0], bEdits_[1], bEdits_[2], b_);
    ReadScalarEdit(dEdit_, d_);
}

void MatrixPage::M_Calc_ButtonClick() {
    ReadPage();
    PrepareMemo();
    MatrixValues v{matrices_[A].value, matrices_[B].value, matrices_[C].value, x_.value, b_.value, d_.value};
    switch (operation_) {
    case 0:
        v.C = MAdd(v.A, v.B);
        break;
    case 1:
        v.C = MSub(v.A, v.B);
        break;
    case 2:
        v.C = MMul(v.A, v.B);
        break;
    case 3:
        v.C = MScale(v.A, v.d);
        break;
    case 4:
        v.C = MDivScalar(v.A, v.d);
        break;
    case 5:
        v.C = MInverse(v.A);
        break;
    case 6:
        v.b = MMulVec(v.A, v.x);
        break;
    case 7:
        v.x = MMulVec(MInverse(v.A), v.b);
        break;
    case 8:
        v.C = MRotation(v.x, v.d);
        break;
    default:
        v.d = MDet(v.A);
        break;
    }

    if (operation_ == 6) {
        b_.value = v.b;
        WriteVectorEdits(v.b, bEdits_[0], bEdits_[1], bEdits_[2]);
    } else if (operation_ == 7) {
        x_.value = v.x;
        WriteVectorEdits(v.x, xEdits_[0], xEdits_[1], xEdits_[2]);
    } else if (operation_ == 9) {
        d_.value = v.d;
        WriteScalarEdit(v.d, dEdit_);
    } else {
        matrices_[C].value = v.C;
        ShowMatrix(C, v.C);
    }
    for (const std::string& line : OperationLines(operation_, v))
        AppendLine(line);
}

void MatrixPage::MInfo_ButtonClick(int m) {
    PrepareMemo();
    ReadPage();
    const auto append = [this](const std::string& line) { AppendLine(line); };
    const TMatrix& X = matrices_[static_cast<std::size_t>(m)].value;
    InfoReport(X, MatrixLetters[m], append);
    if (Matrix_Eigen) EigenReport(X, append);
}

TMatrix MatrixPage::ReadMatrixA() {
    ReadPage();
    return matrices_[A].value;
}

void MatrixPage::ShowInC(const TMatrix& value) {
    // As a calculation writes its result: C's cells are read back from their text next time.
    matrices_[C].value = value;
    ShowMatrix(C, value);
}

void MatrixPage::ConvertPlain(int m) {
    MatrixCell& matrix = matrices_[static_cast<std::size_t>(m)];
    for (std::size_t n = 0; n < 9; ++n) {
        if (!matrix.stale[n]) continue;
        const QLineEdit* cell = blocks_[static_cast<std::size_t>(m)].cells[n];
        const std::optional<Extended> value = ReadPlainNumber(cell->text());
        if (!value) {
            NoteFailingField(cell);
            throw ConversionError(cell->text().toStdString());
        }
        matrix.value.e[n] = *value;
        matrix.stale[n] = false;
    }
}

void MatrixPage::CopyMatrix(int from, int to) {
    ConvertPlain(from);
    SetMatrix(to, matrices_[static_cast<std::size_t>(from)].value);
}

void MatrixPage::MAB_Copy_ButtonClick() {
    CopyMatrix(A, B);
}

void MatrixPage::MBA_Copy_ButtonClick() {
    CopyMatrix(B, A);
}

void MatrixPage::MCA_Copy_ButtonClick() {
    CopyMatrix(C, A);
}

void MatrixPage::MTransA_ButtonClick() {
    ReadPage();
    // Only the cells change; A takes the transposed values from them at the next read.
    ShowMatrix(A, MTranspose(matrices_[A].value));
    matrices_[A].stale.fill(true);
}

void MatrixPage::MTransB_ButtonClick() {
    ReadPage();
    SetMatrix(B, MTranspose(matrices_[B].value));
}

void MatrixPage::MClear_ButtonClick() {
    SetMatrix(A, NullMatrix);
    SetMatrix(B, NullMatrix);
    ShowMatrix(C, NullMatrix);
    x_ = b_ = VectorCell{};
    d_ = ScalarCell{};
    WriteVectorEdits(x_.value, xEdits_[0], xEdits_[1], xEdits_[2]);
    WriteVectorEdits(b_.value, bEdits_[0], bEdits_[1], bEdits_[2]);
    WriteScalarEdit(d_.value, dEdit_);
}

void MatrixPage::ME_ButtonClick() {
    SetMatrix(A, EinheitsMatrix);
    SetMatrix(B, EinheitsMatrix);
    ShowMatrix(C, EinheitsMatrix);
    x_ = b_ = VectorCell{{}, TVektor{1, 1, 1}};
    d_ = ScalarCell{false, 1};
    WriteVectorEdits(x_.value, xEdits_[0], xEdits_[1], xEdits_[2]);
    WriteVectorEdits(b_.value, bEdits_[0], bEdits_[1], bEdits_[2]);
    WriteScalarEdit(d_.value, dEdit_);
}

void MatrixPage::ShowMatrix(int m, const TMatrix& value) {
    for (std::size_t n = 0; n < 9; ++n)
        blocks_[static_cast<std::size_t>(m)].cells[n]->setText(Formatted(value.e[n]));
}

// The slot takes the value with its flags cleared; writing the cells then marks again each cell whose
// text changes, so that cell is read back from its text next time.
void MatrixPage::SetMatrix(int m, const TMatrix& value) {
    MatrixCell& matrix = matrices_[static_cast<std::size_t>(m)];
    matrix.value = value;
    matrix.stale.fill(false);
    ShowMatrix(m, value);
}

void MatrixPage::PrepareMemo() {
    if (Matrix_Clear)
        memo_->clear();
    else if (MemoLineCount() >= 2)
        AppendLine(Matrix_Trennstrich ? std::string(52, '-') : std::string(" "));
}

// The memo holds lines each ended by a line break, so an empty line counts as one and the empty block
// after the last break as none.
int MatrixPage::MemoLineCount() const {
    const QTextDocument* document = memo_->document();
    int count = document->blockCount();
    if (document->lastBlock().text().isEmpty()) --count;
    return count;
}

void MatrixPage::AppendLine(const std::string& line) {
    QString text = QString::fromStdString(line) + QLatin1Char('\n');
    // A last line typed without its break gets one first, so the new line starts on its own.
    if (!memo_->document()->lastBlock().text().isEmpty()) text.prepend(QLatin1Char('\n'));
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    memo_->setTextCursor(cursor);
    memo_->ensureCursorVisible();
}

} // namespace quillon
