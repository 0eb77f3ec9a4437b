// The release the download page offers now, as this version of the program
// knows it: a catalog whose newest build is older may be a stale copy, as
// a CDN node has been seen to serve.
#pragma once

#include <QString>

struct PageRelease {
    QString name; // "25H2"
    int build = 0; // 26200; 0 for a product this program knows no release of
};

PageRelease pageRelease(const QString &productKey);
