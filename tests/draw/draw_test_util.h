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
