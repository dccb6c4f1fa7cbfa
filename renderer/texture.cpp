#include "renderer/texture.h"

#include <cstring>
#include <vector>

#include "renderer/file_bytes.h"
#include "renderer/gl_api.h"

Texture::~Texture() { ReleaseTexture(*this); }

bool PrepareTexture(Texture& tex, const char* fileName) {
  ReleaseTexture(tex);
  std::strncpy(tex.fileName, fileName, sizeof tex.fileName - 1);
  tex.fileName[sizeof tex.fileName - 1] = '\0';
  GLuint name = 0;
  glGenTextures(1, &name);
  tex.handle = name + 1;
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLfloat>(GL_REPEAT));
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLfloat>(GL_REPEAT));
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLfloat>(GL_LINEAR));
  glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLfloat>(GL_LINEAR_MIPMAP_NEAREST));
  return true;
}

void ReleaseTexture(Texture& tex) {
  if (tex.handle == 0) return;
  const GLuint name = tex.handle - 1;
  glDeleteTextures(1, &name);
  tex.handle = 0;
}

void BindTexture(const Texture& tex) { glBindTexture(GL_TEXTURE_2D, tex.handle - 1); }

void UploadSnapshot(Texture& tex, const SnapshotImage& image) {
  tex.width = image.width;
  tex.height = image.height;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  // GLU scales to power-of-two sides itself; a refusal leaves the texture empty.
  gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_BGR_EXT, GL_UNSIGNED_BYTE,
                    image.pixels);
}

bool LoadBitmapTexture(Texture& tex, const char* path) {
  PrepareTexture(tex, path);
  std::vector<uint8_t> bytes;
  SnapshotImage image;
  if (!ReadFileBytes(path, bytes) || !DecodeSnapshot(bytes.data(), bytes.size(), image)) return false;
  UploadSnapshot(tex, image);
  return true;
}
