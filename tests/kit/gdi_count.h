// Counting the live GDI objects of this process, for leak tests. Uses only the platform.
#pragma once

// GetGuiResources where it answers; under Wine (always 0 there) it asks GetObjectType
// about every 16-bit handle index 1..0xFFFF, which Wine completes to its handle. Some
// objects are made lazily on first use: count after a few warm-up rounds.
int count_live_gdi_objects();
