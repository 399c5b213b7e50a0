#include "GuiTest.h"
#include "core/NearL.h"

#include "core/Globals.h"
#include "core/IniFile.h"
#include "math/GComplex.h"
#include "pages/ComplexPage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <cstring>
#include <memory>
#include <string>

namespace quillon::test {
namespace {

class ComplexPageTest : public PageTest<ComplexPage> {
protected:
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(page.get(), name); }
    std::string Text(const char* name) const { return Edit(name)->text().toStdString(); }
    std::string Hint(const char* name) const { return Edit(name)->toolTip().toStdString(); }
    std::string Label() const { return Find<QLabel>(page.get(), "COut_Label")->text().toStdString(); }
    void Click(const char* name) const { Find<QPushButton>(page.get(), name)->click(); }
    void Type(const char* name, const char* text) const { Edit(name)->setText(QString::fromUtf8(text)); }
    void SetDegrees(bool on) const {
        const auto* group = Find<QWidget>(page.get(), "RadGrad_RadioGroup");
        for (QRadioButton* item : group->findChildren<QRadioButton*>())
            if (item->text() == (on ? "DEG" : "RAD")) item->click();
    }
    void SetZ1(const char* re, const char* im) const {
        Type("CZ1Re_Edit", re);
        Type("CZ1Im_Edit", im);
    }
    void SetZ2(const char* re, const char* im) const {
        Type("CZ2Re_Edit", re);
        Type("CZ2Im_Edit", im);
    }
};

TEST_F(ComplexPageTest, OperationsWriteZ3AndNameThemselvesInTheLabel) {
    struct Row {
        const char* button;
        const char* re;
        const char* im;
        const char* label;
    };
    const Row rows[] = {
        {"CPlus_Button", "4", "1", "Z1+Z2=Z3"},   {"CMinus_Button", "-2", "3", "Z1-Z2=Z3"},
        {"CMult_Button", "5", "5", "Z1*Z2=Z3"},   {"CDiv_Button", "0,1", "0,7", "Z1/Z2=Z3"},
        {"CEins_Button", "1", "0", "Z1=Z2=Z3=1"}, {"Ci_Button", "0", "1", "Z1=Z2=Z3=i"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        SetZ1("1", "2");
        SetZ2("3", "-1");
        Click(row.button);
        EXPECT_EQ(Text("CZ3Re_Edit"), row.re);
        EXPECT_EQ(Text("CZ3Im_Edit"), row.im);
        // Z3's own writes must not count as typing, or the label would be gone.
        EXPECT_EQ(Label(), row.label);
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ComplexPageTest, FunctionButtonsApplyTheirFunctionToZ1) {
    struct Row {
        const char* button;
        TComplex (*function)(TComplex);
        const char* label;
    };
    const Row rows[] = {
        {"CExp_Button", ComplexExp, "Exp(Z1)=Z3"},
        {"CSqrt_Button", ComplexSqrt, "Sqrt(Z1)=Z3"},
        {"CLn_Button", ComplexLn, "Ln(Z1)=Z3"},
        {"CSin_Button", ComplexSin, "Sin(Z1)=Z3"},
        {"CCos_Button", ComplexCos, "Cos(Z1)=Z3"},
        {"CTan_Button", ComplexTan, "Tan(Z1)=Z3"},
        {"CCoTan_Button", ComplexCot, "CoTan(Z1)=Z3"},
        {"CSinh_Button", ComplexSinh, "Sinh(Z1)=Z3"},
        {"CCosh_Button", ComplexCosh, "Cosh(Z1)=Z3"},
        {"CTanh_Button", ComplexTanh, "Tanh(Z1)=Z3"},
        {"CCoth_Button", ComplexCoth, "CoTanh(Z1)=Z3"},
        {"CArcSin_Button", ComplexArcSin, "ArcSin(Z1)=Z3"},
        {"CArcCos_Button", ComplexArcCos, "ArcCos(Z1)=Z3"},
        {"CArcTan_Button", ComplexArcTan, "ArcTan(Z1)=Z3"},
        {"CArcCot_Button", ComplexArcCot, "ArcCot(Z1)=Z3"},
        {"CArcSinh_Button", ComplexArSinh, "ArcSinh(Z1)=Z3"},
        {"CArcCosh_Button", ComplexArCosh, "ArcCosh(Z1)=Z3"},
        {"CArTanh_Button", ComplexArTanh, "ArTanh(Z1)=Z3"},
        {"CArCoth_Button", ComplexArCoth, "ArCoth(Z1)=Z3"},
    };
    SetZ1("0,5", "0,25");
    const TComplex z1 = page->Number(0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        Click(row.button);
        const TComplex expected = row.function(z1);
        EXPECT_EQ(page->Number(2).Re, expected.Re);
        EXPECT_EQ(page->Number(2).Im, expected.Im);
        EXPECT_EQ(Label(), row.label);
        EXPECT_EQ(page->Number(0).Re, z1.Re) << "Z1 is an operand only";
    }
}

TEST_F(ComplexPageTest, SquareRootOfMinusFourIsExactlyTwoI) {
    SetZ1("-4", "0");
    Click("CSqrt_Button");
    EXPECT_EQ(page->Number(2).Re, 0);
    EXPECT_EQ(page->Number(2).Im, 2);
    EXPECT_EQ(Text("CZ3Im_Edit"), "2");
    EXPECT_EQ(Hint("CZ3Phi_Edit"), "Pi/2");
}

TEST_F(ComplexPageTest, TypingOnePartUpdatesTheOthersButNeverTheFieldBeingTyped) {
    QLineEdit* re = Edit("CZ1Re_Edit");
    re->clear();
    QTest::keyClicks(re, "3,0");
    EXPECT_EQ(re->text(), "3,0") << "the typed text stays as typed";
    EXPECT_EQ(Text("CZ1r_Edit"), "3");
    Type("CZ1Im_Edit", "4");
    EXPECT_EQ(re->text(), "3") << "rewritten from the number once another field is edited";
    EXPECT_EQ(Text("CZ1r_Edit"), "5");
    EXPECT_EQ(Text("CZ1Phi_Edit"), "0,9273");
    EXPECT_EQ(Hint("CZ1r_Edit"), "5");
    EXPECT_EQ(Hint("CZ1Re_Edit"), "3");

    // A typed modulus keeps the argument and moves the Cartesian form.
    Type("CZ1r_Edit", "10");
    EXPECT_EQ(Text("CZ1Re_Edit"), "6");
    EXPECT_EQ(Text("CZ1Im_Edit"), "8");
    EXPECT_EQ(Text("CZ1r_Edit"), "10");
}

TEST_F(ComplexPageTest, TextThatIsNotANumberKeepsTheOldValueSilently) {
    SetZ1("2", "0");
    Click("CPlus_Button");
    for (const char* text : {"abc", "", "-", "2.5", "1,2,3", "1E", "pi", "1E99999", "0x10"}) {
        SCOPED_TRACE(text);
        Type("CZ1Re_Edit", text);
        EXPECT_EQ(page->Number(0).Re, 2);
        EXPECT_EQ(Text("CZ1Im_Edit"), "0");
        EXPECT_EQ(Text("CZ1r_Edit"), "2");
        EXPECT_EQ(Text("CZ1Phi_Edit"), "0");
        EXPECT_EQ(Label(), "");
    }
    // Nothing is recomputed either: a typed negative modulus survives a field that is empty for a moment.
    Type("CZ1r_Edit", "-2");
    Type("CZ1Re_Edit", "");
    EXPECT_EQ(page->Number(0).r, -2);
    EXPECT_EQ(page->Number(0).phi, 0);
    // Blanks around a number, a sign and an exponent are a plain number.
    Type("CZ1Re_Edit", " +2,5E1 ");
    EXPECT_EQ(page->Number(0).Re, 25);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ComplexPageTest, ZeroTypedGivesArgumentHalfPiButClearGivesZero) {
    Click("CClear_Button");
    EXPECT_EQ(Label(), "Z1=Z2=Z3=0");
    EXPECT_EQ(Text("CZ1Phi_Edit"), "0");
    Type("CZ1Re_Edit", "");
    Type("CZ1Re_Edit", "0");
    EXPECT_EQ(Text("CZ1r_Edit"), "0");
    EXPECT_EQ(Text("CZ1Phi_Edit"), "1,5708");
    EXPECT_EQ(Hint("CZ1Phi_Edit"), "Pi/2");
    SetDegrees(true);
    EXPECT_EQ(Text("CZ1Phi_Edit"), "90");
    EXPECT_EQ(Hint("CZ1Phi_Edit"), "Pi/2") << "the hint names the radian value";
    Click("CClear_Button");
    EXPECT_EQ(Text("CZ1Phi_Edit"), "0");
}

TEST_F(ComplexPageTest, ArgumentTypedInDegreesGivesAnExactCartesianForm) {
    SetDegrees(true);
    Type("CZ1r_Edit", "2");
    Type("CZ1Phi_Edit", "90");
    EXPECT_EQ(page->Number(0).Re, 0);
    EXPECT_EQ(page->Number(0).Im, 2);
    EXPECT_EQ(page->Number(0).phi, Pi / 2);
    EXPECT_EQ(Text("CZ1Re_Edit"), "0");
    EXPECT_EQ(Text("CZ1Im_Edit"), "2");
}

TEST_F(ComplexPageTest, QuotientKeepsItsUnreducedArgument) {
    SetZ1("-1", "0");
    SetZ2("0", "-1");
    Click("CDiv_Button");
    EXPECT_EQ(Label(), "Z1/Z2=Z3");
    EXPECT_EQ(Text("CZ3Phi_Edit"), "4,7124");
    EXPECT_EQ(Hint("CZ3Phi_Edit"), "3Pi/2");
    SetDegrees(true);
    EXPECT_EQ(Text("CZ3Phi_Edit"), "270");
}

TEST_F(ComplexPageTest, SingularOperationsComputeNothingAndSaySo) {
    struct Row {
        const char* button;
        const char* label;
    };
    for (const Row& row :
         {Row{"CDiv_Button", "Z1/0 ?"}, Row{"CKehrwert_Button", "1/0=?"}, Row{"CLn_Button", "Ln(0)=?"}}) {
        SCOPED_TRACE(row.button);
        Click("CClear_Button");
        Type("CZ3Re_Edit", "7");
        Click(row.button);
        EXPECT_EQ(Label(), row.label);
        EXPECT_EQ(page->Number(2).Re, 7);
        EXPECT_EQ(Text("CZ3Re_Edit"), "7");
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ComplexPageTest, PowerReadsItsExponentAndFallsBackToOne) {
    struct Row {
        const char* exponent;
        const char* label;
        const char* re;
        const char* im;
    };
    const Row rows[] = {
        {"2", "Power(Z1,2)=Z3", "-3", "4"},
        {"abc", "Power(Z1,1)=Z3", "1", "2"},
        {"", "Power(Z1,1)=Z3", "1", "2"},
        {"0", "Power(Z1,0)=Z3", "1", "0"},
        {"0,5", "Power(Z1,0,5)=Z3", "1,272", "0,78615"},
    };
    SetZ1("1", "2");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.exponent);
        Type("CPower_Edit", row.exponent);
        Click("CPower_Button");
        EXPECT_EQ(Label(), row.label);
        EXPECT_EQ(Text("CZ3Re_Edit"), row.re);
        EXPECT_EQ(Text("CZ3Im_Edit"), row.im);
    }
}

TEST_F(ComplexPageTest, ZeroToANegativePowerShowsTheErrorAndKeepsZ3AndTheLabel) {
    SetZ1("0", "0");
    SetZ2("5", "0");
    Click("CPlus_Button");
    Type("CPower_Edit", "-1");
    Click("CPower_Button");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.front().toStdString(), "Gleitkommadivision durch Null");
    EXPECT_EQ(Label(), "Z1+Z2=Z3");
    EXPECT_EQ(page->Number(2).Re, 5);
    EXPECT_EQ(Text("CZ3Re_Edit"), "5");
}

TEST_F(ComplexPageTest, ATypedNegativeModulusIsTheNumberItNames) {
    struct Row {
        const char* button;
        double re;
        double im;
    };
    const Row rows[] = {
        {"CDiv_Button", 2, 0},                                // -4 / -2
        {"CKehrwert_Button", -0.25, 0},                       // 1 / -4
        {"CLn_Button", 1.3862943611198906, 3.14159265358979}, // ln 4 + i pi
        {"CPower_Button", 0, 2},                              // (-4)^0.5
        {"CSqrt_Button", 0, 2},
    };
    Type("CPower_Edit", "0,5");
    Type("CZ1r_Edit", "-4"); // with phi 0: Z1 = -4, its r stays -4 as typed
    Type("CZ2r_Edit", "-2");
    EXPECT_EQ(Text("CZ1Re_Edit"), "-4");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        Click(row.button);
        EXPECT_NEAR_L(page->Number(2).Re, row.re, 1e-14);
        EXPECT_NEAR_L(page->Number(2).Im, row.im, 1e-14);
        EXPECT_EQ(page->Number(0).r, -4) << "Z1 itself is not touched";
    }
    // An argument typed in (-pi, pi] keeps the principal branch: -1 at the angle 1 is e^(i(1 - pi)).
    Type("CZ1r_Edit", "-1");
    Type("CZ1Phi_Edit", "1");
    Click("CLn_Button");
    EXPECT_NEAR_L(page->Number(2).Re, 0, 1e-18);
    EXPECT_NEAR_L(page->Number(2).Im, 1 - 3.14159265358979, 1e-14);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ComplexPageTest, ConjugateAndCopyButtons) {
    SetZ1("1", "2");
    SetZ2("3", "4");
    Click("CMult_Button"); // Z3 = -5 + 10i
    const std::string label = Label();
    Click("CZ2Adj_Button");
    EXPECT_EQ(Text("CZ2Im_Edit"), "-4");
    EXPECT_EQ(Text("CZ2Phi_Edit"), "-0,9273");
    EXPECT_EQ(Label(), label) << "conjugation leaves the label";

    Click("CZ1Z2Copy_Button");
    EXPECT_EQ(Text("CZ2Im_Edit"), "2");
    EXPECT_EQ(Label(), "Z2=Z1");
    Click("CZ3Z1Copy_Button");
    EXPECT_EQ(Text("CZ1Re_Edit"), "-5");
    EXPECT_EQ(Label(), "Z1=Z3");
    Click("CZ2Z1Copy_Button");
    EXPECT_EQ(Text("CZ1Re_Edit"), "1");
    EXPECT_EQ(Label(), "Z1=Z2");
}

TEST_F(ComplexPageTest, SwitchingTheAngleUnitLeavesEveryNumberBitForBit) {
    // Angles whose degree text is rounded, an unreduced quotient angle and a typed negative modulus.
    Type("CZ1r_Edit", "1000000");
    Type("CZ1Phi_Edit", "1");
    SetZ2("0,3", "-0,7");
    Click("CDiv_Button");
    Type("CZ2r_Edit", "-3");
    const std::array<TComplex, 3> before = {page->Number(0), page->Number(1), page->Number(2)};

    SetDegrees(true);
    EXPECT_EQ(Text("CZ1Phi_Edit"), "57,296");
    EXPECT_EQ(Label(), "") << "an angle text changed";
    SetDegrees(false);
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        const TComplex& now = page->Number(n);
        const Extended* parts[4][2] = {{&now.Re, &before[n].Re},
                                       {&now.Im, &before[n].Im},
                                       {&now.r, &before[n].r},
                                       {&now.phi, &before[n].phi}};
        // The ten bytes of each 80-bit value; the padding after them need not be copied.
        for (const auto& part : parts)
            EXPECT_EQ(std::memcmp(part[0], part[1], 10), 0);
    }
    EXPECT_EQ(Text("CZ1Phi_Edit"), "1");
    EXPECT_EQ(Text("CZ1Re_Edit"), "5,403E5");

    // A unit switch that changes no text leaves the label alone.
    Click("CClear_Button");
    SetDegrees(true);
    EXPECT_EQ(Label(), "Z1=Z2=Z3=0");

    // The fields show the kept numbers, not those refreshed from the rounded angle: 180 degrees alone
    // would give Im = sin(pi), a rounding residue of the wrong sign.
    SetDegrees(false);
    SetZ1("-1", "1E-9");
    SetDegrees(true);
    EXPECT_EQ(Text("CZ1Phi_Edit"), "180");
    EXPECT_EQ(Text("CZ1Im_Edit"), "1E-9");
}

TEST_F(ComplexPageTest, ArrowKeysFollowTheTable) {
    const char* const names[12] = {"CZ1Re_Edit", "CZ1Im_Edit", "CZ1r_Edit", "CZ1Phi_Edit",
                                   "CZ2Re_Edit", "CZ2Im_Edit", "CZ2r_Edit", "CZ2Phi_Edit",
                                   "CZ3Re_Edit", "CZ3Im_Edit", "CZ3r_Edit", "CZ3Phi_Edit"};
    // Left, up, down, right as indexes into names.
    const int table[12][4] = {{5, 2, 2, 1},  {0, 3, 3, 4},  {7, 0, 0, 3},   {2, 1, 1, 6},
                              {1, 10, 6, 5}, {4, 11, 7, 0}, {3, 4, 8, 7},   {6, 5, 9, 2},
                              {9, 6, 10, 9}, {8, 7, 11, 8}, {11, 8, 4, 11}, {10, 9, 5, 10}};
    const Qt::Key keys[4] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Right};
    for (int from = 0; from < 12; ++from)
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(std::string(names[from]) + " key " + std::to_string(k));
            Edit(names[from])->setFocus();
            QTest::keyClick(Edit(names[from]), keys[k]);
            EXPECT_TRUE(Edit(names[table[from][k]])->hasFocus());
        }
    // Other keys reach the field.
    QTest::keyClick(Edit("CZ1Re_Edit"), Qt::Key_End);
    QTest::keyClicks(Edit("CZ1Re_Edit"), "5");
    EXPECT_EQ(Text("CZ1Re_Edit"), "05");
    EXPECT_EQ(page->Number(0).Re, 5);
}

TEST_F(ComplexPageTest, SettingsKeepAllFourPartsAsStored) {
    Type("CZ1r_Edit", "2");
    Type("CZ1Phi_Edit", "7"); // outside (-pi, pi]: stays 7
    SetZ2("-1", "0");
    Type("CZ3Re_Edit", "0,333333333333333333");
    IniFile ini;
    page->WriteSettings(ini);
    ini.Save(SettingsPath().toStdString());

    IniFile loaded;
    ASSERT_TRUE(loaded.Load(SettingsPath().toStdString()));
    ComplexPage fresh;
    fresh.ReadSettings(loaded);
    fresh.StartUp();
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(n);
        const TComplex a = page->Number(n);
        const TComplex b = fresh.Number(n);
        EXPECT_NEAR_L(b.Re, a.Re, 1e-14);
        EXPECT_NEAR_L(b.Im, a.Im, 1e-14);
        EXPECT_NEAR_L(b.r, a.r, 1e-14);
        EXPECT_NEAR_L(b.phi, a.phi, 1e-14);
    }
    EXPECT_EQ(fresh.Number(0).phi, 7) << "read as stored, not recomputed";
    EXPECT_EQ(Find<QLineEdit>(&fresh, "CZ1Phi_Edit")->text().toStdString(), "7");
    EXPECT_EQ(Find<QLineEdit>(&fresh, "CZ2Phi_Edit")->text().toStdString(), "3,1416");
    EXPECT_EQ(ini.ReadString("Complex", "Cz3.Re", ""), "0,333333333333333");

    // Without the section every part is 0, the argument included.
    ComplexPage empty;
    empty.ReadSettings(IniFile());
    EXPECT_EQ(empty.Number(1).phi, 0);
}

} // namespace
} // namespace quillon::test
