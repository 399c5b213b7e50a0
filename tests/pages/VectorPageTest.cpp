#include "GuiTest.h"

#include "core/Globals.h"
#include "core/IniFile.h"
#include "pages/ErrorDisplay.h"
#include "pages/VectorPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <memory>
#include <stdexcept>

namespace quillon::test {
namespace {

class VectorPageTest : public PageTest<VectorPage> {
protected:
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(page.get(), name); }
    QString Text(const char* name) const {
        if (auto* edit = page->findChild<QLineEdit*>(QLatin1String(name))) return edit->text();
        return Find<QLabel>(page.get(), name)->text();
    }
    void Type(const char* name, const QString& text) const { Edit(name)->setText(text); }
    void TypeVector(char letter, const QStringList& xyz) const {
        const char* axes[3] = {"x_Edit", "y_Edit", "z_Edit"};
        for (int i = 0; i < 3; ++i)
            Type((QByteArray(1, letter) + axes[i]).constData(), xyz[i]);
    }
    QStringList Vector(char letter) const {
        const char* axes[3] = {"x_Edit", "y_Edit", "z_Edit"};
        QStringList texts;
        for (const char* axis : axes)
            texts << Text((QByteArray(1, letter) + axis).constData());
        return texts;
    }
    QStringList Labels(const char* a, const char* b, const char* c) const {
        return {Text(a), Text(b), Text(c)};
    }
    void Click(const char* name) const {
        if (auto* button = page->findChild<QPushButton*>(QLatin1String(name)))
            button->click();
        else
            Find<QToolButton>(page.get(), name)->click();
    }
    bool Shown(const char* name) const { return !page->findChild<QWidget*>(QLatin1String(name))->isHidden(); }
    int Left(const char* name) const { return page->findChild<QWidget*>(QLatin1String(name))->x(); }
};

struct OperationCase {
    const char* button;
    int scalarLeft; // -1: scalar c hidden
    int aLeft;
    bool b, vectorC, vectorResult, angle;
    QStringList result; // three components, or the scalar alone
};

TEST_F(VectorPageTest, EachOperationShowsItsFieldsAndComputes) {
    const OperationCase cases[] = {
        {"Plus_ToolButton", -1, 112, true, false, true, false, {"5", "7", "9"}},
        {"Minus_ToolButton", -1, 112, true, false, true, false, {"-3", "-3", "-3"}},
        {"SkalarMul_ToolButton", -1, 112, true, false, true, false, {"4", "10", "18"}},
        {"Mult_ToolButton", -1, 112, true, false, false, false, {"32"}},
        {"Kreuz_ToolButton", -1, 112, true, false, true, false, {"-3", "6", "-3"}},
        {"ca_ToolButton", 112, 216, false, false, true, false, {"2", "4", "6"}},
        {"Division_ToolButton", 216, 112, false, false, true, false, {"0,5", "1", "1,5"}},
        {"Length_ToolButton", -1, 112, false, false, false, false, {"3,7417"}},
        {"Richtung_ToolButton", -1, 112, false, false, true, false, {"0,26726", "0,53452", "0,80178"}},
        {"Angle_ToolButton", -1, 112, true, false, false, true, {"0,22573"}},
        {"SpatMul_ToolButton", -1, 112, true, true, false, false, {"-3"}},
    };
    TypeVector('a', {"1", "2", "3"});
    TypeVector('b', {"4", "5", "6"});
    TypeVector('c', {"7", "8", "10"});
    Type("c_Edit", "2");
    for (int k = 0; k < 11; ++k) {
        const OperationCase& row = cases[k];
        SCOPED_TRACE(row.button);
        Click(row.button);
        EXPECT_EQ(page->CurrentOperation(), k);
        for (const OperationCase& other : cases)
            EXPECT_EQ(Find<QToolButton>(page.get(), other.button)->isChecked(), &other == &row)
                << other.button;

        EXPECT_EQ(Shown("c_Edit"), row.scalarLeft >= 0);
        EXPECT_EQ(Shown("V_c_Label"), row.scalarLeft >= 0);
        if (row.scalarLeft >= 0) {
            EXPECT_EQ(Left("c_Edit"), row.scalarLeft);
            EXPECT_EQ(Left("V_c_Label"), row.scalarLeft + 40);
        }
        EXPECT_TRUE(Shown("az_Edit"));
        EXPECT_EQ(Left("az_Edit"), row.aLeft);
        EXPECT_EQ(Left("V_a_Image"), row.aLeft + 16);
        EXPECT_EQ(Shown("by_Edit"), row.b);
        EXPECT_EQ(Shown("V_b_Image"), row.b);
        EXPECT_EQ(Shown("cx_Edit"), row.vectorC);
        EXPECT_EQ(Shown("V_c_Image"), row.vectorC);
        EXPECT_EQ(Shown("dz_Edit"), row.vectorResult);
        EXPECT_EQ(Shown("d_Edit"), !row.vectorResult);
        EXPECT_EQ(Shown("VAngle_Label"), row.angle);

        Click("V_Calc_Button");
        EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(row.vectorResult ? Vector('d') : QStringList{Text("d_Edit")}, row.result);
    }
    EXPECT_EQ(Text("VAngle_Label"), QString::fromUtf8("= 12,933°"));
}

TEST_F(VectorPageTest, SpecialCasesOfTheOperations) {
    Click("Angle_ToolButton");
    TypeVector('a', {"1", "0", "0"});
    TypeVector('b', {"0", "1", "0"});
    Click("V_Calc_Button");
    EXPECT_EQ(Text("d_Edit"), "1,5708");
    EXPECT_EQ(Text("VAngle_Label"), QString::fromUtf8("= 90°"));

    Click("Division_ToolButton");
    Type("c_Edit", "0");
    Click("V_Calc_Button");
    EXPECT_EQ(Vector('d'), QStringList({"0", "0", "0"}));

    // Formulas in any field; 2*pi + 4 rounded to five digits.
    Click("Plus_ToolButton");
    Type("ax_Edit", "2*pi");
    Type("bx_Edit", "sqrt(16)");
    Click("V_Calc_Button");
    EXPECT_EQ(Text("dx_Edit"), "10,283");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(VectorPageTest, AnInputThatDoesNotEvaluateStopsTheCalculation) {
    TypeVector('a', {"1", "2", "3"});
    TypeVector('b', {"1", "1", "1"});
    Click("V_Calc_Button");
    ASSERT_EQ(Vector('d'), QStringList({"2", "3", "4"}));

    Type("ay_Edit", "2*");
    Type("bz_Edit", "5");
    Click("V_Calc_Button");
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(Vector('d'), QStringList({"2", "3", "4"}));

    Type("ay_Edit", "20");
    Click("V_Calc_Button");
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(Vector('d'), QStringList({"2", "21", "8"}));
}

TEST_F(VectorPageTest, CopyFlagCopiesVectorResultsOnlyAndAccumulates) {
    Click("CopyXA_ToolButton");
    EXPECT_TRUE(page->CopyFlag());
    EXPECT_TRUE(Find<QToolButton>(page.get(), "CopyXA_ToolButton")->isChecked());
    EXPECT_TRUE(Find<QToolButton>(page.get(), "Plus_ToolButton")->isChecked()); // the operation stays
    TypeVector('a', {"1", "2", "3"});
    TypeVector('b', {"4", "5", "6"});
    Click("V_Calc_Button");
    EXPECT_EQ(Vector('a'), QStringList({"5", "7", "9"}));
    Click("V_Calc_Button");
    EXPECT_EQ(Vector('a'), QStringList({"9", "12", "15"}));

    Click("Length_ToolButton");
    Click("V_Calc_Button");
    EXPECT_EQ(Vector('a'), QStringList({"9", "12", "15"}));
    EXPECT_EQ(Text("d_Edit"), "21,213");
    Click("Copy_Button");
    EXPECT_EQ(Vector('a'), QStringList({"9", "12", "15"}));

    Click("CopyXA_ToolButton");
    EXPECT_FALSE(page->CopyFlag());
    Click("Minus_ToolButton");
    Click("V_Calc_Button");
    EXPECT_EQ(Vector('a'), QStringList({"9", "12", "15"}));
    Click("Copy_Button");
    EXPECT_EQ(Vector('a'), QStringList({"5", "7", "9"}));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(VectorPageTest, ResetClearsTheFieldsButKeepsMemoryOperationAndFlag) {
    Click("Kreuz_ToolButton");
    Click("CopyXA_ToolButton");
    TypeVector('a', {"1", "2", "3"});
    Click("MS_Button");
    Type("c_Edit", "pi");
    Type("d_Edit", "1/0");
    Click("Clear_Button");
    for (const char* name : {"ax_Edit", "by_Edit", "cz_Edit", "dx_Edit", "c_Edit", "d_Edit"})
        EXPECT_EQ(Text(name), "0") << name;
    EXPECT_EQ(page->CurrentOperation(), 4);
    EXPECT_TRUE(page->CopyFlag());
    EXPECT_EQ(Text("MemCounter_Label"), "1");
    Click("V_Calc_Button");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(VectorPageTest, MemoryStatistics) {
    Precision = 8;
    TypeVector('a', {"1", "2", "3"});
    Click("MS_Button");
    EXPECT_EQ(Text("MemCounter_Label"), "1");
    EXPECT_EQ(Labels("Standx_Label", "Standy_Label", "Standz_Label"), QStringList({"0", "0", "0"}));

    TypeVector('a', {"3", "2", "1"});
    Click("MPlus_Button");
    EXPECT_EQ(Text("MemCounter_Label"), "2");
    EXPECT_EQ(Labels("mx_Label", "my_Label", "mz_Label"), QStringList({"4", "4", "4"}));
    EXPECT_EQ(Labels("mmx_Label", "mmy_Label", "mmz_Label"), QStringList({"2", "2", "2"}));
    EXPECT_EQ(Labels("Standx_Label", "Standy_Label", "Standz_Label"),
              QStringList({"1,4142136", "0", "1,4142136"}));

    // MS writes its line with five digits whatever the settings say, M+ with the user's precision.
    TypeVector('a', {"1/3", "0", "0"});
    Click("MPlus_Button");
    Click("MS_Button");
    Click("MPlus_Button");
    EXPECT_EQ(page->MemoryLines(), QStringList({"0,33333;0;0", "0,33333333;0;0"}));
    EXPECT_EQ(Text("MemCounter_Label"), "2");

    Click("MC_Button");
    EXPECT_EQ(Text("MemCounter_Label"), "0");
    EXPECT_TRUE(page->MemoryLines().isEmpty());
    EXPECT_EQ(Labels("mx_Label", "mmy_Label", "Standz_Label"), QStringList({"0", "0", "0"}));

    // An input that does not evaluate leaves the memory alone.
    Type("ax_Edit", "(");
    Click("MPlus_Button");
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(Text("MemCounter_Label"), "0");
}

TEST_F(VectorPageTest, FullMemoryRefusesMPlus) {
    TypeVector('a', {"1", "2", "3"});
    Click("MS_Button");
    for (int i = 1; i < VectorPage::MemoryCapacity; ++i)
        Click("MPlus_Button");
    ASSERT_EQ(page->MemoryCount(), VectorPage::MemoryCapacity);
    EXPECT_TRUE(Text("MemCounter_Label").startsWith("1001"));
    EXPECT_TRUE(Text("MemCounter_Label").contains("max"));

    TypeVector('a', {"100", "100", "100"});
    Click("MPlus_Button");
    EXPECT_EQ(page->MemoryCount(), VectorPage::MemoryCapacity);
    EXPECT_EQ(page->MemoryLines().size(), VectorPage::MemoryCapacity);
    EXPECT_EQ(Labels("mx_Label", "my_Label", "mz_Label"), QStringList({"1001", "2002", "3003"}));
    EXPECT_TRUE(errors.isEmpty());

    Click("MC_Button");
    Click("MPlus_Button");
    EXPECT_EQ(Text("MemCounter_Label"), "1");
}

TEST_F(VectorPageTest, SettingsRoundTrip) {
    Click("Kreuz_ToolButton");
    Click("CopyXA_ToolButton");
    TypeVector('a', {"1/3", "-2", "1,2345E-5"});
    TypeVector('b', {"4", "5", "6"});
    TypeVector('c', {"7", "8", "9"});
    Type("c_Edit", "pi");
    IniFile ini;
    page->WriteSettings(ini);
    EXPECT_EQ(ini.Value("Vektorrechnung", "V_Status"), "4");
    EXPECT_EQ(ini.Value("Vektorrechnung", "V_XACopy"), "1");
    EXPECT_EQ(ini.Value("Vektorrechnung", "Va.x"), "0,333333333333333");
    EXPECT_EQ(ini.Value("Vektorrechnung", "Va.z"), "1,2345E-5");
    EXPECT_EQ(ini.Value("Vektorrechnung", "Vcc"), "3,14159265358979");

    VectorPage restored;
    restored.ReadSettings(ini);
    restored.StartUp();
    EXPECT_EQ(restored.CurrentOperation(), 4);
    EXPECT_TRUE(Find<QToolButton>(&restored, "Kreuz_ToolButton")->isChecked());
    EXPECT_TRUE(Find<QToolButton>(&restored, "CopyXA_ToolButton")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(&restored, "ax_Edit")->text(), "0,33333");
    EXPECT_EQ(Find<QLineEdit>(&restored, "az_Edit")->text(), "1,2345E-5");
    EXPECT_EQ(Find<QLineEdit>(&restored, "c_Edit")->text(), "3,1416");
    EXPECT_EQ(Find<QLineEdit>(&restored, "cz_Edit")->text(), "9");
}

TEST_F(VectorPageTest, SettingsDefaultsAndForeignValues) {
    IniFile ini;
    ini.Parse("[Vektorrechnung]\nV_Status=11\nV_XACopy=2\nVb.y=abc\n");
    page->ReadSettings(ini);
    page->StartUp();
    EXPECT_EQ(page->CurrentOperation(), 0);
    EXPECT_TRUE(page->CopyFlag());
    EXPECT_EQ(Text("by_Edit"), "0");
}

TEST_F(VectorPageTest, TakingOverABadFieldStopsTheWritingThere) {
    Type("bx_Edit", "1+");
    IniFile ini;
    RunGuarded([&] { page->WriteSettings(ini); });
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(ini.Value("Vektorrechnung", "V_Status").has_value());
    EXPECT_FALSE(ini.Value("Vektorrechnung", "Va.x").has_value());
}

} // namespace
} // namespace quillon::test
