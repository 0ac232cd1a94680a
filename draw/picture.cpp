// DrawPicture and DrawBitmap: GDI+ images from files, byte buffers, icons and blank
// pixels, and images encoded back into bytes. Uses the flat functions and ole32.
#include "draw/flat_api.h"

#include <vector>

using flat::api;
using flat::call;
using flat::record;

namespace {

// GDI+ ImageCodecInfo, as the encoder list returns it.
struct CodecInfo {
  CLSID clsid;
  GUID format_id;
  const WCHAR* codec_name;
  const WCHAR* dll_name;
  const WCHAR* format_description;
  const WCHAR* filename_extension;
  const WCHAR* mime_type;
  DWORD flags;
  DWORD version;
  DWORD signature_count;
  DWORD signature_size;
  const BYTE* signature_pattern;
  const BYTE* signature_mask;
};

// "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}": upper-case hexadecimal in braces.
std::string guid_text(const GUID& guid) {
  WCHAR wide[40] = {};
  if (StringFromGUID2(guid, wide, 40) == 0) return std::string();
  return flat::from_wide(wide);
}

// The CLSID of the installed encoder whose format's GUID text equals `format_id` exactly.
bool find_encoder(const std::string& format_id, CLSID& clsid) {
  UINT count = 0;
  UINT size = 0;
  if (call(api().GdipGetImageEncodersSize, &count, &size) != gdip::Ok || count == 0) return false;
  std::vector<CodecInfo> codecs(size / sizeof(CodecInfo) + 1);  // the names follow the records
  if (call(api().GdipGetImageEncoders, count, size, static_cast<void*>(codecs.data())) !=
      gdip::Ok)
    return false;
  for (UINT i = 0; i < count; ++i) {
    if (guid_text(codecs[i].format_id) == format_id) {
      clsid = codecs[i].clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

bool DrawPicture::Dispose() {
  if (!image_) return false;
  const int status = call(api().GdipDisposeImage, image_);
  SetHandle(nullptr);
  stream_.Release();  // after the image: GDI+ may read its stream until then
  return record(status);
}

bool DrawPicture::FromFile(const std::string& file_name, bool use_icm) {
  Dispose();
  const std::wstring wide = flat::to_wide(file_name);
  flat::H created = nullptr;
  const int status = call(use_icm ? api().GdipLoadImageFromFileICM : api().GdipLoadImageFromFile,
                          wide.c_str(), &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawPicture::FromBytes(const std::string& bytes, bool use_icm) {
  Dispose();
  IStream* stream = stream_.FromBytes(bytes);
  if (!stream) return record(gdip::OutOfMemory);
  flat::H created = nullptr;
  const int status = call(
      use_icm ? api().GdipLoadImageFromStreamICM : api().GdipLoadImageFromStream, stream, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  if (status != gdip::Ok) stream_.Release();
  return record(status);
}

std::string DrawPicture::SaveToBytes(const std::string& format_id,
                                     const void* encoder_parameters) const {
  std::string format = format_id;
  if (format.empty()) {
    GUID raw = {};
    if (!record(call(api().GdipGetImageRawFormat, image_, &raw))) return std::string();
    format = guid_text(raw);
  }
  CLSID encoder = {};
  if (!find_encoder(format, encoder)) {
    record(gdip::UnknownImageFormat);
    return std::string();
  }
  HGlobalStream out;
  if (!out.FromBytes(std::string(), 0)) {
    record(gdip::OutOfMemory);
    return std::string();
  }
  if (!record(call(api().GdipSaveImageToStream, image_, out.Stream(), &encoder,
                   encoder_parameters)))
    return std::string();
  return out.ToBytes();
}

UINT DrawPicture::GetWidth() const {
  UINT width = 0;
  record(call(api().GdipGetImageWidth, image_, &width));
  return width;
}

UINT DrawPicture::GetHeight() const {
  UINT height = 0;
  record(call(api().GdipGetImageHeight, image_, &height));
  return height;
}

bool DrawPicture::RotateFlip(int type) {
  return record(call(api().GdipImageRotateFlip, image_, type));
}

bool DrawBitmap::Dispose() {
  if (!bitmap_) return false;
  const int status = call(api().GdipDisposeImage, bitmap_);
  SetHandle(nullptr);
  stream_.Release();
  return record(status);
}

bool DrawBitmap::FromFile(const std::string& file_name, bool use_icm) {
  Dispose();
  const std::wstring wide = flat::to_wide(file_name);
  flat::H created = nullptr;
  const int status =
      call(use_icm ? api().GdipCreateBitmapFromFileICM : api().GdipCreateBitmapFromFile,
           wide.c_str(), &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawBitmap::FromBytes(const std::string& bytes, bool use_icm) {
  Dispose();
  IStream* stream = stream_.FromBytes(bytes);
  if (!stream) return record(gdip::OutOfMemory);
  flat::H created = nullptr;
  const int status =
      call(use_icm ? api().GdipCreateBitmapFromStreamICM : api().GdipCreateBitmapFromStream,
           stream, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  if (status != gdip::Ok) stream_.Release();
  return record(status);
}

bool DrawBitmap::Create(int width, int height, int pixel_format) {
  Dispose();
  flat::H created = nullptr;
  const int stride = 0;  // GDI+ allocates the pixels itself
  const int status = call(api().GdipCreateBitmapFromScan0, width, height, stride, pixel_format,
                          static_cast<BYTE*>(nullptr), &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

bool DrawBitmap::FromHICON(HICON icon) {
  Dispose();
  flat::H created = nullptr;
  const int status = call(api().GdipCreateBitmapFromHICON, icon, &created);
  SetHandle(status == gdip::Ok ? created : nullptr);
  return record(status);
}

HBITMAP DrawBitmap::ToHBITMAP(DWORD background_argb) const {
  HBITMAP created = nullptr;
  if (!record(call(api().GdipCreateHBITMAPFromBitmap, bitmap_, &created, background_argb)))
    return nullptr;
  return created;
}

DWORD DrawBitmap::GetPixel(int x, int y) const {
  DWORD argb = 0;
  record(call(api().GdipBitmapGetPixel, bitmap_, x, y, &argb));
  return argb;
}
