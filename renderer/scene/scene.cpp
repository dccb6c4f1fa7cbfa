#include "renderer/scene/scene.h"

#include "renderer/scene/wave_sheet.h"

void PlaceScene(Scene& scene) {
  scene.reflector.position = scene.reflector.position + Vec4{12, 12, -12, 1};
  TurnReflectorX(scene.reflector, 0.6f);
  scene.lookAt = kLookAt;
}

void UpdateScene(Scene& scene, float t) {
  scene.t = t;
  BuildWaveSheet(scene.sheet, t);
  TurnReflector(scene.reflector, kReflectorStepX, kReflectorStepY);
  // Once here rather than for every facet the drawing mirrors.
  UpdateReflectorNormal(scene.reflector);
  scene.eye = EyeAt(t);
}
