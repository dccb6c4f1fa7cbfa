#include "host/widgets/button_look.h"

#include <cmath>
#include <cwctype>

#include "host/widgets/colour.h"

namespace Widgets {

namespace {

const ButtonColours kTable[5] = {
    // disabled
    {0xBAC7C9, 0, 0, 0, 0, 0x8CB1C4, 0xBDC7CE, 0x8CB1C4, 0, 0},
    // normal
    {0x743C00, 0xFFFFFF, 0xFEFEFE, 0xD6DFE2, 0xC5D0D6, 0x845521, 0xAD967B, 0xA57D52, 0xFBFCFC, 0xE6EBEC},
    // focused or default
    {0x743C00, 0xFFE7CE, 0xF7D7BD, 0xE7AE8C, 0xEF826B, 0x845521, 0xAD967B, 0xA57D52, 0xF7D3BD, 0xE7AE8C},
    // hot
    {0x743C00, 0xCEF3FF, 0x8CDBFF, 0x31B2FF, 0x0096E6, 0x845521, 0xAD967B, 0xA57D52, 0x9CDFE1, 0x30B6FF},
    // pressed
    {0x743C00, 0, 0, 0, 0, 0x845521, 0xAD967B, 0xA57D52, 0, 0},
};

int RowChannel(int a, int b, int n, int i) {
  const float step = (static_cast<float>(a) - static_cast<float>(b)) / static_cast<float>(n);
  const float value = static_cast<float>(b) + static_cast<float>(i) * step;
  return static_cast<int>(std::nearbyint(value));  // default rounding: halves to even
}

}  // namespace

const ButtonColours& ButtonColoursOf(int state) { return kTable[state >= 0 && state <= 4 ? state : kNormal]; }

uint32_t GradientRow(uint32_t a, uint32_t b, int n, int i) {
  // Blue is taken as (value AND 0xFF0000) / 65536, the same as BlueOf for RGB values.
  return Rgb(RowChannel(RedOf(a), RedOf(b), n, i), RowChannel(GreenOf(a), GreenOf(b), n, i),
             RowChannel(BlueOf(a), BlueOf(b), n, i));
}

wchar_t AccessKeyOf(const std::wstring& caption) {
  const size_t length = caption.size();
  size_t p = 1;  // positions count from 1
  while (p + 1 < length) {
    const size_t found = caption.find(L'&', p - 1);
    if (found == std::wstring::npos) return 0;
    const size_t n = found + 1;
    if (n == length) return 0;
    const wchar_t c = static_cast<wchar_t>(std::towlower(caption[n]));  // the character at n + 1
    if (c != L'&') return c;
    p = n + 2;
  }
  return 0;
}

std::wstring NewButtonCaption(const std::vector<std::wstring>& siblingCaptions, const std::wstring& name) {
  std::wstring list = L"|";
  for (const std::wstring& caption : siblingCaptions) list += caption + L"|";
  for (const wchar_t* candidate : {L"&OK", L"&Cancel", L"&Apply"}) {
    if (list.find(std::wstring(L"|") + candidate + L"|") == std::wstring::npos) return candidate;
  }
  return name;
}

}  // namespace Widgets
