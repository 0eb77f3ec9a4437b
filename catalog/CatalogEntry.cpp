#include "CatalogEntry.h"

#include "common/TextSafety.h"

#include <QRegularExpression>
#include <QVector>

namespace {

constexpr int MostFileNameBytes = 200;
constexpr int MostNameCharacters = 100;
// Well above any ESD (4 to 6 GB), far below what a size could overflow to.
constexpr qint64 MostFileBytes = qint64(64) * 1024 * 1024 * 1024;

// Letters, digits, "._-", ending in ".esd", no leading dot and no "..":
// it may stand in a folder, never lead out of one.
bool isEsdName(const QString &name)
{
    static const QRegularExpression esdName(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.-]*\\.esd$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return name.toUtf8().size() <= MostFileNameBytes && !name.contains(QLatin1String(".."))
        && esdName.match(name).hasMatch();
}

QString architectureOf(const QString &text)
{
    const QString lower = text.trimmed().toLower();
    if (lower == QLatin1String("x64") || lower == QLatin1String("amd64"))
        return QStringLiteral("x64");
    if (lower == QLatin1String("arm64"))
        return QStringLiteral("arm64");
    return lower == QLatin1String("x86") ? QStringLiteral("x86") : QString();
}

// A name to show: one line, no character that could act on a terminal or
// reorder the text, and not overlong.
QString shownName(const QString &text)
{
    QString shown;
    const QVector<uint> characters = text.simplified().toUcs4();
    for (uint c : characters) {
        const char32_t safe = TextSafety::isUnsafeToShow(char32_t(c)) ? TextSafety::Replacement : char32_t(c);
        shown += QString::fromUcs4(&safe, 1);
    }
    return shown.left(MostNameCharacters);
}

bool isHex(const QString &text, int length)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]+$"));
    return text.size() == length && hex.match(text).hasMatch();
}

// Sha256 where the entry has one (catalog 2.1), else Sha1.
bool readDigest(const EntryFields &fields, CatalogFile &file)
{
    const QString sha256 = fields.value(QStringLiteral("Sha256")).trimmed();
    const QString sha1 = fields.value(QStringLiteral("Sha1")).trimmed();
    if (!sha256.isEmpty()) {
        file.digestAlgorithm = DigestAlgorithm::Sha256;
        file.digest = sha256.toUpper();
        return isHex(sha256, 64);
    }
    file.digestAlgorithm = DigestAlgorithm::Sha1;
    file.digest = sha1.toUpper();
    return isHex(sha1, 40);
}

bool readSize(const QString &text, qint64 &size)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,12}$"));
    const QString trimmed = text.trimmed();
    size = digits.match(trimmed).hasMatch() ? trimmed.toLongLong() : 0;
    return size > 0 && size <= MostFileBytes;
}

bool readAddress(const QString &text, QUrl &url)
{
    url = QUrl(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && url.userInfo().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

bool readLanguageCode(const QString &text, QString &code)
{
    static const QRegularExpression languageCode(QStringLiteral("^[a-z]{2,3}(-[a-z0-9]{2,8}){0,3}$"));
    code = text.trimmed().toLower();
    return languageCode.match(code).hasMatch();
}

bool readEdition(const EntryFields &fields, CatalogEdition &edition)
{
    static const QRegularExpression editionId(QStringLiteral("^[A-Za-z0-9]{1,64}$"));
    edition.id = fields.value(QStringLiteral("Edition")).trimmed();
    const QString name = shownName(fields.value(QStringLiteral("Edition_Loc")));
    edition.name = name.isEmpty() ? edition.id : name;
    return editionId.match(edition.id).hasMatch();
}

// "<build>.<revision>.<date>.<branch>_CLIENT..." as in every catalog so far.
void readBuild(CatalogFile &file)
{
    static const QRegularExpression build(QStringLiteral("^([0-9]{4,6})\\.([0-9]{1,6})\\."));
    const QRegularExpressionMatch match = build.match(file.fileName);
    if (match.hasMatch()) {
        file.build = match.captured(1).toInt();
        file.revision = match.captured(2).toInt();
    }
}

} // namespace

std::optional<CatalogFile> catalogFileOf(const EntryFields &fields)
{
    CatalogFile file;
    CatalogEdition edition;
    file.fileName = fields.value(QStringLiteral("FileName")).trimmed();
    file.architecture = architectureOf(fields.value(QStringLiteral("Architecture")));
    const bool usable = isEsdName(file.fileName) && !file.architecture.isEmpty()
        && readLanguageCode(fields.value(QStringLiteral("LanguageCode")), file.languageCode)
        && readEdition(fields, edition) && readSize(fields.value(QStringLiteral("Size")), file.size)
        && readDigest(fields, file) && readAddress(fields.value(QStringLiteral("FilePath")), file.url);
    if (!usable)
        return std::nullopt;
    const QString language = shownName(fields.value(QStringLiteral("Language")));
    file.language = language.isEmpty() ? file.languageCode : language;
    file.editions << edition;
    readBuild(file);
    return file;
}
