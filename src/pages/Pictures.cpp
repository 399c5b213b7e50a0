#include "pages/Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

// Q_INIT_RESOURCE declares a function of the global namespace, so it cannot be used inside ours.
static void InitQuillonResources() {
    Q_INIT_RESOURCE(quillon);
}

namespace quillon {

void InitResources() {
    static const bool done = (InitQuillonResources(), true);
    (void)done;
}

namespace {

// The pictures' ink is a dark blue that suits a light window. Under a dark colour scheme it would vanish,
// so there the ink takes the palette's text colour; coloured marks keep their colours.
QByteArray InkedSvg(const QString& name) {
    QFile file(QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray svg = file.readAll();
    const QColor text = QGuiApplication::palette().color(QPalette::WindowText);
    if (text.lightness() < 128) return svg;
    const QByteArray ink = text.name().toLatin1();
    for (const char* dark : {"#202060", "#202020", "#404040"})
        svg.replace(dark, ink);
    return svg;
}

} // namespace

QPixmap ResourcePixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    InitResources();
    QSvgRenderer renderer(InkedSvg(name));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QLabel* MakePicture(QWidget* parent, const char* objectName, const QString& resource, const QRect& rect) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setGeometry(rect);
    label->setPixmap(ResourcePixmap(resource, rect.size(), parent->devicePixelRatioF()));
    return label;
}

} // namespace quillon
