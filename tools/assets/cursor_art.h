// The banner's pointing-hand cursor: 32 x 32, black outline, white fill.
#pragma once

#include <string>
#include <vector>

namespace assets {

inline constexpr int kHandHotX = 12, kHandHotY = 1;  // just under the fingertip's outline

// 32 rows of 32 characters: '#' black, 'o' white, ' ' see-through.
std::vector<std::string> HandCursorRows();

}  // namespace assets
