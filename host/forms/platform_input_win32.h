// Keystrokes sent to the focused window and one round of pending messages,
// as widgets ask for them.
#pragma once

namespace Forms {

// "{TAB}" or "+{TAB}" (Shift+Tab); other texts are ignored.
void SendKeys(const wchar_t* keys);

// Lets the messages waiting in this thread's queue be handled once. A quit
// request seen on the way is posted again for the real message loop.
void DoEvents();

}  // namespace Forms
