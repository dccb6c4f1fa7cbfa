// Texture: a GL texture name and the picture last loaded into it.
#pragma once

#include <cstdint>

#include "renderer/scene/snapshot.h"

struct Texture {
  char fileName[64] = {};  // last prepared path, cut to 63 characters
  uint32_t handle = 0;     // GL texture name + 1; 0 while none is held
  int32_t width = 0;       // of the last loaded picture
  int32_t height = 0;

  Texture() = default;
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;
  ~Texture();
};

// Releases any held name, stores the file name, creates a fresh name with
// repeat wrap and linear / mipmap-nearest filters and leaves it bound.
void PrepareTexture(Texture& tex, const char* fileName);

// Deletes the held name, if any.
void ReleaseTexture(Texture& tex);

void BindTexture(const Texture& tex);

// Prepares the texture, then reads the snapshot at path into it with all its
// mipmap levels. False (texture left without an image) when the file cannot
// be read, is not a picture the reader takes, or GL refuses it.
[[nodiscard]] bool LoadBitmapTexture(Texture& tex, const char* path);

// The largest texture side the current context takes (GL_MAX_TEXTURE_SIZE;
// 1024 on Windows' own software OpenGL).
int32_t MaxTextureSide();

// Uploads an already decoded picture into the bound texture, a side beyond
// maxSide scaled down to the largest power of two within it first, so that
// GL is never handed more than it takes. False, with a fresh name without
// an image bound, when the picture cannot be scaled or GL refuses it.
[[nodiscard]] bool UploadSnapshot(Texture& tex, const SnapshotImage& image, int32_t maxSide);
