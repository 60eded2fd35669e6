#include "tests/main/app/app_fixture.h"

#include <fstream>
#include <sstream>

namespace vorn::testing {

AppFixture::AppFixture() {
  session.programFolder = fake.process.folder;
  fake.processes.onStart = [this](const std::string& line) {
    events.push_back("start " + platform::commandProgram(line));
  };
}

MainWindow::LoadSteps AppFixture::recordingLoadSteps() {
  MainWindow::LoadSteps steps;
  auto rec = [this](const char* name) { return recording(name); };
  steps.findPath = [this] {
    events.push_back("findPath");
    setIni("Path", "Detect", "1");
  };
  steps.fixPlugins = rec("fixPlugins");
  steps.fixUserDef = rec("fixUserDef");
  steps.fixPath = rec("fixPath");
  steps.fixSliderSettings = rec("fixSliderSettings");
  steps.listCookiestoSave = rec("listCookiestoSave");
  steps.getStatistics = rec("getStatistics");
  return steps;
}

Command AppFixture::recording(const char* name) {
  return [this, name] { events.push_back(name); };
}

void AppFixture::recordPageCommands(MainWindow& window) {
  auto rec = [this](const char* name) { return recording(name); };
  window.maintenance.commands.autoStartChanged = rec("autoStartChanged");
  window.clean.commands.cleanIE = rec("cleanIE");
  window.clean.commands.cleanAll = rec("cleanAll");
  PathsPage::Commands& ops = window.paths.commands;
  ops.detectIEPaths = rec("detectIEPaths");
  ops.saveIEPaths = rec("saveIEPaths");
  ops.detectNetscapePaths = rec("detectNetscapePaths");
  ops.saveNetscapePaths = rec("saveNetscapePaths");
  ops.detectOperaPaths = rec("detectOperaPaths");
  ops.saveOperaPaths = rec("saveOperaPaths");
  ops.detectWindowsPaths = rec("detectWindowsPaths");
  ops.saveWindowsPaths = rec("saveWindowsPaths");
}

void AppFixture::installDeliveredSettings() {
  std::ifstream in(std::string(TERVANE_DATA_DIR) + "/mainten.ini", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  fake.files.addFile(mainten(), text.str());
  std::ifstream url(std::string(TERVANE_DATA_DIR) + "/url.ini", std::ios::binary);
  std::stringstream urlText;
  urlText << url.rdbuf();
  fake.files.addFile(folder() + "\\url.ini", urlText.str());
}

std::string AppFixture::ini(const std::string& section, const std::string& key) {
  return settings.getini(section, key, mainten());
}

void AppFixture::setIni(const std::string& section, const std::string& key,
                        const std::string& value) {
  settings.AddToini(section, key, value, mainten());
}

void AppFixture::removeIniKey(const std::string& section, const std::string& key) {
  std::string text = fake.files.contents(mainten());
  std::string needle = "\r\n" + key + "=";
  std::size_t sectionAt = text.find("[" + section + "]");
  std::size_t at = text.find(needle, sectionAt);
  if (sectionAt == std::string::npos || at == std::string::npos) return;
  std::size_t end = text.find("\r\n", at + 2);
  text.erase(at, end - at);
  fake.files.writeFile(mainten(), text);
}

std::vector<std::string> AppFixture::logRecords() {
  std::vector<std::string> records;
  std::string text = fake.files.exists(folder() + "\\vorn.log")
                         ? fake.files.contents(folder() + "\\vorn.log")
                         : std::string();
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.back() == '"') line.pop_back();
    std::size_t tab = line.find('\t');
    records.push_back(tab == std::string::npos ? line : line.substr(tab + 1));
  }
  return records;
}

}  // namespace vorn::testing
