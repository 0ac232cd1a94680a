// The driver's process handling and window look-ups.
#include "tests/e2e/app_driver.h"

#include "app/main_window.h"

namespace {

struct Search {
  DWORD process_id;
  const std::string* title;
  HWND found;
};

BOOL CALLBACK match_top_level(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search->process_id && window_text(hwnd) == *search->title) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string window_text(HWND hwnd) {
  // GetWindowTextA does not ask another process's controls for their text.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return {};
  std::string text(size_t(length) + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(strlen(text.c_str()));
  return text;
}

std::string class_name(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

RECT rect_in_parent(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

ZovraProcess::ZovraProcess() {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command = "\"" ZOVRA_EXE "\"";
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info_))
    return;
  WaitForInputIdle(info_.hProcess, 10000);
  main_ = wait_for_window(app::kMainTitle, 30000);
}

ZovraProcess::~ZovraProcess() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT && !close_and_wait(5000))
    TerminateProcess(info_.hProcess, 1);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool ZovraProcess::close_and_wait(DWORD timeout_ms) {
  if (main_ && IsWindow(main_)) PostMessageA(main_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return false;
  DWORD code = 1;
  GetExitCodeProcess(info_.hProcess, &code);
  return code == 0;
}

HWND ZovraProcess::wait_for_window(const std::string& title, DWORD timeout_ms) const {
  Search search{info_.dwProcessId, &title, nullptr};
  wait_until([&] {
    EnumWindows(match_top_level, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  }, timeout_ms);
  return search.found;
}

HWND ZovraProcess::find_child(HWND parent, const char* window_class, RECT r) const {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT at = rect_in_parent(child);
    if (lstrcmpiA(class_name(child).c_str(), window_class) == 0 && EqualRect(&at, &r))
      return child;
  }
  return nullptr;
}
