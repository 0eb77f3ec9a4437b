#include "Options.h"

#include "common/TextSafety.h"

#include <QCommandLineParser>
#include <QVector>

#include <algorithm>

namespace {

const char ExitCodesText[] = "Exit codes:\n"
                             "  0  done\n"
                             "  1  usage error or unknown choice (the valid values are listed on stderr)\n"
                             "  2  Microsoft refused the request (its message code and session id on stderr)\n"
                             "  3  page, catalog or network failure\n"
                             "  4  the file does not match the SHA-256 Microsoft publishes (or the catalog's "
                             "digest)\n"
                             "  5  interrupted (a download keeps its part for the next run)\n";

const char ExamplesText[] = "Examples:\n"
                            "  travonix --list --product win11\n"
                            "  travonix --url --product win10 --language german --arch x86\n"
                            "  aria2c \"$(travonix --url --product win11)\"\n"
                            "  travonix --download --product win11arm --output ~/Win11_Arm64.iso\n"
                            "  travonix --url --product server2022 --language de-DE\n"
                            "  travonix --list --source catalog --product win11\n"
                            "  travonix --download --source catalog --product win11arm --edition Professional\n";

// Every option the program knows, in the order --help lists them.
struct OptionSet {
    QCommandLineOption list{QStringLiteral("list"),
                            QStringLiteral("List the products, or with --product the page's editions and languages.")};
    QCommandLineOption url{QStringLiteral("url"), QStringLiteral("Print the ISO link alone on stdout.")};
    QCommandLineOption download{QStringLiteral("download"),
                                QStringLiteral("Download the ISO, resumably, and check its SHA-256.")};
    QCommandLineOption product{QStringLiteral("product"),
                               QStringLiteral(
                                   "win10, win11, win11arm, or an evaluation one that --list names (server2022, ...)."),
                               QStringLiteral("KEY")};
    QCommandLineOption edition{QStringLiteral("edition"),
                               QStringLiteral(
                                   "Edition id or name (default: the page's general one, for an evaluation the first "
                                   "that is not LTSC, from the catalog Professional)."),
                               QStringLiteral("EDITION")};
    QCommandLineOption language{QStringLiteral("language"),
                                QStringLiteral("Language, its localized name or a locale such as pt-BR (default: "
                                               "the system's)."),
                                QStringLiteral("NAME")};
    QCommandLineOption arch{QStringLiteral("arch"), QStringLiteral("x86, x64 or arm64 (default: the first offered)."),
                            QStringLiteral("ARCH")};
    QCommandLineOption source{QStringLiteral("source"),
                              QStringLiteral("page (default): the download page's ISOs; catalog: the product catalog's "
                                             "ESD files (win10, win11, win11arm), built into an ISO by --download."),
                              QStringLiteral("SOURCE")};
    QCommandLineOption output{QStringLiteral("output"),
                              QStringLiteral(
                                  "Where --download saves the ISO: a file, or a folder to keep the ISO's own name "
                                  "in (default: its own name, here)."),
                              QStringLiteral("PATH")};
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("With --list or --url: one JSON document, also on failure.")};
    QCommandLineOption quiet{QStringLiteral("quiet"), QStringLiteral("Print only errors.")};
    QCommandLineOption origin{QStringLiteral("origin"),
                              QStringLiteral("Scheme and host of the download site (a mirror or a test site)."),
                              QStringLiteral("URL")};
    QCommandLineOption connections{QStringLiteral("connections"),
                                   QStringLiteral("With --download: the most connections for the file, 1 to 16 "
                                                  "(default: 8)."),
                                   QStringLiteral("N")};
    QCommandLineOption delayPercent{QStringLiteral("delay-percent"), QString(), QStringLiteral("N")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Print the program's name and version.")};

    OptionSet() { delayPercent.setFlags(QCommandLineOption::HiddenFromHelp); }

    void addTo(QCommandLineParser &parser) const
    {
        parser.setApplicationDescription(
            QStringLiteral("Gets official Windows 10 and 11 ISOs from Microsoft's download page.\n"
                           "Without --list, --url or --download it opens its window, in the system's language;\n"
                           "the command line always answers in English, for scripts to read."));
        parser.addOptions({list, url, download, product, edition, language, arch, source, output, connections, json,
                           quiet, origin, delayPercent, help, version});
    }
};

RunMode modeOf(const QCommandLineParser &parser, const OptionSet &set, QString &problem)
{
    if (parser.isSet(set.help))
        return RunMode::Help;
    if (parser.isSet(set.version))
        return RunMode::Version;
    const int modes = int(parser.isSet(set.list)) + int(parser.isSet(set.url)) + int(parser.isSet(set.download));
    if (modes > 1)
        problem = QStringLiteral("Choose one of --list, --url and --download.");
    if (parser.isSet(set.list))
        return RunMode::List;
    if (parser.isSet(set.url))
        return RunMode::Url;
    return parser.isSet(set.download) ? RunMode::Download : RunMode::Window;
}

QString checkCombination(const Options &options, const QCommandLineParser &parser, const OptionSet &set)
{
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst());
    if (options.json && options.mode == RunMode::Download)
        return QStringLiteral("--json goes with --list or --url.");
    if (parser.isSet(set.output) && options.mode != RunMode::Download)
        return QStringLiteral("--output goes with --download.");
    const QVector<uint> output = options.output.toUcs4();
    if (std::any_of(output.cbegin(), output.cend(), [](uint c) { return TextSafety::isControl(char32_t(c)); }))
        return QStringLiteral("--output holds a control character (a line break, a tab or an escape); give a "
                              "plain file name.");
    if (options.mode != RunMode::List && options.choices.product.isEmpty())
        return QStringLiteral("Say which product with --product: win10, win11 or win11arm, or one that --list names.");
    if (options.delayPercent < 1 || options.delayPercent > 100)
        return QStringLiteral("--delay-percent takes a whole number from 1 to 100.");
    if (parser.isSet(set.source) && parser.value(set.source) != QLatin1String("page")
        && parser.value(set.source) != QLatin1String("catalog"))
        return QStringLiteral("--source takes page or catalog.");
    if (options.source == FileSource::Catalog && options.choices.product.isEmpty())
        return QStringLiteral("Say which product's catalog with --product: win10, win11 or win11arm.");
    if (options.source == FileSource::Catalog && options.json)
        return QStringLiteral("--json goes with the download page's lists and links, not with --source catalog.");
    if (options.connections < 1 || options.connections > 16)
        return QStringLiteral("--connections takes a whole number from 1 to 16.");
    if (parser.isSet(set.connections) && options.mode != RunMode::Download)
        return QStringLiteral("--connections goes with --download.");
    return QString();
}

} // namespace

Options parseOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const OptionSet set;
    set.addTo(parser);
    const bool parsed = parser.parse(arguments);
    Options options;
    options.mode = modeOf(parser, set, options.problem);
    // A script that asked for JSON gets its answer, not a window.
    if (options.mode == RunMode::Window && parser.isSet(set.json)) {
        options.mode = RunMode::Url;
        options.json = true;
        options.problem = QStringLiteral("--json goes with --list or --url.");
        return options;
    }
    if (options.mode == RunMode::Window || options.mode == RunMode::Help || options.mode == RunMode::Version)
        return options;
    options.choices = {parser.value(set.product), parser.value(set.edition), parser.value(set.language),
                       parser.value(set.arch)};
    options.source = parser.value(set.source) == QLatin1String("catalog") ? FileSource::Catalog : FileSource::Page;
    options.output = parser.value(set.output);
    options.json = parser.isSet(set.json);
    options.quiet = parser.isSet(set.quiet);
    options.delayPercent = parser.isSet(set.delayPercent) ? parser.value(set.delayPercent).toInt() : 100;
    options.connections = parser.isSet(set.connections) ? parser.value(set.connections).toInt() : ProductConnections;
    if (!parsed)
        options.problem = parser.errorText();
    else if (options.problem.isEmpty())
        options.problem = checkCombination(options, parser, set);
    return options;
}

QString helpText()
{
    QCommandLineParser parser;
    const OptionSet set;
    set.addTo(parser);
    QString text = parser.helpText();
    // The usage line names the program as a user types it, not by its path.
    const int lineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, lineEnd, QStringLiteral("Usage: travonix [options]"));
    return text + QLatin1Char('\n') + QLatin1String(ExitCodesText) + QLatin1Char('\n') + QLatin1String(ExamplesText);
}
