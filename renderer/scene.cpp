#include "renderer/scene.h"

#include "renderer/gl_api.h"

bool InitScene(Scene& scene, const char* snapshotPath) {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glDisable(GL_CULL_FACE);

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A zero height would make the aspect infinite; the viewport uses 1 then too.
  const int32_t h = scene.clientHeight != 0 ? scene.clientHeight : 1;
  gluPerspective(60.0, static_cast<double>(scene.clientWidth) / static_cast<double>(h), 1.0, 50.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  LoadBitmapTexture(scene.snapshot, snapshotPath);
  glEnable(GL_TEXTURE_2D);
  BindTexture(scene.snapshot);

  scene.reflector.position = scene.reflector.position + Vec4{12, 12, -12, 1};
  TurnReflectorX(scene.reflector, 0.6f);
  scene.lookAt = kLookAt;
  return true;
}
