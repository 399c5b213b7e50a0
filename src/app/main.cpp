#include "app/MainForm.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillon"));

    quillon::TCalcForm window(QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("Quillon.ini")));
    window.show();
    return QApplication::exec();
}
