// The project's settings reader and writer against the system's profile functions, on
// the same tricky files. Where the lookup rules the three programs share differ from
// the system's on purpose, the case names the difference and checks both answers.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "common/settings.h"
#include "platform/win32/win32_system.h"

namespace {

struct ReadCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  // Set where the system answers differently on purpose: what the system returns.
  std::optional<std::string> systemAnswer = std::nullopt;
};

class IniDifferential : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    folder = std::string(temp) + "tervane-ini-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    file = folder + "\\t.ini";
  }
  void TearDown() override {
    // Flush the profile cache so that the file can go.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    DeleteFileA(file.c_str());
    DeleteFileA((file + ".new").c_str());
    DeleteFileA((folder + "\\vorn.log").c_str());
    RemoveDirectoryA(folder.c_str());
  }
  void writeRaw(const std::string& text) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    ASSERT_EQ(real.system().files.writeFile(file, text), 0u);
  }
  std::string systemRead(const char* section, const char* key) {
    char buffer[255] = {};
    DWORD n = GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, file.c_str());
    return n == 0 ? std::string() : std::string(buffer);
  }
  std::string ownRead(const char* section, const char* key) {
    return settings.getini(section, key, file);
  }

  platform::win32::Win32System real;
  std::string folder, file;
  common::SessionLog log{real.system().files, real.system().clock, [this] { return folder; }};
  common::Settings settings{real.system().files, log};
};

TEST_F(IniDifferential, ReadsAgreeOnTrickyFiles) {
  const std::string big(300, 'x');
  const std::vector<ReadCase> cases = {
      {"plain", "[Path]\r\nIE1=C:\\h\\\r\n", "Path", "IE1"},
      {"section case", "[PATH]\r\nIE1=a\r\n", "path", "IE1"},
      {"key case", "[Path]\r\nie1=a\r\n", "Path", "IE1"},
      {"blanks around names", "[ Path ]\r\n  IE1  =a\r\n", "Path", "IE1"},
      {"blanks in request", "[Path]\r\nUDvalue1=1\r\n", "Path", "UDvalue1 "},
      {"blanks around value", "[s]\r\nk=   v w   \r\n", "s", "k"},
      {"double quotes", "[s]\r\nk=\"quoted value\"\r\n", "s", "k"},
      {"one double quote", "[s]\r\nk=\"open\r\n", "s", "k"},
      {"single quotes", "[s]\r\nk='quoted'\r\n", "s", "k", "quoted"},
      {"equals in value", "[s]\r\nk=a=b\r\n", "s", "k"},
      {"missing file section", "[t]\r\nk=1\r\n", "s", "k"},
      {"missing key", "[s]\r\nj=1\r\n", "s", "k"},
      {"empty value", "[s]\r\nk=\r\n", "s", "k"},
      {"duplicate key", "[s]\r\nk=first\r\nk=second\r\n", "s", "k"},
      {"duplicate section", "[s]\r\nk=first\r\n[s]\r\nk=second\r\n", "s", "k"},
      {"LF only", "[s]\nk=lf\nj=2\n", "s", "j"},
      {"no final line end", "[s]\r\nk=last", "s", "k"},
      {"long value", "[s]\r\nk=" + big + "\r\n", "s", "k"},
      {"comment line", "[s]\r\n;k=comment\r\nk=real\r\n", "s", "k"},
      {"commented key only", "[s]\r\n;k=comment\r\n", "s", "k"},
      {"key before any section", "k=top\r\n[s]\r\nj=1\r\n", "s", "k"},
      {"tab blanks", "[s]\r\n\tk\t=\tv\t\r\n", "s", "k"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    writeRaw(c.text);
    const std::string own = ownRead(c.section, c.key);
    const std::string system = systemRead(c.section, c.key);
    if (c.systemAnswer) {
      EXPECT_EQ(system, *c.systemAnswer) << "the system's rule changed";
      EXPECT_NE(own, system) << "expected difference vanished";
    } else {
      EXPECT_EQ(own, system);
    }
  }
}

TEST_F(IniDifferential, WritesReadBackAlikeThroughBothReaders) {
  struct Write {
    const char *section, *key, *value;
  };
  const std::vector<std::pair<std::string, std::vector<Write>>> scenarios = {
      {"", {{"Path", "Detect", "0"}, {"Path", "IE1", "C:\\h\\"}, {"Inst", "Scoutry", "1"}}},
      {"[Path]\r\nIE1=old\r\n\r\n[Inst]\r\nShowtip=1\r\n",
       {{"path", "ie1", "new"}, {"Path", "IE2", "added"}, {"Inst", "Showtip", "0"}}},
      {"[s]\nk=lf\n", {{"s", "j", "2"}, {"t", "k", "3"}}},
      {"[s]\r\nk=last", {{"s", "j", "x=y"}, {"s", "k", "again"}}},
      {"[a]\r\nk=1\r\n[a]\r\nk=2\r\n", {{"a", "k", "9"}}},
  };
  const char* probes[][2] = {{"Path", "Detect"},  {"Path", "IE1"},     {"Path", "IE2"},
                             {"Inst", "Scoutry"}, {"Inst", "Showtip"}, {"s", "k"},
                             {"s", "j"},          {"t", "k"},          {"a", "k"}};
  for (const auto& [start, writes] : scenarios) {
    SCOPED_TRACE(start);
    writeRaw(start);
    for (const Write& w : writes)
      WritePrivateProfileStringA(w.section, w.key, w.value, file.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    std::vector<std::string> systemWritten;
    for (auto& p : probes) systemWritten.push_back(systemRead(p[0], p[1]));

    writeRaw(start);
    for (const Write& w : writes) ASSERT_TRUE(settings.AddToini(w.section, w.key, w.value, file));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    for (std::size_t i = 0; i < std::size(probes); ++i) {
      SCOPED_TRACE(std::string(probes[i][0]) + "/" + probes[i][1]);
      EXPECT_EQ(systemRead(probes[i][0], probes[i][1]), systemWritten[i]);
      EXPECT_EQ(ownRead(probes[i][0], probes[i][1]), systemWritten[i]);
    }
  }
}

}  // namespace
