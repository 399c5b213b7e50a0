#include "pages/ComplexPage.h"

#include "core/Handle.h"
#include "core/IniFile.h"
#include "pages/ArrowKeys.h"
#include "pages/CopyAsMenu.h"
#include "pages/ErrorDisplay.h"
#include "pages/FieldAids.h"
#include "pages/RadioGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace quillon {
namespace {

const char* const PartNames[4] = {"Re", "Im", "r", "Phi"};
const char* const PartKeys[4] = {"Re", "Im", "r", "phi"};

// The functions of Z1 that only compute and show.
const FunctionButton FunctionButtons[] = {
    {"Sin", "CSin_Button", "Sin(Z1)=Z3", ComplexSin},
    {"Cos", "CCos_Button", "Cos(Z1)=Z3", ComplexCos},
    {"Tan", "CTan_Button", "Tan(Z1)=Z3", ComplexTan},
    {"CoTan", "CCoTan_Button", "CoTan(Z1)=Z3", ComplexCot},
    {"Sinh", "CSinh_Button", "Sinh(Z1)=Z3", ComplexSinh},
    {"Cosh", "CCosh_Button", "Cosh(Z1)=Z3", ComplexCosh},
    {"Tanh", "CTanh_Button", "Tanh(Z1)=Z3", ComplexTanh},
    {"Coth", "CCoth_Button", "CoTanh(Z1)=Z3", ComplexCoth},
    {"ArcSin", "CArcSin_Button", "ArcSin(Z1)=Z3", ComplexArcSin},
    {"ArcCos", "CArcCos_Button", "ArcCos(Z1)=Z3", ComplexArcCos},
    {"ArcTan", "CArcTan_Button", "ArcTan(Z1)=Z3", ComplexArcTan},
    {"ArcCot", "CArcCot_Button", "ArcCot(Z1)=Z3", ComplexArcCot},
    {"ArSinh", "CArcSinh_Button", "ArcSinh(Z1)=Z3", ComplexArSinh},
    {"ArCosh", "CArcCosh_Button", "ArcCosh(Z1)=Z3", ComplexArCosh},
    {"ArTanh", "CArTanh_Button", "ArTanh(Z1)=Z3", ComplexArTanh},
    {"ArCoth", "CArCoth_Button", "ArCoth(Z1)=Z3", ComplexArCoth},
    {"Exp", "CExp_Button", "Exp(Z1)=Z3", ComplexExp},
    {"\u221A", "CSqrt_Button", "Sqrt(Z1)=Z3", ComplexSqrt},
};

QString Name(int n, int index) {
    return QStringLiteral("CZ%1%2_Edit").arg(n + 1).arg(QLatin1String(PartNames[index]));
}

// A typed negative modulus stays as typed, but the polar operations of the algebra take r > 0 for
// granted (a quotient by it returns the dividend, a logarithm returns its operand): they get the same
// number as (|r|, phi -+ pi). The half turn goes towards 0, so an argument typed in (-pi, pi] stays
// there and selects the principal branch, as the same number typed in Cartesian form does.
TComplex PolarOperand(TComplex z) {
    if (z.r < 0) {
        z.r = -z.r;
        z.phi += z.phi > 0 ? -Pi : Pi;
    }
    return z;
}

std::string Key(int n, int index) {
    return "Cz" + std::to_string(n + 1) + "." + PartKeys[index];
}

} // namespace

ComplexPage::ComplexPage(QWidget* parent, Build when) : NumberPage(parent) {
    setObjectName(QStringLiteral("Complex_TabSheet"));
    BuildControlsWhen(when, [this] {
        BuildControls();
        BuildArrowKeys();
    });
}

ComplexPage::~ComplexPage() = default;

void ComplexPage::BuildControls() {

    // One box per number: Re and Im above, r and phi below, the conjugate button beside.
    auto numberBox = [&](int n) {
        auto* box = new QGroupBox(QStringLiteral("Z%1").arg(n + 1), this);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(6, 4, 6, 6);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(4);
        const QString captions[4] = {QStringLiteral("Re"), QStringLiteral("Im"), QStringLiteral("r"),
                                     QStringLiteral("\u03C6")};
        for (int index = 0; index < 4; ++index) {
            QLineEdit* edit = AddNumberField(box, Name(n, index), [this, n, index] { FieldChanged(n, index); });
            edit->setMinimumWidth(60);
            edits_[n][index] = edit;
            auto* caption = new QLabel(captions[index], box);
            caption->setBuddy(edit);
            grid->addWidget(caption, index / 2, (index % 2) * 2);
            grid->addWidget(edit, index / 2, (index % 2) * 2 + 1);
        }
        AddCopyAsMenu(edits_[n], [this, n] { return CopyOf(z_[n]); });
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        auto* adj = AddButton(QStringLiteral("z\u0304"), QStringLiteral("CZ%1Adj_Button").arg(n + 1),
                              [this, n] { CAdj_ButtonClick(n); });
        adj->setToolTip(QStringLiteral("Z%1=konj(Z%1)").arg(n + 1));
        adj->setFixedWidth(32);
        grid->addWidget(adj, 0, 4);
        return box;
    };

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(10);

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(6);
    top->setVerticalSpacing(6);
    top->addWidget(numberBox(0), 0, 0);
    top->addWidget(numberBox(1), 0, 1);
    top->addWidget(numberBox(2), 1, 1);

    // Operands and operations beside Z3.
    auto* ops = new QGroupBox(this);
    auto* opsLayout = new QVBoxLayout(ops);
    opsLayout->setContentsMargins(6, 6, 6, 6);
    opsLayout->setSpacing(4);
    auto* arith = new QHBoxLayout;
    arith->setSpacing(4);
    arith->addWidget(AddButton(QStringLiteral("+"), QStringLiteral("CPlus_Button"),
                               [this] { SetResult(ComplexAdd(z_[0], z_[1]), QStringLiteral("Z1+Z2=Z3")); }));
    arith->addWidget(AddButton(QStringLiteral("-"), QStringLiteral("CMinus_Button"),
                               [this] { SetResult(ComplexSub(z_[0], z_[1]), QStringLiteral("Z1-Z2=Z3")); }));
    arith->addWidget(AddButton(QStringLiteral("*"), QStringLiteral("CMult_Button"),
                               [this] { SetResult(ComplexMul(z_[0], z_[1]), QStringLiteral("Z1*Z2=Z3")); }));
    arith->addWidget(
        AddButton(QStringLiteral("/"), QStringLiteral("CDiv_Button"), [this] { CDiv_ButtonClick(); }));
    opsLayout->addLayout(arith);
    auto* copies = new QHBoxLayout;
    copies->setSpacing(4);
    copies->addWidget(AddButton(QStringLiteral("Z1--->Z2"), QStringLiteral("CZ1Z2Copy_Button"),
                                [this] { Copy_ButtonClick(0, 1, QStringLiteral("Z2=Z1")); }));
    copies->addWidget(AddButton(QStringLiteral("Z1<---Z2"), QStringLiteral("CZ2Z1Copy_Button"),
                                [this] { Copy_ButtonClick(1, 0, QStringLiteral("Z1=Z2")); }));
    copies->addWidget(AddButton(QStringLiteral("Z1<---Z3"), QStringLiteral("CZ3Z1Copy_Button"),
                                [this] { Copy_ButtonClick(2, 0, QStringLiteral("Z1=Z3")); }));
    opsLayout->addLayout(copies);
    auto* constants = new QHBoxLayout;
    constants->setSpacing(4);
    constants->addWidget(AddButton(QStringLiteral("C"), QStringLiteral("CClear_Button"),
                                   [this] { SetAll(ComplexZero, QStringLiteral("Z1=Z2=Z3=0")); }));
    constants->addWidget(AddButton(QStringLiteral("1"), QStringLiteral("CEins_Button"),
                                   [this] { SetAll(ComplexOne, QStringLiteral("Z1=Z2=Z3=1")); }));
    constants->addWidget(AddButton(QStringLiteral("i"), QStringLiteral("Ci_Button"),
                                   [this] { SetAll(ComplexI, QStringLiteral("Z1=Z2=Z3=i")); }));
    radGrad_ = new RadioGroupBox(ops);
    radGrad_->setObjectName(QStringLiteral("RadGrad_RadioGroup"));
    // Side by side: two short items fit beside the three constant buttons.
    delete radGrad_->layout();
    auto* radGradLayout = new QHBoxLayout(radGrad_);
    radGradLayout->setContentsMargins(6, 2, 6, 2);
    radGrad_->SetItems({QStringLiteral("RAD"), QStringLiteral("DEG")});
    radGrad_->SetItemIndex(0);
    connect(radGrad_, &RadioGroupBox::Clicked, this, Guarded([this] { RadGrad_RadioGroupClick(); }));
    constants->addWidget(radGrad_);
    opsLayout->addLayout(constants);
    top->addWidget(ops, 1, 0);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(1, 1);
    page->addLayout(top);

    out_ = AddResultLabel(page, QStringLiteral("COut_Label"), QStringLiteral(" z"));

    // The functions of Z1: circular and hyperbolic, their inverses, then the rest and the power.
    QGridLayout* grid = AddFunctionGrid(page, FunctionButtons, [this](const FunctionButton& f) {
        SetResult(f.function(PolarOperand(z_[0])), QLatin1String(f.label));
    });
    findChild<QPushButton*>(QStringLiteral("CSqrt_Button"))->setToolTip(QStringLiteral("Sqrt(Z1)"));
    auto* ln = AddButton(QStringLiteral("ln"), QStringLiteral("CLn_Button"), [this] { CLn_ButtonClick(); });
    auto* kehrwert = AddButton(QStringLiteral("1/Z1"), QStringLiteral("CKehrwert_Button"),
                               [this] { CKehrwert_ButtonClick(); });
    grid->addWidget(ln, 2, 2);
    grid->addWidget(kehrwert, 2, 3);
    powerButton_ = AddButton(QStringLiteral("Power(Z1,            )"), QStringLiteral("CPower_Button"),
                             [this] { CPower_ButtonClick(); });
    powerEdit_ = AddExponentEdit(powerButton_, QStringLiteral("CPower_Edit"));
    grid->addWidget(powerButton_, 2, 4, 1, 4);
    page->addStretch(1);
    AllowNarrowButtons(this);

    // Tab reads the operands Z1, Z2 and the exponent, then the result Z3, then the buttons.
    QList<QWidget*> tabs;
    for (int n : {0, 1})
        for (QLineEdit* edit : edits_[n])
            tabs << edit;
    tabs << powerEdit_;
    for (QLineEdit* edit : edits_[2])
        tabs << edit;
    ChainTabs(this, tabs);
    MakeFieldsReadable(this);
}

void ComplexPage::BuildArrowKeys() {
    arrows_ = new ArrowKeyNavigator(this);
    // Left, up, down, right, by (number, field); Re 0, Im 1, r 2, phi 3.
    struct Row {
        int n, index;
        int left[2], up[2], down[2], right[2];
    };
    static constexpr Row Table[] = {
        {0, 0, {1, 1}, {0, 2}, {0, 2}, {0, 1}}, {0, 1, {0, 0}, {0, 3}, {0, 3}, {1, 0}},
        {0, 2, {1, 3}, {0, 0}, {0, 0}, {0, 3}}, {0, 3, {0, 2}, {0, 1}, {0, 1}, {1, 2}},
        {1, 0, {0, 1}, {2, 2}, {1, 2}, {1, 1}}, {1, 1, {1, 0}, {2, 3}, {1, 3}, {0, 0}},
        {1, 2, {0, 3}, {1, 0}, {2, 0}, {1, 3}}, {1, 3, {1, 2}, {1, 1}, {2, 1}, {0, 2}},
        {2, 0, {2, 1}, {1, 2}, {2, 2}, {2, 1}}, {2, 1, {2, 0}, {1, 3}, {2, 3}, {2, 0}},
        {2, 2, {2, 3}, {2, 0}, {1, 0}, {2, 3}}, {2, 3, {2, 2}, {2, 1}, {1, 1}, {2, 2}},
    };
    for (const Row& row : Table) {
        auto at = [this](const int(&field)[2]) { return edits_[field[0]][field[1]]; };
        arrows_->Add(edits_[row.n][row.index], {at(row.left), at(row.up), at(row.down), at(row.right)});
    }
}

void ComplexPage::ReadSettings(const IniFile& ini) {
    for (int n = 0; n < 3; ++n) {
        TComplex& z = z_[n];
        Extended* parts[4] = {&z.Re, &z.Im, &z.r, &z.phi};
        for (int index = 0; index < 4; ++index)
            *parts[index] = ini.ReadFloat("Complex", Key(n, index), 0);
        ShowNumber(n);
    }
}

void ComplexPage::WriteSettings(IniFile& ini) {
    for (int n = 0; n < 3; ++n) {
        const TComplex& z = z_[n];
        const Extended parts[4] = {z.Re, z.Im, z.r, z.phi};
        for (int index = 0; index < 4; ++index)
            ini.WriteFloat("Complex", Key(n, index), parts[index]);
    }
}

// Every caption of this page is a formula or a symbol, the same in all languages; only the names for
// screen readers have a word.
void ComplexPage::ApplyTexts() {
    RewordMarkHints(this);
    NameButtons(this);
    const QString parts[4] = {QStringLiteral("Re"), QStringLiteral("Im"), QStringLiteral("r"),
                              QStringLiteral("\u03C6")};
    for (int n = 0; n < 3; ++n)
        for (int index = 0; index < 4; ++index)
            edits_[n][index]->setAccessibleName(QStringLiteral("Z%1, ").arg(n + 1) + parts[index]);
    powerEdit_->setAccessibleName(QStringLiteral("Power(Z1), ") + Tx(732));
    // The hint "Z1=konj(Z1)" is a formula in German; the name says it in the user's words.
    for (int n = 0; n < 3; ++n)
        findChild<QPushButton*>(QStringLiteral("CZ%1Adj_Button").arg(n + 1))
            ->setAccessibleName(Tx(751) + QStringLiteral(" Z%1").arg(n + 1));
}

void ComplexPage::StartUp() {
    changeHandling_ = true;
    for (int n = 0; n < 3; ++n)
        ShowNumber(n);
}

void ComplexPage::FieldChanged(int n, int index) {
    if (!changeHandling_) return;
    ReadComplexField(edits_[n], z_[n], index, z_[n], degreeMode_);
    // The field being typed in is left alone; only the other three follow it.
    WriteComplexEdits(edits_[n], index, z_[n], degreeMode_, changeHandling_);
    out_->clear();
}

void ComplexPage::ShowNumber(int n) {
    WriteComplexEdits(edits_[n], AllComplexFields, z_[n], degreeMode_, changeHandling_);
}

void ComplexPage::SetResult(const TComplex& z3, const QString& label) {
    z_[2] = z3;
    ShowNumber(2);
    out_->setText(label);
}

void ComplexPage::SetAll(const TComplex& z, const QString& label) {
    for (int n = 0; n < 3; ++n) {
        z_[n] = z;
        ShowNumber(n);
    }
    out_->setText(label);
}

void ComplexPage::CDiv_ButtonClick() {
    const TComplex divisor = PolarOperand(z_[1]);
    if (divisor.r == 0) {
        out_->setText(QStringLiteral("Z1/0 ?"));
        return;
    }
    SetResult(ComplexDiv(PolarOperand(z_[0]), divisor), QStringLiteral("Z1/Z2=Z3"));
}

void ComplexPage::CPower_ButtonClick() {
    const Extended x = ReadPlainNumber(powerEdit_->text()).value_or(1);
    // A zero modulus to a negative power throws here, before Z3 or the label is touched.
    const TComplex z3 = ComplexPower(PolarOperand(z_[0]), x);
    SetResult(z3, QStringLiteral("Power(Z1,%1)=Z3").arg(QString::fromStdString(FormatNumber(x))));
}

void ComplexPage::CKehrwert_ButtonClick() {
    const TComplex z1 = PolarOperand(z_[0]);
    if (!(z1.r > 0)) {
        out_->setText(QStringLiteral("1/0=?"));
        return;
    }
    SetResult(ComplexDiv(ComplexOne, z1), QStringLiteral("1/(Z1)=Z3"));
}

void ComplexPage::CLn_ButtonClick() {
    const TComplex z1 = PolarOperand(z_[0]);
    if (!(z1.r > 0)) {
        out_->setText(QStringLiteral("Ln(0)=?"));
        return;
    }
    SetResult(ComplexLn(z1), QStringLiteral("Ln(Z1)=Z3"));
}

void ComplexPage::CAdj_ButtonClick(int n) {
    z_[n] = ComplexConj(z_[n]);
    ShowNumber(n);
}

void ComplexPage::Copy_ButtonClick(int from, int to, const QString& label) {
    z_[to] = z_[from];
    ShowNumber(to);
    out_->setText(label);
}

void ComplexPage::RadGrad_RadioGroupClick() {
    const std::array<TComplex, 3> kept = z_;
    degreeMode_ = radGrad_->ItemIndex() == 1;
    // Written with change handling on: an angle text that changes refreshes its number from the shown
    // (rounded) angle and clears the result label, as typing it would.
    for (int n = 0; n < 3; ++n) {
        const Extended phi = degreeMode_ ? RadToDeg(z_[n].phi) : z_[n].phi;
        const QString text = QString::fromStdString(FormatNumber(phi));
        if (edits_[n][3]->text() != text) edits_[n][3]->setText(text);
    }
    // A change of unit changes no number: the records come back bit for bit, and the fields show them.
    z_ = kept;
    for (int n = 0; n < 3; ++n)
        ShowNumber(n);
}

} // namespace quillon
