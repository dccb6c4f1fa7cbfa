// Every text Velnora.scr shows its user, in each language it speaks; the
// translations themselves are in ui_texts.cpp. Names that programs rely on
// (window titles, the settings file's keys, file names) are not texts of
// this kind: they are in names.h and never change with the language.
// Portable: no <windows.h>.
#pragma once

#include <array>
#include <cstdint>

namespace Ondrel_B {

enum class Language { Japanese, English };

struct UiTexts {
  // The dialog's face; null stands for the system's message font.
  const wchar_t* font_face;
  int16_t font_charset;

  // The settings dialog. "&" marks an access key.
  const wchar_t* music_heading;
  std::array<const wchar_t*, 3> sources;  // by source: none, audio CD, music file
  const wchar_t* repeat_track;
  const wchar_t* choose_file;  // the button that opens the file chooser
  const wchar_t* set;
  const wchar_t* cancel;
  const wchar_t* home_page_link;  // what the banners are to screen readers
  const wchar_t* credit;

  // The file chooser.
  const wchar_t* chooser_title;
  const wchar_t* chooser_filter;  // the description of "*.MP3;*.WAV"

  // The one message box of the host, when Velnora.dll is not beside it.
  const wchar_t* missing_renderer;
};

const UiTexts& TextsFor(Language language);

}  // namespace Ondrel_B
