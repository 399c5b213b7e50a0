#include "GuiTest.h"

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "pages/GeometryObjects.h"
#include "pages/GeometryPage.h"
#include "pages/RadioGroup.h"
#include "text/AllText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <string>
#include <vector>

namespace quillon::test {
namespace {

// Texts as std::string, which the test framework prints readably.
using Lines = std::vector<std::string>;
Lines ToLines(const QStringList& texts) {
    Lines lines;
    for (const QString& text : texts)
        lines.push_back(text.toStdString());
    return lines;
}

class GeometryPageTest : public PageTest<GeometryPage> {
protected:
    QLineEdit* Edit(const QString& name) const {
        return Find<QLineEdit>(page.get(), name.toLatin1().constData());
    }
    void Type(const QString& name, const QString& text) const { Edit(name)->setText(text); }
    // "a1" with {"1", "2", "3"} types PLE_a1x_Edit, PLE_a1y_Edit, PLE_a1z_Edit.
    void TypeVector(const QString& column, const QStringList& xyz) const {
        for (int i = 0; i < 3; ++i)
            Type(QStringLiteral("PLE_%1%2_Edit").arg(column).arg(QLatin1Char("xyz"[i])), xyz[i]);
    }
    std::string Text(const QString& name) const { return Edit(name)->text().toStdString(); }
    Lines Vector(const QString& column) const {
        Lines texts;
        for (const char axis : {'x', 'y', 'z'})
            texts.push_back(Text(QStringLiteral("PLE_%1%2_Edit").arg(column).arg(QLatin1Char(axis))));
        return texts;
    }
    Lines Numbers(int object) const {
        Lines texts;
        for (const char letter : {'a', 'b', 'c', 'd'})
            texts.push_back(Text(QStringLiteral("PLE_%1%2_Edit").arg(QLatin1Char(letter)).arg(object)));
        return texts;
    }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(page.get(), name); }
    void SetKind(int object, int kind) const {
        Combo(object == 1 ? "PLE_L1_ComboBox" : "PLE_L2_ComboBox")->setCurrentIndex(kind);
    }
    void ChooseForm(const char* group, int item) const {
        Find<QWidget>(page.get(), group)->findChildren<QRadioButton*>().at(item)->click();
    }
    int FormShown(const char* group) const { return Find<RadioGroupBox>(page.get(), group)->ItemIndex(); }
    bool Shown(const char* name) const { return !Find<QWidget>(page.get(), name)->isHidden(); }
    Lines Calculate() const {
        Find<QPushButton>(page.get(), "PLE_Calc_Button")->click();
        return ToLines(page->ReportLines());
    }
    QString Errors() const { return errors.join(QLatin1Char('\n')); }

    // The objects of the pair tests; each kind has values of its own, so a line names its object.
    void Enter(int object, int kind) const {
        SetKind(object, kind);
        const QString n = QString::number(object);
        switch (kind) {
        case KindPoint:
            TypeVector("a" + n, {"1", "2", "3"});
            break;
        case KindLine:
            TypeVector("a" + n, {"0", "0", "0"});
            TypeVector("b" + n, {"1", "0", "0"});
            break;
        case KindPlane:
            TypeVector("a" + n, {"0", "0", "0"});
            TypeVector("b" + n, {"1", "0", "0"});
            TypeVector("c" + n, {"0", "1", "0"});
            break;
        default:
            TypeVector("a" + n, {"0", "0", "5"});
            Type("PLE_r" + n + "_Edit", "2");
            break;
        }
    }
};

constexpr const char* PointText = "(1 ;2 ;3)";
constexpr const char* LineText = "x= (0 ;0 ;0) + t * (1 ;0 ;0)";
constexpr const char* PlaneText = "x= (0 ;0 ;0) + t * (1 ;0 ;0) + s * (0 ;1 ;0)";
constexpr const char* SphereText = "m = (0 ;0 ;5); r = 2";

struct ValidationCase {
    const char* name;
    int kind, form; // form: the line form for a line, the plane form for a plane
    QStringList a, b, c, numbers;
    std::string message;
    Lines report; // the input lines of the report chosen for the degraded object 1
};

TEST_F(GeometryPageTest, EachDegenerateObjectIsReportedAndDegraded) {
    const QStringList zero{"0", "0", "0"}, p{"1", "2", "3"}, q{"5", "5", "5"};
    const ValidationCase cases[] = {
        {"line without direction",
         KindLine,
         0,
         p,
         zero,
         {},
         {},
         "G1 ist keine Gerade, weil b1=0 !",
         {"P1: (1 ;2 ;3)", "P2: (5 ;5 ;5)"}},
        {"line through one point",
         KindLine,
         1,
         p,
         p,
         {},
         {},
         "G1 ist keine Gerade, weil a1 = b1!",
         {"P1: (1 ;2 ;3)"}},
        {"plane without directions",
         KindPlane,
         0,
         p,
         zero,
         zero,
         {},
         "E1 ist keine Ebene, weil b1 = c1 = 0 !",
         {"P1: (1 ;2 ;3)"}},
        {"plane without b",
         KindPlane,
         0,
         p,
         zero,
         {"0", "1", "0"},
         {},
         "E1 ist keine Ebene, weil b1 = 0 !",
         {"P: (5 ;5 ;5)", "G: x= (1 ;2 ;3) + t * (0 ;1 ;0)"}},
        {"plane without c",
         KindPlane,
         0,
         p,
         {"1", "0", "0"},
         zero,
         {},
         "E1 ist keine Ebene, weil c1 = 0 !",
         {"P: (5 ;5 ;5)", "G: x= (1 ;2 ;3) + t * (1 ;0 ;0)"}},
        {"plane with b = c",
         KindPlane,
         0,
         p,
         {"1", "0", "0"},
         {"1", "0", "0"},
         {},
         "E1 ist keine Ebene, weil b1 = c1!",
         {"P: (5 ;5 ;5)", "G: x= (1 ;2 ;3) + t * (1 ;0 ;0)"}},
        {"three equal points",
         KindPlane,
         1,
         p,
         p,
         p,
         {},
         "E1 ist keine Ebene, weil a1 = b1 = c1!",
         {"P1: (1 ;2 ;3)"}},
        {"a = b",
         KindPlane,
         1,
         {"1", "1", "1"},
         {"1", "1", "1"},
         {"2", "0", "0"},
         {},
         "E1 ist keine Ebene, weil a1 = b1!",
         {"P: (5 ;5 ;5)", "G: x= (1 ;1 ;1) + t * (1 ;-1 ;-1)"}},
        {"b = c",
         KindPlane,
         1,
         p,
         {"2", "2", "2"},
         {"2", "2", "2"},
         {},
         "E1 ist keine Ebene, weil b1 = c1!",
         {"P: (5 ;5 ;5)", "G: x= (1 ;2 ;3) + t * (1 ;0 ;-1)"}},
        {"a = c",
         KindPlane,
         1,
         p,
         {"2", "2", "2"},
         p,
         {},
         "E1 ist keine Ebene, weil a1 = c1!",
         {"P: (5 ;5 ;5)", "G: x= (1 ;2 ;3) + t * (1 ;0 ;-1)"}},
        {"coordinate form without normal",
         KindPlane,
         3,
         {},
         {},
         {},
         {"0", "0", "0", "4"},
         "E1 ist keine Ebene, weil a1 = b1 = c1 = 0 !",
         {"P1: (0 ;0 ;0)"}},
        {"sphere without radius",
         KindSphere,
         0,
         p,
         {},
         {},
         {"0"},
         "K1 ist keine Kugel, weil r1 = 0 !",
         {"P1: (1 ;2 ;3)"}},
    };
    SetKind(2, KindPoint);
    TypeVector("a2", q);
    for (const ValidationCase& row : cases) {
        SCOPED_TRACE(row.name);
        SetKind(1, row.kind);
        if (row.kind == KindLine) ChooseForm("PLE_PaPu_RadioGroup", row.form);
        if (row.kind == KindPlane) ChooseForm("PLE_PPNK_RadioGroup", row.form);
        if (!row.a.isEmpty()) TypeVector("a1", row.a);
        if (!row.b.isEmpty()) TypeVector("b1", row.b);
        if (!row.c.isEmpty()) TypeVector("c1", row.c);
        if (row.kind == KindSphere) Type("PLE_r1_Edit", row.numbers[0]);
        if (row.kind == KindPlane && row.form == 3)
            for (int j = 0; j < 4; ++j)
                Type(QStringLiteral("PLE_%1%2_Edit").arg(QLatin1Char("abcd"[j])).arg(1), row.numbers[j]);

        const Lines lines = Calculate();
        ASSERT_GE(lines.size(), 1 + row.report.size());
        EXPECT_EQ(lines[0], row.message);
        EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 1 + static_cast<long>(row.report.size())),
                  row.report);
    }
    EXPECT_TRUE(errors.isEmpty()) << Errors().toStdString();

    // The normal form shows what the coordinate form holds, also without a normal; the second object
    // is named 2, in the current language.
    SetKind(1, KindPlane);
    ChooseForm("PLE_PPNK_RadioGroup", 3);
    for (const char* name : {"PLE_a1_Edit", "PLE_b1_Edit", "PLE_c1_Edit"})
        Type(name, "0");
    ChooseForm("PLE_PPNK_RadioGroup", 2);
    EXPECT_EQ(Calculate().at(0), "E1 ist keine Ebene, weil a1 = b1 = c1 = 0 !");
    LangIndex = 1000;
    SetKind(1, KindPoint);
    SetKind(2, KindSphere);
    Type("PLE_r2_Edit", "0");
    EXPECT_EQ(Calculate().at(0), "K2 is not a sphere, because r2 = 0 !");
}

struct PairCase {
    int kind1, kind2;
    std::string first, second; // the beginnings of the report's input lines
};

TEST_F(GeometryPageTest, OneReportPerPairFromTheViewOfTheKindNamedFirst) {
    const std::string P = PointText, G = LineText, E = PlaneText, K = SphereText;
    const PairCase cases[] = {
        {KindPoint, KindPoint, "P1: " + P, "P2: " + P},
        {KindPoint, KindLine, "P: " + P, "G: " + G},
        {KindLine, KindPoint, "P: " + P, "G: " + G},
        {KindPoint, KindPlane, "P: " + P, "E: " + E},
        {KindPlane, KindPoint, "P: " + P, "E: " + E},
        {KindPoint, KindSphere, "P: " + P, "K: " + K},
        {KindSphere, KindPoint, "P: " + P, "K: " + K},
        {KindLine, KindLine, "G1: " + G, "G2: " + G},
        {KindLine, KindPlane, "G: " + G, "E: " + E},
        {KindPlane, KindLine, "G: " + G, "E: " + E},
        {KindLine, KindSphere, "G: " + G, "K: " + K},
        {KindSphere, KindLine, "G: " + G, "K: " + K},
        {KindPlane, KindPlane, "E1: " + E, "E2: " + E},
        {KindPlane, KindSphere, "E: " + E, "K: " + K},
        {KindSphere, KindPlane, "E: " + E, "K: " + K},
        {KindSphere, KindSphere, "K1:  m1 =(0 ;0 ;5); R1 =2", "K2:  m2 =(0 ;0 ;5); R2 =2"},
    };
    for (const PairCase& row : cases) {
        SCOPED_TRACE(QStringLiteral("%1-%2").arg(row.kind1).arg(row.kind2).toStdString());
        Enter(1, row.kind1);
        Enter(2, row.kind2);
        const Lines lines = Calculate();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0].substr(0, row.first.size()), row.first);
        EXPECT_EQ(lines[1].substr(0, row.second.size()), row.second);
    }
    EXPECT_TRUE(errors.isEmpty()) << Errors().toStdString();
}

TEST_F(GeometryPageTest, ReportsEndToEnd) {
    SetKind(1, KindPlane);
    TypeVector("b1", {"1", "0", "0"});
    TypeVector("c1", {"0", "1", "0"});
    SetKind(2, KindSphere);
    Type("PLE_r2_Edit", "2");
    const Lines lines = Calculate();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "E schneidet K in zwei Hälften."), lines.end());

    PLE_inputout = false;
    SetKind(1, KindPoint);
    SetKind(2, KindPoint);
    EXPECT_EQ(Calculate(), Lines{"P1 = P2"});
}

TEST_F(GeometryPageTest, ClearingAndSeparatorOptions) {
    struct Case {
        bool clear, separatorLine;
        std::string separator; // empty: the memo is cleared
    } const cases[] = {{true, true, {}}, {false, true, std::string(52, '-')}, {false, false, " "}};
    TypeVector("a2", {"1", "0", "0"});
    for (const Case& row : cases) {
        SCOPED_TRACE(row.separator);
        PLE_Clear = row.clear;
        PLE_Trennstrich = row.separatorLine;
        Find<QPlainTextEdit>(page.get(), "PLE_Memo")->clear();
        const Lines first = Calculate();
        ASSERT_FALSE(first.empty());
        EXPECT_NE(first[0], row.separator);
        Lines both = Calculate();
        if (row.clear) {
            EXPECT_EQ(both, first);
        } else {
            Lines expected = first;
            expected.push_back(row.separator);
            expected.insert(expected.end(), first.begin(), first.end());
            EXPECT_EQ(both, expected);
        }
    }
}

TEST_F(GeometryPageTest, EachCodeShowsItsFields) {
    struct Case {
        int kind, form, code;
        bool b, c, numbers, numbersEnabled, sphere;
        int formGroup; // 0 none, 1 line forms, 2 plane forms
    } const cases[] = {
        {KindPoint, 0, CodePoint, false, false, false, true, false, 0},
        {KindLine, 0, CodeLineParam, true, false, false, true, false, 1},
        {KindLine, 1, CodeLinePoints, true, false, false, true, false, 1},
        {KindPlane, 0, CodePlaneParam, true, true, false, true, false, 2},
        {KindPlane, 1, CodePlanePoints, true, true, false, true, false, 2},
        {KindPlane, 2, CodePlaneNormal, false, false, true, false, false, 2},
        {KindPlane, 3, CodePlaneEquation, false, false, true, true, false, 2},
        {KindSphere, 0, CodeSphere, false, false, false, true, true, 0},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.code);
        SetKind(2, row.kind);
        if (row.formGroup == 1) ChooseForm("PLE_PaPu_RadioGroup", row.form);
        if (row.formGroup == 2) ChooseForm("PLE_PPNK_RadioGroup", row.form);
        EXPECT_EQ(page->KindCode(1), row.code);
        EXPECT_EQ(page->KindCode(0), CodePoint);
        EXPECT_EQ(Shown("PLE_a2y_Edit"), !row.numbers);
        EXPECT_EQ(Shown("PLE_a2_Image"), !row.numbers && !row.sphere);
        EXPECT_EQ(Shown("PLE_m2_Image"), row.sphere);
        EXPECT_EQ(Shown("PLE_b2z_Edit"), row.b);
        EXPECT_EQ(Shown("PLE_c2x_Edit"), row.c);
        EXPECT_EQ(Shown("PLE_d2_Edit"), row.numbers);
        EXPECT_EQ(Shown("PLE_a2_Label"), row.numbers);
        EXPECT_EQ(Edit("PLE_b2_Edit")->isEnabled(), row.numbersEnabled);
        EXPECT_EQ(Shown("PLE_Kug2_ComboBox"), row.sphere);
        EXPECT_EQ(Shown("PLE_r2_Edit"), row.sphere);
        EXPECT_EQ(Shown("PLE_PaPu_RadioGroup"), row.formGroup == 1);
        EXPECT_EQ(Shown("PLE_PPNK_RadioGroup"), row.formGroup == 2);
        EXPECT_FALSE(Shown("PLE_b1x_Edit"));
    }
}

TEST_F(GeometryPageTest, AFormSwitchRewritesTheFieldsInTheNewForm) {
    // A line: the point form shows the second point, the parametric form the direction.
    SetKind(1, KindLine);
    TypeVector("a1", {"1", "2", "3"});
    TypeVector("b1", {"1", "1", "1"});
    ChooseForm("PLE_PaPu_RadioGroup", 1);
    EXPECT_EQ(Vector("b1"), Lines({"2", "3", "4"}));
    TypeVector("b1", {"3", "3", "3"});
    ChooseForm("PLE_PaPu_RadioGroup", 0);
    EXPECT_EQ(Vector("b1"), Lines({"2", "1", "0"}));

    // A plane joins: line and plane share the parametric and point forms.
    SetKind(2, KindPlane);
    EXPECT_FALSE(Shown("PLE_PaPu_RadioGroup"));
    ChooseForm("PLE_PPNK_RadioGroup", 1);
    EXPECT_EQ(page->KindCode(0), CodeLinePoints);
    EXPECT_EQ(FormShown("PLE_PaPu_RadioGroup"), 1);

    // The normal form shows the unit normal and d/L, output only; switching back keeps the plane.
    ChooseForm("PLE_PPNK_RadioGroup", 0);
    TypeVector("a2", {"0", "0", "2"});
    TypeVector("b2", {"1", "0", "0"});
    TypeVector("c2", {"0", "2", "0"});
    ChooseForm("PLE_PPNK_RadioGroup", 2);
    EXPECT_EQ(Numbers(2), Lines({"0", "0", "1", "2"}));
    EXPECT_FALSE(Edit("PLE_a2_Edit")->isEnabled());
    EXPECT_EQ(page->KindCode(0), CodeLineParam); // the line keeps its last form
    ChooseForm("PLE_PPNK_RadioGroup", 3);
    EXPECT_EQ(Numbers(2), Lines({"0", "0", "2", "4"}));
    EXPECT_TRUE(Edit("PLE_a2_Edit")->isEnabled());
    ChooseForm("PLE_PPNK_RadioGroup", 1);
    EXPECT_EQ(Vector("a2"), Lines({"0", "0", "2"}));
    EXPECT_EQ(Vector("b2"), Lines({"1", "0", "2"}));
    EXPECT_EQ(Vector("c2"), Lines({"0", "1", "2"}));
    EXPECT_TRUE(errors.isEmpty()) << Errors().toStdString();
}

TEST_F(GeometryPageTest, AKindChangeShowsWhatTheNextCalculationUses) {
    // Two points reset the forms to the parametric one; the line's point-form field b must then
    // show its direction, not the second point it showed before.
    SetKind(1, KindLine);
    ChooseForm("PLE_PaPu_RadioGroup", 1);
    TypeVector("a1", {"1", "1", "1"});
    TypeVector("b1", {"4", "5", "6"});
    SetKind(1, KindPoint);
    SetKind(1, KindLine);
    EXPECT_EQ(page->KindCode(0), CodeLineParam);
    EXPECT_EQ(Vector("b1"), Lines({"3", "4", "5"}));

    // A field that does not evaluate keeps the old kind.
    Type("PLE_a1y_Edit", "2*");
    SetKind(1, KindPlane);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(Combo("PLE_L1_ComboBox")->currentIndex(), KindLine);
    EXPECT_EQ(page->KindCode(0), CodeLineParam);
    Type("PLE_a1y_Edit", "1");
    EXPECT_EQ(Calculate().at(1), "G: x= (1 ;1 ;1) + t * (3 ;4 ;5)");
}

TEST_F(GeometryPageTest, SphereSizeFieldConvertsWithTheChosenQuantity) {
    SetKind(1, KindSphere);
    QComboBox* size = Combo("PLE_Kug1_ComboBox");
    ASSERT_EQ(size->count(), 3);
    Type("PLE_r1_Edit", "2");
    size->setCurrentIndex(1);
    EXPECT_EQ(Text("PLE_r1_Edit"), "33,51");
    Type("PLE_r1_Edit", "4/3*pi"); // a volume, so radius 1
    size->setCurrentIndex(2);
    EXPECT_EQ(Text("PLE_r1_Edit"), "12,566");
    size->setCurrentIndex(0);
    EXPECT_EQ(Text("PLE_r1_Edit"), "1");
    // Screen readers hear the centre and the quantity the fields stand for now.
    EXPECT_EQ(Edit("PLE_a1y_Edit")->accessibleName(), "m1, y");
    EXPECT_EQ(Edit("PLE_r1_Edit")->accessibleName(), size->itemText(0));
    size->setCurrentIndex(1);
    EXPECT_EQ(Edit("PLE_r1_Edit")->accessibleName(), size->itemText(1));
    SetKind(1, KindPoint);
    EXPECT_EQ(Edit("PLE_a1y_Edit")->accessibleName(), "a1, y");
    SetKind(1, KindSphere);
    size->setCurrentIndex(0);

    // The calculation takes the radius from the quantity shown.
    size->setCurrentIndex(2);
    Type("PLE_r1_Edit", "16*pi");
    EXPECT_EQ(Calculate().at(1), "K: m = (0 ;0 ;0); r = 2");

    Type("PLE_r1_Edit", "x/");
    size->setCurrentIndex(1);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(size->currentIndex(), 2);
}

TEST_F(GeometryPageTest, ResetZeroesTheInputsAndKeepsKindsFormsAndMemo) {
    SetKind(1, KindSphere);
    SetKind(2, KindPlane);
    ChooseForm("PLE_PPNK_RadioGroup", 3);
    TypeVector("a1", {"1", "2", "3"});
    Type("PLE_a2_Edit", "1");
    const Lines memo = Calculate();
    Find<QPushButton>(page.get(), "PLE_Clear_Button")->click();
    for (const char* name : {"PLE_a1x_Edit", "PLE_b1y_Edit", "PLE_c2z_Edit", "PLE_a2_Edit", "PLE_d2_Edit",
                             "PLE_r1_Edit", "PLE_r2_Edit"})
        EXPECT_EQ(Text(name), "0") << name;
    EXPECT_EQ(page->KindCode(0), CodeSphere);
    EXPECT_EQ(page->KindCode(1), CodePlaneEquation);
    EXPECT_EQ(ToLines(page->ReportLines()), memo);
    EXPECT_EQ(Calculate().at(0), "K1 ist keine Kugel, weil r1 = 0 !");
}

TEST_F(GeometryPageTest, SettingsRoundTripAndLanguageSwitch) {
    SetKind(1, KindLine);
    ChooseForm("PLE_PaPu_RadioGroup", 1);
    TypeVector("a1", {"1", "2", "3"});
    TypeVector("b1", {"2", "2", "2"});
    SetKind(2, KindSphere);
    Combo("PLE_Kug2_ComboBox")->setCurrentIndex(1);
    Type("PLE_r2_Edit", "4/3*pi");
    page->TakeOverFields();
    IniFile ini;
    page->WriteSettings(ini);
    EXPECT_EQ(ini.ReadInteger("PLE", "PLE_L1ImageIndex", -1), CodeLinePoints);
    EXPECT_EQ(ini.ReadInteger("PLE", "PLE_FormIndex[0]", -1), 1);
    EXPECT_EQ(ini.ReadFloat("PLE-Value", "Pb1.x", 0), 1.0); // the direction, not the second point
    EXPECT_EQ(ini.ReadFloat("PLE-Value", "PKugR2", 0), 1.0);
    EXPECT_EQ(ini.ReadInteger("PLE", "PLE_Kug2Index", -1), 1);

    GeometryPage restored;
    restored.ReadSettings(ini);
    restored.ApplyTexts();
    restored.StartUp();
    EXPECT_EQ(restored.KindCode(0), CodeLinePoints);
    EXPECT_EQ(restored.KindCode(1), CodeSphere);
    EXPECT_EQ(restored.findChild<QLineEdit*>("PLE_b1y_Edit")->text().toStdString(), "2");
    EXPECT_EQ(restored.findChild<QLineEdit*>("PLE_r2_Edit")->text().toStdString(), "4,1888");
    restored.TakeOverFields();
    IniFile again;
    restored.WriteSettings(again);
    EXPECT_EQ(again.Text(), ini.Text());

    // A language switch relabels the boxes and keeps every choice.
    LangIndex = 1000;
    restored.ApplyTexts();
    EXPECT_EQ(restored.findChild<QComboBox*>("PLE_L1_ComboBox")->currentText().toStdString(), "Line");
    EXPECT_EQ(restored.findChild<QComboBox*>("PLE_Kug2_ComboBox")->currentText().toStdString(), "Volume V2");
    EXPECT_EQ(restored.findChild<RadioGroupBox*>("PLE_PaPu_RadioGroup")->ItemIndex(), 1);
    EXPECT_EQ(restored.KindCode(0), CodeLinePoints);

    // Values no kind or form has read as the defaults.
    IniFile foreign;
    foreign.Parse("[PLE]\nPLE_L1ImageIndex=9\nPLE_FormIndex[1]=7\nPLE_Kug1Index=5\n");
    GeometryPage fallback;
    fallback.ReadSettings(foreign);
    EXPECT_EQ(fallback.KindCode(0), CodePoint);
    EXPECT_EQ(fallback.PlaneForm(), 0);
    EXPECT_TRUE(errors.isEmpty()) << Errors().toStdString();
}

TEST_F(GeometryPageTest, AFieldThatDoesNotEvaluateStopsBeforeTheMemo) {
    PLE_Clear = false;
    const Lines before = Calculate();
    Type("PLE_a2z_Edit", "sqrt(");
    EXPECT_EQ(Calculate(), before);
    EXPECT_EQ(errors.size(), 1);
}

} // namespace
} // namespace quillon::test
