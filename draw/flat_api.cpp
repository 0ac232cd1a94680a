// Internal to draw/: loading gdiplus.dll and resolving the flat functions once, and the
// text conversions shared by the layer. Uses only the platform.
#include "draw/flat_api.h"

namespace flat {

namespace {

HMODULE library() {
  static const HMODULE module = LoadLibraryA("gdiplus.dll");
  return module;
}

template <class Fn>
void resolve(Fn& slot, const char* name) {
  slot = reinterpret_cast<Fn>(proc(name));
}

Api load() {
  Api table;
#define ZOVRA_FLAT_RESOLVE(name, params) resolve(table.name, #name);
  ZOVRA_GDIPLUS_FUNCTIONS(ZOVRA_FLAT_RESOLVE)
#undef ZOVRA_FLAT_RESOLVE
  resolve(table.GdiplusShutdown, "GdiplusShutdown");
  resolve(table.GdipAlloc, "GdipAlloc");
  resolve(table.GdipFree, "GdipFree");
  return table;
}

}  // namespace

FARPROC proc(const char* name) {
  const HMODULE module = library();
  return module ? GetProcAddress(module, name) : nullptr;
}

const Api& api() {
  static const Api table = load();
  return table;
}

std::wstring to_wide(const std::string& text) {
  // -1: the text ends at its first zero byte, as any text does
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length) - 1);
  return wide;
}

std::string from_wide(const WCHAR* text) {
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return std::string();
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, nullptr, nullptr);
  narrow.resize(static_cast<size_t>(length) - 1);
  return narrow;
}

}  // namespace flat
