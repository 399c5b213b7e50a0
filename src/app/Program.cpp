#include "app/Program.h"

#include "app/Version.h"
#include "pages/Pictures.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>
#include <QSvgRenderer>

#include <memory>

namespace quillon {
namespace {

const QString kSettingsFileName = QStringLiteral("Quillon.ini");

// A QIcon made from an SVG file name would look its icon engine up among Qt's plugins at start-up, and
// a resource name without suffix would even open the MIME database to find the kind of file. This one
// knows it draws SVG and draws nothing until a size is asked for, which on X11 happens when a window
// first shows (a few sizes once, then cached for every window).
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString file) : file_(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        Renderer().render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
        const auto cached = cache_.constFind(key);
        if (cached != cache_.constEnd()) return *cached;
        if (QPixmap drawn = PredrawnPicture(QFileInfo(file_).fileName(), size); !drawn.isNull())
            return *cache_.insert(key, std::move(drawn));
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            Renderer().render(&painter, QRectF(QPointF(0, 0), size));
        }
        return *cache_.insert(key, QPixmap::fromImage(std::move(image)));
    }

    QIconEngine* clone() const override { return new SvgIconEngine(file_); }
    QString key() const override { return QStringLiteral("QuillonSvgIcon"); }
    bool isNull() override { return false; }

private:
    QSvgRenderer& Renderer() {
        if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(file_);
        return *renderer_;
    }

    QString file_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QHash<quint64, QPixmap> cache_;
};

} // namespace

QString SettingsFilePath(const QString& programFolder) {
    const QFileInfo beside(QDir(programFolder).filePath(kSettingsFileName));
    if (beside.isFile()) return beside.filePath();
    // The folder named after the program, as QStandardPaths::AppConfigLocation gives it for an
    // application called "Quillon" without an organisation, but independent of who set which name.
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // The XDG rules have a relative XDG_CONFIG_HOME ignored: it would move with the working folder.
    if (QDir::isRelativePath(config)) config = QDir::homePath() + QStringLiteral("/.config");
    return QDir(config).filePath(QStringLiteral("Quillon/") + kSettingsFileName);
}

CommandLineRequest ReadCommandLine(const QStringList& arguments) {
    if (arguments.size() <= 1) return {};
    QCommandLineParser parser;
    // "-version" and "-help" as words, so that no Qt option such as -reverse reads as letters -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A calculator for three-dimensional analytic geometry, 3x3 matrices, complex numbers "
                       "and quaternions.\nSettings file: %1")
            .arg(QDir::toNativeSeparators(SettingsFilePath(QCoreApplication::applicationDirPath()))));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);

    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) return {CommandLineRequest::Answer, parser.helpText()};
    if (parser.isSet(version))
        return {CommandLineRequest::Answer, QCoreApplication::applicationName() + QLatin1Char(' ') +
                                                QCoreApplication::applicationVersion() + QLatin1Char('\n')};
    QString problem;
    if (!parsed)
        problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        problem = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    else
        return {};
    const QString program = QFileInfo(arguments.first()).fileName();
    return {CommandLineRequest::Error,
            QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, problem)};
}

QIcon ProgramIcon() {
    InitResources();
    return QIcon(new SvgIconEngine(QStringLiteral(":/ProgramIcon")));
}

} // namespace quillon
