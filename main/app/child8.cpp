#include "main/app/child8.h"

#include <cmath>

#include "main/paths/standard_folder.h"

#include "common/conversions.h"
#include "main/app/free_space.h"

namespace vorn {
namespace {

using common::toFlag;
using common::toInteger;

const char* const kIECaptions[] = {
    "Internet Explorer Cache (Using Control Panel)",
    "Internet Explorer History (Using Control Panel)", "Internet Explorer Cookies",
    "Internet Explorer Address Bar",
    "Locked Files (will be cleaned the next time you restart windows)"};
const char* const kNetscapeCaptions[] = {"Netscape Cache", "Netscape History", "Netscape Cookies",
                                         "Netscape Address Bar"};
const char* const kOperaCaptions[] = {"Opera Cache", "Opera History", "Opera Cookies",
                                      "Opera Address Bar"};
const char* const kWindowsCaptions[] = {"Windows Doc History",
                                        "Downloaded Program Files Directory",
                                        "Windows Temporary Files Directory",
                                        "Recycle Bin",
                                        "*.chk, Scandisc Files",
                                        "Windows Run History",
                                        "Windows Search History",
                                        "Additional Garbage"};
const char* const kAreaCaptions[] = {"Internet Explorer", "Netscape", "Opera",
                                     "Windows",           "User.def", "Plugins"};

template <class T, std::size_t N>
void fillBoxes(ControlArray<T>& array, const char* prefix, const char* const (&captions)[N]) {
  for (std::size_t i = 0; i < N; ++i) array.emplace_back(prefix, captions[i]);
}

// Which Check1 / Text1 position shows user-defined list 1..4.
constexpr int kUserDefPosition[4] = {4, 1, 2, 3};

}  // namespace

Child8::Child8(AppServices services, Child8Operations operations)
    : ui::WindowModel(kCaption),
      File4("File4", services.system.files),
      frmTip1(services.settings, services.log, services.session, services.windows,
              [this] { showNotice = false; }),
      s_(services),
      ops_(std::move(operations)) {
  fillBoxes(chkIE, "chkIE", kIECaptions);
  fillBoxes(chkNetscape, "chkNetscape", kNetscapeCaptions);
  fillBoxes(chkOpera, "chkOpera", kOperaCaptions);
  fillBoxes(chkWindows, "chkWindows", kWindowsCaptions);
  for (int i = 0; i < 4; ++i) chkEgendef.emplace_back("chkEgendef");
  for (int i = 0; i < 5; ++i) {
    Check1.emplace_back("Check1", "Activate");
    Text1.emplace_back("Text1");
  }

  const char* const nav[][2] = {{"1a", "Clean"},      {"2a", "Path"}, {"3a", "Maintenance"},
                                {"4a", "Statistics"}, {"6a", "Help"}, {"7a", "About..."},
                                {"8a", "Quit"}};
  int image = 1;
  for (const auto& b : nav) Toolbar1.addButton(b[0], b[1], image++);
  for (const char* page : {"Clean", "Path", "Maintenance", "Statistics", "Help", "About"})
    SSTab1.addTab(page);
  for (const char* area : kAreaCaptions) {
    SSTab2.addTab(area);
    SSTab3.addTab(area);
  }

  Toolbar14.addButton("", "Clean IE", 1);
  Toolbar15.addButton("", "Clean Netscape", 1);
  Toolbar16.addButton("", "Clean Opera", 1);
  Toolbar17.addButton("", "Clean Windows", 1);
  Toolbar18.addButton("", "Clean User.def", 1);
  Toolbar22.addButton("", "Clean Plugins", 1);
  for (int i = 0; i < 6; ++i) Toolbar19.emplace_back("Toolbar19").addButton("", "Clean All", 2);
  for (ui::Toolbar* t : {&Toolbar7, &Toolbar5, &Toolbar8, &Toolbar10})
    t->addButton("", "Auto-detect", 3);
  for (int i = 0; i < 4; ++i) Toolbar2.emplace_back("Toolbar2").addButton("", "Auto-detect All", 3);
  Toolbar12.addButton("", "Add", 4);
  Toolbar13.addButton("", "Remove", 5);

  Slider1.setRange(1, 5);
  Slider1.setValue(1);
  cboNetAnvandare.setCaption("User");
  WebBrowser1.setCaption("Tervane");
  Label63.setVisible(false);  // shown by the path checks when a Windows path is missing

  wireHandlers();
  onUnload = [this] { Form_Unload(); };
}

ui::CheckBox& Child8::optionBox(int index) {
  if (index < 5) return chkIE.at(index);
  if (index < 9) return chkNetscape.at(index - 5);
  if (index < 13) return chkOpera.at(index - 9);
  if (index < 21) return chkWindows.at(index - 13);
  return chkEgendef.at(index - 21);
}

std::string Child8::ini(const std::string& section, const std::string& key) {
  return s_.settings.getini(section, key, s_.session.mainten());
}

int Child8::numberOf(const std::string& text) {
  return toInteger(text);
}

std::string Child8::freeSpaceKB(const std::string& drive) {
  return vorn::freeSpaceKB(s_.system.disk, s_.session.extendedFreeSpace, drive);
}

void Child8::wireHandlers() {
  Toolbar1.onButtonClick = [this](int i) { Toolbar1ButtonClick(i); };

  auto onToolbar = [](ui::Toolbar& t, const Child8Operations::Op& op) {
    t.onButtonClick = [&op](int) { runOp(op); };
  };
  onToolbar(Toolbar14, ops_.cmdRensaIE);
  onToolbar(Toolbar15, ops_.cmdRensaNets);
  onToolbar(Toolbar16, ops_.cmdRensaOpera);
  onToolbar(Toolbar17, ops_.cmdRensaWin);
  onToolbar(Toolbar18, ops_.RensaEgendef);
  onToolbar(Toolbar22, ops_.Command21);
  for (auto& t : Toolbar19) t.onButtonClick = [this](int) { Command25.click(); };
  Command25.onClick = [this] { runOp(ops_.Command25); };

  // Each frame's toolbar runs the frame's detection, then its save.
  auto detectThenSave = [](ui::Toolbar& t, const Child8Operations::Op& detect,
                           const Child8Operations::Op& save) {
    t.onButtonClick = [&detect, &save](int) {
      runOp(detect);
      runOp(save);
    };
  };
  detectThenSave(Toolbar7, ops_.cmdIEHitta, ops_.cmdIESpara);
  detectThenSave(Toolbar5, ops_.Command10, ops_.Command11);
  detectThenSave(Toolbar8, ops_.Command12, ops_.Command13);
  detectThenSave(Toolbar10, ops_.Command14, ops_.Command15);
  for (auto& t : Toolbar2) {
    t.onButtonClick = [this](int) {
      common::ErrorTrap trap(s_.log, "Toolbar2Button");
      // All detections first, then all saves.
      for (const Child8Operations::Op* op :
           {&ops_.cmdIEHitta, &ops_.Command14, &ops_.Command10, &ops_.Command12, &ops_.cmdIESpara,
            &ops_.Command11, &ops_.Command13, &ops_.Command15})
        trap.runStep([op] { runOp(*op); });
    };
  }
  onToolbar(Toolbar12, ops_.Command19);
  onToolbar(Toolbar13, ops_.Command17);

  auto onButton = [](ui::Button& b, const Child8Operations::Op& op) {
    b.onClick = [&op] { runOp(op); };
  };
  onButton(cmdIEHitta, ops_.cmdIEHitta);
  onButton(cmdIESpara, ops_.cmdIESpara);
  onButton(Command10, ops_.Command10);
  onButton(Command11, ops_.Command11);
  onButton(Command12, ops_.Command12);
  onButton(Command13, ops_.Command13);
  onButton(Command14, ops_.Command14);
  onButton(Command15, ops_.Command15);
  onButton(Command23, ops_.Command23);
  onButton(Command1, ops_.Command1);
  onButton(Command2, ops_.Command2);
  onButton(Command3, ops_.Command3);
  onButton(cmdIECookies, ops_.cmdIECookies);
  onButton(cmdNetCookies, ops_.cmdNetCookies);
  onButton(Command4, ops_.Command4);
  onButton(Command5, ops_.Command5);
  onButton(Command18, ops_.Command18);
  Check7.onClick = [this] { runOp(ops_.Check7); };
  Slider1.onChange = [this] { runOp(ops_.Slider1Change); };

  Check2.onClick = [this] { setTabState(s_.session.tabIE, Check2); };
  Check3.onClick = [this] { setTabState(s_.session.tabNetscape, Check3); };
  Check4.onClick = [this] { setTabState(s_.session.tabOpera, Check4); };
  Check5.onClick = [this] { setTabState(s_.session.tabWindows, Check5); };

  Command22.onClick = [this] { openHelp("vorn.htm"); };
  Command24.onClick = [this] { openHelp("faq.htm"); };
  Command26.onClick = [this] { openHelp("plugin.htm"); };
  // The address opens in the user's browser: the Help page shows a picture, no browser.
  Command27.onClick = [this] {
    if (!s_.session.urlInfo.empty())
      s_.system.processes.shellExecute(ownerHandle, "open", s_.session.urlInfo, "", "",
                                       platform::show::kNormal);
  };
  // Through the shell, so the link opens on every system; failures are ignored.
  Label42.onClick = [this] {
    if (!s_.session.urlHome.empty())
      s_.system.processes.shellExecute(ownerHandle, "open", s_.session.urlHome, "", "",
                                       platform::show::kNormal);
  };
  Command29.onClick = [this] {
    common::ErrorTrap trap(s_.log, "Command29");
    trap.run([&] {
      std::uint32_t id = 0;
      common::check(s_.system.processes.start("\"" + s_.session.programFolder + "\\scoutry.exe\"",
                                              platform::show::kNormal, id));
    });
  };
}

void Child8::openHelp(const std::string& file) {
  // A help page that cannot be opened is not reported.
  s_.system.processes.shellExecute(ownerHandle, "Open", s_.session.programFolder + "\\" + file, "",
                                   s_.session.programFolder, platform::show::kNormal);
}

void Child8::setTabState(std::string& state, const ui::CheckBox& box) {
  state = std::to_string(box.value());
  checkActiveTabs();
}

void Child8::showPage(Page page) {
  SSTab1.setTab(page);
}

void Child8::Toolbar1ButtonClick(int index) {
  for (int i = 0; i < Toolbar1.buttonCount(); ++i) Toolbar1.setPressed(i, i == index);
  for (int i = 0; i < Toolbar1.buttonCount(); ++i)
    if (Toolbar1.button(i).image > 8) Toolbar1.setImage(i, Toolbar1.button(i).image - 8);
  Toolbar1.setImage(index, index + 1 + 8);
  Toolbar1.refresh();
  const std::string& key = Toolbar1.button(index).key;
  if (key == "1a")
    showPage(kClean);
  else if (key == "2a")
    showPage(kPath);
  else if (key == "3a")
    showPage(kMaintenance);
  else if (key == "4a")
    showPage(kStatistics);
  else if (key == "6a")
    showPage(kHelp);
  else if (key == "7a")
    showPage(kAbout);
  else if (key == "8a") {
    saveToIni();
    s_.windows.close(*this);
  }
}

void Child8::saveToIni() {
  const std::string file = s_.session.mainten();
  for (int i = 0; i < 4; ++i) {
    s_.settings.AddToini("UserDef", "UDname" + std::to_string(i + 1), s_.session.UDname[i], file);
    s_.settings.AddToini("UserDef", "UDvalue" + std::to_string(i + 1), s_.session.UDvalue[i], file);
  }
  s_.settings.AddToini("Tab", "IE", s_.session.tabIE, file);
  s_.settings.AddToini("Tab", "Netscape", s_.session.tabNetscape, file);
  s_.settings.AddToini("Tab", "Opera", s_.session.tabOpera, file);
  s_.settings.AddToini("Tab", "Windows", s_.session.tabWindows, file);
}

void Child8::fixCleanInfo() {
  common::ErrorTrap trap(s_.log, "fixCleanInfo");
  for (int k = 1; k <= kOptionBoxes; ++k) {
    trap.step = k;
    trap.run(
        [&] { optionBox(k - 1).setValue(numberOf(ini("Rensa", "Value" + std::to_string(k)))); });
  }
}

void Child8::fixMainten() {
  chkAvsluta.setValue(numberOf(ini("Inst", "AutomaticClose")));
  Check7.setValue(numberOf(ini("Inst", "Autostart")));
}

void Child8::checkActiveTabs() {
  const std::string* states[] = {&s_.session.tabIE, &s_.session.tabNetscape, &s_.session.tabOpera,
                                 &s_.session.tabWindows};
  ui::CheckBox* boxes[] = {&Check2, &Check3, &Check4, &Check5};
  for (int area = 0; area < 4; ++area) {
    // A copy: setting the box runs its click handler, which rewrites the state.
    const std::string state = *states[area];
    bool active = toFlag(state);
    SSTab2.setTabEnabled(area, active);
    SSTab3.setTabEnabled(area, active);
    boxes[area]->setValue(numberOf(state));
  }
}

void Child8::checkUserdef() {
  for (int list = 0; list < 4; ++list) {
    const std::string& value = s_.session.UDvalue[list];
    const std::string& name = s_.session.UDname[list];
    const int pos = kUserDefPosition[list];
    Check1[pos].setValue(numberOf(value));
    Text1[pos].setEnabled(toFlag(value));
    Text1[pos].setText(name);
    chkEgendef[list].setCaption(name);
    chkEgendef[list].setEnabled(toFlag(value));
  }
}

void Child8::disableIE() {
  for (auto& b : chkIE) b.setEnabled(false);
  Toolbar14.setEnabled(false);
  Label62.setVisible(true);
}
void Child8::enableIE() {
  for (auto& b : chkIE) b.setEnabled(true);
  Toolbar14.setEnabled(true);
  Label62.setVisible(false);
}
void Child8::disableNetscape() {
  for (auto& b : chkNetscape) b.setEnabled(false);
  Toolbar15.setEnabled(false);
  Label60.setVisible(true);
}
void Child8::enableNetscape() {
  for (auto& b : chkNetscape) b.setEnabled(true);
  Toolbar15.setEnabled(true);
  Label60.setVisible(false);
}
void Child8::disableOpera() {
  for (auto& b : chkOpera) b.setEnabled(false);
  Toolbar16.setEnabled(false);
  Label61.setVisible(true);
}
void Child8::enableOpera() {
  for (auto& b : chkOpera) b.setEnabled(true);
  Toolbar16.setEnabled(true);
  Label61.setVisible(false);
}
void Child8::disableWinTemp() {
  chkWindows[2].setEnabled(false);
}
void Child8::enableWinTemp() {
  chkWindows[2].setEnabled(true);
}
void Child8::disableWinDownloaded() {
  chkWindows[1].setEnabled(false);
}
void Child8::enableWinDownloaded() {
  chkWindows[1].setEnabled(true);
}

void Child8::startPathSearch() {
  std::uint32_t id = 0;
  common::check(s_.system.processes.start("\"" + s_.session.programFolder + "\\scoutry.exe\"",
                                          platform::show::kNormal, id));
  common::check(s_.system.processes.waitForExit(id));
}

// The [Path] part of the settings load: the standard folders, the first start's
// detection, the stored paths with their found flags. Netscape1B comes later in the load.
void Child8::loadPaths(common::ErrorTrap& trap) {
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
    if (ini("Path", "Detect") == "0") runOp(ops_.findPath);
  });

  // Steps 6 to 9 read several values each; a value that fails is skipped alone.
  auto path = [&](const char* key, std::string& value, bool* found) {
    trap.run([&] {
      value = ini("Path", key);
      if (found) *found = common::folderExists(files, value);
    });
  };
  path("IE1", p.IE1, &ss.found.IE1);
  path("IE2", p.IE2, &ss.found.IE2);
  path("IE3", p.IE3, &ss.found.IE3);
  path("IE4", p.IE4, &ss.found.IE4);
  path("Netscape1A", p.Netscape1A, nullptr);
  path("Netscape1C", p.Netscape1C, nullptr);
  trap.run([&] {
    p.netscapeProfile = p.Netscape1A + p.Netscape1C;
    ss.found.netscapeProfile = common::folderExists(files, p.netscapeProfile);
  });
  path("Netscape2", p.Netscape2, &ss.found.Netscape2);
  path("Opera1", p.Opera1, &ss.found.Opera1);
  path("Opera2", p.Opera2, &ss.found.Opera2);
  path("Win1", p.Win1, &ss.found.Win1);
  path("Win2", p.Win2, &ss.found.Win2);
  path("Win3", p.Win3, &ss.found.Win3);
  p.ie4Found = ss.found.IE4;
  p.netscapeCacheFound = ss.found.Netscape2;
  p.operaCacheFound = ss.found.Opera2;
  p.winTempAvailable = ss.found.Win2;
  p.winDownloadedAvailable = ss.found.Win3;
}

void Child8::loadSettings() {
  Session& ss = s_.session;
  PathValues& p = ss.paths;
  common::ErrorTrap trap(s_.log, "Initialize");

  trap.runStep([&] { ss.extendedFreeSpace = probeExtendedFreeSpace(s_.system.disk); });
  trap.runStep([&] { ss.found = PathFound{}; });
  trap.runStep([&] { ss.lastCleanedText = ini("Senast", "Value1"); });
  loadPaths(trap);
  ++trap.step;

  for (int i = 0; i < 4; ++i) {
    trap.run([&] { ss.UDvalue[i] = ini("UserDef", "UDvalue" + std::to_string(i + 1)); });
    trap.run([&] { ss.UDname[i] = ini("UserDef", "UDname" + std::to_string(i + 1)); });
  }
  trap.run([&] { ss.safetyLevel = ini("Inst", "Safetylevel"); });
  trap.run([&] { p.Netscape1B = ini("Path", "Netscape1B"); });
  trap.run([&] { ss.tabIE = ini("Tab", "IE"); });
  trap.run([&] { ss.tabNetscape = ini("Tab", "Netscape"); });
  trap.run([&] { ss.tabOpera = ini("Tab", "Opera"); });
  trap.run([&] { ss.tabWindows = ini("Tab", "Windows"); });
  ++trap.step;

  trap.run([&] { cboDay.setListIndex(numberOf(ini("Automatic", "Day"))); });
  trap.run([&] { cboHour.setListIndex(numberOf(ini("Automatic", "Hour"))); });
  trap.run([&] { cboMinute.setListIndex(numberOf(ini("Automatic", "Minute"))); });
  trap.run([&] { cboClean.setListIndex(numberOf(ini("Automatic", "Clean"))); });
  ++trap.step;

  trap.run([&] { showNotice = toFlag(ini("Inst", "Showtip")); });
  trap.run([&] { runPathSearch = toFlag(ini("Inst", "Scoutry")); });
  ++trap.step;
}

void Child8::Form_Load() {
  common::ErrorTrap trap(s_.log, "Load");
  Session& ss = s_.session;

  trap.runStep([&] {
    for (const char* c : {"All", "IE", "Netscape", "Opera", "User.def", "Plugins"})
      cboClean.addItem(c);
    for (const char* m : {"0", "2", "15", "30", "45"}) cboMinute.addItem(m);
    for (int d = 0; d <= 30; ++d) cboDay.addItem(std::to_string(d));
    for (int h = 0; h <= 23; ++h) cboHour.addItem(std::to_string(h));
    for (ui::ComboBox* c : {&cboClean, &cboMinute, &cboDay, &cboHour}) c->setListIndex(0);
  });
  trap.runStep([&] { loadSettings(); });
  trap.runStep([&] {
    ss.urlHome = s_.settings.getini("Internet", "Home", ss.urlIni());
    ss.urlMail = s_.settings.getini("Internet", "Mail", ss.urlIni());
    ss.urlInfo = s_.settings.getini("Internet", "Info", ss.urlIni());
    Label42.setCaption(ss.urlHome);
    Label40.setCaption(ss.urlMail);
  });
  if (runPathSearch) {
    // A missing search tool is logged; the tool is still not asked for again.
    trap.run([&] { startPathSearch(); });
    trap.run([&] { s_.settings.AddToini("Inst", "Scoutry", "0", ss.mainten()); });
  }
  ++trap.step;
  trap.runStep([&] { s_.windows.show(*this); });
  trap.runStep([&] {
    Label60.setVisible(false);
    Label61.setVisible(false);
    Label62.setVisible(false);
  });
  trap.runStep([&] {
    Toolbar1.setPressed(0, true);
    Toolbar1.setImage(0, 9);
  });
  trap.runStep([&] { StatusBar1.setSimpleText(kLastCleanedPrefix + ss.lastCleanedText); });
  // One step of seven calls: a call that fails does not keep the next from running.
  trap.run([&] { runOp(ops_.fixPlugins); });
  trap.run([&] { fixMainten(); });
  trap.run([&] { runOp(ops_.fixUserDef); });
  trap.run([&] { fixCleanInfo(); });
  trap.run([&] { runOp(ops_.fixPath); });
  trap.run([&] { checkActiveTabs(); });
  trap.run([&] { checkUserdef(); });
  ++trap.step;
  trap.run([&] { Slider1.setValue(numberOf(ss.safetyLevel)); });
  trap.run([&] { runOp(ops_.fixSliderSettings); });
  ++trap.step;
  trap.runStep([&] { runOp(ops_.listCookiestoSave); });
  trap.runStep([&] {
    if (common::folderExists(s_.system.files, ss.paths.IE3))
      File4.setPath(ss.paths.IE3);
    else
      s_.log.writeLog("sIECookies in Load " + ss.paths.IE3, static_cast<std::int16_t>(trap.step), 0,
                      "");
  });
  trap.runStep([&] {
    freeSpaceBefore = static_cast<std::int64_t>(std::nearbyint(common::toDouble(freeSpaceKB("C:\\"))));
    freeSpaceAfter = freeSpaceBefore;
  });
  trap.runStep([&] { runOp(ops_.getStatistics); });
  trap.runStep([&] {
    if (showNotice) s_.windows.showModal(frmTip1, this);
  });
}

void Child8::Form_Unload() {
  const std::string file = s_.session.mainten();
  for (int k = 1; k <= kOptionBoxes; ++k)
    s_.settings.AddToini("Rensa", "Value" + std::to_string(k),
                         std::to_string(optionBox(k - 1).value()), file);
  s_.settings.AddToini("Inst", "Safetylevel", std::to_string(Slider1.value()), file);
  s_.settings.AddToini("Inst", "AutomaticClose", std::to_string(chkAvsluta.value()), file);
  s_.settings.AddToini("Inst", "Autostart", std::to_string(Check7.value()), file);
  s_.settings.AddToini("Automatic", "Day", std::to_string(cboDay.listIndex()), file);
  s_.settings.AddToini("Automatic", "Hour", std::to_string(cboHour.listIndex()), file);
  s_.settings.AddToini("Automatic", "Minute", std::to_string(cboMinute.listIndex()), file);
  s_.settings.AddToini("Automatic", "Clean", std::to_string(cboClean.listIndex()), file);
  s_.settings.AddToini("Statistics", "Current", std::to_string(s_.session.statisticsSlot), file);
  for (int row = 1; row <= 4; ++row) {
    s_.settings.AddToini("Statistics", "Size" + std::to_string(row), MSChart1.row(row).value, file);
    s_.settings.AddToini("Statistics", "Date" + std::to_string(row), MSChart1.row(row).label, file);
  }
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
