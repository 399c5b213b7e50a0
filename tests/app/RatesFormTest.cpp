#include "pages/GuiTest.h"

#include "app/Rates.h"
#include "core/Globals.h"
#include "core/Options.h"
#include "text/AllText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace quillon::test {
namespace {

class RatesFormTest : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // The dialog as the menu opens it, with the remembered codes.
    void Open(const char* left, const char* right) {
        WLinks = left;
        WRechts = right;
        form = std::make_unique<TRatesForm>();
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(form.get(), name); }
    QComboBox* Box(const char* name) const { return Find<QComboBox>(form.get(), name); }
    QString Label(const char* name) const { return Find<QLabel>(form.get(), name)->text(); }
    void Click(const char* name) const { Find<QPushButton>(form.get(), name)->click(); }
    bool FactorShown() const {
        const bool label = !Find<QLabel>(form.get(), "WUmrechnungsfaktor_Label")->isHidden();
        EXPECT_EQ(label, !Edit("WFaktor_Edit")->isHidden()) << "label and field go together";
        return label;
    }

    std::unique_ptr<TRatesForm> form;
};

TEST_F(RatesFormTest, ConvertsInBothDirections) {
    struct Row {
        const char* name;
        const char *left, *right, *factor;
        bool toRight;
        const char* amount;
        const char* result;
    } rows[] = {{"DEM to EUR", "DEM", "EUR", "1", true, "100", "51,1292"},
                {"EUR to DEM backwards", "DEM", "EUR", "1", false, "51,1292", "100"},
                {"EUR to ITL", "EUR", "ITL", "1", true, "1", "1936,27"},
                {"large result", "EUR", "ITL", "1", true, "1000000", "1,93627E9"},
                {"small result", "ITL", "EUR", "1", true, "0,01", "5,16457E-6"},
                {"none to EUR by the factor", "none", "EUR", "2", true, "3", "6"},
                {"and back by its inverse", "none", "EUR", "2", false, "6", "3"},
                {"factor with its own decimals", " ", "none", "0,5", false, "2", "4"},
                {"factor 0 to the right", "none", " ", "0", true, "3", "0"},
                {"factor 0 to the left", "none", " ", "0", false, "3", "0"},
                {"typed code", "XYZ", "EUR", "3", true, "-2", "-6"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Open(row.left, row.right);
        Edit("WFaktor_Edit")->setText(QLatin1String(row.factor));
        Edit(row.toRight ? "WLinks_Edit" : "WRechts_Edit")->setText(QLatin1String(row.amount));
        // Enter in the amount's field converts as its button does; odd rows use it.
        if ((&row - rows) % 2 == 1)
            QTest::keyClick(Edit(row.toRight ? "WLinks_Edit" : "WRechts_Edit"), Qt::Key_Return);
        else
            Click(row.toRight ? "WLinksRechts_Button" : "WRechtsLinks_Button");
        EXPECT_EQ(Edit(row.toRight ? "WRechts_Edit" : "WLinks_Edit")->text(), row.result);
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(RatesFormTest, TextThatIsNoPlainNumberStopsTheConversion) {
    struct Row {
        const char *field, *text;
    } rows[] = {{"WLinks_Edit", "abc"},  {"WLinks_Edit", "1.5"}, {"WLinks_Edit", "2*3"},
                {"WLinks_Edit", ""},     {"WFaktor_Edit", "x"},  {"WLinks_Edit", "1E400"},
                {"WLinks_Edit", "1E308"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Open("EUR", "ITL");
        errors.clear();
        Edit("WRechts_Edit")->setText(QStringLiteral("untouched"));
        Edit(row.field)->setText(QLatin1String(row.text));
        Click("WLinksRechts_Button");
        EXPECT_EQ(errors.size(), 1);
        EXPECT_EQ(Edit("WRechts_Edit")->text(), "untouched");
    }
}

TEST_F(RatesFormTest, FactorIsShownWhereNoSideIsACurrency) {
    struct Row {
        const char *left, *right;
        bool shown;
    } rows[] = {{"ESP", "ATS", false},
                {"none", " ", true},
                {"none", "EUR", false},
                {"DEM", "none", false},
                {"dem", "", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.left) + "|" + row.right);
        Open(row.left, row.right);
        EXPECT_EQ(FactorShown(), row.shown);
        EXPECT_EQ(Box("WLinks_ComboBox")->currentText(), row.left);
        EXPECT_EQ(Box("WRechts_ComboBox")->currentText(), row.right);
    }

    // A change looks at its own side only, while the conversion looks at both.
    Open("none", " ");
    Edit("WFaktor_Edit")->setText(QStringLiteral("2"));
    Box("WRechts_ComboBox")->setCurrentIndex(Box("WRechts_ComboBox")->findText(QStringLiteral("EUR")));
    EXPECT_FALSE(FactorShown());
    Edit("WLinks_Edit")->setText(QStringLiteral("3"));
    Click("WLinksRechts_Button");
    EXPECT_EQ(Edit("WRechts_Edit")->text(), "6");
    Box("WRechts_ComboBox")->setEditText(QStringLiteral("US$"));
    EXPECT_TRUE(FactorShown());
    Box("WLinks_ComboBox")->setEditText(QStringLiteral("FIM"));
    EXPECT_FALSE(FactorShown());
}

TEST_F(RatesFormTest, TextsNamesAndTheRememberedCodes) {
    LangIndex = 1000;
    Open("DEM", "IEP");
    EXPECT_EQ(form->windowTitle(), "Transformation of rates");
    EXPECT_EQ(Label("Label2"),
              "Rate of exchange calculation in Europe with the rates valid since January 1, 1999");
    EXPECT_EQ(Label("WUmrechnungsfaktor_Label"), "Transformation factor");
    EXPECT_EQ(Find<QPushButton>(form.get(), "Close_Button")->text(), "Close");
    EXPECT_EQ(Label("WLinks_Label"), "German mark");
    EXPECT_EQ(Label("WRechts_Label"), "Irish Punt");

    Box("WLinks_ComboBox")->setEditText(QStringLiteral("none"));
    EXPECT_EQ(Label("WLinks_Label"), "");
    Box("WRechts_ComboBox")->setEditText(QStringLiteral("XYZ"));
    Click("Close_Button");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(WLinks, "none");
    EXPECT_EQ(WRechts, "XYZ");

    // Escape closes it too, and the codes are still remembered.
    Open("ESP", "ATS");
    Box("WLinks_ComboBox")->setEditText(QStringLiteral("PTE"));
    QTest::keyClick(Edit("WLinks_Edit"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(WLinks, "PTE");
    EXPECT_EQ(WRechts, "ATS");
}

TEST_F(RatesFormTest, AnEllipseWithoutFrameThatIsMovedByDragging) {
    Open("DEM", "EUR");
    EXPECT_EQ(form->size(), QSize(545, 176));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    const QRegion mask = form->mask();
    EXPECT_TRUE(mask.contains(QPoint(272, 88)));
    EXPECT_FALSE(mask.contains(QPoint(4, 4)));
    for (const char* name : {"WLinks_Edit", "WRechts_ComboBox", "WFaktor_Edit", "Close_Button", "Label2"}) {
        const QRect r = Find<QWidget>(form.get(), name)->geometry();
        for (const QPoint& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_TRUE(mask.contains(corner)) << name << " lies inside the ellipse";
    }

    form->move(100, 100);
    const QPoint start = form->pos();
    auto* label = Find<QLabel>(form.get(), "WLinks_Label");
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(35, 25));
    EXPECT_EQ(form->pos(), start + QPoint(30, 20));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(272, 10));
    EXPECT_EQ(form->pos(), start + QPoint(30, 20)) << "a click does not move it";
}

} // namespace
} // namespace quillon::test
