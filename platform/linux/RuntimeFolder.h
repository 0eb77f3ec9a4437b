// Where the single-instance lock and the activation socket live: a folder
// that only the user can reach, so that no other account can hold the lock
// or answer in the first instance's place.
#pragma once

#include <QString>

namespace platform::linux_ {

// XDG_RUNTIME_DIR when it is the user's own folder of mode 0700; otherwise
// a folder of that kind made under the user's cache folder. Empty when
// neither can be had: the caller then does without.
QString privateRuntimeFolder();

// Whether `path` is a folder, no link, owned by the user, of mode 0700.
bool isPrivateFolder(const QString &path);

} // namespace platform::linux_
