#include "pages/GuiTest.h"

#include "app/MainForm.h"
#include "app/SketchForm.h"
#include "pages/CalcPage.h"
#include "text/AllText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace quillon::test {
namespace {

constexpr SketchColour Red{255, 0, 0};

SketchScene OnePoint() {
    SketchScene scene;
    scene.points.push_back({{1, 2, 3}, Red, {}});
    return scene;
}

class SketchFormTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TSketchForm>();
        form->resize(420, 360);
        form->show();
        form->ShowScene(OnePoint(), TSketchForm::NothingToSketchText);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    QString Path(const QString& name) const { return folder.filePath(name); }

    std::unique_ptr<TSketchForm> form;
    QTemporaryDir folder;
};

TEST_F(SketchFormTest, PaintsAPointInItsColourOverTheBackground) {
    const QSize size = form->Canvas()->size();
    const QImage image = form->Picture(1);
    ASSERT_EQ(image.size(), size);
    const SketchModel& model = form->Canvas()->Model();
    ASSERT_EQ(model.dots.size(), 1u);
    const P2 at = Projector(SketchView{}, size.width(), size.height()).Screen(model.dots[0].p);
    EXPECT_EQ(image.pixelColor(int(at.x), int(at.y)), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(size.width() - 3, size.height() - 3), QColor(255, 255, 255));

    form->ShowScene({}, TSketchForm::NothingToSketchText);
    EXPECT_FALSE(form->Canvas()->HasModel()) << "an empty scene shows the note";
}

TEST_F(SketchFormTest, ExportsEachFormatThatReadsBack) {
    const QSize size = form->Canvas()->size();
    ASSERT_EQ(form->WritePicture(Path("a.png")), QString());
    EXPECT_EQ(QImage(Path("a.png")).size(), size * 2) << "twice the screen resolution";

    ASSERT_EQ(form->WritePicture(Path("a.SVG")), QString());
    QSvgRenderer svg(Path("a.SVG"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox().size(), size);

    ASSERT_EQ(form->WritePicture(Path("a.pdf")), QString());
    QFile pdf(Path("a.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    const QByteArray mediaBox =
        QByteArray("/MediaBox [0 0 ") + QByteArray::number(size.width() * 0.75, 'f', 6);
    EXPECT_TRUE(bytes.contains(mediaBox)) << "one page of the picture's size";

    EXPECT_EQ(form->WritePicture(Path("a.bmp")), Tx(768));
    EXPECT_FALSE(QFile::exists(Path("a.bmp")));
    EXPECT_NE(form->WritePicture(Path("missing/a.png")), QString());
}

TEST_F(SketchFormTest, SavesThroughTheDialogAndCopies) {
    bool shown = false;
    QObject context;
    QTimer::singleShot(0, &context, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        shown = dialog->objectName() == "SketchSaveDialog";
        dialog->setDirectory(folder.path());
        dialog->selectNameFilter(QStringLiteral("SVG (*.svg)"));
        emit dialog->filterSelected(QStringLiteral("SVG (*.svg)"));
        dialog->selectFile(QStringLiteral("sketch"));
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible()) dialog->reject();
    });
    Find<QPushButton>(form.get(), "SketchSave_Button")->click();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(QSvgRenderer(Path("sketch.svg")).isValid()) << "the chosen type's suffix is added";
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    Find<QPushButton>(form.get(), "SketchCopy_Button")->click();
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(SketchFormTest, DragWheelAndKeysTurnZoomAndReset) {
    SketchCanvas* canvas = form->Canvas();
    const SketchView start;
    const double degree = Pi / 180;
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(canvas, QPoint(120, 110));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(120, 110));
    EXPECT_NEAR(canvas->View().yaw, start.yaw - 10 * degree, 1e-9) << "half a degree per pixel";
    EXPECT_NEAR(canvas->View().tilt, start.tilt + 5 * degree, 1e-9);

    QTest::keyClick(canvas, Qt::Key_Home);
    QTest::keyClick(canvas, Qt::Key_Left);
    QTest::keyClick(canvas, Qt::Key_Up);
    EXPECT_NEAR(canvas->View().yaw, start.yaw + 5 * degree, 1e-9);
    EXPECT_NEAR(canvas->View().tilt, start.tilt + 5 * degree, 1e-9);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(canvas, Qt::Key_Up);
    EXPECT_NEAR(canvas->View().tilt, 89 * degree, 1e-9) << "never upside down";

    QWheelEvent wheel(QPointF(50, 50), canvas->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    EXPECT_NEAR(canvas->View().zoom, 1.15 * 1.15, 1e-9);
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(canvas->View().zoom, 1);
    EXPECT_EQ(canvas->View().yaw, start.yaw);
}

// The menu item, the shown page and the settings section, in the main window.
class SketchWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteSettingsFile("[Main]\nFirstStart=0\n");
    }
    static TSketchForm* Sketch(const TCalcForm& window) { return window.findChild<TSketchForm*>(); }
    static QByteArray FileText(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(SketchWindowTest, OpensFromTheViewMenuAndFollowsTheShownPage) {
    auto window = std::make_unique<TCalcForm>(SettingsPath());
    window->show();
    EXPECT_EQ(Sketch(*window), nullptr) << "nothing of the sketch is built at start";
    auto* item = Find<QAction>(window.get(), "Sketch_Item");
    EXPECT_EQ(Plain(item->text()), Tx(761));
    EXPECT_EQ(Plain(Find<QMenu>(window.get(), "View_Menu")->title()), Tx(760));

    item->trigger();
    TSketchForm* sketch = Sketch(*window);
    ASSERT_NE(sketch, nullptr);
    EXPECT_TRUE(sketch->isVisible());
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(sketch->windowTitle(), Tx(762));
    EXPECT_TRUE(sketch->Canvas()->HasModel()) << "the vector page's a and b";

    auto* tabs = Find<QTabWidget>(window.get(), "Tessaly_PageControl");
    tabs->setCurrentIndex(3);
    EXPECT_FALSE(sketch->Canvas()->HasModel()) << "the matrix page has nothing to sketch";
    tabs->setCurrentIndex(1);
    Find<QPushButton>(window.get(), "PLE_Calc_Button")->click();
    EXPECT_TRUE(sketch->Canvas()->HasModel());
    // Points whose distance overflows: the report ends in its error, the sketch in a note.
    Find<QLineEdit>(window.get(), "PLE_a1x_Edit")->setText(QStringLiteral("1e4000"));
    Find<QLineEdit>(window.get(), "PLE_a2x_Edit")->setText(QStringLiteral("-1e4000"));
    Find<QPushButton>(window.get(), "PLE_Calc_Button")->click();
    EXPECT_EQ(errors.size(), 1);
    tabs->setCurrentIndex(0);
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(sketch->Canvas()->HasModel());
    EXPECT_EQ(errors.size(), 1) << "the sketch reports nothing";

    sketch->close();
    EXPECT_FALSE(item->isChecked()) << "the close box unticks the item";
    window->close();
    EXPECT_TRUE(FileText(SettingsPath()).contains("[Sketch]\nOpen=0\n"));
}

TEST_F(SketchWindowTest, ReopensWhereItWasAndLeavesTheFileAloneWhenNeverOpened) {
    {
        auto window = std::make_unique<TCalcForm>(SettingsPath());
        window->show();
        window->close();
    }
    EXPECT_FALSE(FileText(SettingsPath()).contains("Sketch")) << "a session without the sketch adds nothing";

    QRect place;
    {
        auto window = std::make_unique<TCalcForm>(SettingsPath());
        window->show();
        Find<QAction>(window.get(), "Sketch_Item")->trigger();
        Sketch(*window)->setGeometry(120, 90, 480, 400);
        place = Sketch(*window)->geometry();
        window->close();
        EXPECT_FALSE(Sketch(*window)->isVisible()) << "it closes with the main window";
    }
    EXPECT_TRUE(FileText(SettingsPath()).contains("[Sketch]\nOpen=1\n"));

    auto window = std::make_unique<TCalcForm>(SettingsPath());
    EXPECT_EQ(Sketch(*window), nullptr) << "built when the window shows, not before";
    window->show();
    ASSERT_NE(Sketch(*window), nullptr);
    EXPECT_TRUE(Sketch(*window)->isVisible());
    EXPECT_EQ(Sketch(*window)->geometry(), place);
    EXPECT_TRUE(Find<QAction>(window.get(), "Sketch_Item")->isChecked());
}

} // namespace
} // namespace quillon::test
