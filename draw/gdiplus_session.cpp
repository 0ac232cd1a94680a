// Starting and stopping GDI+, the layer's program-wide status, and GDI+'s allocator.
// Uses the flat functions only.
#include "draw/flat_api.h"

int last_gdip_status = gdip::Ok;
ULONG_PTR last_gdiplus_token = 0;

namespace {

// GdiplusStartupInput: no debug callback, background thread and external codecs kept.
struct StartupInput {
  UINT32 version;
  void* debug_event_callback;
  BOOL suppress_background_thread;
  BOOL suppress_external_codecs;
};

}  // namespace

ULONG_PTR gdiplus_start(UINT32 version) {
  const StartupInput input = {version, nullptr, FALSE, FALSE};
  ULONG_PTR token = 0;
  if (!flat::record(flat::call(flat::api().GdiplusStartup, &token, &input, nullptr))) token = 0;
  last_gdiplus_token = token;
  return token;
}

void gdiplus_stop() {
  const ULONG_PTR token = last_gdiplus_token;
  last_gdiplus_token = 0;
  gdiplus_stop(token);
}

void gdiplus_stop(ULONG_PTR token) {
  if (token != 0 && flat::api().GdiplusShutdown) flat::api().GdiplusShutdown(token);
}

void* DrawObject::Alloc(size_t size) {
  return flat::api().GdipAlloc ? flat::api().GdipAlloc(size) : nullptr;
}

void DrawObject::Free(void* pointer) {
  if (pointer && flat::api().GdipFree) flat::api().GdipFree(pointer);
}
