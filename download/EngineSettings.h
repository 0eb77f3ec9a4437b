// What the download engine is told by whoever uses it: who it says it is,
// whom it trusts and how long a silent transfer may last. Verification
// itself is never switched off.
#pragma once

#include "DeviceStep.h"

#include <QString>
#include <QUrl>
#include <QtGlobal>

#include <functional>

// What the window and the command line use unless told otherwise.
inline constexpr int ProductConnections = 8;

struct EngineSettings {
    // The browser identity sent with every request; libcurl's own when empty.
    QString userAgent;
    // Certificate authorities to trust instead of the system's (tests).
    QString caBundlePath;
    // Host names are resolved through this DNS-over-HTTPS server instead of
    // the system's when set (tests).
    QString dnsOverHttpsUrl;
    // A transfer that brings no byte for this long is given up.
    qint64 stallLimitMs = 15000;
    // Milliseconds from a clock that never steps (tests step it on purpose);
    // the system's monotonic clock when empty.
    std::function<qint64()> clockMs;
    // Files come over https only, redirects included. A site that is itself
    // plain http (a local mirror, a test site) may allow http as well; a
    // transfer that starts on https still never continues on http.
    bool plainHttpAllowed = false;
    // Where a redirect may send the download: a target on another host than
    // the link's that this refuses is never asked for. Any host when empty.
    std::function<bool(const QUrl &)> redirectAllowed;
    // An answer that does not say how long the file is may bring this many
    // bytes at most; beyond, the download stops (well above any ISO).
    qint64 unannouncedLengthLimit = qint64(16) * 1024 * 1024 * 1024;
    // How many received bytes may wait for the disk before the transfer
    // pauses, and, for tests that stand in for a slow disk, a cap on how fast
    // the part is written and read back (0: as fast as the disk goes).
    qint64 writeQueueBytes = qint64(32) * 1024 * 1024;
    qint64 diskBytesPerSecond = 0;
    // For tests that stand in for a full disk: the part cannot grow past
    // this many bytes, a write beyond fails as on a full device (-1: none).
    qint64 deviceRoomBytes = -1;
    // The file's SHA-256 is computed while it downloads; off only to measure
    // what that costs (bench/download_bench.sh).
    bool computeSha256 = true;
    // How long libcurl may read in one go before a transfer steps aside
    // until the event loop's next turn. It reads as long as a socket holds
    // data: at loopback speeds, eight sockets in a row would keep timers and
    // the window waiting for tens of milliseconds. 0 (tests): every read
    // steps aside once.
    qint64 turnMicroseconds = 3000;
    // The most connections one file may use at once (1: one stream, up to
    // 16). Small files use fewer.
    int connections = 1;
    // How many bytes are written between flushes of the part to the device
    // (tests make it small, so that records follow sooner).
    qint64 syncEveryBytes = qint64(64) * 1024 * 1024;
    // Tests that stand in for a busy disk: each record takes this long more
    // to reach the device.
    int recordFlushDelayMs = 0;
    // Tests that end the process at a step that changes the device.
    DeviceStepHook afterDeviceStep;
};
