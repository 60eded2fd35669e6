#include "main/app/startup.h"

#include "common/conversions.h"
#include "common/error_trap.h"
#include "main/app/program_folder_check.h"

namespace vorn {
namespace {

bool isOne(const std::string& text) {
  try {
    return common::toDouble(text) == 1;
  } catch (const common::RunError&) {
    return false;  // a damaged setting is no reason to stop the start
  }
}

}  // namespace

void Main(AppServices& s, MainWindow& mainWindow, SplashWindow& splash,
          const std::string& applicationName) {
  Session& session = s.session;
  session.programFolder = common::programFolder(s.system.process);
  const std::string problem = programFolderProblem(s.system.files, session.programFolder);
  if (!problem.empty()) {
    s.log.writeLog("Main", 0, 0, "Program folder unusable: " + session.programFolder);
    s.prompter.messageBox(problem, MainWindow::kCaption, ui::mb::kOk | ui::mb::kIconError);
    return;
  }
  s.log.writeLog("Session Started", 0, 0, " VORN 6.6");

  // Once per user: the shell-folder service's installer. Its absence is harmless.
  platform::UserSettings& store = s.system.userSettings;
  if (isOne(store.getSetting(applicationName, "Options", kShowTipsSetting, "1"))) {
    store.saveSetting(applicationName, "Options", kShowTipsSetting, "0");
    std::uint32_t id = 0;
    platform::ErrorCode rc = s.system.processes.start(
        "\"" + session.programFolder + "\\ShFolder.Exe\"", platform::show::kNormal, id);
    if (rc != platform::err::kSuccess) {
      int number = common::errorNumberFromWin32(rc);
      s.log.writeLog("Main ShFolder.Exe", 3, static_cast<std::int16_t>(number),
                     common::errorDescription(number));
    }
  }

  s.windows.show(splash);
  mainWindow.loadWindow();
  s.windows.close(splash);
  mainWindow.help.infoPicture.setPicture(session.programFolder + "\\377x159.jpg");
}

}  // namespace vorn
