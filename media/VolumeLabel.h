// The volume label Microsoft's media carry: CCCOMA_X64FRE_EN-US_DV9.
#pragma once

#include <QString>

#include <optional>

// The label for an architecture (x64, arm64, x86) and a language code
// (en-us); none when either is unknown or the label would hold other
// characters than A-Z, 0-9, '_' and '-' or be longer than ISO 9660 allows.
std::optional<QString> mediaVolumeLabel(const QString &architecture, const QString &languageCode);

// Whether the media for this architecture start PCs with a BIOS as well as
// UEFI ones (ARM64 media start UEFI ones only).
bool hasBiosBoot(const QString &architecture);
