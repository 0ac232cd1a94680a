// The browser box control: hosts the system's WebBrowser control through
// the ActiveX host window of atl.dll and navigates it to an address.
#pragma once
#include <windows.h>

#include <string>

namespace runtime {

inline constexpr char kBrowserBoxClass[] = "ZovraBrowserBox";

bool register_browser_box_class();
// Navigates the box's browser to the address (the host is made on first use).
void navigate_browser_box(HWND box, const std::string& address);

}  // namespace runtime
