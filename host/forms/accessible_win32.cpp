#include "host/forms/accessible_win32.h"

#include <optional>

#include "host/forms/window_object_win32.h"

namespace Forms {
namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// A text for the reader, or S_FALSE and no text where there is none.
HRESULT GiveText(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT GiveNumber(long number, VARIANT* out) {
  if (!out) return E_POINTER;
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = number;
  return S_OK;
}

// The client object of one runtime window. It keeps only the window's
// handle: a reader may hold it after the window is gone, and each answer
// asks the window's object afresh. What the facts do not say comes from the
// system's standard object for the same window.
class ClientAccessible final : public IAccessible, public IOleWindow {
 public:
  ClientAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  ClientAccessible(const ClientAccessible&) = delete;
  ClientAccessible& operator=(const ClientAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *out = static_cast<IAccessible*>(this);
    } else if (iid == IID_IOleWindow) {
      *out = static_cast<IOleWindow*>(this);
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    // NOTE: a COM object's reference count owns it; the last release ends it.
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: readers use the IAccessible methods themselves.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IOleWindow: the window a reader's WindowFromAccessibleObject finds.
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    if (!out) return E_POINTER;
    *out = window_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // What the window says of itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    return FromFacts(child, out, &IAccessible::get_accName, [](const AccessibleFacts& f, BSTR* o) {
      return GiveText(f.name, o);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    return FromFacts(child, out, &IAccessible::get_accValue, [](const AccessibleFacts& f, BSTR* o) {
      return GiveText(f.value, o);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    return FromFacts(child, out, &IAccessible::get_accRole, [](const AccessibleFacts& f, VARIANT* o) {
      return GiveNumber(f.role, o);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
    return FromFacts(child, out, &IAccessible::get_accState, [](const AccessibleFacts& f, VARIANT* o) {
      return GiveNumber(f.state, o);
    });
  }
  // The standard object would read an "&" of the window's text as an access
  // key, even where the control shows it as it is.
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
    return FromFacts(child, out, &IAccessible::get_accKeyboardShortcut, [](const AccessibleFacts& f, BSTR* o) {
      return GiveText(f.shortcut, o);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    const auto facts = IsSelf(child) ? Facts() : std::nullopt;
    if (!facts || facts->defaultAction.empty()) return standard_->get_accDefaultAction(child, out);
    return GiveText(facts->defaultAction, out);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    WindowObject* object = IsSelf(child) ? WindowObject::FromHandle(window_) : nullptr;
    if (!object || !object->DefaultAction) return standard_->accDoDefaultAction(child);
    return object->RequestDefaultAction() ? S_OK : E_ACCESSDENIED;
  }

  // Where it is and what is around it: the system's standard answers.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override { return standard_->get_accParent(out); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* out) override { return standard_->get_accChildCount(out); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return standard_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
    return standard_->get_accDescription(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
    return standard_->get_accHelp(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override { return standard_->get_accFocus(out); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return standard_->get_accSelection(out); }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
    return standard_->accNavigate(direction, start, out);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
    return standard_->accHitTest(x, y, out);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~ClientAccessible() { standard_->Release(); }

  // The object itself answers from the window's facts; a child of it, as
  // the standard object has them, from that object.
  template <typename Out, typename Give>
  HRESULT FromFacts(VARIANT child, Out* out, HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, Out*),
                    Give give) const {
    if (!IsSelf(child)) return (standard_->*standard)(child, out);
    const auto facts = Facts();
    return facts ? give(*facts, out) : CO_E_OBJNOTCONNECTED;
  }

  std::optional<AccessibleFacts> Facts() const {
    const WindowObject* object = WindowObject::FromHandle(window_);
    return object ? object->Facts() : std::nullopt;
  }

  LONG references_ = 1;
  HWND window_;
  IAccessible* standard_;  // owned: one reference
};

}  // namespace

long WindowState(HWND window) {
  long state = 0;
  if (!IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(window)) {
    state |= STATE_SYSTEM_UNAVAILABLE;
  } else if (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP) {
    state |= STATE_SYSTEM_FOCUSABLE;
  }
  if (GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
  return state;
}

std::wstring WithoutAccessKeys(const std::wstring& caption) {
  std::wstring said;
  said.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && ++i == caption.size()) break;
    said += caption[i];
  }
  return said;
}

LRESULT AnswerClientObject(HWND window, WPARAM wparam) {
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&standard))) ||
      !standard) {
    return 0;
  }
  auto* object = new ClientAccessible(window, standard);
  const LRESULT answer = LresultFromObject(IID_IAccessible, wparam, static_cast<IAccessible*>(object));
  object->Release();
  // A failure comes back as a negative HRESULT: the system's answer then.
  return answer > 0 ? answer : 0;
}

void AnnounceStateChange(HWND window) {
  if (window) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace Forms
