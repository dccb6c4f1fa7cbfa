// Renders the preview still: the made-up desktop as the snapshot, one frame
// of the saver over it, written as a binary PPM.
//   preview_frame <out.ppm> <width> <height> <frames> <seconds> [<desktop.bmp>]
// The frames are drawn evenly over the seconds, as the saver would have drawn them.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/assets/image_files.h"
#include "tools/preview/desktop_picture.h"
#include "tools/preview/render_still.h"

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr, "usage: preview_frame <out.ppm> <width> <height> <frames> <seconds> [<desktop.bmp>]\n");
    return 2;
  }
  const std::string out = argv[1];
  const int width = std::atoi(argv[2]), height = std::atoi(argv[3]), frames = std::atoi(argv[4]);
  const double seconds = std::atof(argv[5]);
  if (width <= 0 || height <= 0 || frames <= 0 || !(seconds > 0)) {
    std::fprintf(stderr, "preview_frame: sizes, frames and seconds must be positive\n");
    return 2;
  }
  // The desktop the saver would have photographed, kept beside the output
  // unless a place is given.
  const std::string desktop = argc == 7 ? argv[6] : out + ".desktop.bmp";
  if (!assets::WriteFile(desktop, assets::EncodeBmp24(preview::DrawDesktop(width, height)))) {
    std::fprintf(stderr, "preview_frame: cannot write %s\n", desktop.c_str());
    return 1;
  }
  const std::vector<uint8_t> rgb = preview::RenderStill(desktop, width, height, frames, seconds);
  if (rgb.empty()) {
    std::fprintf(stderr, "preview_frame: no OSMesa context\n");
    return 1;
  }
  assets::Bytes ppm;
  const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
  ppm.assign(header.begin(), header.end());
  ppm.insert(ppm.end(), rgb.begin(), rgb.end());
  if (!assets::WriteFile(out, ppm)) {
    std::fprintf(stderr, "preview_frame: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
