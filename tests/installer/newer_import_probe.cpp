// A program the import audit must refuse: it imports a call missing from the table (of
// Windows 2000), one the table dates after the floor (of Windows 98), and a DLL that the
// release programs never use.
#include <windows.h>

extern "C" __declspec(dllimport) BOOL WINAPI GetFileSizeEx(HANDLE file, LARGE_INTEGER* size);
extern "C" __declspec(dllimport) DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR file, LPDWORD handle);

int main(int argc, char**) {
  LARGE_INTEGER size{};
  DWORD handle = 0;
  if (argc > 5)
    return GetFileSizeEx(nullptr, &size) + GetFileVersionInfoSizeA("", &handle) +
           SendInput(0, nullptr, 0);
  return 0;
}
