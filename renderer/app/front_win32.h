// The saver's windows in front of the desk: the keyboard is theirs, and no
// window of another program, always-on-top ones included, lies above them.
#pragma once

#include <windows.h>

#include <vector>

// Makes the shown window the foreground window with the keyboard focus
// (the host hands on its right to take the foreground before we start).
void TakeForeground(HWND window);

// Called often while the saver runs. Puts the windows back at the top of the
// always-on-top band when a visible window of another program has come above
// any of them, and takes the foreground back (to the first window) when
// another program took it. retakes is the caller's count of takes still due
// after one, 0 at the start. Cheap when nothing changed: a short walk down
// the z-order.
void KeepInFront(const std::vector<HWND>& windows, int& retakes);
