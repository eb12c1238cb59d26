// The process entry: Windows enters the GUI program at wWinMain with its
// module instance, other systems at main with the argument vector.
#include "shell/entry.h"

#if defined(_WIN32)
#include <windows.h>

int APIENTRY wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  return shell::Run(CefMainArgs(instance));
}
#else
int main(int argc, char* argv[]) {
  return shell::Run(CefMainArgs(argc, argv));
}
#endif
