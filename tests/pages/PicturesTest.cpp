#include "pages/Pictures.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace quillon {
namespace {

QImage Drawn(QSvgRenderer& renderer, qreal scale) {
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The program carries its pictures with the text turned into outlines at build time. Each must look
// like its source drawn with the text, at 1x and 2x: a glyph lost, moved or of another size differs
// by far more than the rounding of the outlines' coordinates.
TEST(PicturesTest, OutlinedPicturesLookLikeTheirSources) {
    InitResources();
    const QDir sources(QStringLiteral(QUILLON_PICTURE_SOURCES));
    const QStringList files = sources.entryList({QStringLiteral("*.svg")});
    ASSERT_GT(files.size(), 50);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QSvgRenderer source(sources.filePath(file));
        QSvgRenderer outlined(QStringLiteral(":/") + file.chopped(4));
        ASSERT_TRUE(source.isValid() && outlined.isValid());
        ASSERT_EQ(outlined.defaultSize(), source.defaultSize());
        for (const qreal scale : {1.0, 2.0}) {
            const QImage a = Drawn(source, scale), b = Drawn(outlined, scale);
            long long sum = 0;
            int worst = 0;
            for (int y = 0; y < a.height(); ++y) {
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                                        qAlpha(p) - qAlpha(q)}) {
                        sum += std::abs(d);
                        worst = std::max(worst, std::abs(d));
                    }
                }
            }
            EXPECT_LT(double(sum) / (4.0 * a.width() * a.height()), 0.5) << "at " << scale << "x";
            EXPECT_LE(worst, 64) << "at " << scale << "x";
            // What the build drew is what drawing the program's SVG gives, pixel for pixel.
            if (file != QStringLiteral("ProgramIcon.svg")) {
                EXPECT_EQ(PredrawnPicture(file.chopped(4), b.size()).toImage(), b) << "at " << scale << "x";
            }
        }
    }
    // The program's icon, drawn by the build at the sizes the window system asks for, as its icon
    // engine would draw it.
    QSvgRenderer icon(QStringLiteral(":/ProgramIcon"));
    for (const int side : {16, 32, 48, 64, 96, 128}) {
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            icon.render(&painter, QRectF(0, 0, side, side));
        }
        EXPECT_EQ(PredrawnPicture(QStringLiteral("ProgramIcon"), QSize(side, side)).toImage(), image) << side;
    }
    EXPECT_TRUE(PredrawnPicture(QStringLiteral("V_a"), QSize(65, 24)).isNull());
}

// Pictures are drawn when their control is first shown; what is then on the screen must be what
// drawing them at once gave, in every state of a button.
TEST(PicturesTest, DrawnOnFirstShowLikeDrawnAtOnce) {
    QWidget window;
    window.resize(300, 120);
    auto* page = new QWidget(&window);
    page->setGeometry(0, 0, 300, 120);
    page->hide();
    QLabel* label = MakePicture(page, "Picture_Image", QStringLiteral("V_a"), QRect(0, 0, 64, 24));
    SetPicture(label, QStringLiteral("V_b")); // replaces the one not yet drawn
    auto* eager = new QToolButton(page);
    auto* lazy = new QToolButton(page);
    for (QToolButton* button : {eager, lazy}) {
        button->setIconSize(QSize(65, 26));
        button->setCheckable(true);
    }
    eager->setGeometry(0, 40, 80, 34);
    lazy->setGeometry(100, 40, 80, 34);
    eager->setIcon(QIcon(ResourcePixmap(QStringLiteral("V_a"), QSize(65, 26), window.devicePixelRatioF())));
    SetPictureIcon(lazy, QStringLiteral("V_a"), QSize(65, 26));
    window.show();
    EXPECT_TRUE(label->pixmap().isNull());

    page->show();
    EXPECT_EQ(label->pixmap().toImage(),
              ResourcePixmap(QStringLiteral("V_b"), QSize(64, 24), label->devicePixelRatioF()).toImage());
    for (const bool checked : {false, true}) {
        for (const bool enabled : {true, false}) {
            SCOPED_TRACE(checked * 2 + enabled);
            for (QToolButton* button : {eager, lazy}) {
                button->setChecked(checked);
                button->setEnabled(enabled);
            }
            EXPECT_EQ(lazy->grab().toImage(), eager->grab().toImage());
            EXPECT_EQ(lazy->icon().pixmap(QSize(65, 26), QIcon::Disabled).toImage(),
                      eager->icon().pixmap(QSize(65, 26), QIcon::Disabled).toImage());
        }
    }
    // Once shown, a new picture is drawn at once.
    SetPicture(label, QStringLiteral("V_a"));
    EXPECT_EQ(label->pixmap().toImage(),
              ResourcePixmap(QStringLiteral("V_a"), QSize(64, 24), label->devicePixelRatioF()).toImage());
}

} // namespace
} // namespace quillon
