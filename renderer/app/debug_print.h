// The renderer's only diagnostic: formatted text to the debugger's output.
#pragma once

// printf-style; the text is cut to 1023 bytes.
void DebugPrint(const char* format, ...);
