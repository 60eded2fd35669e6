// Each browser engine and the user's lists: an analysis on a seeded profile changes
// nothing and lists what the cleaning that follows removes.
#include <gtest/gtest.h>

#include <algorithm>

#include "main/clean/cleaning_report.h"
#include "main/clean/ie_cleaner.h"
#include "main/clean/netscape_cleaner.h"
#include "main/clean/opera_cleaner.h"
#include "main/dialogs/keep_list_file.h"
#include "main/userdef/user_lists.h"
#include "tests/main/app/analysis_fixture.h"

namespace vorn {
namespace {

constexpr platform::HKey kHKCU = platform::hkey::kCurrentUser;
constexpr platform::HKey kHKLM = platform::hkey::kLocalMachine;

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += item + "\n";
  return text;
}

bool lists(const std::vector<std::string>& items, const std::string& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

// The recorded kinds, as recordedItems() writes them.
std::string kind(platform::RecordedChange::Kind k) {
  return std::to_string(static_cast<int>(k)) + " ";
}
using Kind = platform::RecordedChange::Kind;

// The totals after "Would remove: " or "Removed: ", up to the line's end.
std::string totals(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) return "no " + label + " in " + text;
  const std::size_t from = at + label.size();
  return text.substr(from, text.find("\r\n", from) - from);
}

class EngineAnalysisTest : public testing::AnalysisFixture {
 protected:
  EngineAnalysisTest() {
    // The user's own folder, reached by a link inside each cleaned tree.
    fake.files.addFile(kMine + "\\thesis.doc", "mine");
    // Both scratch files the same size: which one a pass takes is drawn at random.
    fake.files.addFile(folder() + "\\ow.chx", std::string(64, 'a'));
    fake.files.addFile(folder() + "\\ow2.chx", std::string(64, 'b'));
    fake.files.addFolder("C:\\WINDOWS\\TEMP");
    session.safetyLevel = "3";
  }

  std::string folder() const { return fake.process.folder; }
  void addLinkToMine(const std::string& path) {
    fake.files.addFolder(path);
    fake.files.setReparsePoint(path);
  }
  void tick(ControlArray<ui::CheckBox>& boxes) {
    for (auto& box : boxes) box.setValue(1);
  }
  void expectMineKept() {
    EXPECT_EQ(fake.files.contents(kMine + "\\thesis.doc"), "mine") << fake.files.dump();
  }
  // The analysis's totals are the cleaning report's.
  void expectSameTotals() {
    const std::string report = fake.files.contents(folder() + "\\" + kReportFile);
    EXPECT_EQ(totals(analysisText(), "Would remove: "), totals(report, "Removed: ")) << report;
  }

  const std::string kMine = "C:\\Mine";
};

TEST_F(EngineAnalysisTest, InternetExplorer) {
  const std::string history = "C:\\WINDOWS\\History\\",
                    tif = "C:\\WINDOWS\\Temporary Internet Files\\",
                    cookies = "C:\\WINDOWS\\Cookies\\";
  fake.files.addFile(folder() + "\\mainten.ini",
                     "[Path]\r\nIE1=" + history + "\r\nIE2=" + tif + "\r\n");
  p.ieHistoryFolder = history;
  p.ieCacheFolder = tif;
  p.ieCookiesFolder = cookies;
  fake.files.addFile(history + "history.ie5\\mshist~1\\index.dat", std::string(32768, 'h'));
  addLinkToMine(history + "history.ie5\\mshist~1\\Mine");
  fake.files.addFile(history + "history.ie5\\mshist~2\\index.dat", std::string(16384, 'h'));
  const std::string dated = history + "History.IE5\\MSHist012026113020261207";
  fake.files.addFile(dated + "\\index.dat", std::string(16384, 'h'));
  const std::string leftover = tif + "Content.IE5\\AB12CD34\\left.htm";
  fake.files.addFile(leftover, std::string(2000, 'l'));
  addLinkToMine(tif + "Content.IE5\\MINE0000");
  fake.files.addFile(tif + "page.htm", std::string(4000, 'p'));
  fake.files.addFile(tif + "logo.gif", std::string(1500, 'g'));
  fake.files.addFile(tif + "index.dat", std::string(8192, 'i'));
  fake.files.addFile(cookies + "me@site[1].txt", std::string(300, 'c'));
  fake.files.addFile(cookies + "me@bank[1].txt", std::string(200, 'k'));
  fake.files.addFile(cookies + "index.dat", std::string(4096, 'i'));
  fake.files.addFile(folder() + "\\" + kIEKeepList, "me@bank[1].txt\r\n");
  fake.registry.setString(kHKCU, kTypedUrlsKey, "url1", "http://site/");
  fake.registry.setString(kHKCU, kTypedUrlsKey, "url2", "http://bank/");
  fake.registry.setString(kHKLM, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", "Other",
                          "x.exe");
  // An entry's own file goes with the entry: neither run lists it among the leftovers.
  const std::string cached = tif + "Content.IE5\\AB12CD34\\page[1].htm";
  fake.files.addFile(cached, std::string(700, 'e'));
  cache.add("http://site/page.htm", 0, cached);
  cache.add("http://site/logo.gif");
  cache.add("Visited: me@http://site/", platform::cacheentry::kUrlHistory);
  cache.add("Cookie:me@site/", platform::cacheentry::kCookie);
  runCommand(window->loadSteps().listCookiestoSave);
  window->clean.ieCookieFiles.setPath(cookies);
  tick(window->clean.ieOptions);

  const std::vector<std::string> analysed = analyzeUnchanged(kIE);
  const std::vector<platform::UrlCacheEntry> entriesBefore = cache.all;
  window->clean.cleanIEToolbar.click(0);
  const std::vector<std::string> cleaned = recordedItems();

  // The browser's own clearing is not seen by the file recording: both runs list its
  // entries, the analysis what it would empty, the cleaning what it did empty, and
  // those are the entries that are gone.
  std::vector<std::string> listedEntries, reportedEntries, emptied;
  for (const std::string& item : analysed)
    if (item.rfind(kind(Kind::CacheEntryRemoved), 0) == 0) listedEntries.push_back(item);
  for (const std::string& item : cleaned)
    if (item.rfind(kind(Kind::CacheEntryRemoved), 0) == 0) reportedEntries.push_back(item);
  for (const platform::UrlCacheEntry& e : entriesBefore)
    if (!cache.has(e.url)) emptied.push_back(kind(Kind::CacheEntryRemoved) + e.url + " (0)");
  EXPECT_EQ(joined(listedEntries), joined(emptied));
  EXPECT_EQ(joined(reportedEntries), joined(emptied));
  EXPECT_EQ(listedEntries.size(), 3u) << joined(listedEntries);
  EXPECT_TRUE(cache.has("Cookie:me@site/"));
  EXPECT_EQ(joined(analysed), joined(cleaned));

  // Three passes over the cookie not kept, the first over its own 300 bytes; the locked
  // index files and the kept cookie untouched.
  EXPECT_TRUE(lists(cleaned, kind(Kind::FileOverwritten) + cookies + "me@site[1].txt (300)"));
  EXPECT_TRUE(lists(cleaned, kind(Kind::FileDeleted) + cookies + "me@site[1].txt (64)"));
  EXPECT_TRUE(
      lists(cleaned, kind(Kind::LinkRemoved) + history + "history.ie5\\mshist~1\\Mine (0)"));
  EXPECT_TRUE(lists(
      cleaned, kind(Kind::FolderRemoved) + history + "history.ie5\\MSHist012026113020261207 (0)"))
      << joined(cleaned);
  EXPECT_TRUE(lists(cleaned, kind(Kind::FileDeleted) + leftover + " (2000)"));
  EXPECT_FALSE(fake.files.exists(cached));
  for (const std::string& item : cleaned) {
    EXPECT_EQ(item.find("me@bank"), std::string::npos) << item;
    EXPECT_EQ(item.find(cookies + "index.dat"), std::string::npos) << item;
    EXPECT_EQ(item.find(tif + "index.dat"), std::string::npos) << item;
    EXPECT_EQ(item.find("page[1].htm"), std::string::npos) << item;
  }
  EXPECT_TRUE(fake.files.exists(cookies + "me@bank[1].txt"));
  EXPECT_TRUE(fake.files.exists(tif + "index.dat"));
  EXPECT_FALSE(fake.registry.hasKey(kHKCU, kTypedUrlsKey));
  const std::string report = fake.files.contents(folder() + "\\" + kReportFile);
  EXPECT_NE(report.find("Entries the Internet Properties dialog empties (3)"), std::string::npos)
      << report;
  expectSameTotals();
  expectMineKept();
}

TEST_F(EngineAnalysisTest, Netscape) {
  p.netscapeUsersFolder = "C:\\Program Files\\Netscape\\Users\\";
  p.netscapeUserName = "me";
  const std::string profile = p.netscapeUsersFolder + p.netscapeUserName;
  p.netscapeProfile = profile;
  p.netscapeCacheFolder = profile + "\\Cache\\";
  fake.files.addFile(p.netscapeCacheFolder + "M0A1B2C3.htm", std::string(5000, 'p'));
  fake.files.addFile(p.netscapeCacheFolder + "M0A1B2C4.gif", std::string(2500, 'g'));
  addLinkToMine(p.netscapeCacheFolder + "Mine");
  fake.files.addFile(profile + "\\netscape.hst", std::string(12000, 'h'));
  fake.files.addFile(profile + "\\cookies.txt", std::string(900, 'c'));
  fake.files.addFile(profile + "\\prefs.js",
                     "user_pref(\"browser.url_history.URL_1\", \"http://site/\");\r\n"
                     "user_pref(\"browser.startup.homepage\", \"http://home/\");\r\n"
                     "user_pref(\"browser.url_history.URL_2\", \"http://bank/\");\r\n");
  fake.files.addFile(profile + "\\liprefs.js", std::string(300, 'l'));
  fake.files.addFile(profile + "\\bookmarks.htm", std::string(700, 'b'));
  fake.files.addFile(folder() + "\\" + kNetscapeKeepList,
                     ".bank.com\tTRUE\t/\tFALSE\t0\tid\t1\r\n");
  tick(window->clean.netscapeOptions);

  const std::vector<std::string> analysed = analyzeUnchanged(kNetscape);
  window->clean.cleanNetscapeToolbar.click(0);
  const std::vector<std::string> cleaned = recordedItems();

  EXPECT_EQ(joined(analysed), joined(cleaned));
  expectSameTotals();
  // The preferences are rewritten, not removed, through a scratch file of the run's own
  // that is not reported; the keep list is copied over the removed cookie file.
  EXPECT_TRUE(lists(cleaned, kind(Kind::FileReplaced) + profile + "\\prefs.js (170)"));
  EXPECT_TRUE(lists(cleaned, kind(Kind::FileReplaced) + profile + "\\cookies.txt (0)"));
  for (const std::string& item : cleaned) {
    EXPECT_EQ(item.find("TEMP"), std::string::npos) << item;
    EXPECT_EQ(item.find("bookmarks"), std::string::npos) << item;
    EXPECT_EQ(item.find("Mine"), std::string::npos) << item;
  }
  EXPECT_EQ(fake.files.contents(profile + "\\prefs.js"),
            "user_pref(\"browser.startup.homepage\", \"http://home/\");\r\n");
  EXPECT_TRUE(fake.files.exists(p.netscapeCacheFolder + "Mine"));
  expectMineKept();
}

// Scratch files of different sizes: an analysis draws none, so two analyses of one state
// list the same items, sizes included.
TEST_F(EngineAnalysisTest, TwoAnalysesOfOneStateAgree) {
  fake.files.addFile(folder() + "\\ow2.chx", std::string(100, 'b'));
  p.operaUserFolder = "C:\\Opera\\";
  fake.files.addFile(p.operaUserFolder + "cookies4.dat", std::string(900, 'c'));
  tick(window->clean.operaOptions);
  const std::string first = joined(analyzeUnchanged(kOpera));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(joined(analyzeUnchanged(kOpera)), first);
  EXPECT_NE(first.find("cookies4.dat"), std::string::npos) << first;
}

// Without a cookie file the first pass writes one anew and the later ones overwrite it:
// that file is the run's own, so neither lists it, and neither reports a failure.
TEST_F(EngineAnalysisTest, NetscapeWithoutCookieFile) {
  p.netscapeUsersFolder = "C:\\Program Files\\Netscape\\Users\\";
  p.netscapeUserName = "me";
  const std::string profile = p.netscapeUsersFolder + p.netscapeUserName;
  p.netscapeProfile = profile;
  fake.files.addFolder(profile);
  fake.files.addFile(folder() + "\\" + kNetscapeKeepList,
                     ".bank.com\tTRUE\t/\tFALSE\t0\tid\t1\r\n");
  window->clean.netscapeOptions[2].setValue(1);

  const std::vector<std::string> analysed = analyzeUnchanged(kNetscape);
  window->clean.cleanNetscapeToolbar.click(0);
  const std::vector<std::string> cleaned = recordedItems();

  EXPECT_EQ(joined(analysed), joined(cleaned));
  EXPECT_EQ(joined(cleaned), kind(Kind::FileReplaced) + profile + "\\cookies.txt (0)\n");
  EXPECT_EQ(analysisText().find("Would not be removed"), std::string::npos) << analysisText();
  EXPECT_EQ(fake.files.contents(profile + "\\cookies.txt"),
            ".bank.com\tTRUE\t/\tFALSE\t0\tid\t1\r\n");
}

TEST_F(EngineAnalysisTest, Opera) {
  p.operaUserFolder = "C:\\Program Files\\Opera\\";
  p.operaCacheFolder = p.operaUserFolder + "cache4\\";
  fake.files.addFile(p.operaUserFolder + "opera.win", std::string(700, 'w'));
  fake.files.addFile(p.operaUserFolder + "global.dat", std::string(3000, 'g'));
  fake.files.addFile(p.operaUserFolder + "cookies4.dat", std::string(1200, 'c'));
  fake.files.addFile(p.operaUserFolder + "opera.dir", std::string(400, 'd'));
  fake.files.addFile(p.operaUserFolder + "vlink4.dat", std::string(800, 'v'));
  fake.files.addFile(p.operaUserFolder + "opera.ini", std::string(900, 'i'));
  fake.files.addFile(p.operaCacheFolder + "opr00001.htm", std::string(6000, 'p'));
  fake.files.addFile(p.operaCacheFolder + "opr00002.gif", std::string(1000, 'g'));
  addLinkToMine(p.operaCacheFolder + "Mine");
  fake.files.addFile(folder() + "\\" + kCleanOperaWindows, std::string(50, 'o'));
  tick(window->clean.operaOptions);

  const std::vector<std::string> analysed = analyzeUnchanged(kOpera);
  window->clean.cleanOperaToolbar.click(0);
  const std::vector<std::string> cleaned = recordedItems();

  EXPECT_EQ(joined(analysed), joined(cleaned));
  expectSameTotals();
  // The window list is removed and the clean copy put in its place.
  EXPECT_TRUE(lists(cleaned, kind(Kind::FileDeleted) + p.operaUserFolder + "opera.win (700)"));
  EXPECT_TRUE(lists(cleaned, kind(Kind::FileReplaced) + p.operaUserFolder + "opera.win (0)"));
  EXPECT_TRUE(
      lists(cleaned, kind(Kind::FileOverwritten) + p.operaUserFolder + "cookies4.dat (1200)"));
  for (const std::string& item : cleaned) {
    EXPECT_EQ(item.find("opera.ini"), std::string::npos) << item;
    EXPECT_EQ(item.find("Mine"), std::string::npos) << item;
  }
  EXPECT_EQ(fake.files.contents(p.operaUserFolder + "opera.win"), std::string(50, 'o'));
  EXPECT_TRUE(fake.files.exists(p.operaCacheFolder + "Mine"));
  expectMineKept();
}

TEST_F(EngineAnalysisTest, UserDefinedLists) {
  const std::string work = "C:\\Work\\";
  fake.files.addFile(work + "Scratch\\a.txt", std::string(100, 'a'));
  fake.files.addFile(work + "Scratch\\sub\\b.txt", std::string(200, 'b'));
  addLinkToMine(work + "Scratch\\Mine");
  fake.files.addFile(work + "x.tmp", std::string(50, 'x'));
  fake.files.addFile(work + "y.tmp", std::string(70, 'y'));
  fake.files.addFile(work + "notes.bak", std::string(400, 'n'));
  fake.files.addFile(work + "notes.doc", std::string(500, 'd'));
  fake.files.addFile(folder() + "\\" + userDefinedListFile(1), work + "Scratch\r\n");
  fake.files.addFile(folder() + "\\" + userDefinedListFile(2), work + "*.tmp\r\n");
  fake.files.addFile(folder() + "\\" + userDefinedListFile(3),
                     work + "notes.bak\r\n" + work + "missing.txt\r\n");
  // A file inside a folder the first list already removes.
  fake.files.addFile(folder() + "\\" + userDefinedListFile(4), work + "Scratch\\a.txt\r\n");
  tick(window->clean.userDefinedOptions);

  const std::vector<std::string> analysed = analyzeUnchanged(kUserDef);
  window->clean.cleanUserDefinedToolbar.click(0);
  const std::vector<std::string> cleaned = recordedItems();

  EXPECT_EQ(joined(analysed), joined(cleaned));
  expectSameTotals();
  // The file the fourth list names went with its folder: listed once.
  EXPECT_EQ(std::count(analysed.begin(), analysed.end(),
                       kind(Kind::FileDeleted) + work + "Scratch\\a.txt (100)"),
            1);
  EXPECT_TRUE(lists(cleaned, kind(Kind::LinkRemoved) + work + "Scratch\\Mine (0)"));
  EXPECT_TRUE(lists(cleaned, kind(Kind::FolderRemoved) + work + "Scratch (0)"));
  for (const std::string& item : cleaned) EXPECT_EQ(item.find("notes.doc"), std::string::npos);
  EXPECT_TRUE(fake.files.exists(work + "notes.doc"));
  expectMineKept();
}

}  // namespace
}  // namespace vorn
