// HGlobalStream: an OLE stream on a global memory block, turning byte buffers into
// streams for GDI+ and streams back into bytes. Uses only the platform (ole32, kernel32).
#pragma once
#include <windows.h>
#include <objidl.h>
#include <string>

// Owns one stream and the block under it (the stream never frees the block itself).
// Both are released by Release, by the next FromBytes/Attach and when destroyed.
class HGlobalStream {
 public:
  HGlobalStream() = default;
  ~HGlobalStream() { Release(); }
  HGlobalStream(const HGlobalStream&) = delete;
  HGlobalStream& operator=(const HGlobalStream&) = delete;
  HGlobalStream(HGlobalStream&& other) noexcept { swap(other); }
  HGlobalStream& operator=(HGlobalStream&& other) noexcept {
    if (this != &other) {
      Release();
      swap(other);
    }
    return *this;
  }

  // A new stream on a zero-filled block of `length` bytes (the buffer's size when not
  // given) holding the buffer's bytes; null on failure. Any stream held before is released.
  IStream* FromBytes(const std::string& bytes);
  IStream* FromBytes(const std::string& bytes, size_t length);

  void Release();

  SIZE_T Size() const;         // GlobalSize of the block; 0 when none
  IStream* Stream() const { return stream_; }
  HGLOBAL HGlobal() const;     // the block under the stream (it moves as the stream grows)

  // Takes over the caller's reference to a stream on global memory made with
  // fDeleteOnRelease = FALSE, and its block. False (nothing taken) when it has no block.
  bool Attach(IStream* stream);

  // The stream's bytes (at most the block's size); empty when no stream is held.
  std::string ToBytes() const;

 private:
  void swap(HGlobalStream& other) noexcept;

  HGLOBAL block_ = nullptr;  // as made or attached; HGlobal() asks the stream for its current one
  IStream* stream_ = nullptr;
};
