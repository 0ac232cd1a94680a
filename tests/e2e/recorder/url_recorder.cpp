// Stands in for the default browser in the test prefix: appends the address it
// was given to zovra_opened_urls.txt in the temporary folder, one line each.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  char dir[MAX_PATH] = {};
  if (!GetTempPathA(MAX_PATH, dir)) return 1;
  FILE* file = std::fopen((std::string(dir) + "zovra_opened_urls.txt").c_str(), "ab");
  if (!file) return 1;
  std::fprintf(file, "%s\n", argc > 1 ? argv[1] : "");
  std::fclose(file);
  return 0;
}
