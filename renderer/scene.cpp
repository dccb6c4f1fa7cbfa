#include "renderer/scene.h"

#include "renderer/gl_api.h"

void InitSceneView(Texture& picture, int32_t clientWidth, int32_t clientHeight, const char* snapshotPath) {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glDisable(GL_CULL_FACE);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A zero height would make the aspect infinite; the viewport uses 1 then too.
  const int32_t h = clientHeight != 0 ? clientHeight : 1;
  gluPerspective(60.0, static_cast<double>(clientWidth) / static_cast<double>(h), 1.0, 50.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  LoadBitmapTexture(picture, snapshotPath);
  glEnable(GL_TEXTURE_2D);
  BindTexture(picture);
}

bool InitScene(Scene& scene, const char* snapshotPath) {
  InitSceneView(scene.snapshot, scene.clientWidth, scene.clientHeight, snapshotPath);

  scene.reflector.position = scene.reflector.position + Vec4{12, 12, -12, 1};
  TurnReflectorX(scene.reflector, 0.6f);
  scene.lookAt = kLookAt;
  return true;
}
