#include "pages/Pictures.h"

#include <QAbstractButton>
#include <QFile>
#include <QEvent>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QWidget>

#include <cstdint>
#include <cstring>

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
bool InkAsDrawn() {
    return QGuiApplication::palette().color(QPalette::WindowText).lightness() < 128;
}

QByteArray InkedSvg(const QString& name) {
    QFile file(QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray svg = file.readAll();
    if (InkAsDrawn()) return svg;
    const QByteArray ink = QGuiApplication::palette().color(QPalette::WindowText).name().toLatin1();
    for (const char* dark : {"#202060", "#202020", "#404040"})
        svg.replace(dark, ink);
    return svg;
}

} // namespace

QPixmap PredrawnPicture(const QString& name, QSize pixels) {
    InitResources();
    const QResource resource(QStringLiteral(":/%1@%2x%3").arg(name).arg(pixels.width()).arg(pixels.height()));
    if (!resource.isValid()) return {};
    const QByteArray data = resource.uncompressedData();
    std::uint32_t header[2];
    if (static_cast<std::size_t>(data.size()) < sizeof header) return {};
    std::memcpy(header, data.constData(), sizeof header);
    const std::size_t row = std::size_t{header[0]} * 4;
    if (QSize(static_cast<int>(header[0]), static_cast<int>(header[1])) != pixels ||
        static_cast<std::size_t>(data.size()) != sizeof header + row * header[1])
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    const char* pixel = data.constData() + sizeof header;
    for (int y = 0; y < pixels.height(); ++y, pixel += row)
        std::memcpy(image.scanLine(y), pixel, row);
    // As drawn, a picture without transparent pixels stays in the format with alpha.
    return QPixmap::fromImage(std::move(image), Qt::NoOpaqueDetection);
}

QPixmap ResourcePixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    InitResources();
    if (InkAsDrawn()) {
        QPixmap pixmap = PredrawnPicture(name, size * devicePixelRatio);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(devicePixelRatio);
            return pixmap;
        }
    }
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

namespace {

constexpr char PendingName[] = "quillonPendingPicture";
constexpr char PendingSize[] = "quillonPendingPictureSize";

// Drawing the pictures is most of the cost of building a page, and most pages are not shown at
// start-up. So a picture is drawn when its control is first shown (before it is first painted): a
// label's pixmap then, an icon's on first use, which its button's showing brings forward.
class DrawOnShow final : public QObject {
public:
    static DrawOnShow& Instance() {
        static DrawOnShow* const instance = new DrawOnShow;
        return *instance;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            if (auto* label = qobject_cast<QLabel*>(watched)) {
                const QString name = label->property(PendingName).toString();
                const QSize size = label->property(PendingSize).toSize();
                label->setProperty(PendingName, QVariant());
                label->setProperty(PendingSize, QVariant());
                label->setPixmap(ResourcePixmap(name, size, label->devicePixelRatioF()));
            } else if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
                (void)button->icon().pixmap(button->iconSize(), button->devicePixelRatioF());
            }
        }
        return false;
    }
};

// The icon of a pixmap, the same as QIcon(ResourcePixmap(...)) in every mode and size, its pixmap
// drawn when first asked for.
class PictureIconEngine final : public QIconEngine {
public:
    PictureIconEngine(QString name, QSize size) : name_(std::move(name)), size_(size) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    void virtual_hook(int id, void* data) override {
        if (id == QIconEngine::ScaledPixmapHook) {
            auto* argument = static_cast<QIconEngine::ScaledPixmapArgument*>(data);
            const QSize logical = (QSizeF(argument->size) / argument->scale).toSize();
            argument->pixmap = Icon().pixmap(logical, argument->scale, argument->mode, argument->state);
            return;
        }
        QIconEngine::virtual_hook(id, data);
    }
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("QuillonPicture"); }
    bool isNull() override { return false; }

private:
    const QIcon& Icon() {
        if (icon_.isNull()) icon_ = QIcon(ResourcePixmap(name_, size_, qApp->devicePixelRatio()));
        return icon_;
    }

    QString name_;
    QSize size_;
    QIcon icon_;
};

} // namespace

void SetPicture(QLabel* label, const QString& name) {
    if (label->isVisible()) {
        label->setPixmap(ResourcePixmap(name, label->size(), label->devicePixelRatioF()));
        return;
    }
    label->setProperty(PendingName, name);
    label->setProperty(PendingSize, label->size());
    label->installEventFilter(&DrawOnShow::Instance());
}

void SetPictureIcon(QAbstractButton* button, const QString& name, QSize size) {
    button->setIcon(QIcon(new PictureIconEngine(name, size)));
    if (!button->isVisible()) button->installEventFilter(&DrawOnShow::Instance());
}

QLabel* MakePicture(QWidget* parent, const char* objectName, const QString& resource, const QRect& rect) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setGeometry(rect);
    SetPicture(label, resource);
    return label;
}

} // namespace quillon
