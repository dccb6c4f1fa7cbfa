// accprobe: a screen reader's view of a window from another process, through
// Microsoft Active Accessibility. Output is UTF-8, one item a line.
//   accprobe tree <title>         "class<TAB>role<TAB>name<TAB>value<TAB>state<TAB>default action<TAB>shortcut"
//                                 for the window's client object and each descendant's (role in
//                                 decimal, state in hex)
//   accprobe do <title> <name>    the default action of the first descendant of that name;
//                                 prints the result in hex, exit 0 when it was accepted
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "print_utf8_win32.h"

namespace {

std::wstring Hex(unsigned long value) {
  wchar_t text[16];
  swprintf(text, 16, L"%08lX", value);
  return text;
}

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

// A text property; empty when there is none.
template <typename Getter>
std::wstring TextOf(Getter get) {
  BSTR text = nullptr;
  std::wstring out;
  if (get(&text) == S_OK && text) out.assign(text, SysStringLen(text));
  SysFreeString(text);
  return out;
}

long NumberOf(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT out;
  VariantInit(&out);
  const bool ok = SUCCEEDED((object->*get)(Self(), &out)) && out.vt == VT_I4;
  const long value = ok ? out.lVal : -1;
  VariantClear(&out);
  return value;
}

struct Entry {
  HWND window;
  IAccessible* object;  // owned; null when the window gave none
};

// The window and its descendants, each with its client object.
std::vector<Entry> Tree(HWND top) {
  std::vector<HWND> windows{top};
  EnumChildWindows(
      top,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<Entry> entries;
  for (HWND w : windows) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(w, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
      object = nullptr;
    }
    entries.push_back({w, object});
  }
  return entries;
}

std::wstring NameOf(IAccessible* object) {
  return TextOf([&](BSTR* t) { return object->get_accName(Self(), t); });
}

std::wstring Line(const Entry& e) {
  wchar_t class_name[256] = {};
  GetClassNameW(e.window, class_name, 256);
  std::wstring line = class_name;
  if (!e.object) return line + L"\t-";
  IAccessible* o = e.object;
  line += L"\t" + std::to_wstring(NumberOf(o, &IAccessible::get_accRole));
  line += L"\t" + NameOf(o);
  line += L"\t" + TextOf([&](BSTR* t) { return o->get_accValue(Self(), t); });
  line += L"\t" + Hex(static_cast<unsigned long>(NumberOf(o, &IAccessible::get_accState)));
  line += L"\t" + TextOf([&](BSTR* t) { return o->get_accDefaultAction(Self(), t); });
  line += L"\t" + TextOf([&](BSTR* t) { return o->get_accKeyboardShortcut(Self(), t); });
  return line;
}

int Run(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  const std::wstring cmd = argv[1];
  HWND top = FindWindowW(nullptr, argv[2]);
  if (!top) return 1;
  std::vector<Entry> entries = Tree(top);
  int code = 0;
  if (cmd == L"tree") {
    for (const Entry& e : entries) Print(Line(e));
  } else if (cmd == L"do" && argc > 3) {
    code = 2;
    for (const Entry& e : entries) {
      if (!e.object || NameOf(e.object) != argv[3]) continue;
      const HRESULT hr = e.object->accDoDefaultAction(Self());
      Print(Hex(static_cast<unsigned long>(hr)));
      code = hr == S_OK ? 0 : 1;
      break;
    }
  } else {
    code = 2;
  }
  for (Entry& e : entries) {
    if (e.object) e.object->Release();
  }
  return code;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int code = Run(argc, argv);
  CoUninitialize();
  return code;
}
