#include "GuiTest.h"
#include "core/NearL.h"

#include "core/Handle.h"
#include "core/IniFile.h"
#include "pages/CoordinatePage.h"
#include "pages/ErrorDisplay.h"
#include "pages/RadioGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <memory>

namespace quillon::test {
namespace {

class CoordinatePageTest : public PageTest<CoordinatePage> {
protected:
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(page.get(), name); }
    void Type(const char* prefix, const QStringList& values) const {
        const char* axes[3] = {"x_Edit", "y_Edit", "z_Edit"};
        for (int i = 0; i < 3; ++i)
            Edit((QByteArray(prefix) + axes[i]).constData())->setText(values[i]);
    }
    QStringList Shown(const char* prefix) const {
        const char* axes[3] = {"x_Edit", "y_Edit", "z_Edit"};
        QStringList texts;
        for (const char* axis : axes)
            texts << Edit((QByteArray(prefix) + axis).constData())->text();
        return texts;
    }
    void Click(const char* name) const { Find<QPushButton>(page.get(), name)->click(); }
    void Choose(const char* group, int item) const {
        Find<QWidget>(page.get(), group)->findChildren<QRadioButton*>().at(item)->click();
    }
    int Item(const char* group) const {
        return page->findChild<RadioGroupBox*>(QLatin1String(group))->ItemIndex();
    }
    double Value(const char* name) const {
        return static_cast<double>(EvaluateText(Edit(name)->text().toStdString()));
    }
    void ExpectNoErrors() const {
        EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    }
};

TEST_F(CoordinatePageTest, CartesianPointsInBothConventions) {
    struct Row {
        const char* name;
        QStringList cartesian;
        int convention;
        QStringList spherical, cylindrical;
    };
    const Row rows[] = {
        {"(1,1,0) from z", {"1", "1", "0"}, 0, {"1,4142", "1,5708", "0,7854"}, {"1,4142", "0,7854", "0"}},
        {"(1,1,0) from xy", {"1", "1", "0"}, 1, {"1,4142", "0", "0,7854"}, {"1,4142", "0,7854", "0"}},
        {"(0,0,5) from z", {"0", "0", "5"}, 0, {"5", "0", "1,5708"}, {"0", "1,5708", "5"}},
        {"(0,0,5) from xy", {"0", "0", "5"}, 1, {"5", "1,5708", "1,5708"}, {"0", "1,5708", "5"}},
        {"origin", {"0", "0", "0"}, 0, {"0", "0", "1,5708"}, {"0", "1,5708", "0"}},
        {"(0,-1,0)", {"0", "-1", "0"}, 0, {"1", "1,5708", "-1,5708"}, {"1", "-1,5708", "0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Choose("KKugelZ_RadioGroup", row.convention);
        Type("KKar", row.cartesian);
        Click("kartesische_Koordinaten_Button");
        EXPECT_EQ(Shown("KKug"), row.spherical);
        EXPECT_EQ(Shown("KZyl"), row.cylindrical);
    }
    ExpectNoErrors();
}

TEST_F(CoordinatePageTest, HintsNameExactValues) {
    Type("KKar", {"1", "1", "0"});
    Click("kartesische_Koordinaten_Button");
    EXPECT_EQ(Edit("KKugy_Edit")->toolTip(), "Pi/2");
    EXPECT_EQ(Edit("KZyly_Edit")->toolTip(), "Pi/4");
    EXPECT_EQ(Edit("KKarx_Edit")->toolTip(), "1");

    Type("KKar", {"0", "-1", "0"});
    Click("kartesische_Koordinaten_Button");
    EXPECT_EQ(Edit("KKugz_Edit")->toolTip(), "-Pi/2 -> 3Pi/2");
    EXPECT_EQ(Edit("KKary_Edit")->toolTip(), "-1");
}

TEST_F(CoordinatePageTest, DegreeModeTakesAndShowsDegrees) {
    Choose("K_Rad_Deg_RadioGroup", 1);
    ASSERT_TRUE(page->DegreeMode());
    Type("KKug", {"2", "90", "45"});
    Click("Kugelkoordinaten_Button");
    ExpectNoErrors();
    EXPECT_EQ(Edit("KKarx_Edit")->text(), "1,4142");
    EXPECT_EQ(Edit("KKary_Edit")->text(), "1,4142");
    EXPECT_NEAR_L(Value("KKarz_Edit"), 0, 1e-15);
    EXPECT_EQ(Shown("KKug"), QStringList({"2", "90", "45"}));
    EXPECT_EQ(Shown("KZyl").mid(0, 2), QStringList({"2", "45"}));
    // Hints always name the radian value.
    EXPECT_EQ(Edit("KKugy_Edit")->toolTip(), "Pi/2");

    // Back to radians: the angles are converted, nothing else.
    Choose("K_Rad_Deg_RadioGroup", 0);
    EXPECT_EQ(Shown("KKug"), QStringList({"2", "1,5708", "0,7854"}));
}

TEST_F(CoordinatePageTest, SwitchingTheUnitTakesTypedAnglesInTheOldUnit) {
    Type("KKug", {"1", "pi/2", "0"});
    Choose("K_Rad_Deg_RadioGroup", 1);
    EXPECT_EQ(Shown("KKug"), QStringList({"1", "90", "0"}));

    Edit("KZyly_Edit")->setText("180");
    Choose("K_Rad_Deg_RadioGroup", 0);
    EXPECT_EQ(Edit("KZyly_Edit")->text(), "3,1416");
    EXPECT_EQ(Edit("KKugy_Edit")->text(), "1,5708");
    ExpectNoErrors();
}

TEST_F(CoordinatePageTest, ConventionSwitchKeepsThePoint) {
    ASSERT_FALSE(Find<QLabel>(page.get(), "KKugelZ_Image")->isHidden());
    Type("KKug", {"1", "0", "0"});
    Choose("KKugelZ_RadioGroup", 1);
    EXPECT_EQ(Shown("KKug"), QStringList({"1", "1,5708", "1,5708"}));
    EXPECT_TRUE(Find<QLabel>(page.get(), "KKugelZ_Image")->isHidden());
    EXPECT_FALSE(Find<QLabel>(page.get(), "KKugelXY_Image")->isHidden());

    // Back on the z axis; the azimuth there is whatever the rounding of cos(pi/2) makes it.
    Choose("KKugelZ_RadioGroup", 0);
    EXPECT_EQ(Shown("KKug").mid(0, 2), QStringList({"1", "0"}));
    EXPECT_EQ(Shown("KKar"), QStringList({"0", "0", "0"})); // untouched by the switch
    ExpectNoErrors();
}

TEST_F(CoordinatePageTest, AFieldThatFailsStopsTheConversion) {
    Choose("K_Rad_Deg_RadioGroup", 1);
    Type("KKug", {"2", "90", "1+"});
    Click("Kugelkoordinaten_Button");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(Shown("KKar"), QStringList({"0", "0", "0"}));

    // The angle read before the failure was taken in degrees, not kept as 90 radians.
    Edit("KKugz_Edit")->setText("0");
    Click("Kugelkoordinaten_Button");
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(Edit("KKarx_Edit")->text(), "2");
    EXPECT_EQ(Edit("KKary_Edit")->text(), "0");

    // A switch whose read fails keeps the old choice shown and in force.
    Edit("KKarx_Edit")->setText("*");
    Choose("K_Rad_Deg_RadioGroup", 0);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(page->DegreeMode());
    EXPECT_EQ(Item("K_Rad_Deg_RadioGroup"), 1);
    Choose("KKugelZ_RadioGroup", 1);
    EXPECT_EQ(errors.size(), 3);
    EXPECT_EQ(page->ThetaConvention(), 0);
    EXPECT_EQ(Item("KKugelZ_RadioGroup"), 0);
}

TEST_F(CoordinatePageTest, AConversionThatOverflowsLeavesCellsAsTheFieldsShowThem) {
    // r*r overflows on the way back to a radius: no cell may take a result that was never written.
    Type("KKug", {"1e3000", "pi/2", "0"});
    Click("Kugelkoordinaten_Button");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(Shown("KKar"), QStringList({"0", "0", "0"}));
    Click("kartesische_Koordinaten_Button");
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(Shown("KKug"), QStringList({"0", "0", "1,5708"}));

    // Likewise the convention stays when the point cannot be re-expressed in the new one.
    Type("KKug", {"1e3000", "1", "1"});
    Choose("KKugelZ_RadioGroup", 1);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(page->ThetaConvention(), 0);
    EXPECT_EQ(Item("KKugelZ_RadioGroup"), 0);
    EXPECT_FALSE(Find<QLabel>(page.get(), "KKugelZ_Image")->isHidden());
}

TEST_F(CoordinatePageTest, SettingsRoundTrip) {
    Choose("KKugelZ_RadioGroup", 1);
    Choose("K_Rad_Deg_RadioGroup", 1);
    IniFile ini;
    page->WriteSettings(ini);
    EXPECT_EQ(ini.Value("Koordinatensysteme", "KKugelZ_RadioGroup.ItemIndex"), "1");
    EXPECT_EQ(ini.Value("Koordinatensysteme", "KDegMode"), "1");

    CoordinatePage restored;
    restored.ReadSettings(ini);
    restored.ApplyTexts();
    restored.StartUp();
    EXPECT_EQ(restored.ThetaConvention(), 1);
    EXPECT_TRUE(restored.DegreeMode());
    EXPECT_EQ(restored.findChild<RadioGroupBox*>("KKugelZ_RadioGroup")->ItemIndex(), 1);
    EXPECT_EQ(restored.findChild<RadioGroupBox*>("K_Rad_Deg_RadioGroup")->ItemIndex(), 1);
    EXPECT_TRUE(Find<QLabel>(&restored, "KKugelZ_Image")->isHidden());

    IniFile foreign;
    foreign.Parse("[Koordinatensysteme]\nKKugelZ_RadioGroup.ItemIndex=7\nKDegMode=2\n");
    restored.ReadSettings(foreign);
    EXPECT_EQ(restored.ThetaConvention(), 0);
    EXPECT_TRUE(restored.DegreeMode());
}

} // namespace
} // namespace quillon::test
