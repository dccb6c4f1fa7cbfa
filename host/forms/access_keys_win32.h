// Routes a form's access keys to its widgets. The form's message loop
// offers each message before translating it; a message that reached a
// widget as AccessKeyPress is consumed.
//   Alt+letter, or the letter alone while a widget has the focus: the
//   enabled, visible widget of that access key on the same top-level window.
//   Enter while no widget has the focus: the form's default widget.
//   Escape: the form's cancel widget.
#pragma once

#include <windows.h>

namespace Forms {

bool RouteAccessKey(const MSG& msg);

// Marks a widget as the default (Enter) or cancel (Escape) widget of its form.
void SetDefaultWidget(HWND widget, bool isDefault);
void SetCancelWidget(HWND widget, bool isCancel);

}  // namespace Forms
