#include "renderer/gl/render.h"

#include "renderer/gl/gl_api.h"
#include "renderer/scene/reflect.h"

namespace {

void Vertex(Vec4 p) { glVertex3f(p.x, p.y, p.z); }

GLboolean Flag(bool on) { return on ? GL_TRUE : GL_FALSE; }

void Enable(GLenum cap, bool on) {
  if (on) {
    glEnable(cap);
  } else {
    glDisable(cap);
  }
}

void BeginPass(const PassState& s, const Texture& snapshot) {
  glColorMask(Flag(s.colourWrite), Flag(s.colourWrite), Flag(s.colourWrite), Flag(s.colourWrite));
  glDepthMask(Flag(s.depthWrite));
  Enable(GL_TEXTURE_2D, s.texture);
  if (s.texture) BindTexture(snapshot);
  Enable(GL_BLEND, s.blend);
  if (s.blend) glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  Enable(GL_CULL_FACE, s.cullBackFaces);
  glColor4fv(s.colour);
}

// One facet's corners into the open GL_TRIANGLES batch.
void DrawFacet(const Facet& f) {
  for (int i = 0; i < 3; ++i) {
    glTexCoord2f(f.s[i], f.t[i]);
    Vertex(f.corner[i]);
  }
}

// One face of the panel, its corners in the given order.
void DrawPanelFace(const Reflector& r, const int (&order)[4]) {
  glPushMatrix();
  glTranslatef(r.position.x, r.position.y, r.position.z);
  glBegin(GL_QUADS);
  for (int i : order) Vertex(r.corner[i]);
  glEnd();
  glPopMatrix();
}

// A ring of four quadrilaterals in the panel's plane, from the panel's edge
// out to its corners pushed 20 diagonals further out; the panel stays open.
void DrawReflectorSurround(const Reflector& r) {
  Vec4 outer[4];
  for (int i = 0; i < 4; ++i) {
    const Vec4 c = r.corner[i];
    outer[i] = c + 20.0f * (c - r.corner[(i + 2) % 4]);
  }
  glPushMatrix();
  glTranslatef(r.position.x, r.position.y, r.position.z);
  glBegin(GL_QUAD_STRIP);
  for (int i : {0, 1, 2, 3, 0}) {
    Vertex(outer[i]);
    Vertex(r.corner[i]);
  }
  glEnd();
  glPopMatrix();
}

}  // namespace

void DrawFrame(const Scene& scene, const Texture& picture, const FramePasses& passes) {
  // The clear obeys the write masks.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glDepthMask(GL_TRUE);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  const Vec4 e = scene.eye, c = scene.lookAt;
  gluLookAt(e.x, e.y, e.z, c.x, c.y, c.z, 0, 1, 0);

  BeginPass(passes.sheet, picture);
  glBegin(GL_TRIANGLES);
  for (const Facet& f : scene.sheet) DrawFacet(f);
  glEnd();

  const Reflector& r = scene.reflector;
  BeginPass(passes.panelFront, picture);
  DrawPanelFace(r, {0, 1, 2, 3});
  BeginPass(passes.panelBack, picture);
  DrawPanelFace(r, {1, 0, 3, 2});
  BeginPass(passes.surround, picture);
  DrawReflectorSurround(r);

  if (!EyeSeesMirror(r, scene.eye)) return;
  BeginPass(passes.mirror, picture);
  Facet image;
  glBegin(GL_TRIANGLES);
  for (const Facet& f : scene.sheet) {
    if (MirrorFacet(r, scene.eye, f, image)) DrawFacet(image);
  }
  glEnd();
}

void RenderFrame(Scene& scene, const Texture& picture) {
  UpdateScene(scene, scene.t);
  DrawFrame(scene, picture);
}
