#pragma once

#include <QMainWindow>

namespace quillon {

class TCalcForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TCalcForm(const QString& settingsPath, QWidget* parent = nullptr);
};

} // namespace quillon
