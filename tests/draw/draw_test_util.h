// Helpers of the drawing tests: ARGB colours from COLORREF and point probes on a canvas.
// Uses the test kit's canvas and GoogleTest.
#pragma once
#include <windows.h>

#include <vector>

#include "tests/kit/pixels.h"

// An opaque (or given alpha) ARGB colour for the drawing layer from a COLORREF.
constexpr DWORD argb_of(COLORREF colour, BYTE alpha = 0xFF) {
  return (static_cast<DWORD>(alpha) << 24) | (static_cast<DWORD>(GetRValue(colour)) << 16) |
         (static_cast<DWORD>(GetGValue(colour)) << 8) | GetBValue(colour);
}

struct Probe {
  int x;
  int y;
  COLORREF expected;
  int tolerance;
};

inline void expect_probes(const Canvas& canvas, const std::vector<Probe>& probes) {
  for (const Probe& probe : probes)
    EXPECT_TRUE(colour_matches(canvas.pixel(probe.x, probe.y), probe.expected, probe.tolerance))
        << "at (" << probe.x << ", " << probe.y << ")";
}

// Bytes of private memory the process has committed, summed over its address space:
// a leak detector that works under Wine, where the process memory counters answer 0.
inline SIZE_T committed_private_bytes() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region = {};
  for (const char* address = nullptr;
       VirtualQuery(address, &region, sizeof region) == sizeof region;
       address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    if (region.RegionSize == 0) break;
  }
  return total;
}
