// What one download from the command line fetches, where it goes, and what
// is said when it ends: the page's ISO or the product catalog's ESD.
#pragma once

#include "common/DigestAlgorithm.h"
#include "download/DownloadResult.h"

#include <QString>

#include <functional>

class DownloadManager;

struct DownloadJob {
    QString url;
    // An absolute path.
    QString destination;
    // The destination's name is one the server chose: a file of the user's
    // under it is never replaced.
    bool nameFromServer = false;
    // What a file already at the destination must match to be kept as it
    // is; none when empty.
    DigestAlgorithm algorithm = DigestAlgorithm::Sha256;
    QString publishedDigest;
    // Tells the engine the schemes, redirects and values for this file.
    std::function<void(DownloadManager &)> prepareEngine;
    // What is said of a file that took the destination's place, given its
    // digest, and of one kept aside.
    std::function<QString(const QString &digest)> verifiedText;
    std::function<QString(const QString &digest, const QString &keptPath, UnverifiedReason reason)> unverifiedText;
};
