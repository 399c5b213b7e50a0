// Copies SVG pictures into a folder with every <text> element replaced by the outlines of its glyphs.
// The program draws its pictures with Qt's SVG renderer, which lays text out glyph by glyph through a
// 100-pixel font and loads a font engine for every size and style. Outlines drawn once here cost the
// program a path fill instead, and a picture looks the same whatever fonts the user's machine has.
// The outlines are what Qt's renderer itself would draw: each text element is rendered into a paint
// engine that records the filled paths. Other elements are copied unchanged.
// Each outlined picture is also drawn as the program would draw it, at its own size at 1x and 2x or at
// the pixel sizes given after the file name, into images/NAME@WIDTHxHEIGHT: the width and the height
// as two native 32-bit numbers, then the premultiplied ARGB32 pixels row by row. The program takes
// those for a picture of that many pixels and so needs no SVG parsing at start-up. The resource list
// is copied with these files added.
// Usage: OutlineText TARGET_FOLDER SOURCE.qrc SOURCE.svg[=WxH,WxH...]...
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// Records what is filled, in the device's coordinates; text reaches it as filled glyph outlines
// because the base engine's drawTextItem turns glyphs into paths.
class RecordingEngine final : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform) transform_ = state.transform();
    }
    void drawPath(const QPainterPath& path) override {
        QPainterPath mapped = transform_.map(path);
        mapped.setFillRule(path.fillRule());
        recorded.addPath(mapped);
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { unexpected = true; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { unexpected = true; }
    Type type() const override { return User; }

    QPainterPath recorded;
    bool unexpected = false;

private:
    QTransform transform_;
};

class RecordingDevice final : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSize size_;
};

QByteArray Number(qreal v) {
    // Hundredths of a pixel are far below what any screen shows of a glyph's edge.
    QByteArray text = QByteArray::number(std::round(v * 100) / 100, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray PathData(const QPainterPath& path) {
    QByteArray d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (!d.isEmpty()) d += "Z";
            d += "M" + Number(e.x) + ' ' + Number(e.y);
        } else if (e.isLineTo()) {
            d += "L" + Number(e.x) + ' ' + Number(e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            d += "C" + Number(e.x) + ' ' + Number(e.y) + ' ' + Number(c2.x) + ' ' + Number(c2.y) + ' ' +
                 Number(end.x) + ' ' + Number(end.y);
            i += 2;
        }
    }
    if (!d.isEmpty()) d += "Z";
    return d;
}

// The outline of one text element of a picture whose root element is `root`, or false where Qt draws
// it otherwise than by filling glyph paths.
bool Outline(const QByteArray& root, const QByteArray& element, QSize size, QPainterPath& outline) {
    QSvgRenderer renderer(root + '\n' + element + "\n</svg>\n");
    if (!renderer.isValid()) return false;
    RecordingDevice device(size);
    {
        QPainter painter(&device);
        renderer.render(&painter);
    }
    outline = device.engine.recorded;
    return !device.engine.unexpected && !outline.isEmpty();
}

// Writes the picture drawn at `size` pixels and adds its entry to the resource list.
bool WriteDrawn(QSvgRenderer& renderer, const QDir& target, const QString& name, QSize size,
                QString& entries) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    const std::uint32_t header[2] = {std::uint32_t(image.width()), std::uint32_t(image.height())};
    QByteArray data(reinterpret_cast<const char*>(header), sizeof header);
    for (int y = 0; y < image.height(); ++y)
        data.append(reinterpret_cast<const char*>(image.constScanLine(y)), qsizetype(image.width()) * 4);
    const QString drawn = QStringLiteral("%1@%2x%3").arg(name).arg(size.width()).arg(size.height());
    QFile file(target.filePath(QStringLiteral("images/") + drawn));
    if (!renderer.isValid() || !file.open(QIODevice::WriteOnly) || file.write(data) < 0 || !file.flush()) {
        std::fprintf(stderr, "OutlineText: cannot draw %s\n", qPrintable(file.fileName()));
        return false;
    }
    entries += QStringLiteral("    <file alias=\"%1\">images/%1</file>\n").arg(drawn);
    return true;
}

bool Convert(const QString& source, const QList<QSize>& sizes, const QDir& target, QString& entries) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "OutlineText: cannot read %s\n", qPrintable(source));
        return false;
    }
    const QByteArray svg = in.readAll();
    const QSize size = QSvgRenderer(svg).defaultSize();
    static const QRegularExpression rootPattern(QStringLiteral("<svg[^>]*>"));
    static const QRegularExpression textPattern(QStringLiteral("<text\\b[^>]*>[^<]*</text>"));
    static const QRegularExpression fillPattern(QStringLiteral("\\bfill=\"[^\"]*\""));
    const QString text = QString::fromUtf8(svg);
    const QRegularExpressionMatch root = rootPattern.match(text);
    if (!root.hasMatch() || size.isEmpty()) {
        std::fprintf(stderr, "OutlineText: %s is not an SVG picture with a size\n", qPrintable(source));
        return false;
    }

    QString out;
    qsizetype copied = 0;
    for (auto it = textPattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QPainterPath outline;
        if (!Outline(root.captured().toUtf8(), m.captured().toUtf8(), size, outline)) {
            std::fprintf(stderr, "OutlineText: %s: cannot outline %s\n", qPrintable(source),
                         qPrintable(m.captured()));
            return false;
        }
        const QString fill = fillPattern.match(m.captured()).captured();
        out += text.mid(copied, m.capturedStart() - copied);
        out += QStringLiteral("<path ") + (fill.isEmpty() ? QString() : fill + QLatin1Char(' ')) +
               QStringLiteral("d=\"") + QString::fromLatin1(PathData(outline)) + QStringLiteral("\"/>");
        copied = m.capturedEnd();
    }
    out += text.mid(copied);

    QFile file(target.filePath(QStringLiteral("images/") + QFileInfo(source).fileName()));
    if (!file.open(QIODevice::WriteOnly) || file.write(out.toUtf8()) < 0 || !file.flush()) {
        std::fprintf(stderr, "OutlineText: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    QSvgRenderer outlined(out.toUtf8());
    const QString name = QFileInfo(source).completeBaseName();
    for (const QSize drawn : sizes.isEmpty() ? QList<QSize>{size, size * 2} : sizes)
        if (!WriteDrawn(outlined, target, name, drawn, entries)) return false;
    return true;
}

// "SOURCE.svg" or "SOURCE.svg=16x16,32x32": the file and the pixel sizes to draw it at.
bool ReadArgument(const QString& argument, QString& source, QList<QSize>& sizes) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    source = argument.left(equals);
    if (equals < 0) return true;
    for (const QString& size : argument.mid(equals + 1).split(QLatin1Char(','))) {
        const QStringList parts = size.split(QLatin1Char('x'));
        bool wide = false, high = false;
        if (parts.size() != 2) return false;
        sizes.append(QSize(parts[0].toInt(&wide), parts[1].toInt(&high)));
        if (!wide || !high || sizes.back().isEmpty()) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TARGET_FOLDER SOURCE.qrc SOURCE.svg[=WxH,WxH...]...\n", argv[0]);
        return 2;
    }
    // Fonts need a platform; a build has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir target(QString::fromLocal8Bit(argv[1]));
    if (!target.mkpath(QStringLiteral("images"))) {
        std::fprintf(stderr, "OutlineText: cannot make %s/images\n", argv[1]);
        return 1;
    }
    QString entries;
    for (int i = 3; i < argc; ++i) {
        QString source;
        QList<QSize> sizes;
        if (!ReadArgument(QString::fromLocal8Bit(argv[i]), source, sizes)) {
            std::fprintf(stderr, "OutlineText: cannot read the sizes in %s\n", argv[i]);
            return 2;
        }
        if (!Convert(source, sizes, target, entries)) return 1;
    }

    QFile list(QString::fromLocal8Bit(argv[2]));
    QFile copy(target.filePath(QStringLiteral("quillon.qrc")));
    QString text;
    if (list.open(QIODevice::ReadOnly)) text = QString::fromUtf8(list.readAll());
    const qsizetype end = text.lastIndexOf(QStringLiteral("</qresource>"));
    if (end < 0 || !copy.open(QIODevice::WriteOnly) || copy.write(text.insert(end, entries).toUtf8()) < 0 ||
        !copy.flush()) {
        std::fprintf(stderr, "OutlineText: cannot copy the resource list %s\n", argv[2]);
        return 1;
    }
    return 0;
}
