// Ondrel_R: the still picture inside the display settings' preview area.
#pragma once

#include <cstdint>

namespace Ondrel_B {

// Embeds the preview form into the window whose handle value is given and
// shows it. False when that is not a window: there is nothing to show then.
[[nodiscard]] bool ShowPreview(uint32_t parentValue);

}  // namespace Ondrel_B
