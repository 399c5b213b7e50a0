#include "GuiTest.h"

#include "core/FloatError.h"
#include "core/Globals.h"
#include "math/GMatrix.h"
#include "math/GQuaternion.h"
#include "pages/QuaternionPage.h"
#include "text/AllText.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quillon::test {
namespace {

class QuaternionPageTest : public PageTest<QuaternionPage, 613, 453> {
protected:
    QLineEdit* Edit(const std::string& name) const { return Find<QLineEdit>(page.get(), name.c_str()); }
    std::string Text(const std::string& name) const { return Edit(name)->text().toStdString(); }
    std::string Hint(const std::string& name) const { return Edit(name)->toolTip().toStdString(); }
    std::string Label() const { return Find<QLabel>(page.get(), "QOut_Label")->text().toStdString(); }
    void Click(const char* name) const { Find<QPushButton>(page.get(), name)->click(); }
    void Type(const std::string& name, const char* text) const {
        Edit(name)->setText(QString::fromUtf8(text));
    }
    // Types the four parts of qn (1, 2 or 3).
    void Set(int n, const char* re, const char* i, const char* j, const char* k) const {
        const std::string q = "Q" + std::to_string(n);
        Type(q + "Re_Edit", re);
        Type(q + "i_Edit", i);
        Type(q + "j_Edit", j);
        Type(q + "k_Edit", k);
    }
};

TEST_F(QuaternionPageTest, StartUpShowsThreeZeroQuaternionsInEveryField) {
    for (const char* q : {"Q1", "Q2", "Q3"})
        for (const char* part : {"Re", "i", "j", "k", "Betrag", "Arg", "n1", "n2", "n3"}) {
            const std::string name = std::string(q) + part + "_Edit";
            SCOPED_TRACE(name);
            EXPECT_EQ(Text(name), "0");
            EXPECT_EQ(Hint(name), "0");
        }
    EXPECT_TRUE(Edit("Q2n1_Edit")->isEnabled());
    EXPECT_TRUE(Edit("Q2n1_Edit")->isReadOnly());
}

TEST_F(QuaternionPageTest, ProductOfIAndJIsKWithItsPolarQuantities) {
    Set(1, "0", "1", "0", "0");
    Set(2, "0", "0", "1", "0");
    Click("QMul_Button");
    EXPECT_EQ(Label(), "q3=q1*q2");
    EXPECT_EQ(Text("Q3Re_Edit"), "0");
    EXPECT_EQ(Text("Q3k_Edit"), "1");
    EXPECT_EQ(Text("Q3Betrag_Edit"), "1");
    EXPECT_EQ(Text("Q3Arg_Edit"), "1,5708");
    EXPECT_EQ(Hint("Q3Arg_Edit"), "Pi/2");
    EXPECT_EQ(Text("Q3n1_Edit"), "0");
    EXPECT_EQ(Text("Q3n2_Edit"), "0");
    EXPECT_EQ(Text("Q3n3_Edit"), "1");

    Click("QDiv_Button");
    EXPECT_EQ(Label(), "q3=q1/q2");
    EXPECT_EQ(Text("Q3k_Edit"), "-1");
    EXPECT_EQ(Text("Q3n3_Edit"), "-1");
}

TEST_F(QuaternionPageTest, ArithmeticButtonsAndTheirLabels) {
    struct Row {
        const char* button;
        const char* label;
        const char* parts[4];
    };
    const Row rows[] = {
        {"QAdd_Button", "q3=q1+q2", {"2", "2", "3", "4"}},
        {"QSub_Button", "q3=q1-q2", {"0", "2", "3", "4"}},
        {"QMul_Button", "q3=q1*q2", {"1", "2", "3", "4"}},
        {"QPow2_Button", "q3=q1*q1", {"-28", "4", "6", "8"}},
    };
    Set(1, "1", "2", "3", "4");
    Set(2, "1", "0", "0", "0");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        Click(row.button);
        EXPECT_EQ(Label(), row.label);
        const char* names[4] = {"Q3Re_Edit", "Q3i_Edit", "Q3j_Edit", "Q3k_Edit"};
        for (int n = 0; n < 4; ++n)
            EXPECT_EQ(Text(names[n]), row.parts[n]) << names[n];
    }
    // The argument shown is that of the new q3: acos(2 / sqrt(33)).
    Click("QAdd_Button");
    EXPECT_EQ(Text("Q3Arg_Edit"), "1,2152");
}

TEST_F(QuaternionPageTest, FunctionButtonsPassTheirNameAndShowIt) {
    const struct {
        const char* button;
        const char* name;
    } rows[] = {
        {"QExp_Button", "exp"},         {"QLn_Button", "ln"},           {"QSqrt_Button", "sqrt"},
        {"QSin_Button", "sin"},         {"QCos_Button", "cos"},         {"QTan_Button", "tan"},
        {"QCoTan_Button", "cotan"},     {"QSinh_Button", "sinh"},       {"QCosh_Button", "cosh"},
        {"QTanh_Button", "tanh"},       {"QCoth_Button", "coth"},       {"QArcSin_Button", "arcsin"},
        {"QArcCos_Button", "arccos"},   {"QArcTan_Button", "arctan"},   {"QArcCot_Button", "arccot"},
        {"QArcSinh_Button", "arcsinh"}, {"QArcCosh_Button", "arccosh"}, {"QArTanh_Button", "artanh"},
        {"QArCoth_Button", "arcoth"},
    };
    Set(1, "0,5", "0,25", "-0,5", "0,125");
    const TQuat q1 = page->Number(0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        Click(row.button);
        const TQuat expected = QuatFunction(row.name, q1);
        EXPECT_EQ(page->Number(2).Re, expected.Re);
        EXPECT_EQ(page->Number(2).j, expected.j);
        EXPECT_EQ(Label(), std::string("q3=") + row.name + "(q1)");
    }
}

TEST_F(QuaternionPageTest, SquareRootAndHalfPowerOfMinusFour) {
    Set(1, "-4", "0", "0", "0");
    Click("QSqrt_Button");
    EXPECT_EQ(Text("Q3Re_Edit"), "0");
    EXPECT_EQ(Text("Q3i_Edit"), "2");
    Type("QPower_Edit", "0,5");
    Click("QPower_Button");
    EXPECT_EQ(Label(), "Power(Q1,0,5)=Q3");
    // Which axis a negative real quaternion gets for its powers is the algebra's business.
    const TQuat half = QuatPower(TQuat{-4, 0, 0, 0}, 0.5L);
    EXPECT_EQ(page->Number(2).Re, half.Re);
    EXPECT_EQ(page->Number(2).i, half.i);
    Type("QPower_Edit", "x");
    Click("QPower_Button");
    EXPECT_EQ(Label(), "Power(Q1,1)=Q3");
    EXPECT_EQ(Text("Q3Re_Edit"), "-4");
}

TEST_F(QuaternionPageTest, TypingUpdatesTheQuaternionAndBadTextKeepsTheOldPart) {
    Set(1, "1", "2", "2", "0");
    EXPECT_EQ(Text("Q1Betrag_Edit"), "3");
    EXPECT_EQ(Text("Q1n2_Edit"), "0,70711");
    EXPECT_EQ(Label(), "");
    QLineEdit* i = Edit("Q1i_Edit");
    i->selectAll();
    QTest::keyClicks(i, "2,0");
    EXPECT_EQ(i->text().toStdString(), "2,0") << "the field being typed in is not rewritten";

    for (const char* text : {"abc", "", "2.5", "+"}) {
        SCOPED_TRACE(text);
        Type("Q1i_Edit", text);
        EXPECT_EQ(page->Number(0).i, 2);
        EXPECT_EQ(Text("Q1Betrag_Edit"), "3");
        EXPECT_EQ(Text("Q1Re_Edit"), "1");
    }
    // The derived fields take no input.
    QTest::keyClicks(Edit("Q1Betrag_Edit"), "9");
    EXPECT_EQ(Text("Q1Betrag_Edit"), "3");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(QuaternionPageTest, SingularCasesComputeNothingAndSaySo) {
    Set(1, "1", "2", "3", "4");
    Click("QAdd_Button"); // q2 = 0, so q3 = q1
    Click("QDiv_Button");
    EXPECT_EQ(Label(), "q1/0 ?");
    EXPECT_EQ(Text("Q3k_Edit"), "4");

    Click("QInv2_Button");
    EXPECT_EQ(Label(), "1/0=?");
    EXPECT_EQ(Text("Q2Re_Edit"), "0");
    Click("QEinheit2_Button");
    EXPECT_EQ(Label(), "|q2|=0");
    EXPECT_EQ(Text("Q2Re_Edit"), "0");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(QuaternionPageTest, InPlaceButtons) {
    Set(2, "0", "0", "3", "0");
    Click("QEinheit2_Button");
    EXPECT_EQ(Label(), "|q2|=1");
    EXPECT_EQ(Text("Q2j_Edit"), "1");

    Set(1, "1", "2", "3", "4");
    Click("QKonj1_Button");
    EXPECT_EQ(Text("Q1i_Edit"), "-2");
    EXPECT_EQ(Text("Q1k_Edit"), "-4");
    EXPECT_EQ(Label(), "");

    Set(3, "0", "2", "0", "0");
    Click("QInv3_Button");
    EXPECT_EQ(Text("Q3i_Edit"), "-0,5");

    Click("QCopy31_Button");
    EXPECT_EQ(Text("Q1i_Edit"), "-0,5");
    Click("QCopy12_Button");
    EXPECT_EQ(Text("Q2i_Edit"), "-0,5");
    Click("Qk_Button");
    for (const char* name : {"Q1k_Edit", "Q2k_Edit", "Q3k_Edit"})
        EXPECT_EQ(Text(name), "1");
    EXPECT_EQ(Find<QPushButton>(page.get(), "Qk_Button")->toolTip().toStdString(), "q1=q2=q3=k");
}

TEST_F(QuaternionPageTest, ZeroToANegativePowerShowsTheErrorAndKeepsQ3AndTheLabel) {
    Set(2, "5", "0", "0", "0");
    Click("QAdd_Button");
    Type("QPower_Edit", "-2");
    Click("QPower_Button");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.front().toStdString(), "Gleitkommadivision durch Null");
    EXPECT_EQ(Label(), "q3=q1+q2");
    EXPECT_EQ(Text("Q3Re_Edit"), "5");
}

TEST_F(QuaternionPageTest, ArrowKeysCycleThroughRowsAndColumns) {
    struct Row {
        const char* from;
        Qt::Key key;
        const char* to;
    };
    const Row rows[] = {
        {"Q1Re_Edit", Qt::Key_Right, "Q1i_Edit"},   {"Q1Re_Edit", Qt::Key_Left, "Q1Arg_Edit"},
        {"Q1Arg_Edit", Qt::Key_Right, "Q1Re_Edit"}, {"Q2k_Edit", Qt::Key_Right, "Q2Betrag_Edit"},
        {"Q1j_Edit", Qt::Key_Up, "Q3j_Edit"},       {"Q3Betrag_Edit", Qt::Key_Down, "Q1Betrag_Edit"},
        {"Q2Arg_Edit", Qt::Key_Up, "Q1Arg_Edit"},   {"Q2i_Edit", Qt::Key_Down, "Q3i_Edit"},
        {"Q3Re_Edit", Qt::Key_Left, "Q3Arg_Edit"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " -> " + row.to);
        Edit(row.from)->setFocus();
        QTest::keyClick(Edit(row.from), row.key);
        EXPECT_TRUE(Edit(row.to)->hasFocus());
    }
}

TEST_F(QuaternionPageTest, RotationButtonsHandTheMatrixOnAndTakeOneBack) {
    std::vector<TMatrix> sent;
    QObject::connect(page.get(), &QuaternionPage::RotationMatrixOut, page.get(),
                     [&sent](const TMatrix& rotation) { sent.push_back(rotation); });
    Set(1, "0", "0", "0", "0");
    Click("QToMatrix_Button");
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(Label(), Texts(810));
    // Not a unit quaternion: its unit quaternion is used, and the quarter turn has exact zeros.
    Set(1, "2", "0", "0", "2");
    Click("QToMatrix_Button");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_TRUE(MEqual(sent[0], TMatrix{{0, -1, 0, 1, 0, 0, 0, 0, 1}}));
    EXPECT_EQ(Label(), "C=R(q1)");

    Click("QFromMatrix_Button"); // no source yet: nothing happens
    EXPECT_EQ(Text("Q1Re_Edit"), "2");
    TMatrix source{{2, 0, 0, 0, 2, 0, 0, 0, 2}};
    page->SetRotationSource([&source] { return source; });
    Click("QFromMatrix_Button");
    EXPECT_EQ(Label(), Texts(809));
    EXPECT_EQ(Text("Q1Re_Edit"), "2");
    source = MRotation(TVektor{0, 0, 1}, -Pi / 2);
    Click("QFromMatrix_Button");
    EXPECT_EQ(Label(), "q1=q(A)");
    for (const auto& [field, text] : {std::pair{"Q1Re_Edit", "0,70711"},
                                      {"Q1i_Edit", "0"},
                                      {"Q1j_Edit", "0"},
                                      {"Q1k_Edit", "-0,70711"},
                                      {"Q1Betrag_Edit", "1"}})
        EXPECT_EQ(Text(field), text) << field;

    // A cell of A that does not evaluate: the error display, and q1 stays.
    page->SetRotationSource([]() -> TMatrix { throw FormulaError(FormulaErrorKind::UnknownName, "a11"); });
    Click("QFromMatrix_Button");
    EXPECT_EQ(errors, QStringList{"'a11' ist kein bekannter Name"});
    EXPECT_EQ(Text("Q1k_Edit"), "-0,70711");
}

} // namespace
} // namespace quillon::test
