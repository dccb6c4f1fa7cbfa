// Writes every drawn picture of the host's resources into the folder given:
//   make_assets <assets-dir>
// (the preview picture comes from the renderer instead: preview_frame).
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "tools/assets/banner_art.h"
#include "tools/assets/cursor_art.h"
#include "tools/assets/icon_art.h"
#include "tools/assets/image_files.h"
#include "tools/assets/marks_art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_assets <assets-dir>\n");
    return 2;
  }
  using namespace assets;
  const std::string dir = argv[1];
  bool ok = WriteFile(dir + "/velnora.ico", EncodeIco({{DrawIcon(16), IconFormat::kTrueColour},
                                                       {DrawIcon(32), IconFormat::kPalette256},
                                                       {DrawIcon(48), IconFormat::kTrueColour},
                                                       {DrawIcon(256), IconFormat::kPng}}));
  ok = WriteFile(dir + "/hand.cur", EncodeMonoCursor(HandCursorRows(), kHandHotX, kHandHotY)) && ok;
  ok = WriteFile(dir + "/mark_unchosen.bmp", EncodeBmp24(DrawMarkNotChosen())) && ok;
  ok = WriteFile(dir + "/mark_chosen.bmp", EncodeBmp24(DrawMarkChosen())) && ok;
  mkdir((dir + "/banner").c_str(), 0755);
  for (int f = 0; f < kBannerFrames; ++f) {
    char name[32];
    std::snprintf(name, sizeof name, "/banner/frame%02d.bmp", f + 1);
    ok = WriteFile(dir + name, EncodeBmp24(DrawBannerFrame(f))) && ok;
  }
  if (!ok) std::fprintf(stderr, "make_assets: cannot write into %s\n", dir.c_str());
  return ok ? 0 : 1;
}
