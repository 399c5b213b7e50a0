#include "pages/ErrorDisplay.h"

#include "core/FloatError.h"
#include "text/AllText.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTabWidget>

namespace quillon {
namespace {

ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}

QPointer<QWidget>& FailingField() {
    static QPointer<QWidget> field;
    return field;
}

// Text numbers of the messages, in the order of the kinds.
constexpr int FloatErrorTexts = 700;
constexpr int ConversionErrorText = 703;
constexpr int FormulaErrorTexts = 704;

QString Worded(int k, const std::string& detail) {
    return QString::fromStdString(WithDetail(Text(k).c_str(), detail));
}

} // namespace

QString ErrorMessage(const std::exception& error) {
    if (const auto* e = dynamic_cast<const FloatError*>(&error))
        return Worded(FloatErrorTexts + static_cast<int>(e->kind()), {});
    if (const auto* e = dynamic_cast<const ConversionError*>(&error))
        return Worded(ConversionErrorText, e->literal());
    if (const auto* e = dynamic_cast<const FormulaError*>(&error))
        return Worded(FormulaErrorTexts + static_cast<int>(e->kind()), e->detail());
    return QString::fromUtf8(error.what());
}

void SetErrorSink(ErrorSink sink) {
    Sink() = std::move(sink);
}

void ShowError(const QString& message) {
    if (Sink()) {
        Sink()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void NoteFailingField(const QWidget* field) {
    // Only the first field counts: a read that fails inside another read names the innermost one.
    if (FailingField().isNull()) FailingField() = const_cast<QWidget*>(field);
}

QWidget* TakeFailingField() {
    QWidget* field = FailingField().data();
    FailingField().clear();
    return field;
}

void LeadToField(QWidget* field) {
    if (field == nullptr) return;
    for (QWidget* w = field; w->parentWidget() != nullptr; w = w->parentWidget()) {
        // A tab's page sits in the tab widget's stack, one level below the tab widget itself.
        QWidget* stack = w->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()); tabs && tabs->indexOf(w) >= 0)
            tabs->setCurrentWidget(w);
    }
    if (!field->isVisibleTo(field->window()) || !field->isEnabled()) return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

void RunGuarded(const std::function<void()>& handler) {
    TakeFailingField();
    try {
        handler();
    } catch (const std::exception& error) {
        QPointer<QWidget> field = TakeFailingField();
        ShowError(ErrorMessage(error));
        LeadToField(field);
    }
}

} // namespace quillon
