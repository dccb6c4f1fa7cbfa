#include "renderer/gl/view_setup.h"

#include "renderer/gl/gl_api.h"

void SetProjection(int32_t clientWidth, int32_t clientHeight) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A zero height would make the aspect infinite; the viewport uses 1 then too.
  const int32_t h = clientHeight != 0 ? clientHeight : 1;
  gluPerspective(60.0, static_cast<double>(clientWidth) / static_cast<double>(h), 1.0, 50.0);
  glMatrixMode(GL_MODELVIEW);
}

namespace {

void InitViewState(int32_t clientWidth, int32_t clientHeight) {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glDisable(GL_CULL_FACE);
  SetProjection(clientWidth, clientHeight);
  glLoadIdentity();
}

}  // namespace

void InitSceneView(Texture& picture, int32_t clientWidth, int32_t clientHeight, const char* snapshotPath) {
  InitViewState(clientWidth, clientHeight);
  // NOTE: a snapshot that cannot be loaded leaves the sheet plain white, as
  // the system draws it: there is nothing else to do.
  static_cast<void>(LoadBitmapTexture(picture, snapshotPath));
  glEnable(GL_TEXTURE_2D);
  BindTexture(picture);
}

bool InitSceneViewWith(Texture& picture, int32_t clientWidth, int32_t clientHeight, const SnapshotImage& image) {
  InitViewState(clientWidth, clientHeight);
  PrepareTexture(picture, "");
  const bool loaded = UploadSnapshot(picture, image, MaxTextureSide());
  glEnable(GL_TEXTURE_2D);
  BindTexture(picture);
  return loaded;
}

void InitScene(Scene& scene, Texture& picture, int32_t clientWidth, int32_t clientHeight, const char* snapshotPath) {
  InitSceneView(picture, clientWidth, clientHeight, snapshotPath);
  PlaceScene(scene);
}
