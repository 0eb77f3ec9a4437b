#include "PartRecord.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

QString PartRecord::ifRange() const
{
    if (!etag.isEmpty() && !etag.startsWith(QLatin1String("W/")))
        return etag;
    return lastModified;
}

QString partRecordPath(const QString &partPath)
{
    return partPath + QStringLiteral(".json");
}

std::optional<PartRecord> readPartRecord(const QString &partPath)
{
    QFile file(partRecordPath(partPath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    const qint64 length = object.value(QLatin1String("length")).toVariant().toLongLong();
    if (object.isEmpty() || length <= 0)
        return std::nullopt;
    return PartRecord{object.value(QLatin1String("total")).toVariant().toLongLong(),
                      object.value(QLatin1String("etag")).toString(),
                      object.value(QLatin1String("lastModified")).toString(), length};
}

bool writePartRecord(const QString &partPath, const PartRecord &record)
{
    QSaveFile file(partRecordPath(partPath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QJsonObject object{{QStringLiteral("total"), QString::number(record.total)},
                             {QStringLiteral("etag"), record.etag},
                             {QStringLiteral("lastModified"), record.lastModified},
                             {QStringLiteral("length"), QString::number(record.length)}};
    file.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
    return file.commit();
}

void removePartRecord(const QString &partPath)
{
    QFile::remove(partRecordPath(partPath));
}
