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
//   velprobe front <title> <secs> [top]   a shown 300 x 200 window at (100, 100) that takes the foreground
//                                         and the keyboard; always on top with a fourth word
//   velprobe foreground                   the title of the foreground window
//   velprobe top <x> <y>                  the title of the top-level window Wine sees on top at a point
//   velprobe raise <title>                raises and activates the window, at the top of its band
//                                         (always-on-top or not)
//   velprobe metrics                      "screen-width screen-height ansi-code-page dpi refresh-hz"
//   velprobe client <title>               "x y width height" of the client area, on the screen
//   velprobe layout <title>               "class<TAB>text<TAB>x y width height<TAB>enabled" for each
//                                         descendant, placed in the window's client area
//   velprobe focus <title>                the same line for the control of that window's thread
//                                         that has the keyboard focus
//   velprobe shown <title>                exit 0 when the window is visible
//   velprobe dropped <title>              exit 0 when a combo box of the window has its list open
//   velprobe closebox <title>             "x y" on the screen of the middle of the close button
//   velprobe area <title> <w> <h> <secs>  a visible window at (100, 100) with a w x h child area at
//                                         (20, 20), as the display settings hold a preview; prints
//                                         "ready <child handle>"; ends when the window is closed
//   velprobe children <handle>            "handle<TAB>class<TAB>text<TAB>visible<TAB>x y w h" of each
//                                         direct child, x y in the parent's client pixels
//   velprobe screenrect <handle>          "x y width height" of any window, on the screen
//   velprobe stale                        the handle of a window that no longer exists
//   velprobe power <title> <state> [how] sends the window WM_POWERBROADCAST with the console display
//                                         state (0 off, 1 on, 2 dimmed) written into its process, as the
//                                         system does; how "other" names another setting, "short" gives
//                                         the data a wrong size
//   velprobe session <title> <event>      sends the window WM_WTSSESSION_CHANGE with that event
//   velprobe displaychange                sends every top-level window WM_DISPLAYCHANGE, as after a
//                                         change of the desk's monitors
//   velprobe reader <title>               what a screen reader hears of the window and each descendant
//                                         (Active Accessibility, client objects): "class<TAB>role<TAB>
//                                         name<TAB>value<TAB>state<TAB>default action<TAB>shortcut",
//                                         role in decimal, state in hex
//   velprobe readerdo <title> <name>      a screen reader's default action on the first of that name;
//                                         prints its result in hex, exit 0 when accepted
//   velprobe fits <title> <points> [face] measures the text of every label and button of the window in
//                                         that font (default: the system's message font) at 100, 150
//                                         and 200 %, and prints "class<TAB>text<TAB>percent<TAB>needed
//                                         room" for each that is wider than its control; exit 1 if any
//   velprobe desktop <name> <prog> [arg]  runs it on a new desktop of WinSta0 as Windows runs a saver; its exit code
//   velprobe crash <title>                an access violation in the window's process, as a faulting driver
//                                         raises one: a thread of it started where nothing is mapped
//   velprobe type <text>                  types the text, letter by letter as Unicode input, into what has
//                                         the keyboard (xdotool drops letters its keymap lacks, such as é)
//   velprobe exposed <ms> <picture.bmp>   samples a 7 x 7 grid of the screen every few ms for that long;
//                                         prints "samples exposed longest-ms": the samples that showed
//                                         the picture (the desktop) at most grid points, the longest run
#include <windows.h>

#include <fcntl.h>
#include <oleacc.h>
#include <io.h>

#include <algorithm>
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

RECT ClientOnScreen(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring Numbers(const RECT& r) {
  return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " +
         std::to_wstring(r.bottom - r.top);
}

// One control as the layout lists it, placed in the top-level window's client area.
std::wstring ControlLine(HWND top, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  const RECT client = ClientOnScreen(top);
  OffsetRect(&r, -client.left, -client.top);
  return ClassOf(control) + L"\t" + TextOf(control) + L"\t" + Numbers(r) + L"\t" +
         (IsWindowEnabled(control) ? L"1" : L"0");
}

int Layout(HWND w) {
  struct Walk { HWND top; } walk{w};
  EnumChildWindows(
      w,
      [](HWND child, LPARAM p) -> BOOL {
        Print(ControlLine(reinterpret_cast<Walk*>(p)->top, child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return 0;
}

int Focus(HWND w) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info) || !info.hwndFocus) return 1;
  Print(ControlLine(w, info.hwndFocus));
  return 0;
}

// Asks the window itself where its close button is, along the caption.
int CloseBox(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  const int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  int first = -1, last = -1;
  for (int x = r.right - 1; x > r.right - 100 && x > r.left; --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutW(w, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
    if (hit == HTCLOSE) {
      if (last < 0) last = x;
      first = x;
    } else if (last >= 0) {
      break;
    }
  }
  if (last < 0) return 1;
  Print(std::to_wstring((first + last) / 2) + L" " + std::to_wstring(y));
  return 0;
}

LRESULT CALLBACK HoldProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DESTROY) { PostQuitMessage(0); return 0; }
  return DefWindowProcW(w, m, wp, lp);
}

// A hidden marker window, or with front a shown 300 x 200 window at (100, 100)
// that takes the foreground and the keyboard, as the program a user works in.
int Hold(const wchar_t* title, double seconds, bool front = false, bool topmost = false) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = HoldProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = L"VelprobeHold";
  RegisterClassW(&wc);
  const RECT r = front ? RECT{100, 100, 400, 300} : RECT{0, 0, 10, 10};
  HWND w = CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, wc.lpszClassName, title, WS_POPUP | (front ? WS_VISIBLE : 0),
                           r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
  if (!w) return 1;
  if (front) {
    SetForegroundWindow(w);
    SetFocus(w);
  }
  Print(L"ready");
  SetTimer(w, 1, static_cast<UINT>(seconds * 1000), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) DestroyWindow(w);
    DispatchMessageW(&msg);
  }
  return 0;
}

LRESULT CALLBACK AreaProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DESTROY && !GetParent(w)) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

int Area(const wchar_t* title, int width, int height, double seconds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = AreaProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = L"VelprobeArea";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, wc.lpszClassName, title, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100, width + 40,
                           height + 40, nullptr, nullptr, wc.hInstance, nullptr);
  HWND area = w ? CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, width,
                                  height, w, nullptr, wc.hInstance, nullptr)
                : nullptr;
  if (!area) return 1;
  Print(L"ready " + std::to_wstring(reinterpret_cast<uintptr_t>(area)));
  SetTimer(w, 1, static_cast<UINT>(seconds * 1000), nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER && msg.hwnd == w) DestroyWindow(w);
    DispatchMessageW(&msg);
  }
  return 0;
}

// How long the screen showed the desktop's picture: a sample is exposed when
// at least 40 of its 49 points show the picture's colour there.
int Exposed(DWORD ms, const wchar_t* picture) {
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, picture, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!bitmap) return 2;
  HDC memory = CreateCompatibleDC(nullptr);
  SelectObject(memory, bitmap);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  POINT points[49];
  COLORREF desk[49];
  for (int i = 0; i < 49; ++i) {
    points[i] = {w * (1 + i % 7) / 8, h * (1 + i / 7) / 8};
    desk[i] = GetPixel(memory, points[i].x, points[i].y);
  }
  int samples = 0, exposed = 0;
  DWORD longest = 0, runFrom = 0;
  bool inRun = false;
  for (const DWORD from = GetTickCount(); GetTickCount() - from < ms; Sleep(2)) {
    HDC screen = GetDC(nullptr);
    int same = 0;
    for (int i = 0; i < 49; ++i) same += GetPixel(screen, points[i].x, points[i].y) == desk[i] ? 1 : 0;
    ReleaseDC(nullptr, screen);
    const DWORD now = GetTickCount();
    ++samples;
    if (same >= 40) {
      ++exposed;
      if (!inRun) runFrom = now;
      inRun = true;
      longest = std::max(longest, now - runFrom);
    } else {
      inRun = false;
    }
  }
  DeleteDC(memory);
  DeleteObject(bitmap);
  Print(std::to_wstring(samples) + L" " + std::to_wstring(exposed) + L" " + std::to_wstring(longest));
  return 0;
}

int Children(HWND parent) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    Print(std::to_wstring(reinterpret_cast<uintptr_t>(c)) + L"\t" + ClassOf(c) + L"\t" + TextOf(c) + L"\t" +
          (IsWindowVisible(c) ? L"visible" : L"hidden") + L"\t" + std::to_wstring(r.left) + L" " +
          std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " + std::to_wstring(r.bottom - r.top));
  }
  return 0;
}

// The window and its descendants, in the order the system lists them.
std::vector<HWND> WindowTree(HWND w) {
  std::vector<HWND> windows{w};
  EnumChildWindows(
      w,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Text wider than its control at a display scale: what GDI scaling draws
// there is the text at the scaled font in the scaled control, so hinting
// may make it wider than the 100 % text times the scale. Buttons draw
// their caption 3 pixels inside each edge; "&" marks an access key.
int Fits(HWND w, double points, const wchar_t* face) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!face && !SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return 2;
  if (!face) face = metrics.lfMessageFont.lfFaceName;
  struct Text { std::wstring cls, text; int room; };
  std::vector<Text> texts;
  for (HWND child : WindowTree(w)) {
    const std::wstring cls = ClassOf(child), text = TextOf(child);
    RECT r{};
    if (!text.empty() && (cls == L"VelnoraLabel" || cls == L"VelnoraWidget") && GetWindowRect(child, &r)) {
      texts.push_back({cls, text, static_cast<int>(r.right - r.left) - (cls == L"VelnoraWidget" ? 6 : 0)});
    }
  }
  HDC dc = CreateCompatibleDC(nullptr);
  int misfits = 0;
  for (int percent : {100, 150, 200}) {
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(points * 96 * percent / 100 / 72 + 0.5);
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    for (const Text& t : texts) {
      RECT extent{0, 0, 0, 0};
      DrawTextW(dc, t.text.c_str(), static_cast<int>(t.text.size()), &extent, DT_SINGLELINE | DT_CALCRECT);
      if (extent.right <= t.room * percent / 100) continue;
      Print(t.cls + L"\t" + t.text + L"\t" + std::to_wstring(percent) + L"\t" + std::to_wstring(extent.right) + L" " +
            std::to_wstring(t.room * percent / 100));
      ++misfits;
    }
    SelectObject(dc, old);
    DeleteObject(font);
  }
  DeleteDC(dc);
  return misfits ? 1 : 0;
}

HWND HandleArg(const wchar_t* text) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(_wtoi64(text))); }

std::wstring Hex(unsigned long value) {
  wchar_t text[16];
  swprintf(text, 16, L"%08lX", value);
  return text;
}

// A screen reader's view of one window: its client object, asked across processes.
class ReaderView {
 public:
  explicit ReaderView(HWND w) : window_(w) {
    self_.vt = VT_I4;
    self_.lVal = CHILDID_SELF;
    if (FAILED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object_)))) {
      object_ = nullptr;
    }
  }
  ~ReaderView() {
    if (object_) object_->Release();
  }
  std::wstring Name() const { return Text(&IAccessible::get_accName); }
  std::wstring Line() const {
    std::wstring line = ClassOf(window_);
    if (!object_) return line + L"\t-";
    return line + L"\t" + std::to_wstring(Number(&IAccessible::get_accRole)) + L"\t" + Name() + L"\t" +
           Text(&IAccessible::get_accValue) + L"\t" + Hex(static_cast<unsigned long>(Number(&IAccessible::get_accState))) +
           L"\t" + Text(&IAccessible::get_accDefaultAction) + L"\t" + Text(&IAccessible::get_accKeyboardShortcut);
  }
  HRESULT DoDefault() const { return object_ ? object_->accDoDefaultAction(self_) : E_FAIL; }

 private:
  std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) const {
    BSTR text = nullptr;
    std::wstring out;
    if (object_ && (object_->*get)(self_, &text) == S_OK && text) out.assign(text, SysStringLen(text));
    SysFreeString(text);
    return out;
  }
  long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) const {
    VARIANT out;
    VariantInit(&out);
    const long value = SUCCEEDED((object_->*get)(self_, &out)) && out.vt == VT_I4 ? out.lVal : -1;
    VariantClear(&out);
    return value;
  }

  HWND window_;
  IAccessible* object_ = nullptr;
  VARIANT self_{};
};

int Reader(HWND w, const wchar_t* name) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int code = name ? 2 : 0;
  for (HWND each : WindowTree(w)) {
    const ReaderView view(each);
    if (!name) {
      Print(view.Line());
    } else if (view.Name() == name) {
      const HRESULT result = view.DoDefault();
      Print(Hex(static_cast<unsigned long>(result)));
      code = result == S_OK ? 0 : 1;
      break;
    }
  }
  CoUninitialize();
  return code;
}

// A desktop of its own holds the program's windows until it has ended.
int OnDesktop(const wchar_t* name, const wchar_t* program, const wchar_t* argument) {
  HDESK desktop = CreateDesktopW(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (!desktop) return 3;
  std::wstring where = std::wstring(L"WinSta0\\") + name;
  std::wstring line = L"\"" + std::wstring(program) + L"\"" + (argument ? L" " + std::wstring(argument) : L"");
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.lpDesktop = where.data();
  PROCESS_INFORMATION pi{};
  DWORD code = 3;
  if (CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseDesktop(desktop);
  return static_cast<int>(code);
}

}  // namespace

// The message the system sends a window registered for the display state:
// its setting lies in the receiver's own memory.
int Power(HWND w, int state, const std::wstring& how) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  HANDLE process = pid ? OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid) : nullptr;
  if (!process) return 1;
  struct {
    GUID setting;
    DWORD length;
    DWORD data;
  } message{{0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}}, sizeof(DWORD),
            static_cast<DWORD>(state)};
  if (how == L"other") message.setting.Data1 ^= 1;
  if (how == L"short") message.length = 1;
  void* there = VirtualAllocEx(process, nullptr, sizeof message, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  const bool sent = there && WriteProcessMemory(process, there, &message, sizeof message, nullptr) &&
                    SendMessageTimeoutW(w, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(there),
                                        SMTO_ABORTIFHUNG, 5000, nullptr);
  if (there) VirtualFreeEx(process, there, 0, MEM_RELEASE);
  CloseHandle(process);
  return sent ? 0 : 1;
}

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);  // "\n" stays "\n" for the shell
  if (argc < 2) return 2;
  const std::wstring cmd = argv[1];
  if (cmd == L"metrics") {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    const int hz = EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) ? static_cast<int>(mode.dmDisplayFrequency) : 0;
    ReleaseDC(nullptr, screen);
    Print(std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L" " + std::to_wstring(GetSystemMetrics(SM_CYSCREEN)) +
          L" " + std::to_wstring(GetACP()) + L" " + std::to_wstring(dpi) + L" " + std::to_wstring(hz));
    return 0;
  }
  if (cmd == L"displaychange") {
    const LPARAM size = MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return SendMessageTimeoutW(HWND_BROADCAST, WM_DISPLAYCHANGE, 32, size, SMTO_ABORTIFHUNG, 5000, nullptr) ? 0 : 1;
  }
  if (cmd == L"stale") {
    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    Print(std::to_wstring(reinterpret_cast<uintptr_t>(w)));
    DestroyWindow(w);
    return 0;
  }
  if (cmd == L"cursor") {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info)) return 1;
    Print((info.flags & CURSOR_SHOWING) ? L"shown" : L"hidden");
    return 0;
  }
  if (cmd == L"foreground") {
    HWND w = GetForegroundWindow();
    Print(w ? TextOf(w) : L"");
    return w ? 0 : 1;
  }
  if (argc < 3) return 2;
  if (cmd == L"area" && argc > 5) return Area(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtof(argv[5]));
  if (cmd == L"children") return Children(HandleArg(argv[2]));
  if (cmd == L"screenrect") {
    RECT r{};
    if (!GetWindowRect(HandleArg(argv[2]), &r)) return 1;
    Print(std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " +
          std::to_wstring(r.bottom - r.top));
    return 0;
  }
  if (cmd == L"desktop" && argc > 3) return OnDesktop(argv[2], argv[3], argc > 4 ? argv[4] : nullptr);
  if (cmd == L"hold") return Hold(argv[2], argc > 3 ? _wtof(argv[3]) : 30.0);
  if (cmd == L"front") return Hold(argv[2], argc > 3 ? _wtof(argv[3]) : 30.0, true, argc > 4);
  if (cmd == L"top" && argc > 3) {
    const POINT at{_wtoi(argv[2]), _wtoi(argv[3])};
    HWND hit = WindowFromPoint(at);
    Print(hit ? TextOf(GetAncestor(hit, GA_ROOT)) : L"");
    return hit ? 0 : 1;
  }
  if (cmd == L"type") {
    for (const wchar_t* c = argv[2]; *c; ++c) {
      INPUT keys[2] = {};
      for (INPUT& k : keys) {
        k.type = INPUT_KEYBOARD;
        k.ki.wScan = *c;
        k.ki.dwFlags = KEYEVENTF_UNICODE;
      }
      keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
      if (SendInput(2, keys, sizeof(INPUT)) != 2) return 1;
      Sleep(20);
    }
    return 0;
  }
  if (cmd == L"exposed" && argc > 3) return Exposed(static_cast<DWORD>(_wtoi(argv[2])), argv[3]);
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
  if (cmd == L"client") {
    Print(Numbers(ClientOnScreen(w)));
    return 0;
  }
  if (cmd == L"layout") return Layout(w);
  if (cmd == L"shown") return IsWindowVisible(w) ? 0 : 1;
  if (cmd == L"dropped") {
    HWND box = FindWindowExW(w, nullptr, L"ComboBox", nullptr);
    for (HWND child = GetWindow(w, GW_CHILD); !box && child; child = GetWindow(child, GW_HWNDNEXT)) {
      box = FindWindowExW(child, nullptr, L"ComboBox", nullptr);
    }
    return box && SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) ? 0 : 1;
  }
  if (cmd == L"focus") return Focus(w);
  if (cmd == L"closebox") return CloseBox(w);
  if (cmd == L"raise") {
    const bool topmost = GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST;
    // Activates it too, as a program bringing its window forward does.
    return SetWindowPos(w, topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) ? 0 : 1;
  }
  if (cmd == L"power" && argc > 3) return Power(w, _wtoi(argv[3]), argc > 4 ? argv[4] : L"");
  if (cmd == L"session" && argc > 3) {
    return SendMessageTimeoutW(w, WM_WTSSESSION_CHANGE, _wtoi(argv[3]), 1, SMTO_ABORTIFHUNG, 5000, nullptr) ? 0 : 1;
  }
  if (cmd == L"close") return PostMessageW(w, WM_CLOSE, 0, 0) ? 0 : 1;
  if (cmd == L"crash") {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = pid ? OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid) : nullptr;
    HANDLE thread = process ? CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(0x10),
                                                 nullptr, 0, nullptr)
                            : nullptr;
    if (thread) CloseHandle(thread);
    if (process) CloseHandle(process);
    return thread ? 0 : 1;
  }
  if (cmd == L"endsession") {
    DWORD_PTR agreed = 0;
    SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &agreed);
    const bool sent =
        SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000, nullptr) != 0;
    Print(agreed ? L"agreed" : L"refused");
    return sent ? 0 : 1;
  }
  if (cmd == L"click" && argc > 3) return Click(w, argv[3]);
  if (cmd == L"reader") return Reader(w, nullptr);
  if (cmd == L"readerdo" && argc > 3) return Reader(w, argv[3]);
  if (cmd == L"fits" && argc > 3) return Fits(w, _wtof(argv[3]), argc > 4 ? argv[4] : nullptr);
  return 2;
}
