// Puts text on the clipboard for tests, as a user's copy would.
#pragma once

// CF_TEXT in the ANSI code page; nullptr leaves the clipboard empty.
void put_on_clipboard(const char* text);
