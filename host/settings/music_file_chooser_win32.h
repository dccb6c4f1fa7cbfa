// The settings dialog's file chooser for the music file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "host/base/ui_texts.h"

namespace Ondrel_B {

// The platform's file-open dialog over owner, opening in folder, titled
// and described in the language of texts. The path
// to keep, as the settings file can hold it (see music_path.h); nothing
// when the user cancels or the path cannot be kept.
[[nodiscard]] std::optional<std::wstring> ChooseMusicFile(HWND owner, const std::wstring& folder, const UiTexts& texts);

}  // namespace Ondrel_B
