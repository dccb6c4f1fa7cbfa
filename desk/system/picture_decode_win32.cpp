#include "desk/system/picture_decode_win32.h"

#include <wincodec.h>

#include "desk/system/com_win32.h"

namespace Desk {

std::unique_ptr<Dib> DecodePicture(const std::wstring& path, int32_t maxSide, int64_t maxPixels) {
  ComScope com;
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
    return nullptr;
  }
  if (width == 0 || height == 0 || width > static_cast<UINT>(maxSide) || height > static_cast<UINT>(maxSide) ||
      static_cast<int64_t>(width) * height > maxPixels) {
    return nullptr;
  }
  if (FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  auto picture = std::make_unique<Dib>(static_cast<int32_t>(width), static_cast<int32_t>(height),
                                       DibRows::Bgrx32TopDown);
  const uint64_t bytes = uint64_t{width} * 4 * height;
  if (!picture->rows() || bytes > UINT_MAX ||
      FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(bytes), picture->rows()))) {
    return nullptr;
  }
  return picture;
}

}  // namespace Desk
