#include "GuiTest.h"

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "pages/MatrixPage.h"
#include "pages/MatrixReport.h"
#include "text/AllText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <limits>
#include <map>
#include <string>
#include <vector>

namespace quillon::test {
namespace {

class MatrixPageTest : public PageTest<MatrixPage, 613, 448> {
protected:
    void SetUp() override {
        PageTest::SetUp();
        Matrix_Clear = true;
        Matrix_Trennstrich = true;
    }
    QLineEdit* Edit(const QString& name) const {
        return Find<QLineEdit>(page.get(), name.toLatin1().constData());
    }
    void Type(const QString& name, const QString& text) const { Edit(name)->setText(text); }
    static QString CellName(char m, int n) {
        return QStringLiteral("M%1%2%3_Edit").arg(m).arg(n / 3 + 1).arg(n % 3 + 1);
    }
    // The nine cells of a matrix, row by row.
    void TypeMatrix(char m, const QStringList& nine) const {
        for (int n = 0; n < 9; ++n)
            Type(CellName(m, n), nine[n]);
    }
    QStringList Matrix(char m) const {
        QStringList texts;
        for (int n = 0; n < 9; ++n)
            texts << Edit(CellName(m, n))->text();
        return texts;
    }
    QStringList Texts(const QStringList& names) const {
        QStringList texts;
        for (const QString& name : names)
            texts << Edit(name)->text();
        return texts;
    }
    void Click(const char* name) const {
        if (auto* button = page->findChild<QPushButton*>(QLatin1String(name)))
            button->click();
        else
            Find<QToolButton>(page.get(), name)->click();
    }
    void Select(int n) const { Click(QStringLiteral("MToolButton%1").arg(n).toLatin1().constData()); }
    bool Shown(const char* name) const { return !page->findChild<QWidget*>(QLatin1String(name))->isHidden(); }
    int Left(const char* name) const { return page->findChild<QWidget*>(QLatin1String(name))->x(); }
    // The memo's lines, one per line of a string, so that a failure prints them readably.
    std::string Memo() const { return Lines(page->ReportLines()); }
    static std::string Lines(const QStringList& lines) { return lines.join(QLatin1Char('\n')).toStdString(); }
    void ExpectNoErrors() const {
        EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    }
};

const QStringList kC{"MC11_Edit", "MC12_Edit", "MC13_Edit", "MC21_Edit", "MC22_Edit",
                     "MC23_Edit", "MC31_Edit", "MC32_Edit", "MC33_Edit"};
const QStringList kX{"Mxx_Edit", "Mxy_Edit", "Mxz_Edit"};
const QStringList kB{"Mbx_Edit", "Mby_Edit", "Mbz_Edit"};

struct LayoutCase {
    int n;
    const char* order; // the operand blocks left to right: A, B, d, x (x) and b (v)
    bool c;
    const char* dLabel;
};

TEST_F(MatrixPageTest, EachOperationShowsItsBlocksInTheOrderOfItsFormula) {
    const LayoutCase cases[] = {{0, "AB", true, "d ="},     {1, "AB", true, "d ="},
                                {2, "AB", true, "d ="},     {3, "dA", true, "d ="},
                                {4, "Ad", true, "d ="},     {5, "A", true, "d ="},
                                {6, "Axv", false, "d ="},   {7, "Avx", false, "d ="},
                                {8, "xd", true, "alpha ="}, {9, "Ad", false, "d ="}};
    const std::map<char, const char*> blockCell{
        {'A', "MA11_Edit"}, {'B', "MB11_Edit"}, {'d', "Md_Edit"}, {'x', "Mxx_Edit"}, {'v', "Mbx_Edit"}};
    for (const LayoutCase& row : cases) {
        SCOPED_TRACE(row.n);
        Select(row.n);
        EXPECT_EQ(page->CurrentOperation(), row.n);
        for (int k = 0; k < MatrixPage::OperationCount; ++k)
            EXPECT_EQ(
                Find<QToolButton>(page.get(), QStringLiteral("MToolButton%1").arg(k).toLatin1().constData())
                    ->isChecked(),
                k == row.n);
        const QString order = QLatin1String(row.order);
        for (const auto& [block, cell] : blockCell)
            EXPECT_EQ(Shown(cell), order.contains(QLatin1Char(block))) << cell;
        for (int i = 1; i < order.size(); ++i)
            EXPECT_LT(Left(blockCell.at(order[i - 1].toLatin1())), Left(blockCell.at(order[i].toLatin1())));
        EXPECT_EQ(Shown("MB_Label") && Shown("MInfoB_Button") && Shown("MTransB_Button"),
                  order.contains('B'));
        EXPECT_EQ(Shown("Mx_Image"), order.contains('x'));
        EXPECT_EQ(Shown("MC33_Edit") && Shown("MInfoC_Button"), row.c);
        EXPECT_EQ(Shown("MAB_Copy_Button") && Shown("MBA_Copy_Button"), order.contains('B'));
        EXPECT_EQ(Shown("MCA_Copy_Button"), order.contains('A') && row.c);
        EXPECT_EQ(Edit("Mby_Edit")->isEnabled(), row.n != 6);
        EXPECT_EQ(Edit("Mxy_Edit")->isEnabled(), row.n != 7);
        EXPECT_EQ(Find<QLabel>(page.get(), "Md_Label")->text(), row.dLabel);
    }
    // The columns of the report line up: every character it writes is as wide as the others. (Not
    // QFontInfo::fixedPitch, which some monospaced fonts such as Noto Sans Mono do not claim.)
    const QFontMetrics metrics(page->ReportFont());
    for (const QChar c : QStringLiteral("iM0 -,;|"))
        EXPECT_EQ(metrics.horizontalAdvance(c), metrics.horizontalAdvance(QLatin1Char('x'))) << c.toLatin1();
}

struct OperationCase {
    int n;
    const char* d;
    QStringList resultCells;
    QStringList result;
    QStringList memo;
};

// A has the integer inverse ((1,0,-1), (0,1,0), (-1,0,2)) and determinant 1.
TEST_F(MatrixPageTest, EachOperationWritesItsResultAndItsEquation) {
    const OperationCase cases[] = {
        {0,
         "2",
         kC,
         {"3", "2", "4", "4", "6", "6", "8", "8", "10"},
         {R"(      /2 0 1\ /1 2 3\ /3 2 4 \)", "A+B = |0 1 0|+|4 5 6|=|4 6 6 |",
          R"(      \1 0 1/ \7 8 9/ \8 8 10/)"}},
        {1,
         "2",
         kC,
         {"1", "-2", "-2", "-4", "-4", "-6", "-6", "-8", "-8"},
         {R"(      /2 0 1\ /1 2 3\ /1  -2 -2\)", "A-B = |0 1 0|-|4 5 6|=|-4 -4 -6|",
          R"(      \1 0 1/ \7 8 9/ \-6 -8 -8/)"}},
        {2,
         "2",
         kC,
         {"9", "12", "15", "4", "5", "6", "8", "10", "12"},
         {R"(      /2 0 1\ /1 2 3\ /9 12 15\)", "A*B = |0 1 0|*|4 5 6|=|4 5  6 |",
          R"(      \1 0 1/ \7 8 9/ \8 10 12/)"}},
        {3,
         "2",
         kC,
         {"4", "0", "2", "0", "2", "0", "2", "0", "2"},
         {R"(        /2 0 1\   /4 0 2\)", "d*A = 2*|0 1 0| = |0 2 0|", R"(        \1 0 1/   \2 0 2/)"}},
        {4,
         "2",
         kC,
         {"1", "0", "0,5", "0", "0,5", "0", "0,5", "0", "0,5"},
         {R"(      /2 0 1\  /    /1   0   0,5\)", "A/d = |0 1 0| / 2 = |0   0,5 0  |",
          R"(      \1 0 1//      \0,5 0   0,5/)"}},
        {5,
         "2",
         kC,
         {"1", "0", "-1", "0", "1", "0", "-1", "0", "2"},
         {R"(  -1  /2 0 1\-1  /1  0 -1\)", "(A) = |0 1 0|  = |0  1 0 |", R"(      \1 0 1/    \-1 0 2 /)"}},
        {6,
         "2",
         kB,
         {"2", "0", "2"},
         {R"(      /2 0 1\ /0\   /2\)", "A*x = |0 1 0|*|0| = |0|", R"(      \1 0 1/ \2/   \2/)"}},
        {7,
         "2",
         kX,
         {"0", "0", "2"},
         {R"(       /2 0 1\    /2\       /0\)", "A*x=b: |0 1 0|*x= |0| --> x=|0|",
          R"(       \1 0 1/    \2/       \2/)"}},
        // About the axis (0, 0, 2) by pi/3: cos 0,5 and sin 0,86603.
        {8,
         "pi/3",
         kC,
         {"0,5", "-0,86603", "0", "0,86603", "0,5", "0", "0", "0", "1"},
         {R"(  /0\                    /0,5     -0,86603 0\)", "x=|0|; alpha=1,0472  --> |0,86603 0,5      0|",
          R"(  \2/                    \0       0        1/)"}},
        {9, "2", {"Md_Edit"}, {"1"}, {"        |2 0 1|", "det(A)= |0 1 0|  = 1", "        |1 0 1|"}},
    };
    TypeMatrix('A', {"2", "0", "1", "0", "1", "0", "1", "0", "1"});
    TypeMatrix('B', {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    Type("Mxx_Edit", "0");
    Type("Mxy_Edit", "0");
    Type("Mxz_Edit", "2");
    Type("Mbx_Edit", "2");
    Type("Mbz_Edit", "2");
    for (const OperationCase& row : cases) {
        SCOPED_TRACE(row.n);
        Select(row.n);
        Type("Md_Edit", row.d);
        Click("M_Calc_Button");
        ExpectNoErrors();
        EXPECT_EQ(Texts(row.resultCells), row.result);
        EXPECT_EQ(Memo(), Lines(row.memo));
    }
}

TEST_F(MatrixPageTest, SingularMatrixIsReportedAndTheFallbackWritten) {
    TypeMatrix('A', {"1", "2", "3", "1", "2", "3", "1", "2", "3"});
    Select(5);
    Click("M_Calc_Button");
    EXPECT_EQ(Matrix('C'), Matrix('A'));
    EXPECT_EQ(Memo(), Lines({"", " ist nicht invertierbar.", ""}));

    LangIndex = 1000;
    Matrix_Clear = false;
    for (const QString& name : kB)
        Type(name, "1");
    Select(7);
    Click("M_Calc_Button");
    EXPECT_EQ(Texts(kX), QStringList({"6", "6", "6"})); // A itself times b
    EXPECT_EQ(Memo(), Lines({"", " ist nicht invertierbar.", "", QString(52, QLatin1Char('-')), "",
                             " can not be inverted.", ""}));

    // A/0 leaves A in C.
    Select(4);
    Matrix_Clear = true;
    Type("Md_Edit", "0");
    TypeMatrix('C', {"9", "9", "9", "9", "9", "9", "9", "9", "9"});
    Click("M_Calc_Button");
    EXPECT_EQ(Matrix('C'), Matrix('A'));
    ExpectNoErrors();
}

struct InfoCase {
    const char* name;
    char m;
    int lang;
    QStringList matrix;
    QStringList report;
};

TEST_F(MatrixPageTest, InfoReportNamesTheMatrixProperties) {
    const InfoCase cases[] = {
        {"identity",
         'A',
         0,
         {"1", "0", "0", "0", "1", "0", "0", "0", "1"},
         {R"(    /1 0 0\)", "A = |0 1 0|", R"(    \0 0 1/)", R"(  -1  /1 0 0\)", "(A) = |0 1 0|",
          R"(      \0 0 1/)", "Det A = 1", "Spur A = 3", "A ist Einheitsmatrix.",
          "Drehmatrix: alpha=0; (0 ;0 ;0)", "char. Polynom: -k*k*k+3 k*k-3 k+1=0"}},
        {"zero",
         'B',
         1000,
         {"0", "0", "0", "0", "0", "0", "0", "0", "0"},
         {R"(    /0 0 0\)", "B = |0 0 0|", R"(    \0 0 0/)", "B can not be inverted.", "Det B = 0",
          "Trace B = 0"}},
        {"quarter turn",
         'C',
         0,
         {"0", "-1", "0", "1", "0", "0", "0", "0", "1"},
         {R"(    /0 -1 0\)", "C = |1 0  0|", R"(    \0 0  1/)", R"(  -1  /0  1 0\)", "(C) = |-1 0 0|",
          R"(      \0  0 1/)", "Det C = 1", "Spur C = 1", "C ist Drehmatrix (det C = 1; C ist orthogonal.)",
          "Drehmatrix: alpha=1,5708; (0 ;0 ;1)", "char. Polynom: -k*k*k+1 k*k-1 k+1=0"}},
        // Determinant 1 but not orthogonal: no rotation line.
        {"symmetric",
         'A',
         0,
         {"2", "1", "0", "1", "1", "0", "0", "0", "1"},
         {R"(    /2 1 0\)", "A = |1 1 0|", R"(    \0 0 1/)", R"(  -1  /1  -1 0\)", "(A) = |-1 2  0|",
          R"(      \0  0  1/)", "Det A = 1", "Spur A = 4", "A ist symetrisch.",
          "char. Polynom: -k*k*k+4 k*k-4 k+1=0"}},
        {"singular symmetric",
         'B',
         0,
         {"1", "1", "0", "1", "1", "0", "0", "0", "0"},
         {R"(    /1 1 0\)", "B = |1 1 0|", R"(    \0 0 0/)", "B ist nicht invertierbar.", "Det B = 0",
          "Spur B = 2", "char. Polynom: -k*k*k+2 k*k=0"}},
    };
    for (const InfoCase& row : cases) {
        SCOPED_TRACE(row.name);
        LangIndex = row.lang;
        TypeMatrix(row.m, row.matrix);
        Click(QStringLiteral("MInfo%1_Button").arg(row.m).toLatin1().constData());
        ExpectNoErrors();
        EXPECT_EQ(Memo(), Lines(row.report));
    }
}

TEST_F(MatrixPageTest, SeparatorOnlyBetweenReports) {
    const struct {
        bool clear, line;
        QStringList expected; // after the second calculation, the first three lines left out
    } cases[] = {{true, true, {}}, {false, true, {std::string(52, '-').c_str()}}, {false, false, {" "}}};
    Select(9);
    for (const auto& row : cases) {
        SCOPED_TRACE(row.expected.join("").toStdString());
        Matrix_Clear = true;
        Click("M_Calc_Button"); // leaves three lines
        Matrix_Clear = row.clear;
        Matrix_Trennstrich = row.line;
        Click("M_Calc_Button");
        QStringList rest = page->ReportLines();
        ASSERT_GE(rest.size(), 3);
        if (!row.clear) rest = rest.mid(3);
        ASSERT_EQ(rest.size(), row.expected.size() + 3);
        EXPECT_EQ(rest.mid(0, row.expected.size()), row.expected);
        EXPECT_EQ(rest.back(), "        |0 0 0|");
    }
    // A memo of one line gets no separator.
    auto* memo = Find<QPlainTextEdit>(page.get(), "Matrix_Memo");
    memo->clear();
    QTest::keyClicks(memo, "note");
    Matrix_Clear = false;
    Click("MInfoA_Button");
    EXPECT_EQ(Lines(page->ReportLines().mid(0, 2)), Lines({"note", R"(    /0 0 0\)"}));
}

TEST_F(MatrixPageTest, CellThatDoesNotEvaluateStopsBeforeTheMemo) {
    Select(0);
    TypeMatrix('A', {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    Click("M_Calc_Button");
    const std::string memo = Memo();
    const QStringList c = Matrix('C');
    Type("MA22_Edit", "2*");
    Type("MB33_Edit", "1");
    Click("M_Calc_Button");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(Memo(), memo);
    EXPECT_EQ(Matrix('C'), c);

    Type("MA22_Edit", "sqrt(25)");
    Click("M_Calc_Button");
    EXPECT_EQ(Matrix('C'), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "10"}));
}

TEST_F(MatrixPageTest, CopiesTakeChangedCellsAsPlainNumbers) {
    TypeMatrix('A', {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    Click("MAB_Copy_Button");
    EXPECT_EQ(Matrix('B'), Matrix('A'));

    // A formula is no plain number: the copy stops and B keeps its cells.
    Type("MA12_Edit", "2*3");
    Click("MAB_Copy_Button");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.front(), "'2*3' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(Edit("MB12_Edit")->text(), "2");
    // Once the calculation has read it, the cell is no longer changed and copies as its value.
    Select(0);
    Click("M_Calc_Button");
    Click("MAB_Copy_Button");
    EXPECT_EQ(Edit("MB12_Edit")->text(), "6");

    Type("MB11_Edit", "-1,5");
    Click("MBA_Copy_Button");
    EXPECT_EQ(Edit("MA11_Edit")->text(), "-1,5");
    Click("M_Calc_Button");
    Click("MCA_Copy_Button");
    EXPECT_EQ(Matrix('A'), QStringList({"-3", "12", "6", "8", "10", "12", "14", "16", "18"}));
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(MatrixPageTest, TransposesShowTheTransposedCells) {
    TypeMatrix('A', {"1", "1/3", "3", "4", "5", "6", "7", "8", "9"});
    Click("MTransA_Button");
    EXPECT_EQ(Matrix('A'), QStringList({"1", "4", "7", "0,33333", "5", "8", "3", "6", "9"}));
    // A takes the transposed values from its cells: the third of A21 is its five digits now.
    Select(3);
    Type("Md_Edit", "3");
    Click("M_Calc_Button");
    EXPECT_EQ(Edit("MC21_Edit")->text(), "0,99999");

    TypeMatrix('B', {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    Click("MTransB_Button");
    EXPECT_EQ(Matrix('B'), QStringList({"1", "4", "7", "2", "5", "8", "3", "6", "9"}));
    Click("MTransB_Button");
    EXPECT_EQ(Matrix('B'), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    ExpectNoErrors();
}

TEST_F(MatrixPageTest, ResetsToZeroAndToIdentity) {
    const struct {
        const char* button;
        QString diagonal, vector;
    } cases[] = {{"ME_Button", "1", "1"}, {"MClear_Button", "0", "0"}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.button);
        TypeMatrix('A', {"5", "5", "5", "5", "5", "5", "5", "5", "5"});
        TypeMatrix('C', {"5", "5", "5", "5", "5", "5", "5", "5", "5"});
        Type("Mxy_Edit", "7");
        Type("Md_Edit", "7");
        Click(row.button);
        const QString& i = row.diagonal;
        for (char m : {'A', 'B', 'C'})
            EXPECT_EQ(Matrix(m), QStringList({i, "0", "0", "0", i, "0", "0", "0", i})) << m;
        EXPECT_EQ(Texts(kX + kB + QStringList{"Md_Edit"}), QStringList(7, row.vector));
    }
    ExpectNoErrors();
}

TEST_F(MatrixPageTest, ArrowKeysFollowTheLayout) {
    const struct {
        int n;
        const char* from;
        Qt::Key key;
        const char* to;
    } cases[] = {
        {0, "MA11_Edit", Qt::Key_Left, "MB13_Edit"},  {0, "MB23_Edit", Qt::Key_Right, "MA21_Edit"},
        {0, "MA12_Edit", Qt::Key_Up, "MA32_Edit"},    {0, "MB31_Edit", Qt::Key_Down, "MC11_Edit"},
        {0, "MC12_Edit", Qt::Key_Up, "MB32_Edit"},    {3, "MA21_Edit", Qt::Key_Left, "Md_Edit"},
        {3, "MA13_Edit", Qt::Key_Up, "MC33_Edit"},    {3, "MC31_Edit", Qt::Key_Down, "MA11_Edit"},
        {3, "Md_Edit", Qt::Key_Right, "MA21_Edit"},   {5, "MA21_Edit", Qt::Key_Left, "MA23_Edit"},
        {5, "MC13_Edit", Qt::Key_Right, "MC11_Edit"}, {5, "MC33_Edit", Qt::Key_Down, "MC13_Edit"},
        {6, "MA23_Edit", Qt::Key_Right, "Mxy_Edit"},  {6, "Mxz_Edit", Qt::Key_Down, "Mxx_Edit"},
        {6, "Mxy_Edit", Qt::Key_Left, "MA23_Edit"},   {7, "MA31_Edit", Qt::Key_Left, "Mbz_Edit"},
        {7, "Mbx_Edit", Qt::Key_Up, "Mbz_Edit"},      {8, "Mxx_Edit", Qt::Key_Left, "Mxx_Edit"},
        {8, "Mxx_Edit", Qt::Key_Up, "Mxz_Edit"},      {8, "Md_Edit", Qt::Key_Down, "Md_Edit"},
        {9, "MA22_Edit", Qt::Key_Down, "MA32_Edit"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.from) + " in " + std::to_string(row.n));
        Select(row.n);
        QLineEdit* from = Edit(row.from);
        from->setFocus();
        ASSERT_TRUE(from->hasFocus());
        QTest::keyClick(from, row.key);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), row.to);
    }
}

TEST_F(MatrixPageTest, SettingsRoundTrip) {
    WriteSettingsFile("[Matrix]\nm_Status=6\nMxx.x=0,5\nMbb.z=-2\n[MatrixA]\nMA[2,3]=1,25\n"
                      "[MatrixB]\nMB[3,1]=4\n[MatrixC]\nMC[1,1]=9\n");
    IniFile ini;
    ASSERT_TRUE(ini.Load(SettingsPath().toStdString()));
    page->ReadSettings(ini);
    page->StartUp();
    EXPECT_EQ(page->CurrentOperation(), 6);
    EXPECT_TRUE(Find<QToolButton>(page.get(), "MToolButton6")->isChecked());
    EXPECT_EQ(Edit("MA23_Edit")->text(), "1,25");
    EXPECT_EQ(Edit("MB31_Edit")->text(), "4");
    EXPECT_EQ(Edit("MC11_Edit")->text(), "0"); // C is never read back
    EXPECT_EQ(Texts(kX + kB + QStringList{"Md_Edit"}), QStringList({"0,5", "0", "0", "0", "0", "-2", "1"}));

    Type("MC11_Edit", "1/4");
    Type("Mxz_Edit", "2*pi");
    Type("MB31_Edit", "-1");
    IniFile out;
    page->WriteSettings(out);
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } stored[] = {{"Matrix", "m_Status", "6"},  {"MatrixA", "MA[2,3]", "1,25"},
                  {"MatrixB", "MB[3,1]", "-1"}, {"MatrixC", "MC[1,1]", "0,25"},
                  {"MatrixC", "MC[3,3]", "0"},  {"Matrix", "Mxx.z", "6,28318530717959"},
                  {"Matrix", "Mbb.z", "-2"},    {"Matrix", "Mdd", "1"}};
    for (const auto& s : stored)
        EXPECT_EQ(out.ReadString(s.section, s.key, "missing"), s.value) << s.key;

    // A cell that does not evaluate stops the writing after the operation number.
    Type("MA11_Edit", "(");
    IniFile broken;
    EXPECT_ANY_THROW(page->WriteSettings(broken));
    EXPECT_EQ(broken.ReadString("Matrix", "m_Status", ""), "6");
    EXPECT_FALSE(broken.Value("MatrixA", "MA[1,1]"));

    // An operation number that names no button selects the first.
    IniFile foreign;
    foreign.Parse("[Matrix]\nm_Status=12\n");
    page->ReadSettings(foreign);
    page->StartUp();
    EXPECT_EQ(page->CurrentOperation(), 0);
}

// The option appends its lines to the report and changes nothing before them.
TEST_F(MatrixPageTest, EigenOptionAppendsEigenvaluesVectorsAndRotation) {
    const InfoCase cases[] = {
        {"diagonal",
         'A',
         0,
         {"2", "0", "0", "0", "3", "0", "0", "0", "4"},
         {"Eigenwerte: 4; 3; 2", "Eigenwert: 4: (0 ;0 ;1)", "Eigenwert: 3: (0 ;1 ;0)",
          "Eigenwert: 2: (1 ;0 ;0)"}},
        {"quarter turn",
         'B',
         0,
         {"0", "-1", "0", "1", "0", "0", "0", "0", "1"},
         {"Eigenwerte: 1; 0+1i; 0-1i", "Eigenwert: 1: (0 ;0 ;1)", "Drehachse: (0 ;0 ;1)",
          "Drehwinkel: 90\u00B0", "Einheitsquaternion: 0,70711+0i+0j+0,70711k"}},
        // 0.6 and 0.8 are not binary fractions: a rotation only within rounding, with no line of its own
        // above.
        {"rotation within rounding",
         'C',
         1000,
         {"0.6", "0", "0.8", "0", "1", "0", "-0.8", "0", "0.6"},
         {"Intrinsic values: 1; 0.6+0.8i; 0.6-0.8i", "Intrinsic value: 1: (0 ;1 ;0)",
          "Rotation axis: (0 ;1 ;0)", "Rotation angle: 53.13\u00B0",
          "Unit quaternion: 0.89443+0i+0.44721j+0k"}},
        {"defective",
         'A',
         1000,
         {"1", "1", "0", "0", "1", "0", "0", "0", "2"},
         {"Intrinsic values: 2; 1; 1", "Intrinsic value: 2: (0 ;0 ;1)", "Intrinsic value: 1: (1 ;0 ;0)"}},
        {"identity",
         'A',
         1000,
         {"1", "0", "0", "0", "1", "0", "0", "0", "1"},
         {"Intrinsic values: 1; 1; 1", "Intrinsic value: 1: (1 ;0 ;0); (0 ;1 ;0); (0 ;0 ;1)",
          "Rotation axis: (0 ;0 ;0)", "Rotation angle: 0\u00B0", "Unit quaternion: 1+0i+0j+0k"}},
        {"zero",
         'B',
         0,
         {"0", "0", "0", "0", "0", "0", "0", "0", "0"},
         {"Eigenwerte: 0; 0; 0", "Eigenwert: 0: (1 ;0 ;0); (0 ;1 ;0); (0 ;0 ;1)"}},
    };
    for (const InfoCase& row : cases) {
        SCOPED_TRACE(row.name);
        LangIndex = row.lang;
        DecimalSeparator = row.lang == 0 ? ',' : '.';
        TypeMatrix(row.m, row.matrix);
        const char* button = row.m == 'A'   ? "MInfoA_Button"
                             : row.m == 'B' ? "MInfoB_Button"
                                            : "MInfoC_Button";
        Matrix_Eigen = false;
        Click(button);
        const QStringList specified = page->ReportLines();
        Matrix_Eigen = true;
        Click(button);
        ExpectNoErrors();
        EXPECT_EQ(Memo(), Lines(specified + row.report));
    }

    std::vector<std::string> lines;
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    EigenReport(TMatrix{{1, 0, 0, 0, nan, 0, 0, 0, 1}},
                [&](const std::string& line) { lines.push_back(line); });
    EXPECT_EQ(lines, std::vector<std::string>{Text(801)});
}

} // namespace
} // namespace quillon::test
