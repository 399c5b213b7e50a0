#include "pages/Pictures.h"

#include <QLabel>
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

QPixmap ResourcePixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    InitResources();
    QSvgRenderer renderer(QStringLiteral(":/") + name);
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
