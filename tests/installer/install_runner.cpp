// Starts an installer or uninstaller for the installer test and waits until it and every
// process it started have ended:
//   install_runner <program> [arguments...]
// The arguments reach the program joined by blanks and unquoted, as a user types them:
// NSIS reads "/D=" up to the end of the line, blanks included. The uninstaller hands over
// to a copy of itself and ends at once, so the wait covers the whole job of processes.
// Exit code: the program's own, or 3 when it cannot start or is not done within 300 s.
// clang-format off
#include <windows.h>
// clang-format on

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string commandLine = std::string("\"") + argv[1] + "\"";
  for (int i = 2; i < argc; ++i) commandLine += std::string(" ") + argv[i];

  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!job || !CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                              CREATE_SUSPENDED, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "install_runner: cannot start %s (%lu)\n", commandLine.c_str(),
                 GetLastError());
    return 3;
  }
  AssignProcessToJobObject(job, process.hProcess);
  ResumeThread(process.hThread);
  WaitForSingleObject(process.hProcess, 300000);
  DWORD code = 3;
  GetExitCodeProcess(process.hProcess, &code);

  for (int i = 0; i < 3000; ++i) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info = {};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                   nullptr) ||
        info.ActiveProcesses == 0)
      return static_cast<int>(code);
    Sleep(100);
  }
  std::fprintf(stderr, "install_runner: %s is still running\n", commandLine.c_str());
  return 3;
}
