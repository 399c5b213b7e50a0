#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace quillon {

// The settings file: "Quillon.ini" in `programFolder` when that file exists there (a portable copy,
// or a build folder that has one from earlier runs); otherwise "Quillon.ini" in the user's
// configuration folder, $XDG_CONFIG_HOME/Quillon or ~/.config/Quillon, which the first save creates.
QString SettingsFilePath(const QString& programFolder);

// What the command line asks for. The program takes --help and --version and nothing else.
struct CommandLineRequest {
    enum Kind { Start, Answer, Error };
    Kind kind = Start;
    QString text; // Answer: for standard output; Error: for standard error
};

// `arguments` as QCoreApplication::arguments() gives them, the program first. The application's name
// and version must be set.
CommandLineRequest ReadCommandLine(const QStringList& arguments);

// The program icon, drawn from its SVG picture only at the sizes asked for, when they are asked for.
QIcon ProgramIcon();

} // namespace quillon
