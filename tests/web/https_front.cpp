// Starting and stopping the HTTPS forwarder. Platform and standard library.
#include "tests/web/https_front.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>

namespace {

// The build folder as a Unix path: ZOVRA_BUILD_DIR (tools/env.sh exports it),
// else two levels above this program (build/win64/tests/test_web.exe).
std::string unix_build_dir() {
  if (const char* dir = std::getenv("ZOVRA_BUILD_DIR"); dir && *dir == '/') return dir;
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string path = module;  // Z:\...\win64\tests\test_web.exe
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.rfind("Z:", 0) == 0 || path.rfind("z:", 0) == 0) path.erase(0, 2);
  for (int up = 0; up < 3; ++up) path.erase(path.rfind('/'));
  return path;
}

std::string windows_path(const std::string& unix_path) { return "Z:" + unix_path; }

bool file_exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string source_dir() {  // this file's folder, as the compiler saw it
  std::string file = __FILE__;
  return file.substr(0, file.rfind('/'));
}

}  // namespace

HttpsFront::HttpsFront(unsigned short target_port, const std::string& name, int lifetime_s) {
  const std::string ca_dir = unix_build_dir() + "/test-ca";
  const std::string cert = ca_dir + "/" + name + ".crt", key = ca_dir + "/" + name + ".key";
  if (!file_exists(windows_path(cert)) || !file_exists(windows_path(key))) {
    why_not_ = "no test certificate in " + ca_dir + ": run tools/test-ca";
    return;
  }
  static int serial = 0;
  const std::string stem = ca_dir + "/forwarder-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++serial);
  port_file_ = windows_path(stem + ".port");
  stop_file_ = windows_path(stem + ".stop");
  DeleteFileA(port_file_.c_str());
  DeleteFileA(stop_file_.c_str());

  // Wine runs a Unix program given by its Z: path; its handle cannot be
  // waited on, so the forwarder reports through files and ends by itself.
  std::string command = "Z:\\usr\\bin\\python3 " + source_dir() + "/https_forwarder.py" +
                        " --cert " + cert + " --key " + key + " --target-port " +
                        std::to_string(target_port) + " --port-file " + stem + ".port" +
                        " --stop-file " + stem + ".stop" + " --lifetime " +
                        std::to_string(lifetime_s);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process)) {
    why_not_ = "python3 did not start (error " + std::to_string(GetLastError()) + ")";
    return;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  for (int waited = 0; waited < 15000; waited += 50) {
    std::ifstream in(port_file_);
    int port = 0;
    if (in >> port && port > 0) {
      port_ = static_cast<unsigned short>(port);
      return;
    }
    Sleep(50);
  }
  why_not_ = "the forwarder wrote no port within 15 s";
}

HttpsFront::~HttpsFront() {
  if (stop_file_.empty()) return;
  std::ofstream(stop_file_) << "stop\n";
  for (int waited = 0; waited < 3000 && file_exists(port_file_); waited += 50) Sleep(50);
}

std::string HttpsFront::url(const std::string& path) const {
  return "https://localhost:" + std::to_string(port_) + path;
}
