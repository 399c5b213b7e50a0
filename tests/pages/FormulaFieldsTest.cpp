#include "GuiTest.h"
#include "core/NearL.h"

#include "core/Globals.h"
#include "pages/ErrorDisplay.h"
#include "pages/FormulaFields.h"
#include "pages/RadioGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace quillon::test {
namespace {

class FormulaFieldsTest : public GuiTest {
protected:
    // Three edits whose texts are set before binding, so the cell starts clean with those texts unread.
    void Make(const QString& x, const QString& y, const QString& z) {
        for (int i = 0; i < 3; ++i)
            edits[i] = new QLineEdit(QStringList{x, y, z}[i], &page);
        BindVectorEdits(edits[0], edits[1], edits[2], cell);
    }
    void Read() {
        RunGuarded([this] { ReadVectorEdits(edits[0], edits[1], edits[2], cell); });
    }

    QWidget page;
    QLineEdit* edits[3] = {};
    VectorCell cell;
};

TEST_F(FormulaFieldsTest, OnlyEditedComponentsAreEvaluated) {
    Make(QStringLiteral("not a formula"), QStringLiteral("1+"), QStringLiteral("0"));
    edits[2]->setText(QStringLiteral("2*pi"));
    EXPECT_EQ(cell.stale, (std::array<bool, 3>{false, false, true}));

    Read();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(cell.value.x, 0);
    EXPECT_EQ(cell.value.y, 0);
    EXPECT_NEAR_L(cell.value.z, 6.283185307179586, 1e-15);
    EXPECT_EQ(cell.stale, (std::array<bool, 3>{}));

    // A clean cell reads no text at all, so it cannot fail.
    Read();
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(FormulaFieldsTest, AnErrorKeepsWhatWasReadAndLeavesTheFailingComponentStale) {
    Make(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    cell.value = {7, 8, 9};
    edits[0]->setText(QStringLiteral("x+1")); // x is 1 in a field
    edits[1]->setText(QStringLiteral("1+"));
    edits[2]->setText(QStringLiteral("3"));

    Read();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(cell.value.x, 2);
    EXPECT_EQ(cell.value.y, 8);
    EXPECT_EQ(cell.value.z, 9);
    EXPECT_EQ(cell.stale, (std::array<bool, 3>{false, true, true}));

    edits[1]->setText(QStringLiteral("sqrt(4)"));
    Read();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(cell.value.y, 2);
    EXPECT_EQ(cell.value.z, 3);
}

TEST_F(FormulaFieldsTest, ProgramWrittenTextsReadBackAsTheirValues) {
    Make(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    WriteVectorEdits({0.000012345L, -1234.5678L, 1e20L}, edits[0], edits[1], edits[2]);
    EXPECT_EQ(edits[0]->text(), QStringLiteral("1,2345E-5"));
    EXPECT_EQ(edits[1]->text(), QStringLiteral("-1234,6"));
    EXPECT_EQ(edits[2]->text(), QStringLiteral("1E20"));
    EXPECT_EQ(cell.stale, (std::array<bool, 3>{true, true, true}));

    Read();
    ASSERT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_NEAR_L(cell.value.x, 1.2345e-5, 1e-20);
    EXPECT_NEAR_L(cell.value.y, -1234.6, 1e-12);
    EXPECT_NEAR_L(cell.value.z, 1e20, 1e5);

    ScalarCell scalar;
    QLineEdit edit(QStringLiteral("0"));
    BindScalarEdit(&edit, scalar);
    WriteScalarEdit(-0.5L, &edit);
    EXPECT_EQ(edit.text(), QStringLiteral("-0,5"));
    EXPECT_TRUE(scalar.stale);
    RunGuarded([&] { ReadScalarEdit(&edit, scalar); });
    EXPECT_EQ(scalar.value, -0.5L);
    EXPECT_FALSE(scalar.stale);
}

TEST_F(FormulaFieldsTest, TriplesMoveAndHideTogether) {
    Make(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    for (int i = 0; i < 3; ++i)
        edits[i]->move(10, 30 * i);
    SetTripleLeft(edits[0], edits[1], edits[2], 216);
    SetTripleVisible(edits[0], edits[1], edits[2], false);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(edits[i]->pos(), QPoint(216, 30 * i));
        EXPECT_TRUE(edits[i]->isHidden());
    }
    QLabel x(&page), y(&page), z(&page);
    WriteVectorLabels({1, 2.5L, -3}, &x, &y, &z);
    EXPECT_EQ(QStringList({x.text(), y.text(), z.text()}), QStringList({"1", "2,5", "-3"}));
}

TEST_F(FormulaFieldsTest, RadioGroupKeepsItsIndexAcrossNewItemsAndReportsOnlyClicks) {
    RadioGroupBox group;
    QList<int> clicked;
    QObject::connect(&group, &RadioGroupBox::Clicked, &group, [&](int index) { clicked << index; });
    group.SetItems({QStringLiteral("eins"), QStringLiteral("zwei")});
    group.SetItemIndex(1);
    group.SetItems({QStringLiteral("one"), QStringLiteral("two")});
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(group.Items(), QStringList({"one", "two"}));
    EXPECT_TRUE(clicked.isEmpty());

    group.findChildren<QRadioButton*>().at(0)->click();
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_EQ(clicked, QList<int>({0}));

    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
}

} // namespace
} // namespace quillon::test
