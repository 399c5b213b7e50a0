#include "pages/GuiTest.h"

#include "app/Init.h"
#include "app/Program.h"
#include "app/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <optional>

namespace quillon::test {
namespace {

// Sets an environment variable, or removes it for nullopt, for the life of the guard.
class EnvironmentGuard {
public:
    EnvironmentGuard(const char* name, std::optional<QByteArray> value)
        : name_(name), old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        Set(value);
    }
    ~EnvironmentGuard() { Set(old_); }

private:
    void Set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }
    const char* name_;
    std::optional<QByteArray> old_;
};

using ProgramTest = GuiTest;

TEST_F(ProgramTest, SettingsFileBesideTheProgramWinsOverThePerUserOne) {
    // Paths relative to a fresh temporary folder; HOME is its "home".
    struct Row {
        const char* name;
        bool fileBeside;
        bool folderWritable;
        const char* xdgConfigHome; // absolute below the folder, as is when relative, unset for nullptr
        const char* expected;
    } rows[] = {
        {"portable copy", true, true, "/xdg", "bin/Quillon.ini"},
        {"portable copy in a read-only folder", true, false, nullptr, "bin/Quillon.ini"},
        {"build folder of a first run", false, true, nullptr, "home/.config/Quillon/Quillon.ini"},
        {"installed, XDG_CONFIG_HOME set", false, false, "/xdg", "xdg/Quillon/Quillon.ini"},
        {"installed, XDG_CONFIG_HOME unset", false, false, nullptr, "home/.config/Quillon/Quillon.ini"},
        {"installed, XDG_CONFIG_HOME relative", false, false, "xdg", "home/.config/Quillon/Quillon.ini"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(program));
        if (row.fileBeside) {
            QFile file(program + QStringLiteral("/Quillon.ini"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        if (!row.folderWritable)
            QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const EnvironmentGuard home("HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
        std::optional<QByteArray> xdgValue;
        if (row.xdgConfigHome != nullptr)
            xdgValue =
                (row.xdgConfigHome[0] == '/' ? root.path().toLocal8Bit() : QByteArray()) + row.xdgConfigHome;
        const EnvironmentGuard xdg("XDG_CONFIG_HOME", xdgValue);

        EXPECT_EQ(QFileInfo(SettingsFilePath(program)).absoluteFilePath(),
                  root.filePath(QLatin1String(row.expected)));
        QFile::setPermissions(program,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST_F(ProgramTest, FirstSaveMakesThePerUserFolderPrivately) {
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("config/Quillon/Quillon.ini"));
    WriteSettings(path.toStdString(), SettingsPages{}, 0);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("FirstStart=0"));
    for (const char* folder : {"config", "config/Quillon"}) {
        SCOPED_TRACE(folder);
        constexpr QFileDevice::Permissions everyone =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
            QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        EXPECT_EQ(QFileInfo(root.filePath(QLatin1String(folder))).permissions() & everyone,
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST_F(ProgramTest, CommandLineAnswersHelpAndVersionAndRejectsTheRest) {
    const QString oldVersion = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    const QString version = QStringLiteral("Quillon %1\n").arg(QLatin1String(kVersion));
    struct Row {
        QStringList arguments;
        CommandLineRequest::Kind kind;
        const char* contains; // in the text; for the version the whole text
    } rows[] = {
        {{}, CommandLineRequest::Start, ""},
        {{QStringLiteral("--version")}, CommandLineRequest::Answer, "version"},
        {{QStringLiteral("-v")}, CommandLineRequest::Answer, "version"},
        {{QStringLiteral("-version")}, CommandLineRequest::Answer, "version"},
        {{QStringLiteral("--help")}, CommandLineRequest::Answer, "-v, --version"},
        {{QStringLiteral("-h"), QStringLiteral("--bogus")}, CommandLineRequest::Answer, "Quillon.ini"},
        {{QStringLiteral("--bogus")}, CommandLineRequest::Error, "quillon: Unknown option 'bogus'."},
        {{QStringLiteral("-reverse")}, CommandLineRequest::Error, "Unknown option 'reverse'."},
        {{QStringLiteral("notes.txt")}, CommandLineRequest::Error, "Unexpected argument 'notes.txt'."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.join(QLatin1Char(' ')).toStdString());
        const CommandLineRequest request =
            ReadCommandLine(QStringList{QStringLiteral("/usr/bin/quillon")} + row.arguments);
        EXPECT_EQ(request.kind, row.kind);
        if (QLatin1String(row.contains) == QLatin1String("version"))
            EXPECT_EQ(request.text, version);
        else
            EXPECT_TRUE(request.text.contains(QLatin1String(row.contains))) << request.text.toStdString();
    }
    QCoreApplication::setApplicationVersion(oldVersion);
}

TEST_F(ProgramTest, IconDrawsThePictureAtTheSizeAskedFor) {
    const QIcon icon = ProgramIcon();
    for (int size : {16, 128}) {
        SCOPED_TRACE(size);
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255); // drawn, not the empty picture
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);                 // the tile's rounded corner
    }
}

} // namespace
} // namespace quillon::test
