// The digests a published value of a file may be given in: the download
// page publishes SHA-256, Microsoft's older product catalogs SHA-1.
#pragma once

enum class DigestAlgorithm { Sha256, Sha1 };

inline const char *digestName(DigestAlgorithm algorithm)
{
    return algorithm == DigestAlgorithm::Sha1 ? "SHA-1" : "SHA-256";
}
