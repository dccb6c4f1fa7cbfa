// The host's message loops. Every message goes first to the form it belongs
// to (access keys to widgets, focus moves between controls), then to its window.
#pragma once

#include <windows.h>

namespace Forms {

// One message, offered to its form first, then translated and dispatched.
void DeliverMessage(MSG& msg);

// Serves the thread's windows until a quit request; returns its exit code.
int RunMessageLoop();

// Serves messages while the window exists (modal display). A quit request
// ends the wait early and is posted again for the outer loop.
void RunModalLoop(HWND window);

}  // namespace Forms
