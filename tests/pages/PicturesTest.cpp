#include "pages/Pictures.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace quillon {
namespace {

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
