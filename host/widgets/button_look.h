// ccXPButton's look without the platform: the colour table of its five
// visual states, the rows of its vertical gradients, and the caption rules
// (access key, caption of a new instance).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Widgets {

enum ButtonState : int { kDisabled = 0, kNormal = 1, kFocused = 2, kHot = 3, kPressed = 4 };

struct ButtonColours {
  uint32_t border, topLine1, topLine2, bottomLine1, bottomLine2;
  uint32_t cornerEnd, cornerSide, cornerInner, rimTop, rimBottom;
};

// Colours of a state 0 to 4 (rows a state never draws are 0).
const ButtonColours& ButtonColoursOf(int state);

inline constexpr uint32_t kDisabledFace = 0xEAF4F5;
inline constexpr uint32_t kPressedFace = 0xDEE3E7;
inline constexpr uint32_t kFaceTop = 0xFBFCFC;
inline constexpr uint32_t kFaceBottom = 0xE6EBEC;
inline constexpr uint32_t kDisabledText = 0x92A1A1;

// Colour of row y = bottom - i of a vertical gradient over n + 1 rows from
// top (colour a) to bottom (colour b), in single precision with halves to
// even. n must be above 0.
uint32_t GradientRow(uint32_t a, uint32_t b, int n, int i);

// The access-key character of a caption in lower case, 0 for none. An "&"
// picks the character after it; "&&" is a literal ampersand; the scan needs
// two characters from its position on.
wchar_t AccessKeyOf(const std::wstring& caption);

// Caption of a new button among siblings with these captions: the first of
// "&OK", "&Cancel", "&Apply" not yet taken, else the designer's name.
std::wstring NewButtonCaption(const std::vector<std::wstring>& siblingCaptions, const std::wstring& name);

}  // namespace Widgets
