#include "GuiTest.h"

#include "pages/ComplexPage.h"
#include "pages/GeometryPage.h"
#include "pages/MatrixPage.h"
#include "pages/QuaternionPage.h"
#include "pages/VectorPage.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

#include <string>

namespace quillon::test {
namespace {

// Type(page, "ax ay", "1 2") types 1 into ax_Edit and 2 into ay_Edit.
void Type(const QWidget* page, const QString& fields, const QString& texts) {
    const QStringList names = fields.split(QLatin1Char(' ')), values = texts.split(QLatin1Char(' '));
    for (int i = 0; i < names.size(); ++i)
        page->findChild<QLineEdit*>(names[i] + QStringLiteral("_Edit"))->setText(values.value(i));
}

// Right-clicks the field, checks that "Copy as" leads its menu and picks the form's entry; returns what
// the clipboard then holds.
std::string CopyAs(const QWidget* page, const char* field, const char* form) {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    auto* edit = page->findChild<QLineEdit*>(QLatin1String(field));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), edit->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(edit, &event);
    auto* copyAs = edit->findChild<QMenu*>(QStringLiteral("CopyAs_Menu"));
    if (!copyAs) return "no menu";
    auto* menu = qobject_cast<QMenu*>(copyAs->parent());
    EXPECT_EQ(menu->actions().value(0), copyAs->menuAction());
    copyAs->findChild<QAction*>(QStringLiteral("CopyAs%1_Action").arg(QLatin1String(form)))->trigger();
    menu->close();
    return QApplication::clipboard()->text().toStdString();
}

class VectorCopyTest : public PageTest<VectorPage> {};
class GeometryCopyTest : public PageTest<GeometryPage> {};
class MatrixCopyTest : public PageTest<MatrixPage, 613, 448> {};
class ComplexCopyTest : public PageTest<ComplexPage> {};
class QuaternionCopyTest : public PageTest<QuaternionPage, 613, 453> {};

TEST_F(VectorCopyTest, FormulasAreEvaluatedAndAnErrorCopiesNothing) {
    Type(page.get(), "ax ay az bx", "2*pi -1,5 1E-30 2*");
    EXPECT_EQ(CopyAs(page.get(), "ay_Edit", "NumPy"), "np.array([6.2832, -1.5, 1e-30])");
    EXPECT_EQ(CopyAs(page.get(), "az_Edit", "PlainText"), "6,2832\n-1,5\n1E-30");
    EXPECT_EQ(CopyAs(page.get(), "bz_Edit", "LaTeX"), "before");
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(GeometryCopyTest, APointFormColumnIsCopiedAsThePointItShows) {
    page->findChild<QComboBox*>(QStringLiteral("PLE_L1_ComboBox"))->setCurrentIndex(1); // a line
    auto* forms = page->findChild<QWidget*>(QStringLiteral("PLE_PaPu_RadioGroup"));
    forms->findChildren<QRadioButton*>()[1]->click(); // in point form
    Type(page.get(), "PLE_a1x PLE_a1y PLE_a1z PLE_b1x PLE_b1y PLE_b1z", "1 2 3 4 -5 6/4");
    EXPECT_EQ(CopyAs(page.get(), "PLE_b1y_Edit", "Octave"), "[4; -5; 1.5]");
    EXPECT_EQ(CopyAs(page.get(), "PLE_a1x_Edit", "Octave"), "[1; 2; 3]");
}

TEST_F(MatrixCopyTest, OneMatrixIsReadAndTheOtherBlocksAreLeftAlone) {
    Type(page.get(), "MA11 MA12 MA13 MA21 MA22 MA23 MA31 MA32 MA33 MB11 Mby",
         "1 2 3 4 5 6 7 2^3 -9 abc 0,25");
    EXPECT_EQ(CopyAs(page.get(), "MA22_Edit", "LaTeX"),
              "\\begin{pmatrix} 1 & 2 & 3 \\\\ 4 & 5 & 6 \\\\ 7 & 8 & -9 \\end{pmatrix}");
    EXPECT_EQ(CopyAs(page.get(), "Mbz_Edit", "PlainText"), "0\n0,25\n0");
    // The solution x of A*x = b is shown in disabled cells.
    page->findChild<QToolButton*>(QStringLiteral("MToolButton7"))->click();
    Type(page.get(), "Mxy", "3");
    EXPECT_EQ(CopyAs(page.get(), "Mxz_Edit", "Octave"), "[0; 3; 0]");
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ComplexCopyTest, TheNumberFromAPolarField) {
    Type(page.get(), "CZ2Re CZ2Im", "3 -4");
    EXPECT_EQ(CopyAs(page.get(), "CZ2Phi_Edit", "NumPy"), "3 - 4j");
    EXPECT_EQ(CopyAs(page.get(), "CZ2r_Edit", "PlainText"), "3\t-4");
}

TEST_F(QuaternionCopyTest, TheQuaternionFromADerivedField) {
    Type(page.get(), "Q3Re Q3i Q3k", "1 -2 1E300");
    EXPECT_EQ(CopyAs(page.get(), "Q3Betrag_Edit", "Octave"), "[1 -2 0 1e300]");
    EXPECT_EQ(CopyAs(page.get(), "Q3j_Edit", "LaTeX"), "1 - 2i + 0j + 1e300k");
}

} // namespace
} // namespace quillon::test
