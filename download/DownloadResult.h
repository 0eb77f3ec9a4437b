// How a download ended, as facts: what the window and the command line turn
// into the user's words.
#pragma once

#include <QMetaType>
#include <QString>

enum class DownloadOutcome {
    Finished,
    Unverified, // the bytes match none of the published SHA-256 values
    LinkExpired, // the file server no longer takes the link (403, 410)
    SchemeRefused, // a link of a scheme the engine does not fetch
    DestinationRefused, // a destination whose name holds NUL or another control character
    CannotCreatePart, // or a part that is not the user's own file; the system's error says why
    PartBusy, // another download of the same file holds its part
    CurlInitFailed,
    TransferFailed, // libcurl's code says why
    HttpError, // an answer that is not the file
    Stalled, // no byte for longer than the stall limit
    WrongPart, // the server keeps sending other bytes than asked for
    EndedEarly, // connection after connection ended before the bytes asked for
    TooLong, // more bytes than the file's stated length, or than the limit for a file of none
    WriteFailed, // the system's error number says why
    PartGone, // the part vanished before it could take its place
    MoveFailed, // the system's error says why
};

// Why a whole file was kept beside the destination instead of taking it.
enum class UnverifiedReason {
    DigestDiffers, // its SHA-256 is none of the published values
    NotADiscImage, // no volume descriptors 32 KiB in, or not the length announced
};

struct DownloadResult {
    DownloadOutcome outcome = DownloadOutcome::Finished;
    long httpStatus = 0;
    int curlCode = 0;
    // errno, or on Windows the system's error code for a failed move.
    quint32 systemError = 0;
    // The file concerned: the destination, the part, or the refused link.
    QString path;
    // What libcurl's multi interface said when it failed; for a refused
    // link, the schemes the engine fetches ("https or http").
    QString detail;
};

Q_DECLARE_METATYPE(DownloadResult)
Q_DECLARE_METATYPE(UnverifiedReason)
