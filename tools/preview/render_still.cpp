#include "tools/preview/render_still.h"

#include <GL/osmesa.h>

#include <cstring>
#include <optional>

#include "renderer/gl/gl_api.h"
#include "renderer/gl/render.h"
#include "renderer/gl/view_setup.h"

namespace preview {

std::vector<uint8_t> RenderStill(const std::string& snapshotPath, int width, int height, int frames,
                                 double seconds) {
  OSMesaContext ctx = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
  if (!ctx) return {};
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
  std::vector<uint8_t> rgb;
  if (OSMesaMakeCurrent(ctx, rgba.data(), GL_UNSIGNED_BYTE, width, height)) {
    glViewport(0, 0, width, height);
    Scene scene;
    std::optional<Texture> picture(std::in_place);
    InitScene(scene, *picture, width, height, snapshotPath.c_str());
    // The saver's own sequence of frames, so the panel has turned as far as it would have.
    for (int k = 1; k <= frames; ++k) {
      scene.t = static_cast<float>(seconds * k / frames);
      RenderFrame(scene, *picture);
    }
    glFinish();
    picture.reset();  // its name goes while the context is current
    // OSMesa's rows run bottom to top.
    rgb.resize(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
      const uint8_t* src = &rgba[static_cast<size_t>(height - 1 - y) * width * 4];
      uint8_t* dst = &rgb[static_cast<size_t>(y) * width * 3];
      for (int x = 0; x < width; ++x) std::memcpy(dst + 3 * x, src + 4 * x, 3);
    }
  }
  OSMesaDestroyContext(ctx);
  return rgb;
}

}  // namespace preview
