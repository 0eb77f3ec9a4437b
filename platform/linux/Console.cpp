// A Linux program keeps the standard streams it was started with.
#include "platform/Platform.h"

namespace platform {

void attachParentConsole() { }

} // namespace platform
