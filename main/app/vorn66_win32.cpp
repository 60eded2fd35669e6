// vorn66.exe: the cleaner's entry point. It owns the session values and every service,
// hands them to the windows, runs the start-up and then the message loop; or, with /auto
// or /analyze, runs unattended without showing any window and exits with a code.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
// clang-format on

#include "main/app/command_line.h"
#include "main/app/main_window_win32.h"
#include "main/app/notice_dialog_win32.h"
#include "main/app/splash_window_win32.h"
#include "main/app/startup.h"
#include "main/app/unattended.h"
#include "main/app/unattended_run.h"
#include "main/app/wiring.h"
#include "main/clean/analysis.h"
#include "main/dialogs/analysis_progress_dialog_win32.h"
#include "main/dialogs/analysis_report_dialog_win32.h"
#include "main/dialogs/clean_all_confirm_dialog_win32.h"
#include "main/dialogs/done_dialog_win32.h"
#include "main/dialogs/file_list_window_win32.h"
#include "main/dialogs/history_viewer_win32.h"
#include "main/dialogs/ie_cookies_dialog_win32.h"
#include "main/dialogs/net_cookies_dialog_win32.h"
#include "main/plugins/plugin_info_dialog_win32.h"
#include "main/userdef/user_lists_viewer_win32.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_viewer_services.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/prompter_win32.h"
#include "ui/win32/screen_win32.h"
#include "ui/win32/tray_win32.h"
#include "ui/win32/window_host_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  const vorn::CommandLine line = vorn::parseCommandLine(arguments ? arguments : "");
  // The only box a switch shows: someone typed /? and is reading.
  if (line.mode == vorn::CommandLine::Mode::Usage) {
    MessageBoxA(nullptr, vorn::usageText().c_str(), "Tervane", MB_OK | MB_ICONINFORMATION);
    return vorn::exitcode::kDone;
  }
  // A bad line is refused the same way: through the log, with no window.
  const bool unattended = line.mode != vorn::CommandLine::Mode::Window;

  INITCOMMONCONTROLSEX controls{
      sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);

  // Nobody could answer the shell's error box or watch its progress in an unattended run.
  platform::win32::Win32System real(unattended);
  // The engines act through the recorder, which keeps what a cleaning run changes for its
  // report and stands in for the changes in an analysis; the rest of the program does not.
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(real.system(), recorder);
  platform::System& system = real.system();
  vorn::Session session;
  common::SessionLog log(system.files, system.clock, [&session] { return session.programFolder; });
  common::Settings settings(system.files, log);
  ui::win32::Win32Prompter shownPrompter;
  // An analysis shows none of the engines' message boxes.
  vorn::AnalysisPrompter analysisPrompter(shownPrompter, recorder);
  // Nor does a run nobody watches: its messages go to the log and the report.
  vorn::UnattendedPrompter prompter(analysisPrompter, log);
  ui::win32::Win32Screen screen;
  ui::win32::Win32WindowHost windows;
  vorn::HiddenWindowHost hiddenWindows;
  ui::WindowHost& host = unattended ? static_cast<ui::WindowHost&>(hiddenWindows) : windows;
  vorn::AppServices services{system, log, settings, prompter, screen, host, session};
  services.engineSystem = &recording.system();
  auto runLock = platform::win32::makeRunLock();
  services.runLock = runLock.get();
  services.unattended = &prompter;
  auto internetProperties = platform::win32::makeInternetProperties();
  auto topWindows = platform::win32::makeTopWindows();
  auto keySender = platform::win32::makeKeySender();
  auto urlCache = platform::win32::makeUrlCache();
  services.internetProperties = internetProperties.get();
  services.topWindows = topWindows.get();
  services.keySender = keySender.get();
  services.urlCache = urlCache.get();
  auto locale = platform::win32::makeLocale();
  auto shellInfo = platform::win32::makeShellFileInfo();
  auto shellOpen = platform::win32::makeShellOpen();
  vorn::ViewerServices viewerServices{*locale, *shellInfo, *shellOpen};

  int exitCode = 0;
  {
    vorn::MainWindow mainWindow(services);
    vorn::SplashWindow splash(windows);
    // Lives until the views are gone: a window destroyed while in the tray still finds it.
    ui::win32::Win32Tray tray([&windows, &mainWindow] { return windows.hwndOf(mainWindow); });
    auto subsystems = vorn::wireSubsystems(mainWindow, services, tray);
    vorn::wireFileListWindow(mainWindow, services, *subsystems, viewerServices);
    vorn::wireCleaningReport(mainWindow, services, *subsystems, recorder, *shellOpen);
    if (unattended) exitCode = vorn::runUnattended(line, services, mainWindow, *subsystems);
    windows.registerView(
        mainWindow,
        [&mainWindow](ui::WindowModel&) {
          return std::make_unique<vorn::MainWindowView>(mainWindow);
        },
        true);
    windows.registerView(mainWindow.noticeDialog, [&mainWindow](ui::WindowModel&) {
      return std::make_unique<vorn::NoticeDialogView>(mainWindow.noticeDialog);
    });
    windows.registerView(*subsystems->analysisReport, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::AnalysisReportDialogView>(*subsystems->analysisReport);
    });
    windows.registerView(*subsystems->cleanAllConfirm, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::CleanAllConfirmDialogView>(*subsystems->cleanAllConfirm);
    });
    windows.registerView(*subsystems->doneDialog, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::DoneDialogView>(*subsystems->doneDialog);
    });
    windows.registerView(*subsystems->analysisProgress, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::AnalysisProgressDialogView>(*subsystems->analysisProgress);
    });
    windows.registerView(*subsystems->pluginInfo, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::PluginInfoDialogView>(*subsystems->pluginInfo);
    });
    windows.registerView(*subsystems->historyViewer, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::HistoryViewerView>(*subsystems->historyViewer);
    });
    windows.registerView(*subsystems->docHistory, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::DocHistoryDialogView>(*subsystems->docHistory);
    });
    windows.registerView(*subsystems->fileList, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::FileListWindowView>(*subsystems->fileList);
    });
    windows.registerView(*subsystems->ieCookies, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::IECookiesDialogView>(*subsystems->ieCookies);
    });
    windows.registerView(*subsystems->netCookies, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::NetCookiesDialogView>(*subsystems->netCookies);
    });
    windows.registerView(*subsystems->userListsViewer, [&subsystems](ui::WindowModel&) {
      return std::make_unique<vorn::UserListsViewerView>(*subsystems->userListsViewer);
    });
    windows.registerView(splash, [&splash](ui::WindowModel&) {
      return std::make_unique<vorn::SplashWindowView>(splash);
    });

    if (!unattended) vorn::Main(services, mainWindow, splash);

    if (!unattended && windows.hwndOf(mainWindow)) {
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // The dialog keys, Ctrl+Tab and the toolbars' access keys, in every window.
        if (ui::win32::translateWindowKeys(msg)) continue;
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
