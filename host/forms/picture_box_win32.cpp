#include "host/forms/picture_box_win32.h"

#include "host/snapshot_bmp.h"

namespace Ondrel_B {
namespace {

constexpr const wchar_t* kClassName = L"VelnoraPictureBox";

LRESULT CALLBACK PictureProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    auto* self = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (self && self->Dc()) BitBlt(dc, 0, 0, self->Width(), self->Height(), self->Dc(), 0, 0, SRCCOPY);
    EndPaint(w, &ps);
    return 0;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

bool RegisterPictureClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PictureProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc) != 0;
  }();
  return registered;
}

// Writes all bytes or reports failure.
bool WriteAll(HANDLE file, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  while (size > 0) {
    const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    DWORD put = 0;
    if (!WriteFile(file, p, chunk, &put, nullptr) || put != chunk) return false;
    p += put;
    size -= put;
  }
  return true;
}

}  // namespace

PictureBox::~PictureBox() {
  if (original_) SelectObject(dc_.get(), original_);
  if (window_) DestroyWindow(window_);
}

bool PictureBox::Create(HWND parent, int width, int height) {
  if (!RegisterPictureClass() || width <= 0 || height <= 0 || !dc_.get()) return false;
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD, 0, 0, width, height, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  image_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  if (!image_) return false;
  original_ = SelectObject(dc_.get(), image_.get());
  width_ = width;
  height_ = height;
  return true;
}

bool PictureBox::SaveBitmap(const std::wstring& path) const {
  const auto headers = Bmp24Headers(width_, height_);
  if (!headers || !image_) return false;
  GdiFlush();  // drawing into a DIB section may still be queued

  const std::wstring temp = path + L".new";
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const size_t image = Bmp24Stride(width_) * static_cast<size_t>(height_);
  const bool written = WriteAll(file, headers->data(), headers->size()) && WriteAll(file, bits_, image) &&
                       FlushFileBuffers(file);
  CloseHandle(file);
  if (written && MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temp.c_str());
  return false;
}

}  // namespace Ondrel_B
