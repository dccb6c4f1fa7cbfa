// velprobe: the scenarios' eyes and hands inside Wine. A console program
// that finds windows by title, reads their texts and geometry, holds a
// marker window open, and posts or clicks. Output is UTF-8, one item a line.
//   velprobe find <title>                 handle in decimal; exit 1 if none
//   velprobe rect <title>                 "x y width height" of the window
//   velprobe texts <title>                "class<TAB>text" for the window and each child
//   velprobe close <title>                posts WM_CLOSE
//   velprobe endsession <title>           sends WM_QUERYENDSESSION, then WM_ENDSESSION (TRUE) as at log-off
//   velprobe cursor                       "shown" or "hidden": the cursor as the foreground's input sees it
//   velprobe click <title> <button text>  clicks the child button with that text
//   velprobe hold <title> <seconds>       a hidden top-level window with that title
//   velprobe metrics                      "screen-width screen-height ansi-code-page dpi"
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void Print(const std::wstring& line) {
  const std::wstring l = line + L"\n";
  const int n = WideCharToMultiByte(CP_UTF8, 0, l.c_str(), static_cast<int>(l.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, l.c_str(), static_cast<int>(l.size()), out.data(), n, nullptr, nullptr);
  fwrite(out.data(), 1, out.size(), stdout);
  fflush(stdout);
}

std::wstring TextOf(HWND w) {
  wchar_t buf[1024] = {};
  // WM_GETTEXT reaches windows of other processes too.
  SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buf;
}

std::wstring ClassOf(HWND w) {
  wchar_t buf[256] = {};
  GetClassNameW(w, buf, 256);
  return buf;
}

HWND Find(const wchar_t* title) { return FindWindowW(nullptr, title); }

int Texts(HWND w) {
  Print(ClassOf(w) + L"\t" + TextOf(w));
  EnumChildWindows(
      w,
      [](HWND child, LPARAM) -> BOOL {
        Print(ClassOf(child) + L"\t" + TextOf(child));
        return TRUE;
      },
      0);
  return 0;
}

int Click(HWND w, const wchar_t* text) {
  struct Search { const wchar_t* text; HWND hit; } s{text, nullptr};
  EnumChildWindows(
      w,
      [](HWND child, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        if (TextOf(child) == s->text) { s->hit = child; return FALSE; }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&s));
  if (!s.hit) return 1;
  PostMessageW(s.hit, BM_CLICK, 0, 0);
  return 0;
}

LRESULT CALLBACK HoldProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DESTROY) { PostQuitMessage(0); return 0; }
  return DefWindowProcW(w, m, wp, lp);
}

int Hold(const wchar_t* title, double seconds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = HoldProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VelprobeHold";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, wc.lpszClassName, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  if (!w) return 1;
  Print(L"ready");
  SetTimer(w, 1, static_cast<UINT>(seconds * 1000), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) DestroyWindow(w);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // "\n" stays "\n" for the shell
  if (argc < 2) return 2;
  const std::wstring cmd = argv[1];
  if (cmd == L"metrics") {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    Print(std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L" " + std::to_wstring(GetSystemMetrics(SM_CYSCREEN)) +
          L" " + std::to_wstring(GetACP()) + L" " + std::to_wstring(dpi));
    return 0;
  }
  if (cmd == L"cursor") {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) return 1;
    Print((info.flags & CURSOR_SHOWING) ? L"shown" : L"hidden");
    return 0;
  }
  if (argc < 3) return 2;
  if (cmd == L"hold") return Hold(argv[2], argc > 3 ? _wtof(argv[3]) : 30.0);
  HWND w = Find(argv[2]);
  if (!w) return 1;
  if (cmd == L"find") {
    Print(std::to_wstring(reinterpret_cast<uintptr_t>(w)));
    return 0;
  }
  if (cmd == L"rect") {
    RECT r{};
    GetWindowRect(w, &r);
    Print(std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " +
          std::to_wstring(r.bottom - r.top));
    return 0;
  }
  if (cmd == L"texts") return Texts(w);
  if (cmd == L"close") return PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
  if (cmd == L"endsession") {
    DWORD_PTR agreed = 0;
    SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &agreed);
    const bool sent =
        SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000, nullptr) != 0;
    Print(agreed ? L"agreed" : L"refused");
    return sent ? 0 : 1;
  }
  if (cmd == L"click" && argc > 3) return Click(w, argv[3]);
  return 2;
}
