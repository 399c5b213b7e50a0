#include "GuiTest.h"

#include "pages/ArrowKeys.h"
#include "pages/ErrorDisplay.h"

#include <QLineEdit>
#include <QTest>

#include <stdexcept>

namespace quillon::test {
namespace {

class ArrowKeysTest : public GuiTest {};

TEST_F(ArrowKeysTest, ArrowsMoveToTheNamedNeighbourAndOtherKeysReachTheField) {
    QWidget page;
    auto* a = new QLineEdit(&page);
    auto* b = new QLineEdit(&page);
    ArrowKeyNavigator navigator;
    navigator.Add(a, {nullptr, nullptr, b, b});
    navigator.Add(b, {a, a, nullptr, nullptr});
    page.show();
    QApplication::setActiveWindow(&page);
    a->setFocus();

    QTest::keyClick(a, Qt::Key_Down);
    EXPECT_TRUE(b->hasFocus());
    QTest::keyClick(b, Qt::Key_Left);
    EXPECT_TRUE(a->hasFocus());

    QTest::keyClicks(a, "12");
    EXPECT_EQ(a->text(), "12");
    QTest::keyClick(a, Qt::Key_Up); // no neighbour: stays, and the cursor may move
    EXPECT_TRUE(a->hasFocus());
}

TEST_F(ArrowKeysTest, GuardShowsTheErrorAndKeepsWhatTheHandlerStored) {
    int stored = 0;
    RunGuarded([&] {
        stored = 1;
        throw std::runtime_error("Gleitkommaüberlauf");
    });
    EXPECT_EQ(stored, 1);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.front(), QString::fromUtf8("Gleitkommaüberlauf"));
}

} // namespace
} // namespace quillon::test
