// Frame drawing: the textured sheet, the reflector and the sheet's mirror
// image in it, made with geometry and the depth buffer alone.
#pragma once

#include "renderer/gl/texture.h"
#include "renderer/scene/scene.h"

// The GL state one pass of the frame draws with, set in full at the pass's
// start, so that no pass depends on what an earlier one left behind.
struct PassState {
  bool texture;        // the snapshot texture, modulated by the colour
  bool blend;          // source alpha over what is drawn (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
  bool colourWrite;    // all four channels
  bool depthWrite;
  bool cullBackFaces;  // counter-clockwise faces are the front ones
  float colour[4];     // RGBA
};

// The frame's passes, in drawing order.
struct FramePasses {
  PassState sheet;       // the rippling sheet
  PassState panelFront;  // writes no depth, so the mirror image shows over it
  PassState panelBack;
  PassState surround;    // the ring around the panel: depth alone
  PassState mirror;      // the sheet's image, 90 % over the white front
};

// The drawing's passes. Everything but the mirror is opaque (alpha 1), so it
// is drawn unblended; the ring writes depth only, with texturing off. Each
// gives the colour and depth bytes that blending throughout and a textured
// ring under a (0, 1) blend give, at a fraction of the raster work.
inline constexpr FramePasses kFramePasses{
    // texture blend colour depth  cull
    {true, false, true, true, false, {1, 1, 1, 1}},           // sheet
    {false, false, true, false, true, {1, 1, 1, 1}},          // panel front
    {false, false, true, true, true, {0.5f, 0.5f, 0.5f, 1}},  // panel back
    {false, false, false, true, false, {1, 1, 1, 1}},         // surround
    {true, true, true, true, false, {1, 1, 1, 0.9f}},         // mirror
};

// Draws the scene as UpdateScene left it, with picture on the sheet, into
// the current GL context (no swap); changes nothing in the scene. Relies
// only on the state InitSceneView fixed for the whole run: depth test
// (less), projection, model-view matrix mode, texture environment.
void DrawFrame(const Scene& scene, const Texture& picture, const FramePasses& passes = kFramePasses);

// One frame for scene.t: UpdateScene, then DrawFrame.
void RenderFrame(Scene& scene, const Texture& picture);
