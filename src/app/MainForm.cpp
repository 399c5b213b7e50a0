#include "app/MainForm.h"

namespace quillon {

TCalcForm::TCalcForm(const QString& settingsPath, QWidget* parent) : QMainWindow(parent) {
    (void)settingsPath;
    setObjectName(QStringLiteral("TCalcForm"));
    setWindowTitle(QStringLiteral("Quillon"));
}

} // namespace quillon
