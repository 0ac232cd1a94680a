// Utility services of the run time (screen, clipboard, message box, shell,
// environment, files, processes, random numbers).
#include "runtime/services.h"

#include <shellapi.h>

#include <random>

namespace runtime {

COLORREF default_back_colour() { return GetSysColor(COLOR_BTNFACE); }

SIZE screen_size() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::string clipboard_text() {
  // Another program may hold the clipboard for a moment.
  bool opened = false;
  for (int attempt = 0; attempt < 10 && !(opened = OpenClipboard(nullptr)); ++attempt) Sleep(10);
  if (!opened) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

int message_box(const std::string& text, UINT style, const std::string& title) {
  return MessageBoxA(nullptr, text.c_str(), title.c_str(), style);
}

bool is_web_address(const std::string& address) {
  auto starts_with = [&](const char* prefix) {
    size_t n = strlen(prefix);
    if (address.size() < n) return false;
    for (size_t i = 0; i < n; ++i) {
      char c = address[i];
      if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
      if (c != prefix[i]) return false;
    }
    return true;
  };
  return starts_with("http://") || starts_with("https://");
}

bool open_address(const std::string& address) {
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

std::string environment_variable(const std::string& name) {
  // Read as UTF-16 and convert: the ANSI call of some systems cuts double-byte
  // values short, counting characters where it should count bytes.
  std::wstring wide_name(name.size() + 1, L'\0');
  wide_name.resize(size_t(MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide_name.data(),
                                              int(wide_name.size()))));
  DWORD size = GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  DWORD length = GetEnvironmentVariableW(wide_name.c_str(), value.data(), size);
  if (length == 0 || length >= size) return {};
  int bytes = WideCharToMultiByte(CP_ACP, 0, value.c_str(), int(length), nullptr, 0, nullptr,
                                  nullptr);
  std::string text(size_t(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, value.c_str(), int(length), text.data(), bytes, nullptr,
                      nullptr);
  return text;
}

bool file_exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool write_file(const std::string& path, const Bytes& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool run_program(const std::string& command_line) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  std::string line = command_line;  // CreateProcessA may write into it
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

int random_number(int low, int high) {
  static std::mt19937 engine{std::random_device{}()};
  if (high < low) std::swap(low, high);
  return std::uniform_int_distribution<int>(low, high)(engine);
}

}  // namespace runtime
