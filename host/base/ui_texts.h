// Every text Velnora.scr shows its user, in each language it speaks; the
// translations themselves are in ui_texts.cpp. Names that programs rely on
// (window titles, the settings file's keys, file names) are not texts of
// this kind: they are in names.h and never change with the language.
// Portable: no <windows.h>.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "host/base/ondrel_b.h"

namespace Ondrel_B {

// Every language has its table; Count is how many there are.
enum class Language { Japanese, English, Count };

// Character sets of a font, as GDI numbers them.
inline constexpr int16_t kDefaultCharset = 1;    // DEFAULT_CHARSET
inline constexpr int16_t kShiftJisCharset = 128;  // SHIFTJIS_CHARSET

struct UiTexts {
  // The dialog's face; null stands for the system's message font.
  const wchar_t* fontFace;
  int16_t fontCharset;

  // The settings dialog. "&" marks an access key.
  const wchar_t* musicHeading;
  std::array<const wchar_t*, kBgmSourceCount> sources;  // by BgmSource
  const wchar_t* repeatTrack;
  const wchar_t* chooseFile;  // the button that opens the file chooser
  const wchar_t* set;
  const wchar_t* cancel;
  const wchar_t* homePageLink;  // what the banners are to screen readers
  const wchar_t* credit;

  // What screen readers say a control does, and the key that leads to it.
  const wchar_t* checkAction;  // a source's choice
  const wchar_t* jumpAction;   // a banner's link
  const wchar_t* pressAction;  // a button
  const wchar_t* altShortcut;  // put before an access key's letter

  // The file chooser.
  const wchar_t* chooserTitle;
  const wchar_t* chooserFilter;  // the description of "*.MP3;*.WAV"

  // The one message box of the host, when Velnora.dll is not beside it.
  const wchar_t* missingRenderer;
};

const UiTexts& TextsFor(Language language);

}  // namespace Ondrel_B
