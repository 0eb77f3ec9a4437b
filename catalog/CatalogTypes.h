// What the product catalog says of its files: each ESD once, with every
// edition it serves.
#pragma once

#include "common/DigestAlgorithm.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

struct CatalogEdition {
    QString id; // "Professional", as the image inside names it
    QString name; // the catalog's display name, "Windows 11 Pro"
};

struct CatalogFile {
    // Letters, digits, "._-" and ".esd": never a folder, never a dot file.
    QString fileName;
    QString languageCode; // lower case, "pt-br"
    QString language; // "Portuguese (Brazil)"
    QString architecture; // "x64", "arm64" or "x86"
    QList<CatalogEdition> editions;
    qint64 size = 0;
    DigestAlgorithm digestAlgorithm = DigestAlgorithm::Sha256;
    QString digest; // upper-case hex digits
    QUrl url;
    // From the file name ("26100.4349.250607-1500..."): 0 when it says none.
    int build = 0;
    int revision = 0;

    bool serves(const QString &editionId) const;
};

struct Catalog {
    QString version; // the Catalog element's, "1.0" where the root is PublishedMedia
    QList<CatalogFile> files;
    // File entries left out: a field missing or unusable, an architecture
    // not known here, or a second entry of one address with another digest.
    int skippedEntries = 0;

    // The newest build among the files: 26100 and "26100.4349", or 0 and
    // empty when no file name says one.
    int newestBuild() const;
    QString buildText() const;

private:
    QList<CatalogFile>::const_iterator newestFile() const;
};
