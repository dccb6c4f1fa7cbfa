#include "host/forms/picture_file_win32.h"

#include <wincodec.h>

#include "host/forms/com_scope_win32.h"
#include "host/forms/surface_win32.h"

namespace Forms {

std::optional<PictureFile> LoadPictureFile(const std::wstring& path, int maxSide, int64_t maxPixels) {
  ComScope com;  // for the length of one decode
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetSize(&width, &height))) {
    return std::nullopt;
  }
  if (width == 0 || height == 0 || width > static_cast<UINT>(maxSide) || height > static_cast<UINT>(maxSide) ||
      static_cast<int64_t>(width) * height > maxPixels) {
    return std::nullopt;
  }
  if (FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  PictureFile picture;
  void* bits = nullptr;
  picture.bitmap.reset(CreateSurfaceBitmap(static_cast<int>(width), static_cast<int>(height), {32, false}, &bits));
  const uint64_t bytes = uint64_t{width} * 4 * height;
  if (!bits || bytes > UINT_MAX || FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(bytes),
                                                                 static_cast<BYTE*>(bits)))) {
    return std::nullopt;
  }
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  return picture;
}

}  // namespace Forms
