// The three forms the start-up hands over to.
#pragma once

#include <windows.h>

namespace Ondrel_B {

// Ondrel_R: embeds the preview picture in the display settings' window.
void ShowPreview(HWND parent);
// Ondrel_P: the settings dialog, modal, without an owner.
void ShowSettingsDialog();
// Ondrel_S: the hidden session form; its load handler starts the session.
void LoadSessionForm();

}  // namespace Ondrel_B
