#include "pages/QuaternionPage.h"

#include "core/Handle.h"
#include "math/GRotation.h"
#include "pages/ArrowKeys.h"
#include "pages/CopyAsMenu.h"
#include "pages/ErrorDisplay.h"
#include "pages/FieldAids.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace quillon {
namespace {

const char* const FieldNames[9] = {"Re", "i", "j", "k", "Betrag", "Arg", "n1", "n2", "n3"};

// The functions of q1, each the complex function of its name in the plane of q1's axis.
const FunctionButton FunctionButtons[] = {
    {"Sin", "QSin_Button", "q3=sin(q1)", ComplexSin},
    {"Cos", "QCos_Button", "q3=cos(q1)", ComplexCos},
    {"Tan", "QTan_Button", "q3=tan(q1)", ComplexTan},
    {"CoTan", "QCoTan_Button", "q3=cotan(q1)", ComplexCot},
    {"Sinh", "QSinh_Button", "q3=sinh(q1)", ComplexSinh},
    {"Cosh", "QCosh_Button", "q3=cosh(q1)", ComplexCosh},
    {"Tanh", "QTanh_Button", "q3=tanh(q1)", ComplexTanh},
    {"Coth", "QCoth_Button", "q3=coth(q1)", ComplexCoth},
    {"ArcSin", "QArcSin_Button", "q3=arcsin(q1)", ComplexArcSin},
    {"ArcCos", "QArcCos_Button", "q3=arccos(q1)", ComplexArcCos},
    {"ArcTan", "QArcTan_Button", "q3=arctan(q1)", ComplexArcTan},
    {"ArcCot", "QArcCot_Button", "q3=arccot(q1)", ComplexArcCot},
    {"ArSinh", "QArcSinh_Button", "q3=arcsinh(q1)", ComplexArSinh},
    {"ArCosh", "QArcCosh_Button", "q3=arccosh(q1)", ComplexArCosh},
    {"ArTanh", "QArTanh_Button", "q3=artanh(q1)", ComplexArTanh},
    {"ArCoth", "QArCoth_Button", "q3=arcoth(q1)", ComplexArCoth},
    {"Exp", "QExp_Button", "q3=exp(q1)", ComplexExp},
    {"ln", "QLn_Button", "q3=ln(q1)", ComplexLn},
    {"\u221A", "QSqrt_Button", "q3=sqrt(q1)", ComplexSqrt},
};

// Also true for a quaternion so small that its squared modulus underflows: no division can use it.
bool IsZero(const TQuat& q) {
    return !(QuatNorm2(q) > 0);
}

} // namespace

QuaternionPage::QuaternionPage(QWidget* parent, Build when) : NumberPage(parent) {
    setObjectName(QStringLiteral("Quat_TabSheet"));
    BuildControlsWhen(when, [this] {
        BuildControls();
        BuildArrowKeys();
    });
}

QuaternionPage::~QuaternionPage() = default;

void QuaternionPage::BuildControls() {
    auto caption = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(10);

    // One row per quaternion: q = Re +i i +j j +k k, then modulus, argument and axis.
    auto* fields = new QGroupBox(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(4, 4, 4, 6);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(4);
    grid->addWidget(caption(QStringLiteral("|q|")), 0, 9);
    grid->addWidget(caption(QStringLiteral("arg")), 0, 10);
    grid->addWidget(caption(QStringLiteral("n")), 0, 11, 1, 3);
    for (int n = 0; n < 3; ++n) {
        grid->addWidget(caption(QStringLiteral("q%1=").arg(n + 1)), n + 1, 0);
        for (int index = 0; index < 9; ++index) {
            const QString name =
                QStringLiteral("Q%1%2_Edit").arg(n + 1).arg(QLatin1String(FieldNames[index]));
            // Only Re, i, j and k are typed in; the others show what follows from them.
            std::function<void()> changed;
            if (index < 4) changed = [this, n, index] { FieldChanged(n, index); };
            QLineEdit* edit = AddNumberField(fields, name, std::move(changed));
            edit->setMinimumWidth(40);
            edits_[n][index] = edit;
            if (index >= 4) {
                // Shows a derived value: typing there would change nothing, so it takes no typing, but
                // stays as readable as the others (and can still be selected and copied).
                edit->setReadOnly(true);
                QPalette palette = edit->palette();
                palette.setColor(QPalette::Base, palette.color(QPalette::Window));
                edit->setPalette(palette);
            }
            // Re, +i, +j, +k take columns 1, 3, 5, 7 after their captions; a gap, then the rest.
            const int column = index < 4 ? 1 + 2 * index : index + 5;
            grid->addWidget(edit, n + 1, column);
            grid->setColumnStretch(column, 1);
        }
        AddCopyAsMenu(edits_[n], [this, n] { return CopyOf(q_[n]); });
        grid->addWidget(caption(QStringLiteral("+i")), n + 1, 2);
        grid->addWidget(caption(QStringLiteral("+j")), n + 1, 4);
        grid->addWidget(caption(QStringLiteral("+k")), n + 1, 6);
    }
    grid->setColumnMinimumWidth(8, 6);
    page->addWidget(fields);

    out_ = AddResultLabel(page, QStringLiteral("QOut_Label"), QStringLiteral("   "));

    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);

    auto* ops = new QGroupBox(this);
    auto* opsLayout = new QVBoxLayout(ops);
    opsLayout->setContentsMargins(6, 6, 6, 6);
    opsLayout->setSpacing(4);
    auto row = [&](std::initializer_list<QPushButton*> buttons) {
        auto* layout = new QHBoxLayout;
        layout->setSpacing(4);
        for (QPushButton* b : buttons) {
            b->setParent(ops);
            layout->addWidget(b);
        }
        opsLayout->addLayout(layout);
    };
    auto operation = [this](TQuat (*op)(TQuat, TQuat), const QString& label) {
        return [this, op, label] { SetResult(op(q_[0], q_[1]), label); };
    };
    row({AddButton(QStringLiteral("+"), QStringLiteral("QAdd_Button"),
                   operation(QuatAdd, QStringLiteral("q3=q1+q2"))),
         AddButton(QStringLiteral("-"), QStringLiteral("QSub_Button"),
                   operation(QuatSub, QStringLiteral("q3=q1-q2"))),
         AddButton(QStringLiteral("*"), QStringLiteral("QMul_Button"),
                   operation(QuatMul, QStringLiteral("q3=q1*q2"))),
         AddButton(QStringLiteral("/"), QStringLiteral("QDiv_Button"), [this] { QDiv_ButtonClick(); })});
    row({AddButton(QStringLiteral("q1-->q2"), QStringLiteral("QCopy12_Button"),
                   [this] {
                       q_[1] = q_[0];
                       ShowNumber(1);
                   }),
         AddButton(QStringLiteral("q1<--q2"), QStringLiteral("QCopy21_Button"),
                   [this] {
                       q_[0] = q_[1];
                       ShowNumber(0);
                   }),
         AddButton(QStringLiteral("q1<--q3"), QStringLiteral("QCopy31_Button"), [this] {
             q_[0] = q_[2];
             ShowNumber(0);
         })});
    const struct {
        const char* caption;
        const char* name;
        const char* hint;
        TQuat value;
    } constants[] = {{"C", "QClear_Button", "q1=q2=q3=0", QuatZero},
                     {"1", "QEins_Button", "q1=q2=q3=1", QuatOne},
                     {"i", "Qi_Button", "q1=q2=q3=i", QuatI},
                     {"j", "Qj_Button", "q1=q2=q3=j", QuatJ},
                     {"k", "Qk_Button", "q1=q2=q3=k", QuatK}};
    std::vector<QPushButton*> constantButtons;
    for (const auto& c : constants) {
        const TQuat value = c.value;
        QPushButton* b =
            AddButton(QLatin1String(c.caption), QLatin1String(c.name), [this, value] { SetAll(value); });
        b->setToolTip(QLatin1String(c.hint));
        constantButtons.push_back(b);
    }
    row({constantButtons[0], constantButtons[1], constantButtons[2], constantButtons[3], constantButtons[4]});
    toMatrixButton_ =
        AddButton(QString(), QStringLiteral("QToMatrix_Button"), [this] { QToMatrix_ButtonClick(); });
    fromMatrixButton_ =
        AddButton(QString(), QStringLiteral("QFromMatrix_Button"), [this] { QFromMatrix_ButtonClick(); });
    row({toMatrixButton_, fromMatrixButton_});
    middle->addWidget(ops, 3);

    // Conjugate, inverse and unit of each quaternion in place.
    auto* each = new QGroupBox(this);
    auto* eachGrid = new QGridLayout(each);
    eachGrid->setContentsMargins(6, 6, 6, 6);
    eachGrid->setSpacing(4);
    for (int n = 0; n < 3; ++n) {
        const QString q = QStringLiteral("q%1").arg(n + 1);
        eachGrid->addWidget(caption(q), n, 0);
        QPushButton* konj = AddButton(QStringLiteral("q\u0304%1").arg(n + 1),
                                      QStringLiteral("QKonj%1_Button").arg(n + 1), [this, n] {
                                          q_[n] = QuatConj(q_[n]);
                                          ShowNumber(n);
                                          out_->clear();
                                      });
        konj->setToolTip(QStringLiteral("%1=konj(%1)").arg(q));
        QPushButton* inv =
            AddButton(q + QStringLiteral("\u207B\u00B9"), QStringLiteral("QInv%1_Button").arg(n + 1),
                      [this, n] { QInv_ButtonClick(n); });
        inv->setToolTip(QStringLiteral("%1=1/%1").arg(q));
        QPushButton* unit =
            AddButton(q + QStringLiteral("/|") + q + QStringLiteral("|"),
                      QStringLiteral("QEinheit%1_Button").arg(n + 1), [this, n] { QEinheit_ButtonClick(n); });
        unit->setToolTip(QStringLiteral("|%1|=1").arg(q));
        for (QPushButton* b : {konj, inv, unit})
            b->setParent(each);
        eachGrid->addWidget(konj, n, 1);
        eachGrid->addWidget(inv, n, 2);
        eachGrid->addWidget(unit, n, 3);
    }
    middle->addWidget(each, 2);
    page->addLayout(middle);

    // The functions of q1, laid out as on the complex page.
    QGridLayout* functionGrid = AddFunctionGrid(page, FunctionButtons, [this](const FunctionButton& f) {
        SetResult(QuatReduced(f.function, q_[0]), QLatin1String(f.label));
    });
    auto* functions = functionGrid->parentWidget();
    QPushButton* pow2 = AddButton(QStringLiteral("q1\u00B2"), QStringLiteral("QPow2_Button"),
                                  [this] { SetResult(QuatMul(q_[0], q_[0]), QStringLiteral("q3=q1*q1")); });
    pow2->setParent(functions);
    pow2->setToolTip(QStringLiteral("q1*q1"));
    functionGrid->addWidget(pow2, 2, 3);
    QPushButton* power = AddButton(QStringLiteral("Power(q1,            )"), QStringLiteral("QPower_Button"),
                                   [this] { QPower_ButtonClick(); });
    power->setParent(functions);
    powerEdit_ = AddExponentEdit(power, QStringLiteral("QPower_Edit"));
    functionGrid->addWidget(power, 2, 4, 1, 4);
    page->addStretch(1);
    AllowNarrowButtons(this);

    // Tab reads the typed parts of q1 and q2 and the exponent, then q3 and what follows from each.
    QList<QWidget*> tabs;
    for (int n : {0, 1})
        for (int index = 0; index < 4; ++index)
            tabs << edits_[n][index];
    tabs << powerEdit_;
    for (int index = 0; index < 4; ++index)
        tabs << edits_[2][index];
    for (int n = 0; n < 3; ++n)
        for (int index = 4; index < 9; ++index)
            tabs << edits_[n][index];
    ChainTabs(this, tabs);
    MakeFieldsReadable(this);
}

void QuaternionPage::BuildArrowKeys() {
    arrows_ = new ArrowKeyNavigator(this);
    // Left and right cycle through Re, i, j, k, modulus, argument; up and down through q1, q2, q3.
    for (int n = 0; n < 3; ++n)
        for (int index = 0; index < 6; ++index)
            arrows_->Add(edits_[n][index], {edits_[n][(index + 5) % 6], edits_[(n + 2) % 3][index],
                                            edits_[(n + 1) % 3][index], edits_[n][(index + 1) % 6]});
}

// The other captions of this page are formulas or symbols, the same in all languages.
void QuaternionPage::ApplyTexts() {
    RewordMarkHints(this);
    toMatrixButton_->setText(Tx(805));
    toMatrixButton_->setToolTip(Tx(807));
    fromMatrixButton_->setText(Tx(806));
    fromMatrixButton_->setToolTip(Tx(808));
    NameButtons(this);
    const char* const parts[9] = {"Re", "i", "j", "k", "|q|", "arg", "n1", "n2", "n3"};
    for (int n = 0; n < 3; ++n)
        for (int index = 0; index < 9; ++index)
            edits_[n][index]->setAccessibleName(QStringLiteral("q%1, ").arg(n + 1) +
                                                QLatin1String(parts[index]));
    powerEdit_->setAccessibleName(QStringLiteral("Power(q1), ") + Tx(732));
    // The hint "q1=konj(q1)" is a formula in German; the name says it in the user's words.
    for (int n = 0; n < 3; ++n)
        findChild<QPushButton*>(QStringLiteral("QKonj%1_Button").arg(n + 1))
            ->setAccessibleName(Tx(751) + QStringLiteral(" q%1").arg(n + 1));
}

void QuaternionPage::StartUp() {
    changeHandling_ = true;
    // The label keeps its blank caption until the first operation.
    for (int n = 0; n < 3; ++n) {
        q_[n] = QuatZero;
        ShowNumber(n);
    }
}

void QuaternionPage::FieldChanged(int n, int index) {
    if (!changeHandling_) return;
    ReadQuaternionField(edits_[n], q_[n], index, q_[n]);
    // The field being typed in is left alone; the others follow it.
    WriteQuaternionEdits(edits_[n], index, q_[n], changeHandling_);
    out_->clear();
}

void QuaternionPage::ShowNumber(int n) {
    WriteQuaternionEdits(edits_[n], AllQuaternionFields, q_[n], changeHandling_);
}

void QuaternionPage::SetResult(const TQuat& q3, const QString& label) {
    q_[2] = q3;
    ShowNumber(2);
    out_->setText(label);
}

void QuaternionPage::SetAll(const TQuat& q) {
    for (int n = 0; n < 3; ++n) {
        q_[n] = q;
        ShowNumber(n);
    }
    out_->clear();
}

void QuaternionPage::QDiv_ButtonClick() {
    if (IsZero(q_[1])) {
        out_->setText(QStringLiteral("q1/0 ?"));
        return;
    }
    SetResult(QuatDiv(q_[0], q_[1]), QStringLiteral("q3=q1/q2"));
}

void QuaternionPage::QPower_ButtonClick() {
    const Extended x = ReadPlainNumber(powerEdit_->text()).value_or(1);
    // q1 = 0 to a negative power throws here, before q3 or the label is touched.
    const TQuat q3 = QuatPower(q_[0], x);
    SetResult(q3, QStringLiteral("Power(Q1,%1)=Q3").arg(QString::fromStdString(FormatNumber(x))));
}

void QuaternionPage::QInv_ButtonClick(int n) {
    if (IsZero(q_[n])) {
        out_->setText(QStringLiteral("1/0=?"));
        return;
    }
    q_[n] = QuatDiv(QuatOne, q_[n]);
    ShowNumber(n);
    out_->clear();
}

void QuaternionPage::QEinheit_ButtonClick(int n) {
    const QString q = QStringLiteral("|q%1|").arg(n + 1);
    if (IsZero(q_[n])) {
        out_->setText(q + QStringLiteral("=0"));
        return;
    }
    q_[n] = QuatUnit(q_[n]);
    ShowNumber(n);
    out_->setText(q + QStringLiteral("=1"));
}

void QuaternionPage::QToMatrix_ButtonClick() {
    if (IsZero(q_[0])) {
        out_->setText(Tx(810));
        return;
    }
    emit RotationMatrixOut(QuatToRotation(q_[0]));
    out_->setText(QStringLiteral("C=R(q1)"));
}

void QuaternionPage::QFromMatrix_ButtonClick() {
    if (!rotationSource_) return;
    const TMatrix A = rotationSource_();
    if (!IsRotationWithinRounding(A)) {
        out_->setText(Tx(809));
        return;
    }
    q_[0] = RotationToQuat(A);
    ShowNumber(0);
    out_->setText(QStringLiteral("q1=q(A)"));
}

} // namespace quillon
