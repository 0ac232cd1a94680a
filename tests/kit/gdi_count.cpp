// Counting the live GDI objects of this process (see gdi_count.h). Uses only the platform.
#include "tests/kit/gdi_count.h"

#include <windows.h>

int count_live_gdi_objects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<int>(reported);
  int live = 0;
  for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  }
  return live;
}
