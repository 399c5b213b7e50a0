#include "GuiTest.h"

#include "core/Globals.h"
#include "pages/ErrorDisplay.h"
#include "text/AllText.h"

#include <QApplication>
#include <QFile>

namespace quillon::test {

struct GuiTest::Saved {
    int precision = Precision;
    int digits = Digits;
    char separator = DecimalSeparator;
    int langIndex = LangIndex;
};

void GuiTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
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
    delete saved_;
    saved_ = nullptr;
}

QString GuiTest::SettingsPath() const { return dir_.filePath(QStringLiteral("Quillon.ini")); }

void GuiTest::WriteSettingsFile(const QByteArray& contents) const {
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace quillon::test
