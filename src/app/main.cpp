#include "app/MainForm.h"
#include "app/Program.h"
#include "app/Version.h"
#include "core/Globals.h"
#include "core/NumberFormats.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>

namespace {

// The regional settings decide how numbers are written; formulas read "." and "," alike.
void TakeSeparatorsFromLocale() {
    const QLocale locale = QLocale::system();
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) quillon::DecimalSeparator = point.at(0).toLatin1();
    const QString group = locale.groupSeparator();
    if (!group.isEmpty() && group != point) quillon::ThousandSeparator = group.toStdString();
}

void SetApplicationInfo() {
    // The application title; no display name, which X11 would append to every dialog's caption.
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(quillon::kVersion));
}

// Prints what the command line asked for; true when the program ends here with `status`.
bool Answered(const quillon::CommandLineRequest& request, bool errorsToo, int& status) {
    using quillon::CommandLineRequest;
    if (request.kind == CommandLineRequest::Start) return false;
    if (request.kind == CommandLineRequest::Error && !errorsToo) return false;
    const bool error = request.kind == CommandLineRequest::Error;
    std::fputs(request.text.toLocal8Bit().constData(), error ? stderr : stdout);
    status = error ? 1 : 0;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    // --help and --version answer without a display, so they are read before the GUI connects to
    // one. Qt's own options (-platform, -style ...) are not known yet here: the second reading, after
    // QApplication has taken those away, reports what is left over.
    if (argc > 1) {
        QCoreApplication probe(argc, argv);
        SetApplicationInfo();
        if (Answered(quillon::ReadCommandLine(QCoreApplication::arguments()), false, status)) return status;
    }

    QApplication app(argc, argv);
    SetApplicationInfo();
    if (Answered(quillon::ReadCommandLine(QCoreApplication::arguments()), true, status)) return status;
    QGuiApplication::setDesktopFileName(QString::fromLatin1(quillon::kApplicationId));
    QApplication::setWindowIcon(quillon::ProgramIcon());
    TakeSeparatorsFromLocale();

    quillon::TCalcForm window(quillon::SettingsFilePath(QApplication::applicationDirPath()));
    window.show();
    return QApplication::exec();
}
