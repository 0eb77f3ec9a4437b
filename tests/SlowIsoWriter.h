// A stand-in for genisoimage, for tests that stop a build while its ISO is
// being written.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// Writes into `folder` a genisoimage that starts the ISO it is asked for,
// touches `started`, and then takes its time. Returns the folder, to put
// first on the PATH, or an empty string when it could not be written.
inline QString slowIsoWriter(const QString &folder, const QString &started)
{
    QFile writer(QDir(folder).filePath(QStringLiteral("genisoimage")));
    if (!QDir().mkpath(folder) || !writer.open(QIODevice::WriteOnly))
        return QString();
    writer.write("#!/bin/sh\nwhile [ $# -gt 0 ]; do [ \"$1\" = -o ] && out=$2; shift; done\n"
                 "echo partial > \"$out\"\ntouch '"
                 + started.toUtf8() + "'\nexec sleep 30\n");
    writer.close();
    return writer.setPermissions(QFile::ReadOwner | QFile::ExeOwner) ? folder : QString();
}
