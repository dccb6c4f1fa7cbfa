// The probes' output: one line of UTF-8 on standard output, flushed at once.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

inline void Print(const std::wstring& line) {
  const std::wstring l = line + L"\n";
  const int n = WideCharToMultiByte(CP_UTF8, 0, l.c_str(), static_cast<int>(l.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, l.c_str(), static_cast<int>(l.size()), out.data(), n, nullptr, nullptr);
  fwrite(out.data(), 1, out.size(), stdout);
  fflush(stdout);
}
