#include "GuiTest.h"

#include "core/Globals.h"
#include "pages/ComplexPage.h"
#include "pages/CoordinatePage.h"
#include "pages/GeometryPage.h"
#include "pages/MatrixPage.h"
#include "pages/VectorPage.h"
#include "text/AllText.h"

#include <QApplication>
#include <QPushButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace quillon::test {
namespace {

class ComplexMarksTest : public PageTest<ComplexPage> {};

TEST_F(ComplexMarksTest, FieldIsMarkedWhileItsTextIsNotTaken) {
    DecimalSeparator = '.';
    auto* re = Find<QLineEdit>(page.get(), "CZ1Re_Edit");
    auto* power = Find<QLineEdit>(page.get(), "CPower_Edit");
    const struct {
        const char* text;
        bool marked;
    } rows[] = {{"2", false}, {"1+1", true}, {"3,5", true}, {"3.5", false}, {"", true}, {"-1e3", false}};
    for (QLineEdit* edit : {re, power})
        for (const auto& row : rows) {
            SCOPED_TRACE(edit->objectName().toStdString() + " " + row.text);
            edit->setText(QString::fromLatin1(row.text));
            EXPECT_EQ(edit->property("invalid").toBool(), row.marked);
            EXPECT_EQ(edit->toolTip().startsWith(QString::fromStdString(Text(730))), row.marked);
        }
    // The marked "1+1" names the value still in use; a program write of a number clears the mark.
    re->setText(QStringLiteral("1+1"));
    EXPECT_EQ(re->toolTip(), QString::fromStdString(Text(730)) + QStringLiteral("-1000"));
    // A language switch rewords the standing marks.
    power->setText(QStringLiteral("x"));
    LangIndex = 2000;
    page->ApplyTexts();
    EXPECT_EQ(re->toolTip(), QString::fromStdString(Text(730)) + QStringLiteral("-1000"));
    EXPECT_EQ(power->toolTip(), QString::fromStdString(Text(730)) + QStringLiteral("1"));
    Find<QPushButton>(page.get(), "CClear_Button")->click();
    EXPECT_FALSE(re->property("invalid").toBool());
}

TEST_F(ComplexMarksTest, ConjugateButtonsAreNamedInTheLanguage) {
    for (const auto& [lang, name] : {std::pair{0, "Konjugieren Z2"}, std::pair{2000, "Conjugar Z2"}}) {
        LangIndex = lang;
        page->ApplyTexts();
        EXPECT_EQ(Find<QPushButton>(page.get(), "CZ2Adj_Button")->accessibleName(), QString::fromUtf8(name));
    }
}

// Return in a field runs the page's calculation, and only that.
TEST_F(GuiTest, EnterCalculatesOnEveryFormulaPage) {
    struct Row {
        std::function<CalcPage*()> make;
        const char* field;
        const char* typed;
        const char* result;
        const char* expected;
    };
    const Row rows[] = {
        {[] { return new VectorPage; }, "bz_Edit", "5", "dz_Edit", "5"},
        {[] { return new CoordinatePage; }, "KKugx_Edit", "2", "KKarz_Edit", "2"},
        {[] { return new CoordinatePage; }, "KKarx_Edit", "3", "KZylx_Edit", "3"},
        {[] { return new MatrixPage; }, "MA11_Edit", "4", "MC11_Edit", "4"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        std::unique_ptr<CalcPage> page(row.make());
        page->ApplyTexts();
        page->StartUp();
        page->show();
        auto* field = Find<QLineEdit>(page.get(), row.field);
        field->setText(QString::fromLatin1(row.typed));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(Find<QLineEdit>(page.get(), row.result)->text(), QString::fromLatin1(row.expected));
    }
    GeometryPage geometry;
    geometry.ApplyTexts();
    geometry.StartUp();
    QTest::keyClick(Find<QLineEdit>(&geometry, "PLE_a1x_Edit"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(Find<QPlainTextEdit>(&geometry, "PLE_Memo")->toPlainText().isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

class VectorKeysTest : public PageTest<VectorPage> {
protected:
    QString AfterKey(const char* from, Qt::Key key) {
        auto* edit = Find<QLineEdit>(page.get(), from);
        edit->setFocus();
        QTest::keyClick(edit, key);
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

TEST_F(VectorKeysTest, ArrowsMoveThroughTheColumnsTheOperationShows) {
    const struct {
        const char* operation;
        const char* from;
        Qt::Key key;
        const char* to;
    } rows[] = {
        {"Plus_ToolButton", "ax_Edit", Qt::Key_Down, "ay_Edit"},
        {"Plus_ToolButton", "az_Edit", Qt::Key_Down, "ax_Edit"},
        {"Plus_ToolButton", "ax_Edit", Qt::Key_Up, "az_Edit"},
        {"Plus_ToolButton", "ay_Edit", Qt::Key_Right, "by_Edit"},
        {"Plus_ToolButton", "by_Edit", Qt::Key_Right, "ay_Edit"},
        {"Length_ToolButton", "ay_Edit", Qt::Key_Right, "ay_Edit"},
        {"SpatMul_ToolButton", "cz_Edit", Qt::Key_Right, "az_Edit"},
        {"SpatMul_ToolButton", "ax_Edit", Qt::Key_Left, "cx_Edit"},
        {"ca_ToolButton", "c_Edit", Qt::Key_Right, "ay_Edit"},
        {"ca_ToolButton", "az_Edit", Qt::Key_Left, "c_Edit"},
        {"Division_ToolButton", "ax_Edit", Qt::Key_Right, "c_Edit"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.operation) + " " + row.from);
        Find<QToolButton>(page.get(), row.operation)->click();
        EXPECT_EQ(AfterKey(row.from, row.key), QLatin1String(row.to));
    }
}

TEST_F(VectorKeysTest, TabReadsTheInputsThenCalculates) {
    Find<QToolButton>(page.get(), "ca_ToolButton")->click();
    QStringList order;
    QWidget* w = Find<QLineEdit>(page.get(), "c_Edit");
    while (order.size() < 5) {
        if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, (QStringList{"c_Edit", "ax_Edit", "ay_Edit", "az_Edit", "V_Calc_Button"}));
}

TEST_F(VectorKeysTest, AccessibleNamesFollowTheLanguage) {
    const struct {
        int lang;
        const char* control;
        const char* name;
    } rows[] = {
        {0, "ay_Edit", "a, y"},          {0, "dx_Edit", "Ergebnis, x"}, {0, "Kreuz_ToolButton", "Kreuzprodukt"},
        {0, "MS_Button", "Kopiere den Vektor a in den Speicher"}, {1, "dx_Edit", "Result, x"},
        {1, "Kreuz_ToolButton", "Cross product"},                 {1, "V_Calc_Button", "Calculate"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control);
        LangIndex = row.lang * 1000;
        page->ApplyTexts();
        EXPECT_EQ(Find<QWidget>(page.get(), row.control)->accessibleName(), QString::fromUtf8(row.name));
    }
}

TEST_F(VectorKeysTest, WrittenFieldsShowTheirBeginning) {
    Precision = 18;
    Find<QLineEdit>(page.get(), "ax_Edit")->setText(QStringLiteral("-1/3"));
    Find<QPushButton>(page.get(), "V_Calc_Button")->click();
    auto* dx = Find<QLineEdit>(page.get(), "dx_Edit");
    EXPECT_TRUE(dx->text().startsWith(QStringLiteral("-0,3333")));
    EXPECT_EQ(dx->cursorPosition(), 0);
}

} // namespace
} // namespace quillon::test
