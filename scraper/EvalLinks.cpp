#include "EvalLinks.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

// "de-de" or "DE-de" as "de-DE"; empty for anything else.
QString cultureCode(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([A-Za-z]{2,3})-([A-Za-z]{2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return QString();
    return match.captured(1).toLower() + QLatin1Char('-') + match.captured(2).toUpper();
}

QString architectureOf(const QString &word)
{
    const QString lower = word.toLower();
    if (lower == QLatin1String("64-bit") || lower == QLatin1String("x64"))
        return QStringLiteral("x64");
    if (lower == QLatin1String("arm64") || lower == QLatin1String("a64"))
        return QStringLiteral("arm64");
    if (lower == QLatin1String("32-bit") || lower == QLatin1String("x86"))
        return QStringLiteral("x86");
    return QString();
}

// Older pages write "=" as "&#61;" inside the link. An entity that only
// decoding "&amp;" made ("&amp;#61;") is no link of theirs. A relative or
// protocol-relative link is the page's own, as a browser reads it; an
// aka.ms short link leads to the file as an fwlink does.
QUrl fwlinkOf(const QString &link, const QUrl &page)
{
    QString text = link.trimmed();
    text.replace(QLatin1String("&#61;"), QLatin1String("=")).replace(QLatin1String("&amp;"), QLatin1String("&"));
    if (text.contains(QLatin1String("&#61;")))
        return QUrl();
    QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && url.isRelative() && page.isValid() && !page.isRelative())
        url = page.resolved(url);
    const bool web = url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
    const bool fwlink = url.path().startsWith(QLatin1String("/fwlink"), Qt::CaseInsensitive);
    const bool shortLink =
        url.host().compare(QLatin1String("aka.ms"), Qt::CaseInsensitive) == 0 && url.path().size() > 1;
    if (!url.isValid() || !web || url.host().isEmpty() || !(fwlink || shortLink))
        return QUrl();
    return url;
}

// The culture a link of the fwlink/p/ style names; empty for the other
// style, whose parameters are en-US whatever the file's language.
QString linkCulture(const QUrl &url)
{
    if (!url.path().startsWith(QLatin1String("/fwlink/p"), Qt::CaseInsensitive))
        return QString();
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto &item : items) {
        if (item.first.compare(QLatin1String("culture"), Qt::CaseInsensitive) == 0)
            return cultureCode(item.second);
    }
    return QString();
}

struct LabelParts {
    QString edition;
    QString architecture;
    QString culture;
};

// "…Download <product words> ISO [qualifiers] <architecture> (xx-YY)";
// the culture may be missing (a link of the fwlink/p/ style names it) or
// followed by a full stop, and "Arm 64-bit" is one architecture.
std::optional<LabelParts> labelParts(const QString &label)
{
    static const QRegularExpression download(QStringLiteral("\\bdownload\\s+"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression suffix(QStringLiteral("\\(([^()]*)\\)[\\s.]*$"));
    static const QRegularExpression arm(QStringLiteral("\\barm 64-bit\\b"), QRegularExpression::CaseInsensitiveOption);
    const QString text = label.simplified();
    QRegularExpressionMatch start;
    if (text.lastIndexOf(download, -1, &start) < 0)
        return std::nullopt;
    QString rest = text.mid(start.capturedEnd());
    LabelParts parts;
    const QRegularExpressionMatch culture = suffix.match(rest);
    if (culture.hasMatch()) {
        parts.culture = cultureCode(culture.captured(1));
        if (parts.culture.isEmpty())
            return std::nullopt;
        rest.truncate(culture.capturedStart());
    }
    rest.replace(arm, QStringLiteral("arm64"));
    QStringList edition;
    bool iso = false;
    for (const QString &word : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString architecture = architectureOf(word);
        if (word.compare(QLatin1String("VHD"), Qt::CaseInsensitive) == 0)
            return std::nullopt;
        if (word.compare(QLatin1String("ISO"), Qt::CaseInsensitive) == 0)
            iso = true;
        else if (!architecture.isEmpty() && parts.architecture.isEmpty())
            parts.architecture = architecture;
        else
            edition << word;
    }
    parts.edition = edition.join(QLatin1Char(' '));
    if (!iso || parts.architecture.isEmpty() || parts.edition.isEmpty())
        return std::nullopt;
    return parts;
}

bool sameFile(const EvalLink &a, const EvalLink &b)
{
    return a.edition == b.edition && a.architecture == b.architecture && a.culture == b.culture;
}

} // namespace

namespace EvalLinks {

std::optional<EvalLink> readAnchor(const QString &label, const QString &link, const QUrl &page)
{
    const QUrl url = fwlinkOf(link, page);
    const std::optional<LabelParts> parts = labelParts(label);
    if (url.isEmpty() || !parts)
        return std::nullopt;
    const QString named = linkCulture(url);
    const QString culture = named.isEmpty() ? parts->culture : named;
    if (culture.isEmpty())
        return std::nullopt;
    return EvalLink{parts->edition, parts->architecture, culture, url.toString(QUrl::FullyEncoded)};
}

std::optional<QList<EvalLink>> parseAnchors(const QString &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject() || !document.object().value(QLatin1String("links")).isArray())
        return std::nullopt;
    const QUrl page(document.object().value(QLatin1String("url")).toString(), QUrl::StrictMode);
    QList<EvalLink> links;
    for (const QJsonValue anchor : document.object().value(QLatin1String("links")).toArray()) {
        const auto read =
            readAnchor(anchor[QLatin1String("label")].toString(), anchor[QLatin1String("link")].toString(), page);
        const bool listed = read
            && std::any_of(links.cbegin(), links.cend(), [&read](const EvalLink &l) { return sameFile(l, *read); });
        if (read && !listed)
            links << *read;
    }
    return links;
}

FileNameFacts readFileName(const QString &fileName)
{
    static const QRegularExpression culture(QStringLiteral("(?:^|_)([a-z]{2}-[a-z]{2})(?=[_.])"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression build(QStringLiteral("(?:^|_)(x64|a64|x86)fre(?=[_.])"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString word = build.match(fileName).captured(1).toLower();
    const QString architecture = word == QLatin1String("a64") ? QStringLiteral("arm64") : word;
    return {culture.match(fileName).captured(1).toLower(), architecture};
}

LabelSlip labelSlip(const EvalLink &link, const FileNameFacts &file)
{
    if (!file.culture.isEmpty() && file.culture.compare(link.culture, Qt::CaseInsensitive) != 0)
        return LabelSlip::Culture;
    if (!file.architecture.isEmpty() && file.architecture != link.architecture)
        return LabelSlip::Architecture;
    return LabelSlip::None;
}

QString languageName(const QString &culture)
{
    const QLocale locale(culture);
    if (locale.language() == QLocale::C || cultureCode(culture).isEmpty())
        return culture;
    return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(locale.language()),
                                         QLocale::countryToString(locale.country()));
}

} // namespace EvalLinks
