#include "app/Options.h"

#include "app/CompactTabs.h"
#include "app/Numedit.h"
#include "core/Globals.h"
#include "core/NumberFormats.h"
#include "core/Options.h"
#include "pages/CalcPage.h"
#include "pages/ErrorDisplay.h"
#include "pages/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {
namespace {

template <class T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The language list: what each item selects. Castellano is Spanish under its other name.
struct LanguageItem {
    const char* name;
    int index;
};
constexpr LanguageItem kLanguages[] = {{"Deutsch", 0},       {"English", 1000},  {"Español", 2000},
                                       {"Castellano", 2000}, {"Italiano", 3000}, {"Português", 4000}};

constexpr int kFormatNames = 319; // texts 319..322: general, scientific, fixed, number

} // namespace

TOptionsForm::TOptionsForm(QWidget* parent) : QDialog(parent) {
    InitResources();
    setObjectName(QStringLiteral("TOptionsForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::CustomizeWindowHint);

    Option_PageControl = Named(new QTabWidget(this), "Option_PageControl");
    CompactTabs(Option_PageControl);
    BuildCommonPage();
    BuildPlePage();
    BuildMatrixPage();
    BuildLanguagePage();

    Cancel_Button = Named(new QPushButton(this), "Cancel_Button");
    OK_Button = Named(new QPushButton(QStringLiteral("OK"), this), "OK_Button");
    OK_Button->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cancel_Button);
    buttons->addWidget(OK_Button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(Option_PageControl);
    layout->addLayout(buttons);

    connect(OK_Button, &QPushButton::clicked, this, Guarded([this] { OK_ButtonClick(); }));
    connect(Cancel_Button, &QPushButton::clicked, this, Guarded([this] { Cancel_ButtonClick(); }));
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, Guarded([this] {
                if (!filling_) ComboBox1Change();
            }));
    connect(Precision_NumEdit, &QLineEdit::textChanged, this, Guarded([this] { Precision_NumEditChange(); }));
    connect(Digits_NumEdit, &QLineEdit::textChanged, this, Guarded([this] { Digits_NumEditChange(); }));
    connect(Default_Button, &QPushButton::clicked, this, Guarded([this] { Default_ButtonClick(); }));
    connect(PLE_Clear_CheckBox, &QCheckBox::clicked, this, Guarded([this] { PLE_Clear_CheckBoxClick(); }));
    connect(Matrix_Clear_CheckBox, &QCheckBox::clicked, this,
            Guarded([this] { Matrix_Clear_CheckBoxClick(); }));
    connect(Language_ComboBox, &QComboBox::currentIndexChanged, this, Guarded([this] {
                if (!filling_) Language_ComboBoxChange();
            }));

    // The controls from the settings; the number fields before the preview reads them.
    pendingFormat_ = ValidFloatFormat(FloatFormat);
    Precision_NumEdit->SetNumber(Precision);
    Digits_NumEdit->SetNumber(Digits);
    PLE_Clear_CheckBox->setChecked(PLE_Clear);
    PLE_Trennstrich_CheckBox->setChecked(PLE_Trennstrich);
    PLE_Trennstrich_CheckBox->setEnabled(!PLE_Clear);
    PLE_Inputout_CheckBox->setChecked(PLE_inputout);
    PLE_mirror_CheckBox->setChecked(PLE_mirror);
    PLE_DistanceOut_CheckBox->setChecked(PLE_DistanceOut);
    PLE_AddInfo_CheckBox->setChecked(PLE_AddInfo);
    PLE_Intersection_CheckBox->setChecked(PLE_Intersection);
    Matrix_Clear_CheckBox->setChecked(Matrix_Clear);
    Matrix_Trennstrich_CheckBox->setChecked(Matrix_Trennstrich);
    Matrix_Trennstrich_CheckBox->setEnabled(!Matrix_Clear);
    Matrix_Eigen_CheckBox->setChecked(Matrix_Eigen);
    OptionTextInit();
    UpdatePreview();
    ShowFlag();
}

void TOptionsForm::BuildCommonPage() {
    Common_TabSheet = Named(new QWidget, "Common_TabSheet");
    Label1 = Named(new QLabel(Common_TabSheet), "Label1");
    ComboBox1 = Named(new QComboBox(Common_TabSheet), "ComboBox1");
    Exp_Label = Named(new QLabel(Common_TabSheet), "Exp_Label");
    Label2 = Named(new QLabel(Common_TabSheet), "Label2");
    Precision_NumEdit = Named(new TNumEdit(Common_TabSheet), "Precision_NumEdit");
    Digit_Label = Named(new QLabel(Common_TabSheet), "Digit_Label");
    Digits_NumEdit = Named(new TNumEdit(Common_TabSheet), "Digits_NumEdit");
    Default_Button = Named(new QPushButton(Common_TabSheet), "Default_Button");
    Precision_NumEdit->setFixedWidth(44);
    Digits_NumEdit->setFixedWidth(44);
    ComboBox1->setMinimumWidth(200);

    auto* grid = new QGridLayout(Common_TabSheet);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(ComboBox1, 1, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Default_Button, 1, 2);
    grid->addWidget(Exp_Label, 2, 0, 1, 3);
    grid->addWidget(Label2, 3, 0, 1, 2);
    grid->addWidget(Precision_NumEdit, 3, 2);
    grid->addWidget(Digit_Label, 4, 0, 1, 2);
    grid->addWidget(Digits_NumEdit, 4, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
    Option_PageControl->addTab(Common_TabSheet, QString());
}

void TOptionsForm::BuildPlePage() {
    PLE_TabSheet = Named(new QWidget, "PLE_TabSheet");
    PLE_Inputout_CheckBox = Named(new QCheckBox(PLE_TabSheet), "PLE_Inputout_CheckBox");
    PLE_DistanceOut_CheckBox = Named(new QCheckBox(PLE_TabSheet), "PLE_DistanceOut_CheckBox");
    PLE_mirror_CheckBox = Named(new QCheckBox(PLE_TabSheet), "PLE_mirror_CheckBox");
    PLE_Intersection_CheckBox = Named(new QCheckBox(PLE_TabSheet), "PLE_Intersection_CheckBox");
    PLE_AddInfo_CheckBox = Named(new QCheckBox(PLE_TabSheet), "PLE_AddInfo_CheckBox");
    Label3 = Named(new QLabel(PLE_TabSheet), "Label3");
    PLE_Clear_CheckBox = Named(new QCheckBox(PLE_TabSheet), "PLE_Clear_CheckBox");
    PLE_Trennstrich_CheckBox = Named(new QCheckBox(PLE_TabSheet), "PLE_Trennstrich_CheckBox");

    auto* grid = new QGridLayout(PLE_TabSheet);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(0);
    grid->addWidget(PLE_Inputout_CheckBox, 0, 0, 1, 2);
    grid->addWidget(PLE_DistanceOut_CheckBox, 1, 0);
    grid->addWidget(PLE_Clear_CheckBox, 1, 1);
    grid->addWidget(PLE_mirror_CheckBox, 2, 0);
    grid->addWidget(PLE_Trennstrich_CheckBox, 2, 1);
    grid->addWidget(PLE_Intersection_CheckBox, 3, 0, 1, 2);
    grid->addWidget(PLE_AddInfo_CheckBox, 4, 0, 1, 2);
    Label3->setIndent(20);
    Label3->setWordWrap(true);
    grid->addWidget(Label3, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);
    Option_PageControl->addTab(PLE_TabSheet, QString());
}

void TOptionsForm::BuildMatrixPage() {
    Matrix_TabSheet = Named(new QWidget, "Matrix_TabSheet");
    Matrix_Clear_CheckBox = Named(new QCheckBox(Matrix_TabSheet), "Matrix_Clear_CheckBox");
    Matrix_Trennstrich_CheckBox = Named(new QCheckBox(Matrix_TabSheet), "Matrix_Trennstrich_CheckBox");
    Matrix_Eigen_CheckBox = Named(new QCheckBox(Matrix_TabSheet), "Matrix_Eigen_CheckBox");
    auto* column = new QVBoxLayout(Matrix_TabSheet);
    column->setContentsMargins(8, 6, 8, 6);
    column->addWidget(Matrix_Clear_CheckBox);
    column->addWidget(Matrix_Trennstrich_CheckBox);
    column->addWidget(Matrix_Eigen_CheckBox);
    column->addStretch();
    Option_PageControl->addTab(Matrix_TabSheet, QString());
}

void TOptionsForm::BuildLanguagePage() {
    Language_TabSheet = Named(new QWidget, "Language_TabSheet");
    Flag_Image = Named(new QLabel(Language_TabSheet), "Flag_Image");
    Flag_Image->setFixedSize(60, 40);
    Language_ComboBox = Named(new QComboBox(Language_TabSheet), "Language_ComboBox");
    for (const LanguageItem& item : kLanguages)
        Language_ComboBox->addItem(QString::fromUtf8(item.name));
    Language_ComboBox->setMinimumWidth(160);
    auto* row = new QHBoxLayout;
    row->addWidget(Flag_Image);
    row->addSpacing(12);
    row->addWidget(Language_ComboBox);
    row->addStretch();
    auto* column = new QVBoxLayout(Language_TabSheet);
    column->setContentsMargins(12, 12, 12, 12);
    column->addLayout(row);
    column->addStretch();
    Option_PageControl->addTab(Language_TabSheet, QString());
}

void TOptionsForm::OptionTextInit() {
    const auto tab = [this](QWidget* page, int k) {
        Option_PageControl->setTabText(Option_PageControl->indexOf(page), Tx(k));
    };
    tab(Common_TabSheet, 301);
    Label1->setText(Tx(302));
    Label2->setText(Tx(303));
    Default_Button->setText(Tx(306));
    Cancel_Button->setText(Tx(317));
    tab(PLE_TabSheet, 307);
    PLE_Inputout_CheckBox->setText(Tx(311));
    PLE_DistanceOut_CheckBox->setText(Tx(313));
    PLE_Intersection_CheckBox->setText(Tx(315));
    PLE_AddInfo_CheckBox->setText(Tx(314));
    Label3->setText(Tx(308));
    PLE_Clear_CheckBox->setText(Tx(309));
    PLE_Trennstrich_CheckBox->setText(Tx(310));
    PLE_mirror_CheckBox->setText(Tx(312));
    tab(Language_TabSheet, 316);
    tab(Matrix_TabSheet, 29);
    Matrix_Clear_CheckBox->setText(Tx(309));
    Matrix_Trennstrich_CheckBox->setText(Tx(310));
    Matrix_Eigen_CheckBox->setText(Tx(800));

    filling_ = true;
    ComboBox1->clear();
    for (int k = kFormatNames; k < kFormatNames + 4; ++k)
        ComboBox1->addItem(Tx(k));
    filling_ = false;
    ShowPendingFormat();
    ShowLanguage();
    // The caption too, so that a language switch relabels the whole dialog at once.
    setWindowTitle(Tx(300));
    FitSize();
}

void TOptionsForm::FitSize() {
    // The size of the original dialog, unless a language's texts in this font need more.
    layout()->activate();
    const QSize needed = minimumSizeHint();
    setFixedSize(std::max(410, needed.width()), std::max(210, needed.height()));
}

void TOptionsForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TOptionsForm::FormActivate() {
    setWindowTitle(Tx(300));
}

void TOptionsForm::ShowPendingFormat() {
    filling_ = true;
    ComboBox1->setCurrentIndex(pendingFormat_);
    filling_ = false;
    const bool exponent = pendingFormat_ == 0 || pendingFormat_ == 1;
    Digit_Label->setText(Tx(exponent ? 304 : 305));
}

void TOptionsForm::ShowLanguage() {
    filling_ = true;
    Language_ComboBox->setCurrentText(Tx(323));
    filling_ = false;
}

void TOptionsForm::ShowFlag() {
    Flag_Image->setPixmap(ResourcePixmap(QStringLiteral("FLAG%1").arg(LangIndex / 1000), Flag_Image->size(),
                                         devicePixelRatioF()));
}

void TOptionsForm::UpdatePreview() {
    Exp_Label->setText(
        QString::fromStdString(FormatPreview(static_cast<FloatFormatKind>(pendingFormat_),
                                             Precision_NumEdit->Number(), Digits_NumEdit->Number())));
}

void TOptionsForm::ComboBox1Change() {
    const QString text = ComboBox1->currentText();
    for (int i = 0; i < 4; ++i)
        if (text == Tx(kFormatNames + i)) pendingFormat_ = i;
    ShowPendingFormat();
    UpdatePreview();
}

void TOptionsForm::Precision_NumEditChange() {
    UpdatePreview();
}

void TOptionsForm::Digits_NumEditChange() {
    UpdatePreview();
}

void TOptionsForm::Default_ButtonClick() {
    pendingFormat_ = 0;
    Precision_NumEdit->SetNumber(5);
    Digits_NumEdit->SetNumber(1);
    ShowPendingFormat();
    UpdatePreview();
}

void TOptionsForm::PLE_Clear_CheckBoxClick() {
    PLE_Trennstrich_CheckBox->setEnabled(!PLE_Clear_CheckBox->isChecked());
}

void TOptionsForm::Matrix_Clear_CheckBoxClick() {
    Matrix_Trennstrich_CheckBox->setEnabled(!Matrix_Clear_CheckBox->isChecked());
}

void TOptionsForm::Language_ComboBoxChange() {
    const QString text = Language_ComboBox->currentText();
    int index = 0;
    for (const LanguageItem& item : kLanguages)
        if (text == QString::fromUtf8(item.name)) index = item.index;
    const bool changed = index != LangIndex;
    LangIndex = index;
    ShowFlag();
    if (changed) OptionTextInit();
    // The list shows the language's own name ("Castellano" becomes "Español").
    ShowLanguage();
}

void TOptionsForm::OK_ButtonClick() {
    FloatFormat = pendingFormat_;
    Precision = Precision_NumEdit->Number();
    Digits = Digits_NumEdit->Number();
    PLE_inputout = PLE_Inputout_CheckBox->isChecked();
    PLE_Clear = PLE_Clear_CheckBox->isChecked();
    PLE_Trennstrich = PLE_Trennstrich_CheckBox->isChecked();
    PLE_mirror = PLE_mirror_CheckBox->isChecked();
    PLE_DistanceOut = PLE_DistanceOut_CheckBox->isChecked();
    PLE_AddInfo = PLE_AddInfo_CheckBox->isChecked();
    PLE_Intersection = PLE_Intersection_CheckBox->isChecked();
    Matrix_Clear = Matrix_Clear_CheckBox->isChecked();
    Matrix_Trennstrich = Matrix_Trennstrich_CheckBox->isChecked();
    Matrix_Eigen = Matrix_Eigen_CheckBox->isChecked();
    accept();
}

void TOptionsForm::Cancel_ButtonClick() {
    reject();
}

} // namespace quillon
