#include "app/MainForm.h"
#include "core/Globals.h"
#include "core/NumberFormats.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

namespace {

// The regional settings decide how numbers are written; formulas read "." and "," alike.
void TakeSeparatorsFromLocale() {
    const QLocale locale = QLocale::system();
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) quillon::DecimalSeparator = point.at(0).toLatin1();
    const QString group = locale.groupSeparator();
    if (!group.isEmpty() && group != point) quillon::ThousandSeparator = group.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application title; no display name, which X11 would append to every dialog's caption.
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    TakeSeparatorsFromLocale();

    quillon::TCalcForm window(
        QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("Quillon.ini")));
    window.show();
    return QApplication::exec();
}
