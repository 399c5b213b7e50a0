#include "app/Rates.h"

#include "app/FittingText.h"
#include "core/FloatError.h"
#include "core/Globals.h"
#include "core/NumberFormats.h"
#include "core/Options.h"
#include "math/RatesTransform.h"
#include "pages/CalcPage.h"
#include "pages/ErrorDisplay.h"
#include "pages/NumberFields.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegion>

#include <cmath>

namespace quillon {
namespace {

constexpr const char* kCodes[] = {"EUR", "none", "DEM", "FRF", "BEF", "LUF", "NLG",
                                  "ESP", "PTE",  "ITL", "ATS", "IEP", "FIM"};

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);

template <class T> T* Named(T* widget, const char* name, const QRect& rect) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

QPushButton* Button(QWidget* parent, const QString& caption, const char* name, const QRect& rect) {
    auto* button = Named(new QPushButton(caption, parent), name, rect);
    // No default button: Enter in a field converts, it must not press anything else.
    button->setAutoDefault(false);
    return button;
}

QComboBox* CodeBox(QWidget* parent, const char* name, const QRect& rect, bool blankItem) {
    auto* box = Named(new QComboBox(parent), name, rect);
    box->setEditable(true);
    for (const char* code : kCodes)
        box->addItem(QLatin1String(code));
    if (blankItem) box->addItem(QStringLiteral(" "));
    // Typed text is a code of its own, not a new list item; codes are told apart by case.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    return box;
}

void SetCode(QComboBox* box, const std::string& code) {
    const int index = box->findText(QString::fromStdString(code), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) box->setCurrentIndex(index);
    box->setEditText(QString::fromStdString(code));
}

std::string Code(const QComboBox* box) {
    return box->currentText().toStdString();
}

// An amount or a factor as the conversion takes it: a plain number within the range of a double.
double ReadAmount(const QLineEdit* edit) {
    return ReadingField(edit, [edit] {
        const std::optional<Extended> value = ReadPlainNumber(edit->text());
        if (!value) throw ConversionError(edit->text().toStdString());
        return Checked([&] { return static_cast<double>(*value); });
    });
}

QString AmountText(double x) {
    return QString::fromStdString(FormatGeneral(x, 6, DecimalSeparator));
}

} // namespace

TRatesForm::TRatesForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TRatesForm"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(545, 176);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, kNavy);
    colours.setColor(QPalette::WindowText, kYellow);
    colours.setColor(QPalette::Base, kBlue);
    colours.setColor(QPalette::Text, kYellow);
    colours.setColor(QPalette::Highlight, kYellow);
    colours.setColor(QPalette::HighlightedText, kBlue);
    setPalette(colours);
    setAutoFillBackground(true);

    // Everything lies inside the ellipse that clips the window.
    WUmrechnungsfaktor_Label = Named(new QLabel(this), "WUmrechnungsfaktor_Label", QRect(70, 30, 220, 22));
    WUmrechnungsfaktor_Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    WFaktor_Edit = Named(new QLineEdit(QStringLiteral("1"), this), "WFaktor_Edit", QRect(296, 30, 90, 22));

    WLinks_Edit = Named(new QLineEdit(QStringLiteral("1"), this), "WLinks_Edit", QRect(56, 64, 112, 22));
    WLinks_ComboBox = CodeBox(this, "WLinks_ComboBox", QRect(172, 64, 72, 22), false);
    WLinksRechts_Button = Button(this, QStringLiteral("--->"), "WLinksRechts_Button", QRect(250, 55, 45, 22));
    WRechtsLinks_Button = Button(this, QStringLiteral("<---"), "WRechtsLinks_Button", QRect(250, 79, 45, 22));
    WRechts_Edit = Named(new QLineEdit(QStringLiteral("1"), this), "WRechts_Edit", QRect(301, 64, 112, 22));
    WRechts_ComboBox = CodeBox(this, "WRechts_ComboBox", QRect(417, 64, 72, 22), true);
    WLinks_Label = Named(new QLabel(this), "WLinks_Label", QRect(56, 88, 188, 18));
    WRechts_Label = Named(new QLabel(this), "WRechts_Label", QRect(301, 88, 188, 18));

    Label2 = Named(new QLabel(this), "Label2", QRect(62, 106, 421, 32));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);
    Close_Button = Button(this, QString(), "Close_Button", QRect(232, 142, 81, 24));

    connect(WLinksRechts_Button, &QPushButton::clicked, this,
            Guarded([this] { WLinksRechts_ButtonClick(); }));
    connect(WRechtsLinks_Button, &QPushButton::clicked, this,
            Guarded([this] { WRechtsLinks_ButtonClick(); }));
    connect(WLinks_Edit, &QLineEdit::returnPressed, this, Guarded([this] { WLinksRechts_ButtonClick(); }));
    connect(WRechts_Edit, &QLineEdit::returnPressed, this, Guarded([this] { WRechtsLinks_ButtonClick(); }));
    connect(WLinks_ComboBox, &QComboBox::editTextChanged, this, Guarded([this] {
                if (!filling_) WLinks_ComboBoxChange();
            }));
    connect(WRechts_ComboBox, &QComboBox::editTextChanged, this, Guarded([this] {
                if (!filling_) WRechts_ComboBoxChange();
            }));
    connect(Close_Button, &QPushButton::clicked, this, Guarded([this] { close(); }));
    FormCreate();
}

void TRatesForm::FormCreate() {
    setMask(QRegion(0, 0, width(), height(), QRegion::Ellipse));
    RatesMainTxtInit();
}

void TRatesForm::RatesMainTxtInit() {
    filling_ = true;
    SetCode(WLinks_ComboBox, WLinks);
    SetCode(WRechts_ComboBox, WRechts);
    filling_ = false;
    setWindowTitle(Tx(40));
    Label2->setText(Tx(41));
    SetFittingText(WUmrechnungsfaktor_Label, Tx(42));
    Close_Button->setText(Tx(88));
    WLinks_Label->setText(QString::fromStdString(CurrencyName(Code(WLinks_ComboBox))));
    WRechts_Label->setText(QString::fromStdString(CurrencyName(Code(WRechts_ComboBox))));
    const bool factor = !IsEuroCurrency(Code(WLinks_ComboBox)) && !IsEuroCurrency(Code(WRechts_ComboBox));
    WUmrechnungsfaktor_Label->setVisible(factor);
    WFaktor_Edit->setVisible(factor);
}

void TRatesForm::done(int result) {
    WLinks = Code(WLinks_ComboBox);
    WRechts = Code(WRechts_ComboBox);
    QDialog::done(result);
}

void TRatesForm::WLinksRechts_ButtonClick() {
    const double factor = ReadAmount(WFaktor_Edit);
    const double amount = ReadAmount(WLinks_Edit);
    const double result = Checked(
        [&] { return ConvertCurrency(Code(WLinks_ComboBox), Code(WRechts_ComboBox), factor, amount); });
    WRechts_Edit->setText(AmountText(result));
}

void TRatesForm::WRechtsLinks_ButtonClick() {
    const double factor = ReadAmount(WFaktor_Edit);
    const double inverse = factor == 0 ? 0.0 : Checked([&] { return 1.0 / factor; });
    const double amount = ReadAmount(WRechts_Edit);
    const double result = Checked(
        [&] { return ConvertCurrency(Code(WRechts_ComboBox), Code(WLinks_ComboBox), inverse, amount); });
    WLinks_Edit->setText(AmountText(result));
}

// A side's change looks at that side only: its name, and the factor if its code is no currency.
void TRatesForm::WLinks_ComboBoxChange() {
    const std::string code = Code(WLinks_ComboBox);
    WLinks_Label->setText(QString::fromStdString(CurrencyName(code)));
    WUmrechnungsfaktor_Label->setVisible(!IsEuroCurrency(code));
    WFaktor_Edit->setVisible(!IsEuroCurrency(code));
}

void TRatesForm::WRechts_ComboBoxChange() {
    const std::string code = Code(WRechts_ComboBox);
    WRechts_Label->setText(QString::fromStdString(CurrencyName(code)));
    WUmrechnungsfaktor_Label->setVisible(!IsEuroCurrency(code));
    WFaktor_Edit->setVisible(!IsEuroCurrency(code));
}

// The window has no title bar: it is dragged by its face and its labels, which pass the mouse on.
void TRatesForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragStartPointer_ = event->globalPosition().toPoint();
        dragStartWindow_ = pos();
    }
    QDialog::mousePressEvent(event);
}

void TRatesForm::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) FollowPointer(event);
    QDialog::mouseMoveEvent(event);
}

void TRatesForm::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        FollowPointer(event);
        dragging_ = false;
    }
    QDialog::mouseReleaseEvent(event);
}

void TRatesForm::FollowPointer(QMouseEvent* event) {
    const QPoint moved = event->globalPosition().toPoint() - dragStartPointer_;
    if (pos() != dragStartWindow_ + moved) move(dragStartWindow_ + moved);
}

} // namespace quillon
