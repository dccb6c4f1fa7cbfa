// Ondrel_P: the settings dialog titled "■Velnora■". The user chooses the
// music source, the CD track to repeat and the music file; "設定" writes
// them to the settings file, "ｷｬﾝｾﾙ" and the close button write nothing.
// Its words are those of the texts it is shown with (ui_texts.cpp).
// Every handler step that fails is skipped and the next one runs.
#include "host/settings/settings_dialog_win32.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "desk/system/com_win32.h"
#include "host/base/ascii.h"
#include "host/base/names.h"
#include "host/base/ondrel_b.h"
#include "host/base/paths.h"
#include "host/forms/access_keys_win32.h"
#include "host/forms/accessible_win32.h"
#include "host/forms/app_pointer_win32.h"
#include "host/forms/combo_box_win32.h"
#include "host/forms/form_win32.h"
#include "host/forms/image_win32.h"
#include "host/forms/label_win32.h"
#include "host/forms/message_watch_win32.h"
#include "host/forms/picture_box_win32.h"
#include "host/forms/property_bag.h"
#include "host/forms/shape_win32.h"
#include "host/forms/tab_order_win32.h"
#include "host/forms/widget_site.h"
#include "host/settings/banner_counter.h"
#include "host/settings/bgm_choice.h"
#include "host/settings/dialog_pictures_win32.h"
#include "host/settings/dialog_place.h"
#include "host/settings/ini.h"
#include "host/settings/music_file_chooser_win32.h"
#include "host/settings/number_text.h"
#include "host/settings/repeat_text.h"
#include "host/settings/zoom_win32.h"
#include "host/widgets/button_look.h"
#include "host/widgets/cc_xp_button_win32.h"
#include "host/widgets/gfx_frame_x_win32.h"

namespace Ondrel_B {
namespace {

using Widgets::ccXPButton;
using Widgets::GFXFrameX;

constexpr COLORREF kBackground = 0x00E0E0E0;
constexpr int kClientWidth = 522, kClientHeight = 265;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
constexpr float kFontPoints = 9.75f;  // 13 pixels at 96 dots per inch, in every language
constexpr int kRepeatBoxLeft = 96;  // in the frame, unless the CD label reaches further
constexpr int kLabelGap = 4;        // at least, between the CD label and the repeat box
constexpr UINT kBannerFrameMs = 100;  // the banners' animation steps every this many milliseconds

// The face of the texts' language at the dialog's size; where the texts
// name none, the system's message font (Segoe UI on current Windows).
Forms::FontDesc DialogFont(const UiTexts& texts) {
  if (texts.fontFace) return Forms::FontDesc{texts.fontFace, kFontPoints, 400, texts.fontCharset};
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  const bool known = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  // "MS Shell Dlg 2" is the system's own name for its dialog face.
  return Forms::FontDesc{known ? metrics.lfMessageFont.lfFaceName : L"MS Shell Dlg 2", kFontPoints, 400,
                         texts.fontCharset};
}

// The right edge of a child window, in its parent's client pixels.
int RightOf(HWND child) {
  RECT r{};
  if (!GetWindowRect(child, &r)) return 0;
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r.right;
}

RECT At(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

// Fixed dialog frame around a client area of 522 x 265 pixels.
Forms::FormLook DialogLook() {
  RECT outer = At(0, 0, kClientWidth, kClientHeight);
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  return Forms::FormLook{kDialogTitle, kStyle, kExStyle, kBackground, 0, 0, outer.right - outer.left,
                         outer.bottom - outer.top};
}

// The three source choices: a mark and a label each, by index (the stored
// source); on screen the rows run CD, none, file. The key chooses it from the
// keyboard (N for none, C for CD, M for MP3) whatever the language.
struct ChoiceRow {
  int top;
  wchar_t key;
};
constexpr std::array<ChoiceRow, kBgmSourceCount> kChoiceRows{{{72, L'N'}, {52, L'C'}, {92, L'M'}}};

class Ondrel_P final : public Forms::Form {
 public:
  explicit Ondrel_P(const UiTexts& texts)
      : Form(DialogLook()), texts_(texts), fontDesc_(DialogFont(texts)),
        repeatKey_(AsciiUpper(Widgets::AccessKeyOf(texts.repeatTrack))) {}

  bool PreTranslate(MSG& msg) override;

 private:
  void OnLoad() override;
  bool OnQueryUnload() override;
  void OnUnload() override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  void BuildControls();
  void BuildFrameControls(HWND frame);
  void BuildFormControls();
  Forms::WidgetSite& NewSite(const wchar_t* name);
  std::unique_ptr<ccXPButton> NewButton(const wchar_t* name, HWND container, const RECT& bounds,
                                        const std::wstring& caption);
  void WatchDefaultLook(ccXPButton& button, size_t slot);
  void ShowDefaultLook(HWND focus);

  void PlaceWindow();
  void DescribeForReaders();
  void ShowChoice(int16_t kind);
  void OnChoicePressed(int16_t kind);
  void ChooseWithoutPointer(int16_t kind);
  bool OnChoiceKey(const MSG& msg);
  void OnFileClick();
  void OnSetClick();
  void OnBannerClick();
  void OnTimer1();

  // Declared first, gone last: what the controls show.
  const UiTexts& texts_;
  const Forms::FontDesc fontDesc_;
  const wchar_t repeatKey_;  // the access key of the repeat box's label; 0 if none
  DialogPictures pictures_;
  Desk::GdiObject<HFONT> font_;
  Forms::ControlList controls_;
  std::vector<std::unique_ptr<Forms::WidgetSite>> sites_;

  std::unique_ptr<GFXFrameX> GFXFrameX1;
  std::array<Forms::Shape, 2> Sh;
  Forms::Label lbl15, lbl14, lbl7, lbl_Fname;
  std::array<Forms::Image, kBgmSourceCount> Img_BGM;
  std::array<Forms::Label, kBgmSourceCount> lbl_BGM;
  Forms::ComboBox BGM_Repeat;
  std::unique_ptr<ccXPButton> Cmd_File, Cmd_Set, Cmd_Can;
  Forms::WidgetSite* setSite_ = nullptr;
  std::array<Forms::PictureBox, 2> Pic_m;
  std::array<Forms::MessageWatch, 4> focusWatches_;
  Forms::TabOrder tabOrder_;

  Forms::Timer& Timer1 = AddTimer(kBannerFrameMs, [this] { OnTimer1(); });
  int16_t counter_ = 0;  // banner animation
  Point16 ZoomPoint;      // the mouse at the start: the dialog zooms open from it and closes into it
};

Forms::WidgetSite& Ondrel_P::NewSite(const wchar_t* name) {
  sites_.push_back(std::make_unique<Forms::WidgetSite>(name, Forms::ParentForm{hWnd(), false, &controls_},
                                                       Forms::Ambient{kBackground, false, true}));
  return *sites_.back();
}

std::unique_ptr<ccXPButton> Ondrel_P::NewButton(const wchar_t* name, HWND container, const RECT& bounds,
                                                const std::wstring& caption) {
  auto button = std::make_unique<ccXPButton>(NewSite(name), container, bounds, texts_);
  Forms::PropertyBag bag;
  bag.Write(Widgets::kCaption, caption, std::wstring(Widgets::kDefaultCaption));
  bag.Write(Widgets::kFont, fontDesc_, std::wstring(L"Verdana"));
  button->ReadProperties(bag);
  controls_.Add(button.get());
  return button;
}

void Ondrel_P::BuildControls() {
  pictures_.Load();
  font_.reset(Widgets::CreateFontFor(fontDesc_));
  if (pictures_.icon) SendMessageW(hWnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(pictures_.icon));
  if (pictures_.smallIcon) {
    SendMessageW(hWnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pictures_.smallIcon));
  }

  // The frame stores nothing but its shadow depth.
  GFXFrameX1 = std::make_unique<GFXFrameX>(NewSite(L"GFXFrameX1"), hWnd(), At(12, 12, 501, 173));
  Forms::PropertyBag frameBag;
  frameBag.Write(Widgets::kShadowDepth, int16_t{7}, Widgets::FrameProperties{}.ShadowDepth);
  GFXFrameX1->ReadProperties(frameBag);
  controls_.Add(GFXFrameX1.get());

  BuildFrameControls(GFXFrameX1->hWnd());
  BuildFormControls();

  for (HWND control : {BGM_Repeat.hWnd(), Cmd_File->hWnd(), Cmd_Set->hWnd(), Cmd_Can->hWnd(), Pic_m[0].hWnd(),
                       Pic_m[1].hWnd()}) {
    tabOrder_.Add(control);
  }
  DescribeForReaders();
}

// What the window, labels, marks and pictures mean, for screen readers: the
// window is a dialog, the panel the music group, each source's label its
// radio button, the repeat box is named by its label, the banners are links.
void Ondrel_P::DescribeForReaders() {
  Describe = [](Forms::AccessibleFacts& facts) {
    facts.role = ROLE_SYSTEM_DIALOG;
    facts.name = kDialogTitle;
  };
  GFXFrameX1->SetGroupName(lbl15.Text());
  for (int16_t i = 0; i < kBgmSourceCount; ++i) {
    lbl_BGM[i].Describe = [this, i](Forms::AccessibleFacts& facts) {
      facts.role = ROLE_SYSTEM_RADIOBUTTON;
      facts.state = Shared().BgmKind == i ? STATE_SYSTEM_CHECKED : 0;
      facts.defaultAction = texts_.checkAction;
      facts.shortcut = texts_.altShortcut + std::wstring(1, kChoiceRows[i].key);
    };
    lbl_BGM[i].DefaultAction = [this, i] { ChooseWithoutPointer(i); };
  }
  BGM_Repeat.Describe = [this](Forms::AccessibleFacts& facts) { facts.name = Forms::WithoutAccessKeys(lbl14.Text()); };
  for (Forms::PictureBox& banner : Pic_m) {
    banner.Describe = [this](Forms::AccessibleFacts& facts) {
      facts.role = ROLE_SYSTEM_LINK;
      facts.name = texts_.homePageLink;
      facts.value = kMakerPage;
      facts.state = STATE_SYSTEM_LINKED;
      facts.defaultAction = texts_.jumpAction;
    };
    banner.DefaultAction = [this] { OnBannerClick(); };
  }
}

void Ondrel_P::BuildFrameControls(HWND frame) {
  // The engraved plate behind the heading: its outlines above the heading's label.
  Sh[0].Create(frame, At(20, 16, 113, 21), RGB(0, 0, 0));
  Sh[1].Create(frame, At(20, 16, 113, 21), RGB(255, 255, 255));
  Forms::LabelLook look{font_.get()};
  Forms::LabelLook centred = look;
  centred.centred = true;
  lbl15.Create(frame, At(20, 20, 111, 13), centred, texts_.musicHeading);

  Forms::LabelLook sized = look;
  sized.autoSize = true;
  sized.accessKey = true;
  for (int16_t i = 0; i < kBgmSourceCount; ++i) {
    Img_BGM[i].Create(frame, At(28, kChoiceRows[i].top, 13, 13));
    lbl_BGM[i].Create(frame, At(44, kChoiceRows[i].top, 0, 0), sized, texts_.sources[i]);
    Img_BGM[i].MouseDown = [this, i](int) { OnChoicePressed(i); };
    lbl_BGM[i].MouseDown = [this, i](int) { OnChoicePressed(i); };
  }
  // The repeat box and its label follow a CD label longer than the Japanese one.
  const int boxLeft = std::max(kRepeatBoxLeft, RightOf(lbl_BGM[kBgmCd].hWnd()) + kLabelGap);
  BGM_Repeat.Create(frame, boxLeft, 48, 41, font_.get());
  lbl14.Create(frame, At(boxLeft + 44, 52, 0, 0), sized, texts_.repeatTrack);

  Cmd_File = NewButton(L"Cmd_File", frame, At(24, 112, 45, 25), texts_.chooseFile);
  Cmd_File->Click = [this] { OnFileClick(); };
  Forms::LabelLook framed = look;
  framed.border = true;
  lbl_Fname.Create(frame, At(72, 112, 397, 33), framed, L"");

  Sh[0].BringToFront();
  Sh[1].BringToFront();
}

void Ondrel_P::BuildFormControls() {
  Cmd_Set = NewButton(L"Cmd_Set", hWnd(), At(144, 192, 113, 33), texts_.set);
  setSite_ = sites_.back().get();
  Cmd_Set->Click = [this] { OnSetClick(); };
  Cmd_Can = NewButton(L"Cmd_Can", hWnd(), At(260, 192, 113, 33), texts_.cancel);
  Cmd_Can->Click = [this] { PostMessageW(hWnd(), WM_CLOSE, 0, 0); };
  // Enter clicks "設定" unless another button has the focus; Escape clicks "ｷｬﾝｾﾙ".
  Forms::SetDefaultWidget(Cmd_Set->hWnd(), true);
  Forms::SetCancelWidget(Cmd_Can->hWnd(), true);
  setSite_->SetDisplayAsDefault(true);
  WatchDefaultLook(*Cmd_File, 0);
  WatchDefaultLook(*Cmd_Can, 2);

  const std::array<int, 2> bannerLeft{12, 384};
  for (size_t i = 0; i < Pic_m.size(); ++i) {
    if (!Pic_m[i].Create(hWnd(), 123, 52)) continue;
    Pic_m[i].Clear(RGB(0, 0, 0));  // black until its first frame
    Pic_m[i].SetMousePointer(pictures_.hand);
    Pic_m[i].SetTabStop(true);
    Pic_m[i].Click = [this] { OnBannerClick(); };
    Pic_m[i].ShowAt(bannerLeft[i], 192);
  }

  Forms::LabelLook credit{font_.get()};
  credit.autoSize = true;
  lbl7.Create(hWnd(), At(172, 232, 0, 0), credit, texts_.credit);
}

// "設定" shows as the default button while no other button has the focus.
void Ondrel_P::WatchDefaultLook(ccXPButton& button, size_t slot) {
  HWND window = button.hWnd();
  focusWatches_[slot].Start(window, WM_SETFOCUS, [this, window](UINT, WPARAM, LPARAM) { ShowDefaultLook(window); });
  focusWatches_[slot + 1].Start(window, WM_KILLFOCUS, [this](UINT, WPARAM wparam, LPARAM) {
    ShowDefaultLook(reinterpret_cast<HWND>(wparam));
  });
}

void Ondrel_P::ShowDefaultLook(HWND focus) {
  const bool otherButton = focus && (focus == Cmd_File->hWnd() || focus == Cmd_Can->hWnd());
  if (setSite_ && setSite_->ambient().DisplayAsDefault == otherButton) {
    setSite_->SetDisplayAsDefault(!otherButton);
    Forms::AnnounceStateChange(Cmd_Set->hWnd());
  }
}

bool Ondrel_P::PreTranslate(MSG& msg) {
  // The repeat box's open list keeps Enter and Escape for itself.
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) && BGM_Repeat.Dropped()) {
    return false;
  }
  return OnChoiceKey(msg) || tabOrder_.PreTranslate(msg) || Form::PreTranslate(msg);
}

bool Ondrel_P::OnMessage(UINT message, WPARAM wparam, LPARAM, LRESULT& result) {
  if (message != WM_ACTIVATE) return false;
  // The focus goes back to the control that had it, or to the first that takes it.
  tabOrder_.Activated(LOWORD(wparam) != WA_INACTIVE);
  result = 0;
  return true;
}

void Ondrel_P::PlaceWindow() {
  RECT outer{};
  if (!GetWindowRect(hWnd(), &outer)) return;
  const DialogPlacement at = PlaceDialog(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                         outer.right - outer.left, outer.bottom - outer.top);
  SetWindowPos(hWnd(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Ondrel_P::OnLoad() {
  BuildControls();
  SharedState& s = Shared();

  PlaceWindow();
  const RECT plate = Sh[0].Bounds();
  Sh[1].Move(plate.left + 1, plate.top + 1);
  BGM_Repeat.SetEnabled(false);
  ShowChoice(s.BgmKind);
  BGM_Repeat.SetText(RepeatText(s.BgmRepeat));
  BGM_Repeat.AddItems(RepeatEntries());
  lbl_Fname.SetText(s.BgmFile);

  POINT mouse{};
  ZoomPoint = GetCursorPos(&mouse) ? Point16{static_cast<int16_t>(mouse.x), static_cast<int16_t>(mouse.y)}
                                   : Point16{};
  ZoomOpen(hWnd(), ZoomPoint);
  Forms::SetAppMousePointer(Forms::MousePointer::Default);
  Timer1.SetEnabled(true);
}

// Marks and enabled controls for a source; one outside 0 to 2 chooses nothing.
void Ondrel_P::ShowChoice(int16_t kind) {
  const ChoiceLook look = LookOfChoice(kind);
  for (int i = 0; i < kBgmSourceCount; ++i) Img_BGM[i].SetPicture(pictures_.marks[0].get());
  if (look.chosen >= 0) Img_BGM[look.chosen].SetPicture(pictures_.marks[1].get());
  if (look.repeatEnabled) BGM_Repeat.SetEnabled(true);
  Cmd_File->SetEnabled(look.fileEnabled);
}

// Any mouse button, on the press: the choice takes effect at once.
void Ondrel_P::OnChoicePressed(int16_t kind) {
  const int16_t before = Shared().BgmKind;
  Shared().BgmKind = kind;
  Cmd_File->SetEnabled(false);
  BGM_Repeat.SetEnabled(false);
  ShowChoice(kind);
  if (before == kind) return;
  if (before >= kBgmNone && before < kBgmSourceCount) Forms::AnnounceStateChange(lbl_BGM[before].hWnd());
  Forms::AnnounceStateChange(lbl_BGM[kind].hWnd());
}

// From the keyboard or a screen reader: the control that had the focus may
// just have been disabled.
void Ondrel_P::ChooseWithoutPointer(int16_t kind) {
  OnChoicePressed(kind);
  if (!tabOrder_.Current()) tabOrder_.FocusFirst();
}

// Alt and the choice's letter, or the letter alone while the repeat box's
// text does not take it: the same choice as a press on the mark.
bool Ondrel_P::OnChoiceKey(const MSG& msg) {
  const bool alt = msg.message == WM_SYSCHAR;
  if (!alt && msg.message != WM_CHAR) return false;
  if (BGM_Repeat.Dropped()) return false;
  if (!alt && (msg.hwnd == BGM_Repeat.hWnd() || IsChild(BGM_Repeat.hWnd(), msg.hwnd))) return false;
  const wchar_t key = AsciiUpper(static_cast<wchar_t>(msg.wParam));
  for (int16_t i = 0; i < kBgmSourceCount; ++i) {
    if (kChoiceRows[i].key != key) continue;
    ChooseWithoutPointer(i);
    return true;
  }
  // The repeat box's label, where its text shows an access key, leads to the box.
  if (key != repeatKey_ || !repeatKey_ || !BGM_Repeat.Enabled()) return false;
  SetFocus(BGM_Repeat.hWnd());
  return true;
}

void Ondrel_P::OnFileClick() {
  SharedState& s = Shared();
  const auto chosen = ChooseMusicFile(hWnd(), s.BgmFolder, texts_);
  if (!chosen) return;  // cancelled, or a path the settings file cannot hold: the previous file stays
  s.BgmFile = *chosen;
  lbl_Fname.SetText(s.BgmFile);
  s.BgmFolder = DirOf(s.BgmFile);
}

void Ondrel_P::OnSetClick() {
  SharedState& s = Shared();
  WriteIni(kMusicSection, kBgmKindKey, SignColumn(s.BgmKind), kSettingsFile);
  // Read whether or not the box is enabled.
  s.BgmRepeat = RepeatFromText(BGM_Repeat.Text());
  WriteIni(kMusicSection, kBgmRepeatKey, SignColumn(s.BgmRepeat), kSettingsFile);
  WriteIni(kMusicSection, kBgmFileKey, s.BgmFile, kSettingsFile);
  // Closed once the button's own handling is over.
  PostMessageW(hWnd(), WM_CLOSE, 0, 0);
}

void Ondrel_P::OnBannerClick() {
  Forms::SetAppMousePointer(Forms::MousePointer::Hourglass);
  ShellExecuteW(hWnd(), L"open", kMakerPage, L"", L"", SW_SHOWNORMAL);
  Forms::SetAppMousePointer(Forms::MousePointer::Default);
}

void Ondrel_P::OnTimer1() {
  const BannerTick tick = NextBannerTick(counter_);
  counter_ = tick.counter;
  if (tick.box >= 0) Pic_m[tick.box].ShowPicture(pictures_.banner[tick.frame - 1].get());
}

// However the dialog closes; the close is never refused.
bool Ondrel_P::OnQueryUnload() {
  Timer1.SetEnabled(false);
  return true;
}

void Ondrel_P::OnUnload() { ZoomClose(hWnd(), ZoomPoint); }

}  // namespace

void ShowSettingsDialog(const UiTexts& texts) {
  Desk::ComScope com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);  // the file chooser and the shell
  Ondrel_P dialog(texts);
  if (dialog.Load()) dialog.ShowModal();
}

}  // namespace Ondrel_B
