// The preview and settings dialog forms are not part of this build yet:
// their hand-over ends the host cleanly at that point.
#include "host/handover.h"

#include "host/startup.h"

namespace Ondrel_B {

void ShowPreview(HWND) { EndProcess(); }
void ShowSettingsDialog() { EndProcess(); }

}  // namespace Ondrel_B
