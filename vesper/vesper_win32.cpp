// The boot-time remover's entry point: no window, no arguments, one run.
#include <windows.h>

#include "platform/win32/win32_system.h"
#include "vesper/remover.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  platform::win32::Win32System system;
  vesper::Remover remover(system);
  remover.Main();
  return 0;
}
