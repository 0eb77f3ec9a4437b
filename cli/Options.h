// What the command line asks for. Without one of --list, --url, --download,
// --help or --version the program opens its window, as it always did.
#pragma once

#include "download/EngineSettings.h"

#include <QString>
#include <QStringList>

enum class RunMode { Window, Help, Version, List, Url, Download };

// Where the files come from: Microsoft's download page (ISOs), or the
// product catalog the Media Creation Tool reads (ESDs, built into an ISO).
enum class FileSource { Page, Catalog };

// The process exit codes of the command line, as --help lists them.
namespace ExitCode {
inline constexpr int Done = 0;
inline constexpr int Usage = 1;
inline constexpr int Refused = 2;
inline constexpr int Failed = 3;
inline constexpr int NotVerified = 4;
inline constexpr int Interrupted = 5;
} // namespace ExitCode

// The user's choices; an empty one takes the window's default.
struct Choices {
    QString product;
    QString edition;
    QString language;
    QString architecture;
};

struct Options {
    RunMode mode = RunMode::Window;
    FileSource source = FileSource::Page;
    Choices choices;
    QString output;
    bool json = false;
    bool quiet = false;
    // Scales the page's step delays (tests against the local replica).
    int delayPercent = 100;
    // The most connections the file may use (1 to 16).
    int connections = ProductConnections;
    // Set for a command line that cannot run: said on stderr, exit 1.
    QString problem;
};

// `arguments` start with the program's name. Options that Qt and the web
// engine take are left to them when the window opens.
Options parseOptions(const QStringList &arguments);

// What --help prints.
QString helpText();
