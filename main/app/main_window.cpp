#include "main/app/main_window.h"

#include <cmath>

#include "common/conversions.h"
#include "common/save_failure.h"
#include "main/app/free_space.h"
#include "main/paths/path_table.h"
#include "main/paths/standard_folder.h"

namespace vorn {
namespace {

using common::toFlag;
using common::toInteger;

}  // namespace

MainWindow::MainWindow(AppServices services, LoadSteps steps, const OptionTable& options)
    : ui::WindowModel(kCaption),
      s_(services),
      steps_(std::move(steps)),
      pages(PageContext{s_, ownerHandle, options}),
      noticeDialog(s_.settings, s_.log, s_.session, s_.windows, [this] { showNotice = false; }) {
  for (int page = 0; page < static_cast<int>(Pages::kCount); ++page) {
    const PageNavigation n = Pages::navigation(page);
    navigationToolbar.addButton(n.key, n.button, page + 1);
    pageTabs.addTab(n.tab);
  }
  navigationToolbar.addButton(kQuit.key, kQuit.button, static_cast<int>(Pages::kCount) + 1);

  wireHandlers();
  onUnload = [this] { unloadWindow(); };
  onQueryClose = [this] { return saveOrAskBeforeClosing(closeSettings()); };
}

std::string MainWindow::ini(const std::string& section, const std::string& key) {
  return s_.settings.getini(section, key, s_.session.mainten());
}

int MainWindow::numberOf(const std::string& text) {
  return toInteger(text);
}

std::string MainWindow::freeSpaceKB(const std::string& drive) {
  return vorn::freeSpaceKB(s_.system.disk, s_.session.extendedFreeSpace, drive);
}

void MainWindow::wireHandlers() {
  navigationToolbar.onButtonClick = [this](int i) { onNavigate(i); };
  maintenance.ieTabBox.onClick = [this] { setTabState(s_.session.tabIE, maintenance.ieTabBox); };
  maintenance.netscapeTabBox.onClick = [this] {
    setTabState(s_.session.tabNetscape, maintenance.netscapeTabBox);
  };
  maintenance.operaTabBox.onClick = [this] {
    setTabState(s_.session.tabOpera, maintenance.operaTabBox);
  };
  maintenance.windowsTabBox.onClick = [this] {
    setTabState(s_.session.tabWindows, maintenance.windowsTabBox);
  };
}

void MainWindow::setTabState(std::string& state, const ui::CheckBox& box) {
  state = std::to_string(box.value());
  checkActiveTabs();
}

void MainWindow::showPage(int page) {
  pageTabs.setTab(page);
}

void MainWindow::onNavigate(int index) {
  for (int i = 0; i < navigationToolbar.buttonCount(); ++i)
    navigationToolbar.setPressed(i, i == index);
  for (int i = 0; i < navigationToolbar.buttonCount(); ++i)
    if (navigationToolbar.button(i).image > 8)
      navigationToolbar.setImage(i, navigationToolbar.button(i).image - 8);
  navigationToolbar.setImage(index, index + 1 + 8);
  navigationToolbar.refresh();
  if (index < static_cast<int>(Pages::kCount)) return showPage(index);
  if (navigationToolbar.button(index).key != kQuit.key) return;
  // "Quit": the settings "Quit" alone saves, then those every close saves.
  std::vector<common::Settings::Value> values = quitSettings();
  const std::vector<common::Settings::Value> more = closeSettings();
  values.insert(values.end(), more.begin(), more.end());
  if (saveOrAskBeforeClosing(values)) s_.windows.close(*this);
}

std::vector<common::Settings::Value> MainWindow::quitSettings() const {
  std::vector<common::Settings::Value> values;
  for (int i = 0; i < 4; ++i) {
    values.push_back({"UserDef", "UDname" + std::to_string(i + 1), s_.session.UDname[i]});
    values.push_back({"UserDef", "UDvalue" + std::to_string(i + 1), s_.session.UDvalue[i]});
  }
  values.push_back({"Tab", "IE", s_.session.tabIE});
  values.push_back({"Tab", "Netscape", s_.session.tabNetscape});
  values.push_back({"Tab", "Opera", s_.session.tabOpera});
  values.push_back({"Tab", "Windows", s_.session.tabWindows});
  return values;
}

void MainWindow::saveToIni() {
  s_.settings.AddAllToini(quitSettings(), s_.session.mainten());
}

bool MainWindow::saveOrAskBeforeClosing(const std::vector<common::Settings::Value>& values) {
  const std::string file = s_.session.mainten();
  const platform::ErrorCode code = s_.settings.AddAllToini(values, file);
  settingsSavedForClose = true;
  if (code == platform::err::kSuccess) return true;
  const bool quit = s_.prompter.messageBox(common::saveFailureMessage("The settings", file, code) +
                                               "\r\n\r\nQuit without saving them?",
                                           kCaption,
                                           ui::mb::kYesNo | ui::mb::kIconWarning |
                                               ui::mb::kDefaultButton2) == ui::Answer::Yes;
  if (!quit) settingsSavedForClose = false;
  return quit;
}

void MainWindow::fixCleanInfo() {
  common::ErrorTrap trap(s_.log, "fixCleanInfo");
  for (int k = 0; k < clean.optionTable.size(); ++k) {
    trap.step = k + 1;
    trap.run(
        [&] { clean.optionBox(k).setValue(numberOf(ini("Rensa", clean.optionTable.row(k).key))); });
  }
}

void MainWindow::fixMainten() {
  maintenance.closeAfterCleaningBox.setValue(numberOf(ini("Inst", "AutomaticClose")));
  maintenance.autoStartBox.setValue(numberOf(ini("Inst", "Autostart")));
}

void MainWindow::checkActiveTabs() {
  const std::string* states[] = {&s_.session.tabIE, &s_.session.tabNetscape, &s_.session.tabOpera,
                                 &s_.session.tabWindows};
  ui::CheckBox* boxes[] = {&maintenance.ieTabBox, &maintenance.netscapeTabBox,
                           &maintenance.operaTabBox, &maintenance.windowsTabBox};
  for (int area = 0; area < 4; ++area) {
    // A copy: setting the box runs its click handler, which rewrites the state.
    const std::string state = *states[area];
    bool active = toFlag(state);
    clean.areaTabs.setTabEnabled(area, active);
    paths.areaTabs.setTabEnabled(area, active);
    boxes[area]->setValue(numberOf(state));
  }
}

void MainWindow::checkUserdef() {
  for (int list = 0; list < 4; ++list) {
    const std::string& value = s_.session.UDvalue[list];
    const std::string& name = s_.session.UDname[list];
    const int pos = MaintenancePage::kUserDefinedPosition[list];
    maintenance.userDefinedActiveBoxes[pos].setValue(numberOf(value));
    maintenance.userDefinedNameBoxes[pos].setEnabled(toFlag(value));
    maintenance.userDefinedNameBoxes[pos].setText(name);
    clean.userDefinedOptions[list].setCaption(name);
    clean.userDefinedOptions[list].setEnabled(toFlag(value));
  }
}

void MainWindow::startPathSearch() {
  std::uint32_t id = 0;
  common::check(s_.system.processes.start("\"" + s_.session.programFolder + "\\scoutry.exe\"",
                                          platform::show::kNormal, id));
  common::check(s_.system.processes.waitForExit(id));
}

// The [Path] part of the settings load: the standard folders, the first start's
// detection, the stored paths with their found flags. Netscape1B comes later in the load.
void MainWindow::loadPaths(common::ErrorTrap& trap) {
  Session& ss = s_.session;
  PathValues& p = ss.paths;
  platform::Files& files = s_.system.files;
  trap.runStep([&] {
    p.windowsFolder = standardFolder(s_.system.shell, platform::csidl::kWindows);
    p.systemFolder = standardFolder(s_.system.shell, platform::csidl::kSystem);
    p.programFilesFolder = standardFolder(s_.system.shell, platform::csidl::kProgramFiles);
  });
  trap.step += 100;
  trap.runStep([&] {
    if (ini("Path", "Detect") == "0") runCommand(steps_.findPath);
  });

  // Steps 6 to 9 read several values each; a value that fails is skipped alone. The
  // user's position in the Netscape list is read later, with the lists' settings.
  for (const PathRow& row : pathRows()) {
    if (row.value == &PathValues::netscapeUserIndex) continue;
    trap.run([&] {
      std::string& value = p.*row.value = ini("Path", row.key);
      if (row.detect.kind != Detection::None)
        p.folderFound[row.role] = common::folderExists(files, value);
    });
  }
  trap.run([&] { p.netscapeProfile = p.netscapeUsersFolder + p.netscapeUserName; });
}

void MainWindow::loadSettings() {
  Session& ss = s_.session;
  PathValues& p = ss.paths;
  common::ErrorTrap trap(s_.log, "Initialize");

  trap.runStep([&] { ss.extendedFreeSpace = probeExtendedFreeSpace(s_.system.disk); });
  trap.runStep([&] { p.folderFound.clear(); });
  trap.runStep([&] { ss.lastCleanedText = ini("Senast", "Value1"); });
  loadPaths(trap);
  ++trap.step;

  for (int i = 0; i < 4; ++i) {
    trap.run([&] { ss.UDvalue[i] = ini("UserDef", "UDvalue" + std::to_string(i + 1)); });
    trap.run([&] { ss.UDname[i] = ini("UserDef", "UDname" + std::to_string(i + 1)); });
  }
  trap.run([&] { ss.safetyLevel = ini("Inst", "Safetylevel"); });
  trap.run([&] { p.netscapeUserIndex = ini("Path", pathRow("netscapeUserIndex").key); });
  trap.run([&] { ss.tabIE = ini("Tab", "IE"); });
  trap.run([&] { ss.tabNetscape = ini("Tab", "Netscape"); });
  trap.run([&] { ss.tabOpera = ini("Tab", "Opera"); });
  trap.run([&] { ss.tabWindows = ini("Tab", "Windows"); });
  ++trap.step;

  trap.run([&] { maintenance.autoDayBox.setListIndex(numberOf(ini("Automatic", "Day"))); });
  trap.run([&] { maintenance.autoHourBox.setListIndex(numberOf(ini("Automatic", "Hour"))); });
  trap.run([&] { maintenance.autoMinuteBox.setListIndex(numberOf(ini("Automatic", "Minute"))); });
  trap.run([&] { maintenance.autoCleanAreaBox.setListIndex(numberOf(ini("Automatic", "Clean"))); });
  ++trap.step;

  trap.run([&] { showNotice = toFlag(ini("Inst", "Showtip")); });
  trap.run([&] { runPathSearch = toFlag(ini("Inst", "Scoutry")); });
  ++trap.step;
}

void MainWindow::loadWindow() {
  common::ErrorTrap trap(s_.log, "Load");
  Session& ss = s_.session;

  trap.runStep([&] { maintenance.fillSchedule(); });
  trap.runStep([&] { loadSettings(); });
  trap.runStep([&] {
    ss.urlHome = s_.settings.getini("Internet", "Home", ss.urlIni());
    ss.urlMail = s_.settings.getini("Internet", "Mail", ss.urlIni());
    ss.urlInfo = s_.settings.getini("Internet", "Info", ss.urlIni());
    about.homePageLink.setCaption(ss.urlHome);
    about.mailLabel.setCaption(ss.urlMail);
  });
  if (runPathSearch && !unattended) {
    // A missing search tool is logged; the tool is still not asked for again.
    trap.run([&] { startPathSearch(); });
    trap.run([&] { s_.settings.AddToini("Inst", "Scoutry", "0", ss.mainten()); });
  }
  ++trap.step;
  trap.runStep([&] { s_.windows.show(*this); });
  trap.runStep([&] {
    clean.netscapeMissingLabel.setVisible(false);
    clean.operaMissingLabel.setVisible(false);
    clean.ieMissingLabel.setVisible(false);
  });
  trap.runStep([&] {
    navigationToolbar.setPressed(0, true);
    navigationToolbar.setImage(0, 9);
  });
  trap.runStep([&] { statusBar.setSimpleText(kLastCleanedPrefix + ss.lastCleanedText); });
  // One step of seven calls: a call that fails does not keep the next from running.
  trap.run([&] { runCommand(steps_.fixPlugins); });
  trap.run([&] { fixMainten(); });
  trap.run([&] { runCommand(steps_.fixUserDef); });
  trap.run([&] { fixCleanInfo(); });
  trap.run([&] { runCommand(steps_.fixPath); });
  trap.run([&] { checkActiveTabs(); });
  trap.run([&] { checkUserdef(); });
  ++trap.step;
  trap.run([&] { maintenance.safetyLevelSlider.setValue(numberOf(ss.safetyLevel)); });
  trap.run([&] { runCommand(steps_.fixSliderSettings); });
  ++trap.step;
  trap.runStep([&] { runCommand(steps_.listCookiestoSave); });
  trap.runStep([&] {
    if (common::folderExists(s_.system.files, ss.paths.ieCookiesFolder))
      clean.ieCookieFiles.setPath(ss.paths.ieCookiesFolder);
    else
      s_.log.writeLog("sIECookies in Load " + ss.paths.ieCookiesFolder,
                      static_cast<std::int16_t>(trap.step), 0, "");
  });
  trap.runStep([&] {
    freeSpaceBefore =
        static_cast<std::int64_t>(std::nearbyint(common::toDouble(freeSpaceKB("C:\\"))));
    freeSpaceAfter = freeSpaceBefore;
  });
  trap.runStep([&] { runCommand(steps_.getStatistics); });
  trap.runStep([&] {
    if (showNotice && !unattended) s_.windows.showModal(noticeDialog, this);
  });
}

std::vector<common::Settings::Value> MainWindow::closeSettings() {
  std::vector<common::Settings::Value> values;
  for (int k = 0; k < clean.optionTable.size(); ++k)
    values.push_back(
        {"Rensa", clean.optionTable.row(k).key, std::to_string(clean.optionBox(k).value())});
  values.push_back({"Inst", "Safetylevel", std::to_string(maintenance.safetyLevelSlider.value())});
  values.push_back(
      {"Inst", "AutomaticClose", std::to_string(maintenance.closeAfterCleaningBox.value())});
  values.push_back({"Inst", "Autostart", std::to_string(maintenance.autoStartBox.value())});
  values.push_back({"Automatic", "Day", std::to_string(maintenance.autoDayBox.listIndex())});
  values.push_back({"Automatic", "Hour", std::to_string(maintenance.autoHourBox.listIndex())});
  values.push_back({"Automatic", "Minute", std::to_string(maintenance.autoMinuteBox.listIndex())});
  values.push_back(
      {"Automatic", "Clean", std::to_string(maintenance.autoCleanAreaBox.listIndex())});
  values.push_back({"Statistics", "Current", std::to_string(s_.session.statisticsSlot)});
  for (int row = 1; row <= 4; ++row) {
    values.push_back({"Statistics", "Size" + std::to_string(row),
                      statistics.recoveredSpaceChart.row(row).value});
    values.push_back({"Statistics", "Date" + std::to_string(row),
                      statistics.recoveredSpaceChart.row(row).label});
  }
  return values;
}

void MainWindow::unloadWindow() {
  // A close from code (after a cleaning, from the tray) saves here; a failure is logged,
  // since nobody may be at the machine to answer.
  if (!settingsSavedForClose) s_.settings.AddAllToini(closeSettings(), s_.session.mainten());
  settingsSavedForClose = false;
  // Close the program's other windows, each once.
  for (;;) {
    auto open = s_.windows.openWindows();
    if (open.size() <= 1) break;
    ui::WindowModel* other = nullptr;
    for (ui::WindowModel* w : open)
      if (w->caption() != caption()) {
        other = w;
        break;
      }
    if (!other) break;
    s_.windows.close(*other);
    if (s_.windows.openWindows().size() >= open.size()) break;
  }
}

}  // namespace vorn
