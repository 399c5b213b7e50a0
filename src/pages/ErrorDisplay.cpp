#include "pages/ErrorDisplay.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace quillon {
namespace {

ErrorSink& Sink() {
    static ErrorSink sink;
    return sink;
}

} // namespace

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

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(QString::fromUtf8(error.what()));
    }
}

} // namespace quillon
