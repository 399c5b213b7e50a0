#include "pages/VectorPage.h"

#include "core/FloatError.h"
#include "core/Handle.h"
#include "core/IniFile.h"
#include "pages/ArrowKeys.h"
#include "pages/CopyAsMenu.h"
#include "pages/ErrorDisplay.h"
#include "pages/FieldAids.h"
#include "pages/PageSketches.h"
#include "pages/Pictures.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quillon {
namespace {

constexpr const char* Section = "Vektorrechnung";

// Column lefts of the four field groups and the rows of x, y and z.
constexpr int ColumnA = 112;
constexpr int ColumnB = 216;
constexpr int ColumnC = 320;
constexpr int ColumnD = 424;
constexpr int RowTops[3] = {32, 64, 96};
constexpr int EditWidth = 96;
constexpr int EditHeight = 24;
constexpr int LetterTop = 4;
constexpr int ScalarLabelTop = 42;

// The tool buttons in tool bar order; the index is the operation number and the picture number.
constexpr const char* ToolButtonNames[12] = {
    "Plus_ToolButton",     "Minus_ToolButton", "SkalarMul_ToolButton", "Mult_ToolButton",
    "Kreuz_ToolButton",    "ca_ToolButton",    "Division_ToolButton",  "Length_ToolButton",
    "Richtung_ToolButton", "Angle_ToolButton", "SpatMul_ToolButton",   "CopyXA_ToolButton"};

QString PictureName(int k) {
    return QStringLiteral("VecRes%1").arg(k + 1, 2, 10, QLatin1Char('0'));
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int left, int top) {
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, EditWidth, EditHeight);
    return edit;
}

std::array<QLineEdit*, 3> MakeColumn(QWidget* parent, char letter, int left) {
    std::array<QLineEdit*, 3> edits{};
    const char axes[3] = {'x', 'y', 'z'};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = QByteArray(1, letter) + axes[i] + "_Edit";
        edits[i] = MakeEdit(parent, name.constData(), left, RowTops[i]);
    }
    return edits;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& rect, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    return label;
}

QPushButton* Placed(QPushButton* button, const QRect& rect) {
    button->setGeometry(rect);
    return button;
}

void Colour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// FormatNumber with a fixed precision, whatever the user chose.
std::string FormatWithPrecision(Extended x, int precision) {
    const int saved = Precision;
    Precision = precision;
    std::string text = FormatNumber(x);
    Precision = saved;
    return text;
}

QString MemoryLine(const TVektor& v, int precision) {
    return QString::fromStdString(FormatWithPrecision(v.x, precision) + ";" +
                                  FormatWithPrecision(v.y, precision) + ";" +
                                  FormatWithPrecision(v.z, precision));
}

void SetColumn(const std::array<QLineEdit*, 3>& edits, QLabel* letter, bool visible, int left = 0) {
    SetTripleVisible(edits[0], edits[1], edits[2], visible);
    letter->setVisible(visible);
    if (!visible) return;
    SetTripleLeft(edits[0], edits[1], edits[2], left);
    letter->move(left + 16, letter->y());
}

} // namespace

VectorPage::VectorPage(QWidget* parent, Build when) : CalcPage(parent) {
    setObjectName(QStringLiteral("Vektor_TabSheet"));
    memory_.resize(MemoryCapacity);
    BuildControlsWhen(when, [this] {
        BuildControls();
        ShowOperation(0);
    });
}

VectorPage::~VectorPage() = default;

void VectorPage::BuildControls() {
    // The tool bar: one checkable button per operation plus the copy toggle, each with its formula.
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("Methode_ToolBar"));
    toolBar_->setOrientation(Qt::Vertical);
    toolBar_->setIconSize(QSize(65, 26));
    toolBar_->setMovable(false);
    for (int k = 0; k < 12; ++k) {
        auto* button = new QToolButton(toolBar_);
        button->setObjectName(QLatin1String(ToolButtonNames[k]));
        button->setCheckable(true);
        button->setIconSize(QSize(65, 26));
        SetPictureIcon(button, PictureName(k), QSize(65, 26));
        toolBar_->addWidget(button);
        toolButtons_[static_cast<std::size_t>(k)] = button;
        connect(button, &QToolButton::clicked, this, Guarded([this, k] { V_ToolButtonChanged(k); }));
    }
    toolBar_->setGeometry(4, 2, 80, toolBar_->sizeHint().height());

    aImage_ = MakePicture(this, "V_a_Image", QStringLiteral("V_a"), QRect(ColumnA + 16, LetterTop, 64, 24));
    bImage_ = MakePicture(this, "V_b_Image", QStringLiteral("V_b"), QRect(ColumnB + 16, LetterTop, 64, 24));
    cImage_ = MakePicture(this, "V_c_Image", QStringLiteral("V_c"), QRect(ColumnC + 16, LetterTop, 64, 24));

    aEdits_ = MakeColumn(this, 'a', ColumnA);
    bEdits_ = MakeColumn(this, 'b', ColumnB);
    cEdits_ = MakeColumn(this, 'c', ColumnC);
    dEdits_ = MakeColumn(this, 'd', ColumnD);
    cScalarEdit_ = MakeEdit(this, "c_Edit", ColumnA, RowTops[1]);
    dScalarEdit_ = MakeEdit(this, "d_Edit", ColumnD, RowTops[1]);
    cScalarLabel_ =
        MakeLabel(this, "V_c_Label", QRect(ColumnA + 40, ScalarLabelTop, 16, 20), QStringLiteral("c"));
    QFont letterFont = cScalarLabel_->font();
    letterFont.setItalic(true);
    letterFont.setBold(true);
    cScalarLabel_->setFont(letterFont);
    angleLabel_ = MakeLabel(this, "VAngle_Label", QRect(ColumnD, RowTops[2], EditWidth + 16, EditHeight));

    BindVectorEdits(aEdits_[0], aEdits_[1], aEdits_[2], a_);
    BindVectorEdits(bEdits_[0], bEdits_[1], bEdits_[2], b_);
    BindVectorEdits(cEdits_[0], cEdits_[1], cEdits_[2], c_);
    BindVectorEdits(dEdits_[0], dEdits_[1], dEdits_[2], d_);
    BindScalarEdit(cScalarEdit_, cScalar_);
    BindScalarEdit(dScalarEdit_, dScalar_);
    AddCopyAsMenu(aEdits_, a_);
    AddCopyAsMenu(bEdits_, b_);
    AddCopyAsMenu(cEdits_, c_);
    AddCopyAsMenu(dEdits_, d_);

    // The formula of the chosen operation, and the buttons that act on the fields.
    formulaImage_ = new QLabel(this);
    formulaImage_->setObjectName(QStringLiteral("Image1"));
    formulaImage_->setGeometry(ColumnA, 132, 130, 52);
    clearButton_ = Placed(
        AddButton(QStringLiteral("C"), QStringLiteral("Clear_Button"), [this] { Clear_ButtonClick(); }),
        QRect(ColumnB + 40, 140, 48, 28));
    copyButton_ = Placed(
        AddButton(QStringLiteral("<----"), QStringLiteral("Copy_Button"), [this] { Copy_ButtonClick(); }),
        QRect(ColumnC, 140, EditWidth, 28));
    calcButton_ = Placed(AddButton(QStringLiteral("Berechnen"), QStringLiteral("V_Calc_Button"),
                                   [this] { V_Calc_ButtonClick(); }),
                         QRect(ColumnD, 140, EditWidth, 28));

    // The memory: buttons and counter above the list, the statistics beside it.
    msButton_ =
        Placed(AddButton(QStringLiteral("MS"), QStringLiteral("MS_Button"), [this] { MS_ButtonClick(); }),
               QRect(ColumnA, 200, 44, 26));
    mPlusButton_ = Placed(
        AddButton(QStringLiteral("M+"), QStringLiteral("MPlus_Button"), [this] { MPlus_ButtonClick(); }),
        QRect(ColumnA + 48, 200, 44, 26));
    mcButton_ =
        Placed(AddButton(QStringLiteral("MC"), QStringLiteral("MC_Button"), [this] { MC_ButtonClick(); }),
               QRect(ColumnA + 96, 200, 44, 26));
    counterLabel_ =
        MakeLabel(this, "MemCounter_Label", QRect(ColumnA + 148, 200, 76, 26), QStringLiteral("0"));
    counterLabel_->setFrameShape(QFrame::StyledPanel);
    counterLabel_->setFrameShadow(QFrame::Sunken);
    counterLabel_->setAlignment(Qt::AlignCenter);
    memoryList_ = new QListWidget(this);
    memoryList_->setObjectName(QStringLiteral("Memory_ListBox"));
    memoryList_->setGeometry(ColumnA, 232, 148, 176);

    struct StatisticsColumn {
        const char* picture;
        const char* resource;
        std::array<const char*, 3> labels;
        std::array<QLabel*, 3>* target;
        QColor colour;
    };
    const StatisticsColumn columns[3] = {
        {"Summe_Image", "Summe", {"mx_Label", "my_Label", "mz_Label"}, &sumLabels_, Qt::red},
        {"Mittelwert_Image", "Mittelwert", {"mmx_Label", "mmy_Label", "mmz_Label"}, &meanLabels_, Qt::blue},
        {"Standardabweichung_Image",
         "Standardabweichung",
         {"Standx_Label", "Standy_Label", "Standz_Label"},
         &sdLabels_,
         Qt::blue}};
    for (int column = 0; column < 3; ++column) {
        const StatisticsColumn& s = columns[column];
        const int left = 266 + column * 92;
        MakePicture(this, s.picture, QLatin1String(s.resource), QRect(left, 232, 88, 40));
        for (int i = 0; i < 3; ++i) {
            QLabel* label = MakeLabel(this, s.labels[static_cast<std::size_t>(i)],
                                      QRect(left, 280 + i * 24, 88, 22), QStringLiteral("0"));
            Colour(label, s.colour);
            (*s.target)[static_cast<std::size_t>(i)] = label;
        }
    }

    arrows_ = new ArrowKeyNavigator(this);
    // Return in any field calculates, as the button beside the result does.
    enterKeys_ = new EnterKeyRunner(this);
    for (const auto* column : {&aEdits_, &bEdits_, &cEdits_, &dEdits_})
        for (QLineEdit* edit : *column)
            enterKeys_->Add(edit, calcButton_);
    enterKeys_->Add(cScalarEdit_, calcButton_);
    enterKeys_->Add(dScalarEdit_, calcButton_);
    MakeFieldsReadable(this);
}

void VectorPage::ReadSettings(const IniFile& ini) {
    copyFlag_ = ini.ReadBool(Section, "V_XACopy", false);
    const int status = ini.ReadInteger(Section, "V_Status", 0);
    // Only an operation number selects; anything else (the copy toggle included) would be a foreign value.
    operation_ = status >= 0 && status < OperationCount ? status : 0;

    const auto readVector = [&ini](const char* key) {
        const std::string k(key);
        return TVektor{ini.ReadFloat(Section, k + ".x", 0), ini.ReadFloat(Section, k + ".y", 0),
                       ini.ReadFloat(Section, k + ".z", 0)};
    };
    WriteVectorEdits(readVector("Va"), aEdits_[0], aEdits_[1], aEdits_[2]);
    WriteVectorEdits(readVector("Vb"), bEdits_[0], bEdits_[1], bEdits_[2]);
    WriteVectorEdits(readVector("Vc"), cEdits_[0], cEdits_[1], cEdits_[2]);
    WriteScalarEdit(ini.ReadFloat(Section, "Vcc", 0), cScalarEdit_);
}

void VectorPage::WriteSettings(IniFile& ini) {
    ini.WriteBool(Section, "V_XACopy", copyFlag_);
    ini.WriteInteger(Section, "V_Status", operation_);
    // The stored values are the ones on screen, so the fields are taken over first.
    ReadInputs();
    const auto writeVector = [&ini](const char* key, const TVektor& v) {
        const std::string k(key);
        ini.WriteFloat(Section, k + ".x", v.x);
        ini.WriteFloat(Section, k + ".y", v.y);
        ini.WriteFloat(Section, k + ".z", v.z);
    };
    writeVector("Va", a_.value);
    writeVector("Vb", b_.value);
    writeVector("Vc", c_.value);
    ini.WriteFloat(Section, "Vcc", cScalar_.value);
}

void VectorPage::ApplyTexts() {
    calcButton_->setText(Tx(18));
    counterLabel_->setToolTip(Tx(61));
    toolButtons_[CopyToggleIndex]->setToolTip(Tx(62));
    toolButtons_[0]->setToolTip(Tx(66));
    toolButtons_[1]->setToolTip(Tx(65));
    toolButtons_[3]->setToolTip(Tx(63));
    toolButtons_[5]->setToolTip(Tx(64));
    clearButton_->setToolTip(Tx(67));
    copyButton_->setToolTip(Tx(68));
    mcButton_->setToolTip(Tx(69));
    msButton_->setToolTip(Tx(70));
    mPlusButton_->setToolTip(Tx(71));

    // Screen readers name each control by what it shows or does: the letter above a column and the
    // axis of the row, the operation of a picture button.
    static constexpr int OperationTexts[12] = {66, 65, 733, 63, 734, 64, 735, 736, 737, 738, 739, 62};
    for (std::size_t k = 0; k < toolButtons_.size(); ++k)
        toolButtons_[k]->setAccessibleName(Tx(OperationTexts[k]));
    const QString axes[3] = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    const std::pair<const std::array<QLineEdit*, 3>*, QString> columns[4] = {
        {&aEdits_, QStringLiteral("a")}, {&bEdits_, QStringLiteral("b")}, {&cEdits_, QStringLiteral("c")},
        {&dEdits_, Tx(731)}};
    for (const auto& [edits, letter] : columns)
        for (std::size_t i = 0; i < 3; ++i)
            (*edits)[i]->setAccessibleName(letter + QStringLiteral(", ") + axes[i]);
    cScalarEdit_->setAccessibleName(cScalarLabel_->text());
    dScalarEdit_->setAccessibleName(Tx(731));
    calcButton_->setAccessibleName(Tx(18));
    clearButton_->setAccessibleName(Tx(67));
    copyButton_->setAccessibleName(Tx(68));
    mcButton_->setAccessibleName(Tx(69));
    msButton_->setAccessibleName(Tx(70));
    mPlusButton_->setAccessibleName(Tx(71));
}

void VectorPage::StartUp() {
    ShowOperation(operation_);
    toolButtons_[CopyToggleIndex]->setChecked(copyFlag_);
    memoryCount_ = 0;
    memorySum_ = NullVektor;
    memoryList_->clear();
    RefreshStatistics();
}

QStringList VectorPage::MemoryLines() const {
    QStringList lines;
    for (int i = 0; i < memoryList_->count(); ++i)
        lines << memoryList_->item(i)->text();
    return lines;
}

void VectorPage::V_ToolButtonChanged(int k) {
    ShowOperation(k);
    if (k < OperationCount && k != operation_) {
        operation_ = k;
        calculated_.valid = false;
        emit SketchChanged();
    }
}

SketchScene VectorPage::Sketch() const {
    if (calculated_.valid)
        return VectorSketch(calculated_.operation, calculated_.a, calculated_.b, calculated_.c, calculated_.k,
                            true);
    return VectorSketch(operation_, a_.value, b_.value, c_.value, cScalar_.value, false);
}

void VectorPage::ShowOperation(int k) {
    if (k == CopyToggleIndex) {
        copyFlag_ = !copyFlag_;
        toolButtons_[CopyToggleIndex]->setChecked(copyFlag_);
        return;
    }
    SetPicture(formulaImage_, PictureName(k));
    for (int i = 0; i < OperationCount; ++i)
        toolButtons_[static_cast<std::size_t>(i)]->setChecked(i == k);
    angleLabel_->hide();

    // Which inputs the operation takes, and where: c·a puts the scalar left of a, a/c right of it.
    int scalarLeft = -1; // hidden
    int aLeft = ColumnA;
    bool showB = true;
    bool showVectorC = false;
    bool vectorResult = true;
    switch (k) {
    case 3:
        vectorResult = false;
        break;
    case 5:
        scalarLeft = ColumnA;
        aLeft = ColumnB;
        showB = false;
        break;
    case 6:
        scalarLeft = ColumnB;
        showB = false;
        break;
    case 7:
        vectorResult = false;
        [[fallthrough]];
    case 8:
        showB = false;
        break;
    case 9:
        vectorResult = false;
        break;
    case 10:
        vectorResult = false;
        showVectorC = true;
        break;
    default:
        break; // 0, 1, 2, 4: a and b, vector result
    }

    cScalarEdit_->setVisible(scalarLeft >= 0);
    cScalarLabel_->setVisible(scalarLeft >= 0);
    if (scalarLeft >= 0) {
        cScalarEdit_->move(scalarLeft, cScalarEdit_->y());
        cScalarLabel_->move(scalarLeft + 40, cScalarLabel_->y());
    }
    SetColumn(aEdits_, aImage_, true, aLeft);
    SetColumn(bEdits_, bImage_, showB, ColumnB);
    SetTripleVisible(cEdits_[0], cEdits_[1], cEdits_[2], showVectorC);
    cImage_->setVisible(showVectorC);
    SetTripleVisible(dEdits_[0], dEdits_[1], dEdits_[2], vectorResult);
    dScalarEdit_->setVisible(!vectorResult);
    angleLabel_->setVisible(k == 9);
    ArrangeKeys(scalarLeft, aLeft, showB, showVectorC);
}

void VectorPage::ArrangeKeys(int scalarLeft, int aLeft, bool showB, bool showVectorC) {
    struct Column {
        int left;
        std::vector<QLineEdit*> edits; // x, y, z, or the scalar alone
    };
    std::vector<Column> columns{{aLeft, {aEdits_.begin(), aEdits_.end()}}};
    if (scalarLeft >= 0) columns.push_back({scalarLeft, {cScalarEdit_}});
    if (showB) columns.push_back({ColumnB, {bEdits_.begin(), bEdits_.end()}});
    if (showVectorC) columns.push_back({ColumnC, {cEdits_.begin(), cEdits_.end()}});
    std::stable_sort(columns.begin(), columns.end(),
                     [](const Column& l, const Column& r) { return l.left < r.left; });

    // Up and down wrap within a column; left and right wrap over the columns, keeping the row, and the
    // scalar (on the row of y) is reached from every row and leads back to y.
    const int count = static_cast<int>(columns.size());
    const auto at = [&](int column, int row) -> QLineEdit* {
        const auto& edits = columns[static_cast<std::size_t>((column + count) % count)].edits;
        return edits.size() == 1 ? edits[0] : edits[static_cast<std::size_t>(row)];
    };
    QList<QWidget*> tabs;
    for (int column = 0; column < count; ++column) {
        const auto& edits = columns[static_cast<std::size_t>(column)].edits;
        const int rows = static_cast<int>(edits.size());
        for (int row = 0; row < rows; ++row) {
            const int gridRow = rows == 1 ? 1 : row;
            QWidget* up = rows == 1 ? nullptr : edits[static_cast<std::size_t>((row + 2) % 3)];
            QWidget* down = rows == 1 ? nullptr : edits[static_cast<std::size_t>((row + 1) % 3)];
            QWidget* left = count > 1 ? at(column - 1, gridRow) : nullptr;
            QWidget* right = count > 1 ? at(column + 1, gridRow) : nullptr;
            arrows_->Add(edits[static_cast<std::size_t>(row)], {left, up, down, right});
            tabs << edits[static_cast<std::size_t>(row)];
        }
    }
    // Then the calculation and what it writes; the memory and the tool bar come last.
    tabs << calcButton_ << dEdits_[0] << dEdits_[1] << dEdits_[2] << dScalarEdit_ << copyButton_
         << clearButton_ << msButton_ << mPlusButton_ << mcButton_ << memoryList_;
    ChainTabs(this, tabs);
}

void VectorPage::ReadInputs() {
    ReadVectorEdits(aEdits_[0], aEdits_[1], aEdits_[2], a_);
    ReadVectorEdits(bEdits_[0], bEdits_[1], bEdits_[2], b_);
    ReadVectorEdits(cEdits_[0], cEdits_[1], cEdits_[2], c_);
    ReadScalarEdit(cScalarEdit_, cScalar_);
    ReadScalarEdit(dScalarEdit_, dScalar_);
}

void VectorPage::V_Calc_ButtonClick() {
    ReadInputs();
    const TVektor a = a_.value, b = b_.value, c = c_.value;
    const Extended k = cScalar_.value;
    TVektor vector{};
    Extended scalar = 0;
    Checked([&] {
        switch (operation_) {
        case 0:
            vector = VAdd(a, b);
            break;
        case 1:
            vector = VSub(a, b);
            break;
        case 2:
            vector = VCompMul(a, b);
            break;
        case 3:
            scalar = VDot(a, b);
            break;
        case 4:
            vector = VCross(a, b);
            break;
        case 5:
            vector = VScale(a, k);
            break;
        case 6:
            vector = VDivScalar(a, k);
            break;
        case 7:
            scalar = VLength(a);
            break;
        case 8:
            vector = VUnit(a);
            break;
        case 9:
            scalar = VAngle(a, b);
            break;
        default:
            scalar = VSpat(a, b, c);
            break;
        }
    });
    const bool vectorResult =
        operation_ <= 2 || operation_ == 4 || operation_ == 5 || operation_ == 6 || operation_ == 8;

    if (vectorResult) {
        d_.value = vector;
        d_.stale = {};
        WriteVectorEdits(vector, dEdits_[0], dEdits_[1], dEdits_[2]);
    } else {
        dScalar_.value = scalar;
        dScalar_.stale = false;
        WriteScalarEdit(scalar, dScalarEdit_);
    }
    calculated_ = {true, operation_, a, b, c, k};
    if (operation_ == 9)
        angleLabel_->setText(QStringLiteral("= ") + QString::fromStdString(FormatNumber(scalar / Pi * 180)) +
                             QChar(0x00B0));
    if (copyFlag_) CopyResultToA();
    emit SketchChanged();
}

void VectorPage::Copy_ButtonClick() {
    CopyResultToA();
}

void VectorPage::CopyResultToA() {
    // Only a vector result goes into a; the page shows a and the result vector exactly then.
    if (dEdits_[0]->isHidden() || aEdits_[0]->isHidden()) return;
    ReadVectorEdits(dEdits_[0], dEdits_[1], dEdits_[2], d_);
    a_ = d_;
    WriteVectorEdits(a_.value, aEdits_[0], aEdits_[1], aEdits_[2]);
}

void VectorPage::Clear_ButtonClick() {
    for (const auto* column : {&aEdits_, &bEdits_, &cEdits_, &dEdits_})
        for (QLineEdit* edit : *column)
            edit->setText(QStringLiteral("0"));
    cScalarEdit_->setText(QStringLiteral("0"));
    dScalarEdit_->setText(QStringLiteral("0"));
    a_ = b_ = c_ = d_ = VectorCell{};
    cScalar_ = dScalar_ = ScalarCell{};
    calculated_.valid = false;
    emit SketchChanged();
}

void VectorPage::MS_ButtonClick() {
    ReadVectorEdits(aEdits_[0], aEdits_[1], aEdits_[2], a_);
    memorySum_ = a_.value;
    memory_[0] = a_.value;
    memoryList_->clear();
    memoryList_->addItem(MemoryLine(a_.value, 5));
    memoryCount_ = 1;
    RefreshStatistics();
}

void VectorPage::MPlus_ButtonClick() {
    if (memoryCount_ >= MemoryCapacity) {
        // Full: nothing is stored; the counter already says so, the beep tells that the click was refused.
        QApplication::beep();
        return;
    }
    ReadVectorEdits(aEdits_[0], aEdits_[1], aEdits_[2], a_);
    const TVektor sum = Checked([&] { return VAdd(memorySum_, a_.value); });
    memorySum_ = sum;
    memory_[static_cast<std::size_t>(memoryCount_)] = a_.value;
    memoryList_->addItem(MemoryLine(a_.value, Precision));
    ++memoryCount_;
    RefreshStatistics();
}

void VectorPage::MC_ButtonClick() {
    memoryCount_ = 0;
    memorySum_ = NullVektor;
    memoryList_->clear();
    RefreshStatistics();
}

void VectorPage::RefreshStatistics() {
    QString count = QString::number(memoryCount_);
    if (memoryCount_ >= MemoryCapacity) count += QStringLiteral(" (max)");
    counterLabel_->setText(count);
    WriteVectorLabels(memorySum_, sumLabels_[0], sumLabels_[1], sumLabels_[2]);

    TVektor mean{}, sd{};
    Checked([&] {
        mean = VDivScalar(memorySum_, memoryCount_);
        if (memoryCount_ <= 1) return;
        TVektor acc{};
        for (int i = 0; i < memoryCount_; ++i) {
            const TVektor e = VSub(memory_[static_cast<std::size_t>(i)], mean);
            acc = VAdd(acc, VCompMul(e, e));
        }
        const Extended n1 = memoryCount_ - 1;
        sd = TVektor{std::sqrt(acc.x / n1), std::sqrt(acc.y / n1), std::sqrt(acc.z / n1)};
    });
    WriteVectorLabels(mean, meanLabels_[0], meanLabels_[1], meanLabels_[2]);
    WriteVectorLabels(sd, sdLabels_[0], sdLabels_[1], sdLabels_[2]);
}

} // namespace quillon
