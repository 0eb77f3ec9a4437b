#include "DigestVerdict.h"

#include "scraper/PublishedHashes.h"

#include <QCoreApplication>

QString verifiedText(const DownloadOption &option, const QString &sha256)
{
    if (option.publishesNoSha256)
        return QCoreApplication::translate("DigestVerdict",
                                           "Microsoft publishes no SHA-256 for this file; its SHA-256 is %1")
            .arg(sha256);
    if (option.publishedHashes.isEmpty())
        return QCoreApplication::translate("DigestVerdict",
                                           "Microsoft publishes no SHA-256 for this file, so it was not checked.");
    if (!matchesAnotherRow(option, sha256))
        return QCoreApplication::translate("DigestVerdict", "Its SHA-256 matches the value Microsoft publishes:\n%1")
            .arg(sha256);
    const auto row = PublishedHashes::rowWithValue(option.publishedHashes, sha256);
    //: %1 is the row of the page's table of SHA-256 values, %2 the file's SHA-256.
    return QCoreApplication::translate(
               "DigestVerdict",
               "Warning: its SHA-256 matches the value Microsoft publishes for \"%1\", not the one for "
               "the language and architecture you chose:\n%2")
        .arg(row ? row->label : QString(), sha256);
}

bool matchesAnotherRow(const DownloadOption &option, const QString &sha256)
{
    return option.publishedSha256.compare(sha256, Qt::CaseInsensitive) != 0
        && PublishedHashes::rowWithValue(option.publishedHashes, sha256).has_value();
}

QStringList acceptedSha256(const DownloadOption &option)
{
    if (option.publishedHashes.isEmpty())
        return {};
    QStringList accepted{option.publishedSha256};
    for (const PublishedHash &row : option.publishedHashes) {
        if (row.languageName.isEmpty() || row.languageName == option.language)
            accepted << row.sha256;
    }
    accepted.removeDuplicates();
    return accepted;
}

QString unverifiedText(const DownloadOption &option, const QString &sha256, const QString &destination,
                       const QString &keptPath, UnverifiedReason reason)
{
    if (reason == UnverifiedReason::NotADiscImage)
        return QCoreApplication::translate(
                   "DigestVerdict",
                   "The downloaded file is not an ISO image: it lacks the length the server announced "
                   "or the volume descriptors every ISO image begins with. It was not saved as %1, which "
                   "is as it was.\n\nIts SHA-256: %2\n\nThe downloaded bytes are kept in %3. Try the "
                   "download again later.")
            .arg(destination, sha256, keptPath);
    const auto row = PublishedHashes::rowWithValue(option.publishedHashes, sha256);
    if (row && !row->languageName.isEmpty() && row->languageName != option.language)
        //: %1 and %2 are languages, %3 the row of the page's table, %4 the file chosen, %5 a SHA-256, %6 a path.
        return QCoreApplication::translate(
                   "DigestVerdict",
                   "The downloaded file is the %1 one, not the %2 one you chose: its SHA-256 matches the "
                   "value Microsoft publishes for \"%3\". It was not saved as %4, which is as it was."
                   "\n\nDownloaded: %5\n\nThe downloaded bytes are kept in %6.")
            .arg(row->languageName, option.language, row->label, destination, sha256, keptPath);
    const QString published = option.publishedSha256.isEmpty()
        ? QCoreApplication::translate("DigestVerdict", "(none listed for this language and architecture)")
        : option.publishedSha256;
    return QCoreApplication::translate(
               "DigestVerdict",
               "The downloaded file does not match the SHA-256 that Microsoft publishes, so it was not "
               "saved as %1, which is as it was.\n\nPublished: %2\nDownloaded: %3\n\n"
               "The downloaded bytes are kept in %4.")
        .arg(destination, published, sha256, keptPath);
}

QString verifiedText(const CatalogFile &file, const QString &digest)
{
    //: %1 is the digest's name (SHA-1, SHA-256), %2 its value.
    return QCoreApplication::translate("DigestVerdict", "Its %1 matches the value of Microsoft's product catalog:\n%2")
        .arg(QLatin1String(digestName(file.digestAlgorithm)), digest);
}

QString unverifiedText(const CatalogFile &file, const QString &digest, const QString &destination,
                       const QString &keptPath)
{
    //: %1 is the digest's name (SHA-1, SHA-256), %2 the file chosen, %3 and %4 digests, %5 a path.
    return QCoreApplication::translate(
               "DigestVerdict",
               "The downloaded file does not match the %1 of Microsoft's product catalog, so it was not "
               "saved as %2, which is as it was.\n\nPublished: %3\nDownloaded: %4\n\n"
               "The downloaded bytes are kept in %5.")
        .arg(QLatin1String(digestName(file.digestAlgorithm)), destination, file.digest, digest, keptPath);
}
