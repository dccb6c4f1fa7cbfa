#include "renderer/camera.h"
#include "renderer/reflector.h"
#include "renderer/scene.h"
#include "renderer/wave_sheet.h"

void UpdateScene(Scene& scene, float t) {
  scene.t = t;
  BuildWaveSheet(scene.sheet, t);
  TurnReflector(scene.reflector, kReflectorStepX, kReflectorStepY);
  // Once here rather than for every facet the drawing mirrors.
  UpdateReflectorNormal(scene.reflector);
  scene.eye = EyeAt(t);
}
