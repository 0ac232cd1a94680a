// The clipboard as tests fill it.
#include "tests/kit/clipboard.h"

#include <windows.h>

#include <cstring>

void put_on_clipboard(const char* text) {
  for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(10);
  EmptyClipboard();
  if (text) {
    size_t size = strlen(text) + 1;
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size)) {
      memcpy(GlobalLock(block), text, size);
      GlobalUnlock(block);
      if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
    }
  }
  CloseClipboard();
}
