// OpenGL 1.1 and GLU for the drawing code, without <windows.h>: MinGW's
// headers pull it in unless the calling-convention macros already exist.
#pragma once

#if defined(_WIN32) && !defined(APIENTRY)
#define APIENTRY __stdcall
#define WINGDIAPI __declspec(dllimport)
#define CALLBACK __stdcall
#endif
#include <GL/gl.h>
#include <GL/glu.h>

#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif
