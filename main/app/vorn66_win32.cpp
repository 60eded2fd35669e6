// vorn66.exe: the cleaner's entry point. It owns the session values and every service,
// hands them to the windows, runs the start-up and then the message loop.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
// clang-format on

#include "main/app/child8_win32.h"
#include "main/app/frm_tip1_win32.h"
#include "main/app/startup.h"
#include "main/app/wiring.h"
#include "platform/win32/win32_system.h"
#include "ui/win32/prompter_win32.h"
#include "ui/win32/screen_win32.h"
#include "ui/win32/window_host_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{
      sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);

  platform::win32::Win32System real;
  platform::System& system = real.system();
  vorn::Session session;
  common::SessionLog log(system.files, system.clock, [&session] { return session.programFolder; });
  common::Settings settings(system.files, log);
  ui::win32::Win32Prompter prompter;
  ui::win32::Win32Screen screen;
  ui::win32::Win32WindowHost windows;
  vorn::AppServices services{system, log, settings, prompter, screen, windows, session};

  int exitCode = 0;
  {
    vorn::Child8 child8(services);
    vorn::FrmSplash splash(windows);
    auto subsystems = vorn::wireSubsystems(child8, services);
    windows.registerView(
        child8, [&child8](ui::WindowModel&) { return std::make_unique<vorn::Child8View>(child8); },
        true);
    windows.registerView(child8.frmTip1, [&child8](ui::WindowModel&) {
      return std::make_unique<vorn::FrmTip1View>(child8.frmTip1);
    });
    windows.registerView(splash, [&splash](ui::WindowModel&) {
      return std::make_unique<vorn::FrmSplashView>(splash);
    });

    vorn::Main(services, child8, splash);

    if (windows.hwndOf(child8)) {
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND main = windows.hwndOf(child8);
        if (main && IsDialogMessageA(main, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      exitCode = static_cast<int>(msg.wParam);
    }
    // Views go before the models they show.
    windows.clearViews();
  }
  OleUninitialize();
  return exitCode;
}
