// Writes every picture of the host's resources into the folder given:
//   make_assets <assets-dir>
#include <cstdio>
#include <string>

#include "tools/assets/icon_art.h"
#include "tools/assets/image_files.h"

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
  if (!ok) std::fprintf(stderr, "make_assets: cannot write into %s\n", dir.c_str());
  return ok ? 0 : 1;
}
