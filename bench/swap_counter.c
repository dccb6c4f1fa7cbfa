/* swap_counter: an LD_PRELOAD shim that counts the buffer swaps of a native
 * GL program, for the frame-rate bench's XScreenSaver peers (which present
 * through EGL since XScreenSaver 6; glXSwapBuffers is counted too). After every
 * swap it rewrites one fixed-width line in $VELNORA_SWAP_LOG:
 *   <swaps after the first> <seconds from the first swap to this one>
 * so that the line is complete whenever the program is stopped.
 *   cc -O2 -shared -fPIC bench/swap_counter.c -o swap_counter.so -ldl */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

typedef struct _XDisplay Display;
typedef unsigned long GLXDrawable;
typedef void* EGLDisplay;
typedef void* EGLSurface;
typedef unsigned int EGLBoolean;

static double Now(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (double)ts.tv_sec + (double)ts.tv_nsec * 1e-9;
}

static void Count(void) {
  static long swaps;
  static double first;
  static int fd = -2;
  const double now = Now();
  if (swaps++ == 0) first = now;
  if (fd == -2) {
    const char* path = getenv("VELNORA_SWAP_LOG");
    fd = path != NULL ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
  }
  if (fd < 0) return;
  char line[64];
  const int n = snprintf(line, sizeof line, "%12ld %14.6f\n", swaps - 1, now - first);
  if (n > 0 && pwrite(fd, line, (size_t)n, 0) < 0) fd = -1;
}

EGLBoolean eglSwapBuffers(EGLDisplay dpy, EGLSurface surface) {
  static EGLBoolean (*real)(EGLDisplay, EGLSurface);
  if (real == NULL) real = (EGLBoolean(*)(EGLDisplay, EGLSurface))dlsym(RTLD_NEXT, "eglSwapBuffers");
  const EGLBoolean done = real != NULL ? real(dpy, surface) : 0;
  Count();
  return done;
}

void glXSwapBuffers(Display* dpy, GLXDrawable drawable) {
  static void (*real)(Display*, GLXDrawable);
  if (real == NULL) real = (void (*)(Display*, GLXDrawable))dlsym(RTLD_NEXT, "glXSwapBuffers");
  if (real != NULL) real(dpy, drawable);
  Count();
}
