// Ondrel_P: the settings dialog, where the music is chosen.
#pragma once

#include "host/base/ui_texts.h"

namespace Ondrel_B {

// Shows the dialog modally, without an owner, in the language of those
// texts, and returns once it has closed.
void ShowSettingsDialog(const UiTexts& texts);

}  // namespace Ondrel_B
