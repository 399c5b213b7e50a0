#include "app/About.h"

#include "app/FittingText.h"
#include "app/Version.h"
#include "core/NumberFormats.h"
#include "math/Easter.h"
#include "pages/CalcPage.h"
#include "pages/ErrorDisplay.h"
#include "pages/Pictures.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <sys/sysinfo.h>

#include <stdexcept>

namespace quillon {
namespace {

// The project has no mail address or web site of its own yet: the mail button starts a new message
// with no recipient, and the web button shows the project's README, which lies in the checkout the
// program is built in (the build folder sits inside it) or, for an installed program, beside its other
// data in share/quillon. One page serves every language.
constexpr char kMailAddress[] = "mailto:";
constexpr char kWebPageFile[] = "README.md";

template <class T> T* Named(T* widget, const char* name, const QRect& rect) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

QString Message(int k) {
    return QString::fromStdString(Text(k));
}

UrlOpener& Opener() {
    static UrlOpener opener;
    return opener;
}

void Open(const QUrl& url) {
    const bool opened = Opener() ? Opener()(url) : QDesktopServices::openUrl(url);
    if (!opened)
        ShowError(Message(719)
                      .arg(url.toDisplayString()));
}

QFrame* Bevel(QWidget* parent, const char* name, int y) {
    auto* line = Named(new QFrame(parent), name, QRect(8, y, 374, 2));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

int ReadEasterYear(const QString& text) {
    bool ok = false;
    const int year = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw std::runtime_error(Message(720)
                                     .arg(text)
                                     .toStdString());
    if (year < 1 || year > 9999)
        throw std::runtime_error(Message(721)
                                     .arg(year)
                                     .toStdString());
    return year;
}

QString EasterMessage(int year, const QDate& today) {
    const EasterDate easter = GregorianEaster(year);
    const QString date = QString::number(easter.day) + QLatin1Char('.') + Tx(5 + easter.month) +
                         QLatin1Char(' ') + QString::number(year);
    // From the first moment of Easter Sunday on, Easter of that year is past.
    const bool past = today >= QDate(year, easter.month, easter.day);
    return Tx(past ? 385 : 386) + date + QLatin1Char('.');
}

std::uint64_t PhysicalMemoryKB() {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return 0;
    return (static_cast<std::uint64_t>(info.totalram) * info.mem_unit) >> 10;
}

QString MemoryText(std::uint64_t kilobytes) {
    // Exact: a kilobyte count is far below 2^64, which the extended mantissa holds.
    return QString::fromStdString(
               FormatFloat(static_cast<Extended>(kilobytes), FloatFormatKind::Number, 18, 0)) +
           QStringLiteral(" KB");
}

QUrl MailUrl() {
    return QUrl(QString::fromLatin1(kMailAddress));
}

QUrl WebPageUrl() {
    QDir dir(QCoreApplication::applicationDirPath());
    const QFileInfo installed(dir.filePath(QStringLiteral("../share/quillon/")) +
                              QLatin1String(kWebPageFile));
    if (installed.isFile()) return QUrl::fromLocalFile(installed.absoluteFilePath());
    for (int level = 0; level < 3; ++level) {
        const QFileInfo page(dir.filePath(QString::fromLatin1(kWebPageFile)));
        if (page.isFile()) return QUrl::fromLocalFile(page.absoluteFilePath());
        if (!dir.cdUp()) break;
    }
    return {};
}

void SetUrlOpener(UrlOpener opener) {
    Opener() = std::move(opener);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    InitResources();
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("Info zu Quillon"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(390, 340);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);

    Image1 = MakePicture(this, "Image1", QStringLiteral("ProgramIcon"), QRect(16, 14, 48, 48));
    Label7 = Named(new QLabel(QStringLiteral("Quillon"), this), "Label7", QRect(80, 8, 290, 38));
    QFont large = Label7->font();
    large.setPointSize(22);
    large.setBold(true);
    Label7->setFont(large);
    Version = Named(new QLabel(QStringLiteral("Version ") + QLatin1String(kVersion), this), "Version",
                    QRect(82, 46, 290, 16));

    // The translators are the project's own team until someone else translates a language.
    const QRect credit(82, 64, 296, 16);
    Label_english = Named(new QLabel(QStringLiteral("English translation by the Quillon team"), this),
                          "Label_english", credit);
    Label_spanish = Named(new QLabel(QString::fromUtf8("Traducción al español: el equipo de Quillon"), this),
                          "Label_spanish", credit);
    Label_italian = Named(new QLabel(QString::fromUtf8("Traduzione italiana: il team di Quillon"), this),
                          "Label_italian", credit);
    Label_portugese =
        Named(new QLabel(QString::fromUtf8("Tradução para o português: a equipe do Quillon"), this),
              "Label_portugese", credit);

    Bevel(this, "Bevel1", 88);
    Label2 = Named(new QLabel(this), "Label2", QRect(16, 98, 362, 17));
    Label4 = Named(new QLabel(this), "Label4", QRect(16, 124, 362, 17));
    Label5 = Named(new QLabel(this), "Label5", QRect(16, 141, 362, 17));
    Year_Edit = Named(new QLineEdit(QStringLiteral("1999"), this), "Year_Edit", QRect(16, 164, 64, 22));
    GregDate_Label = Named(new QLabel(this), "GregDate_Label", QRect(16, 194, 362, 18));
    Bevel(this, "Bevel2", 222);
    Label3 = Named(new QLabel(this), "Label3", QRect(16, 234, 200, 16));
    PhysMem = Named(new QLabel(this), "PhysMem", QRect(200, 234, 174, 16));
    PhysMem->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Mail_Button = Named(new QPushButton(QStringLiteral("Mail"), this), "Mail_Button", QRect(16, 300, 75, 25));
    WWW_Button = Named(new QPushButton(QStringLiteral("www"), this), "WWW_Button", QRect(99, 300, 75, 25));
    OK_Button = Named(new QPushButton(QStringLiteral("OK"), this), "OK_Button", QRect(299, 300, 75, 25));
    OK_Button->setDefault(true);

    // Enter in the year field computes; it must not reach the dialog, whose default button would close it.
    Year_Edit->installEventFilter(this);
    connect(OK_Button, &QPushButton::clicked, this, Guarded([this] { accept(); }));
    connect(Mail_Button, &QPushButton::clicked, this, Guarded([this] { Mail_ButtonClick(); }));
    connect(WWW_Button, &QPushButton::clicked, this, Guarded([this] { WWW_ButtonClick(); }));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

void TAboutBox::FormCreate() {
    PhysMem->setText(MemoryText(PhysicalMemoryKB()));
    SetFittingText(Label2, Tx(2));
    SetFittingText(Label4, Tx(3));
    SetFittingText(Label5, Tx(4));
    SetFittingText(Label3, Tx(5));
    Label_english->setVisible(LangIndex == 1000);
    Label_spanish->setVisible(LangIndex == 2000);
    Label_italian->setVisible(LangIndex == 3000);
    Label_portugese->setVisible(LangIndex == 4000);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Year_Edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RunGuarded([this] { Year_EditKeyDown(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::Year_EditKeyDown() {
    const int year = ReadEasterYear(Year_Edit->text());
    GregDate_Label->setText(EasterMessage(year, QDate::currentDate()));
    OK_Button->setFocus();
}

void TAboutBox::Mail_ButtonClick() {
    Open(MailUrl());
}

void TAboutBox::WWW_ButtonClick() {
    const QUrl page = WebPageUrl();
    if (page.isEmpty()) {
        ShowError(Message(722)
                      .arg(QString::fromLatin1(kWebPageFile)));
        return;
    }
    Open(page);
}

} // namespace quillon
