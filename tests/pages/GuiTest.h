#pragma once

#include <QApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace quillon::test {

// A menu text as the table words it, without its mnemonic mark.
inline QString Plain(QString text) {
    return text.replace(QRegularExpression("&(.)"), QStringLiteral("\\1"));
}

// Every window and page test derives from this: the offscreen platform (set in main), a settings file
// of its own, the error display collected into errors instead of a message box, the process-wide
// settings restored afterwards, and a failure for any modal dialog left open.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Quillon.ini in this test's own temporary folder; it does not exist until written.
    QString SettingsPath() const;
    void WriteSettingsFile(const QByteArray& contents) const;

    // The child named so, of type T; fails the test when there is none.
    template <class T> static T* Find(const QWidget* root, const char* name) {
        T* child = root->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << "no control named " << name;
        return child;
    }

    // The messages the error display received, oldest first.
    QStringList errors;

private:
    QTemporaryDir dir_;
    struct Saved;
    Saved* saved_ = nullptr;
};

// One calculator page on its own, at the size it has inside the main window, with the current
// language's texts and its start-up steps done, as the window would leave it.
template <class Page, int Width = 546, int Height = 448> class PageTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        page = std::make_unique<Page>();
        page->resize(Width, Height);
        page->ApplyTexts();
        page->show();
        QApplication::setActiveWindow(page.get());
        page->StartUp();
    }
    void TearDown() override {
        page.reset();
        GuiTest::TearDown();
    }

    std::unique_ptr<Page> page;
};

} // namespace quillon::test
