#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "renderer/app/debug_print.h"

void DebugPrint(const char* format, ...) {
  char text[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  OutputDebugStringA(text);
}
