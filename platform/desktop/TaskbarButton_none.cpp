#include "platform/desktop/TaskbarButton.h"

namespace TaskbarButton {

// No request of the kind on this platform.
void suppress(QWindow&) {}

} // namespace TaskbarButton
