#include "GuiTest.h"

#include "core/Globals.h"
#include "core/NumberFormats.h"
#include "core/Options.h"
#include "pages/ErrorDisplay.h"
#include "pages/Pictures.h"
#include "text/AllText.h"

#include <QApplication>
#include <QFile>

namespace quillon::test {

struct GuiTest::Saved {
    int precision = Precision;
    int digits = Digits;
    char separator = DecimalSeparator;
    int langIndex = LangIndex;
    int floatFormat = FloatFormat;
    bool pleOptions[7] = {PLE_inputout,    PLE_Clear,   PLE_Trennstrich, PLE_mirror,
                          PLE_DistanceOut, PLE_AddInfo, PLE_Intersection};
    bool matrixOptions[3] = {Matrix_Clear, Matrix_Trennstrich, Matrix_Eigen};
    std::string wLinks = WLinks;
    std::string wRechts = WRechts;
    std::string thousandSeparator = ThousandSeparator;
    bool formReady = FormReady;
};

void GuiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    InitResources(); // pages built without the main window load their pictures too
    saved_ = new Saved;
    DecimalSeparator = ',';
    SetErrorSink([this](const QString& message) { errors << message; });
}

void GuiTest::TearDown() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "a modal dialog was left open: " << modal->objectName().toStdString();
        modal->close();
    }
    SetErrorSink({});
    Precision = saved_->precision;
    Digits = saved_->digits;
    DecimalSeparator = saved_->separator;
    LangIndex = saved_->langIndex;
    FloatFormat = saved_->floatFormat;
    bool* pleOptions[7] = {&PLE_inputout,    &PLE_Clear,   &PLE_Trennstrich, &PLE_mirror,
                           &PLE_DistanceOut, &PLE_AddInfo, &PLE_Intersection};
    for (int i = 0; i < 7; ++i)
        *pleOptions[i] = saved_->pleOptions[i];
    Matrix_Clear = saved_->matrixOptions[0];
    Matrix_Trennstrich = saved_->matrixOptions[1];
    Matrix_Eigen = saved_->matrixOptions[2];
    WLinks = saved_->wLinks;
    WRechts = saved_->wRechts;
    ThousandSeparator = saved_->thousandSeparator;
    FormReady = saved_->formReady;
    delete saved_;
    saved_ = nullptr;
}

QString GuiTest::SettingsPath() const {
    return dir_.filePath(QStringLiteral("Quillon.ini"));
}

void GuiTest::WriteSettingsFile(const QByteArray& contents) const {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace quillon::test
