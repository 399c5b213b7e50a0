#pragma once

#include <QDialog>

namespace quillon {

class RadioGroupBox;

// The first-start language chooser. OK sets LangIndex to the chosen item x 1000; closing it any other
// way leaves LangIndex as it was.
class TLanguageForm : public QDialog {
    Q_OBJECT
public:
    explicit TLanguageForm(QWidget* parent = nullptr);

private:
    void Button1Click();

    RadioGroupBox* languages_ = nullptr;
};

} // namespace quillon
