// HGlobalStream: OLE streams on global memory blocks, to and from byte buffers.
// Uses only the platform (ole32, kernel32).
#include "draw/hglobal_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

IStream* HGlobalStream::FromBytes(const std::string& bytes) {
  return FromBytes(bytes, bytes.size());
}

IStream* HGlobalStream::FromBytes(const std::string& bytes, size_t length) {
  Release();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length);
  if (!block) return nullptr;
  const size_t copied = std::min(length, bytes.size());  // the rest stays zero
  if (copied > 0) {
    void* address = GlobalLock(block);
    if (!address) {
      GlobalFree(block);
      return nullptr;
    }
    std::memcpy(address, bytes.data(), copied);
    GlobalUnlock(block);
  }
  IStream* stream = nullptr;
  // FALSE: the block is ours to free, so it outlives a stream GDI+ still holds
  if (FAILED(CreateStreamOnHGlobal(block, FALSE, &stream)) || !stream) {
    GlobalFree(block);
    return nullptr;
  }
  block_ = block;
  stream_ = stream;
  return stream;
}

void HGlobalStream::Release() {
  if (!stream_) return;
  HGLOBAL block = HGlobal();
  stream_->Release();
  if (block) GlobalFree(block);
  stream_ = nullptr;
  block_ = nullptr;
}

HGLOBAL HGlobalStream::HGlobal() const {
  HGLOBAL current = nullptr;
  // writing may have reallocated the block
  if (stream_ && SUCCEEDED(GetHGlobalFromStream(stream_, &current)) && current) return current;
  return block_;
}

SIZE_T HGlobalStream::Size() const {
  HGLOBAL block = HGlobal();
  return block ? GlobalSize(block) : 0;
}

bool HGlobalStream::Attach(IStream* stream) {
  if (!stream) return false;
  if (stream == stream_) return true;
  HGLOBAL block = nullptr;
  if (FAILED(GetHGlobalFromStream(stream, &block)) || !block) return false;
  Release();
  stream_ = stream;
  block_ = block;
  return true;
}

std::string HGlobalStream::ToBytes() const {
  if (!stream_) return std::string();
  HGLOBAL block = HGlobal();
  SIZE_T size = block ? GlobalSize(block) : 0;
  // A block may be larger than what was written into it; the stream knows its end.
  STATSTG stat = {};
  if (SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart < size)
    size = static_cast<SIZE_T>(stat.cbSize.QuadPart);
  if (size == 0) return std::string();
  const void* address = GlobalLock(block);
  if (!address) return std::string();
  std::string bytes(static_cast<const char*>(address), size);
  GlobalUnlock(block);
  return bytes;
}

void HGlobalStream::swap(HGlobalStream& other) noexcept {
  std::swap(block_, other.block_);
  std::swap(stream_, other.stream_);
}
