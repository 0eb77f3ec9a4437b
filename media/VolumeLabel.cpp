#include "VolumeLabel.h"

#include <QHash>
#include <QRegularExpression>

namespace {

constexpr int MaxVolumeIdLength = 32;

QString architectureTag(const QString &architecture)
{
    static const QHash<QString, QString> tags{{QStringLiteral("x64"), QStringLiteral("X64")},
                                              {QStringLiteral("arm64"), QStringLiteral("A64")},
                                              {QStringLiteral("x86"), QStringLiteral("X86")}};
    return tags.value(architecture.toLower());
}

} // namespace

std::optional<QString> mediaVolumeLabel(const QString &architecture, const QString &languageCode)
{
    static const QRegularExpression allowed(QStringLiteral("\\A[A-Z0-9_-]+\\z"));
    const QString tag = architectureTag(architecture);
    const QString language = languageCode.toUpper();
    if (tag.isEmpty() || language.isEmpty())
        return std::nullopt;
    const QString label = QStringLiteral("CCCOMA_%1FRE_%2_DV9").arg(tag, language);
    if (label.size() > MaxVolumeIdLength || !allowed.match(label).hasMatch())
        return std::nullopt;
    return label;
}

bool hasBiosBoot(const QString &architecture)
{
    return architecture.compare(QLatin1String("arm64"), Qt::CaseInsensitive) != 0;
}
