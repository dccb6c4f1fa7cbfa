#include "renderer/gl/texture.h"

#include <cstring>
#include <vector>

#include "renderer/gl/gl_api.h"
#include "renderer/scene/file_bytes.h"

Texture::~Texture() { ReleaseTexture(*this); }

namespace {

// A fresh, bound texture name with the sheet's filtering and no image.
void NewTextureName(Texture& tex) {
  ReleaseTexture(tex);
  GLuint name = 0;
  glGenTextures(1, &name);
  tex.handle = name + 1;
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLfloat>(GL_REPEAT));
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLfloat>(GL_REPEAT));
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLfloat>(GL_LINEAR));
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLfloat>(GL_LINEAR_MIPMAP_NEAREST));
}

}  // namespace

void PrepareTexture(Texture& tex, const char* fileName) {
  std::strncpy(tex.fileName, fileName, sizeof tex.fileName - 1);
  tex.fileName[sizeof tex.fileName - 1] = '\0';
  NewTextureName(tex);
}

void ReleaseTexture(Texture& tex) {
  if (tex.handle == 0) return;
  const GLuint name = tex.handle - 1;
  glDeleteTextures(1, &name);
  tex.handle = 0;
}

void BindTexture(const Texture& tex) { glBindTexture(GL_TEXTURE_2D, tex.handle - 1); }

int32_t MaxTextureSide() {
  GLint side = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
  return side;
}

namespace {

// The side GL gets: the picture's own while GL takes it (GLU then rounds it
// to a power of two itself, as before), else the largest power of two GL takes.
int32_t FittedSide(int32_t side, int32_t maxSide) {
  if (side <= maxSide) return side;
  int32_t fitted = 1;
  while (fitted <= maxSide / 2) fitted *= 2;
  return fitted;
}

}  // namespace

bool UploadSnapshot(Texture& tex, const SnapshotImage& image, int32_t maxSide) {
  tex.width = image.width;
  tex.height = image.height;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  const int32_t w = FittedSide(image.width, maxSide), h = FittedSide(image.height, maxSide);
  const void* pixels = image.pixels;
  std::vector<uint8_t> fitted;
  if (w != image.width || h != image.height) {
    glPixelStorei(GL_PACK_ALIGNMENT, 4);  // the scaled rows padded as the upload reads them
    fitted.resize(static_cast<size_t>((w * 3 + 3) / 4 * 4) * h);
    if (gluScaleImage(GL_BGR_EXT, image.width, image.height, GL_UNSIGNED_BYTE, image.pixels, w, h, GL_UNSIGNED_BYTE,
                      fitted.data()) != 0) {
      return false;
    }
    pixels = fitted.data();
  }
  // GLU scales to power-of-two sides itself.
  if (gluBuild2DMipmaps(GL_TEXTURE_2D, 3, w, h, GL_BGR_EXT, GL_UNSIGNED_BYTE, pixels) == 0) return true;
  // No level of a refused picture may stay: the sheet is drawn plain.
  NewTextureName(tex);
  return false;
}

bool LoadBitmapTexture(Texture& tex, const char* path) {
  PrepareTexture(tex, path);
  std::vector<uint8_t> bytes;
  SnapshotImage image;
  if (!ReadFileBytes(path, bytes) || !DecodeSnapshot(bytes.data(), bytes.size(), image)) return false;
  return UploadSnapshot(tex, image, MaxTextureSide());
}
