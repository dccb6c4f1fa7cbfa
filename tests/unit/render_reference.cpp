#include "tests/unit/render_reference.h"

#include "renderer/gl/gl_api.h"
#include "renderer/scene/camera.h"
#include "renderer/scene/reflect.h"
#include "renderer/scene/wave_sheet.h"

namespace {

void Vertex(Vec4 p) { glVertex3f(p.x, p.y, p.z); }

void DrawFacet(const Facet& f) {
  glDisable(GL_CULL_FACE);
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < 3; ++i) {
    glTexCoord2f(f.s[i], f.t[i]);
    Vertex(f.corner[i]);
  }
  glEnd();
  glEnable(GL_CULL_FACE);
}

void DrawReflector(Reflector& r) {
  glPushMatrix();
  glColor4f(1, 1, 1, 1);
  glDepthMask(GL_FALSE);
  glDisable(GL_TEXTURE_2D);
  glTranslatef(r.position.x, r.position.y, r.position.z);
  glBegin(GL_QUADS);
  for (int i : {0, 1, 2, 3}) Vertex(r.corner[i]);
  glEnd();
  glDepthMask(GL_TRUE);
  glColor3f(0.5f, 0.5f, 0.5f);
  glBegin(GL_QUADS);
  for (int i : {1, 0, 3, 2}) Vertex(r.corner[i]);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  UpdateReflectorNormal(r);
  glPopMatrix();
}

void DrawReflectorSurround(const Reflector& r) {
  glPushMatrix();
  glDisable(GL_CULL_FACE);
  Vec4 outer[4];
  for (int i = 0; i < 4; ++i) {
    const Vec4 c = r.corner[i];
    outer[i] = c + 20.0f * (c - r.corner[(i + 2) % 4]);
  }
  glTranslatef(r.position.x, r.position.y, r.position.z);
  glBlendFunc(GL_ZERO, GL_ONE);
  glColor4f(1, 1, 1, 1);
  glBegin(GL_QUAD_STRIP);
  for (int i : {0, 1, 2, 3, 0}) {
    Vertex(outer[i]);
    Vertex(r.corner[i]);
  }
  glEnd();
  glEnable(GL_CULL_FACE);
  glBlendFunc(GL_ONE, GL_ZERO);
  glPopMatrix();
}

}  // namespace

void ReferenceRenderFrame(Scene& scene, const Texture& picture) {
  BuildWaveSheet(scene.sheet, scene.t);
  TurnReflector(scene.reflector, 0.015f, 0.01f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  scene.eye = EyeAt(scene.t);
  const Vec4 e = scene.eye, c = scene.lookAt;
  gluLookAt(e.x, e.y, e.z, c.x, c.y, c.z, 0, 1, 0);

  glColor3f(1, 1, 1);
  glEnable(GL_CULL_FACE);
  BindTexture(picture);
  for (const Facet& f : scene.sheet) DrawFacet(f);
  DrawReflector(scene.reflector);
  DrawReflectorSurround(scene.reflector);

  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(1, 1, 1, 0.9f);
  BindTexture(picture);
  Facet scratch;
  for (const Facet& f : scene.sheet) {
    if (ReflectFacet(scene.reflector, scene.eye, f, scratch)) DrawFacet(scratch);
  }
}
