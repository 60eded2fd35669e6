// "Analyze All" over a seeded browser and Windows profile holding 20,000 cache files,
// against a plain recursive FindFirstFileA/FindNextFileA walk of the same folders, in the
// same run. The analysis is the real command behind the button: the main window and its
// subsystems wired as the program wires them, over the recording system with the
// recorder analysing. Prints the best seconds of each and the ratio, and fails when the
// analysis missed a seeded file that the cleaning removes, or changed anything.
//
//   bench_analyze [rounds] [cache files]   (5 rounds and 20,000 files by default)
//
// Everything lives in a scratch folder of the Wine prefix's temporary folder (the
// profile, and the program folder with the settings and log), removed at the end. The
// run, search and typed-address histories the analysis reads are registry values of the
// prefix: set for the run and put back as they were afterwards.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "main/app/wiring.h"
#include "main/clean/analysis.h"
#include "main/clean/secure_remove.h"
#include "main/dialogs/analysis_report_dialog.h"
#include "main/paths/path_table.h"
#include "platform/change_recorder.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_viewer_services.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/scripted_screen.h"
#include "tests/support/scripted_tray.h"
#include "tests/support/scripted_window_host.h"

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

double seconds(LARGE_INTEGER a, LARGE_INTEGER b) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

// The program folder is the scratch one, so that the settings file and the log that a
// run writes stay inside it.
class ScratchProcess : public platform::ProcessInfo {
 public:
  explicit ScratchProcess(std::string folder) : folder_(std::move(folder)) {}
  std::string programFolder() override { return folder_; }
  std::string programFile() override { return folder_ + "\\vorn66.exe"; }

 private:
  std::string folder_;
};

// One seeded file and whether an analysis must list it: index files are kept by the
// cleaning, and the files of the browser's own cache folders are left to its dialog
// (whose URL cache entries the analysis lists instead).
struct Seeded {
  std::string path;
  bool listed;
};

class Seeder {
 public:
  explicit Seeder(FILETIME old) : old_(old) {}

  void folder(const std::string& path) {
    // Parents first; CreateDirectoryA fails harmlessly on an existing one.
    for (std::size_t i = path.find('\\', 3); i != std::string::npos; i = path.find('\\', i + 1))
      CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
  }
  // Written three days old, so that the temporary-folder step counts it as stale.
  void file(const std::string& path, const std::string& text, bool listed) {
    folder(path.substr(0, path.find_last_of('\\')));
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      std::fprintf(stderr, "could not create %s\n", path.c_str());
      std::exit(1);
    }
    DWORD wrote = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
    SetFileTime(h, nullptr, nullptr, &old_);
    CloseHandle(h);
    files.push_back({path, listed});
  }
  void indexDat(const std::string& path) {
    std::string text = "Client UrlCache MMF Ver 5.2";
    text.append(16385, '\0');
    file(path, text, false);
  }

  std::vector<Seeded> files;

 private:
  FILETIME old_;
};

struct Layout {
  std::string root, program, profile;
  std::string history, tif, cookies, netscapeUsers, netscapeProfile, netscapeCache, opera,
      operaCache, recent, temp, downloaded;
};

Layout layoutUnder(const std::string& root) {
  Layout l;
  l.root = root;
  l.program = root + "\\Program";
  l.profile = root + "\\Profile";
  const std::string windows = l.profile + "\\WINDOWS";
  l.history = windows + "\\History";
  l.tif = windows + "\\Temporary Internet Files";
  l.cookies = windows + "\\Cookies";
  l.recent = windows + "\\Recent";
  l.temp = windows + "\\TEMP";
  l.downloaded = windows + "\\Downloaded Program Files";
  l.netscapeUsers = l.profile + "\\Program Files\\Netscape\\Users";
  l.netscapeProfile = l.netscapeUsers + "\\default";
  l.netscapeCache = l.netscapeProfile + "\\Cache";
  l.opera = l.profile + "\\Program Files\\Opera";
  l.operaCache = l.opera + "\\Cache4";
  return l;
}

// The demo profile's traces, and `cacheFiles` more spread over the caches: most in
// Netscape's and Opera's caches and the Windows temporary folder, some at the top of
// Internet Explorer's cache folder, and some in sub-folders of the downloaded components.
std::vector<Seeded> seed(const Layout& l, int cacheFiles) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
  t.QuadPart -= 3ULL * 86400ULL * 10000000ULL;
  Seeder s(FILETIME{t.LowPart, t.HighPart});
  s.folder(l.program);

  // Internet Explorer: history, cache and cookies, each with its index file.
  s.indexDat(l.history + "\\History.IE5\\index.dat");
  s.indexDat(l.history + "\\History.IE5\\MSHist012026113020261207\\index.dat");
  s.indexDat(l.tif + "\\Content.IE5\\index.dat");
  for (const char* f : {"4KX9ZP2Q\\news[1].htm", "4KX9ZP2Q\\logo[1].gif", "T7QB3M1A\\style[2].css",
                        "T7QB3M1A\\search[1].htm"})
    s.file(l.tif + "\\Content.IE5\\" + f, std::string("<html><body>cached page</body></html>"),
           false);
  s.indexDat(l.cookies + "\\index.dat");
  s.file(l.cookies + "\\root@news.example[1].txt", "session\nabc123\nnews.example/\n", true);
  s.file(l.cookies + "\\root@shop.example[2].txt", "cart\n42\nshop.example/\n", true);
  s.file(l.cookies + "\\root@bank.example[1].txt", "login\nkeep-me\nbank.example/\n", true);

  // Netscape: one user profile.
  const std::string& ns = l.netscapeProfile;
  s.file(ns + "\\cookies.txt",
         "# Netscape HTTP Cookie File\n.news.example\tTRUE\t/\tFALSE\t0\ts\t1\n", true);
  s.file(ns + "\\prefs.js",
         "user_pref(\"browser.url_history.URL_1\", \"http://news.example/\");\n"
         "user_pref(\"browser.startup.homepage\", \"http://home.example/\");\n",
         true);
  s.file(ns + "\\liprefs.js", "// Roaming Preferences\n", true);
  s.file(ns + "\\netscape.hst", "news.example shop.example bank.example", true);
  s.file(l.netscapeCache + "\\FAT.DB", "cache index", true);

  // Opera: its data files.
  for (const char* f : {"opera.win", "global.dat", "cookies4.dat", "opera.dir", "vlink4.dat"})
    s.file(l.opera + "\\" + f, std::string("opera ") + f, true);

  // Windows: recent documents, temporary files, a downloaded component.
  for (const char* f : {"Budget 2001.xls.lnk", "Letter to Anna.doc.lnk", "holiday.jpg.lnk"})
    s.file(l.recent + "\\" + f, "shortcut", true);
  s.file(l.temp + "\\setup.log", "installer log", true);
  s.file(l.downloaded + "\\viewer.inf", "[Version]\n", true);

  // The cache files: 40% Netscape, 20% Opera, 25% temporary files, 5% at the top of
  // the IE cache folder, 10% in four sub-folders of the downloaded components.
  const std::string page(600, 'p');
  const int netscape = cacheFiles * 40 / 100, opera = cacheFiles * 20 / 100,
            temp = cacheFiles * 25 / 100, ie = cacheFiles * 5 / 100,
            downloaded = cacheFiles - netscape - opera - temp - ie;
  char name[64];
  for (int i = 0; i < netscape; ++i) {
    std::snprintf(name, sizeof name, "\\M%07X.HTM", i + 16);
    s.file(l.netscapeCache + name, page, true);
  }
  for (int i = 0; i < opera; ++i) {
    std::snprintf(name, sizeof name, "\\opr%05X.htm", i + 16);
    s.file(l.operaCache + name, page, true);
  }
  for (int i = 0; i < temp; ++i) {
    std::snprintf(name, sizeof name, "\\~DF%05X.tmp", i + 16);
    s.file(l.temp + name, "scratch", true);
  }
  for (int i = 0; i < ie; ++i) {
    std::snprintf(name, sizeof name, "\\page%05d.htm", i);
    s.file(l.tif + name, page, true);
  }
  for (int i = 0; i < downloaded; ++i) {
    std::snprintf(name, sizeof name, "\\CONFLICT.%d\\part%05d.dll", i % 4 + 1, i);
    s.file(l.downloaded + name, page, true);
  }
  return s.files;
}

// The baseline: one listing per folder, each file counted with its size. With `guard`,
// each file also gets the link check every removal makes before it changes a path (the
// second baseline: what a walk costs that could safely remove what it finds).
void plainWalk(const std::string& folder, long& files, unsigned long long& bytes,
               platform::Files* guard = nullptr) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (fd.cFileName[0] == '.' &&
          (fd.cFileName[1] == 0 || (fd.cFileName[1] == '.' && fd.cFileName[2] == 0)))
        continue;
      plainWalk(folder + "\\" + fd.cFileName, files, bytes, guard);
    } else {
      if (guard) guard->changeRefusal(folder + "\\" + fd.cFileName);
      ++files;
      bytes += (static_cast<unsigned long long>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
    }
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

// Every file and folder under `folder` with its size and last-write time.
void snapshot(const std::string& folder, std::map<std::string, std::string>& out) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    char facts[96];
    std::snprintf(facts, sizeof facts, "%lx %lu %lu:%lu", fd.dwFileAttributes, fd.nFileSizeLow,
                  fd.ftLastWriteTime.dwHighDateTime, fd.ftLastWriteTime.dwLowDateTime);
    out[folder + "\\" + name] = facts;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) snapshot(folder + "\\" + name, out);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}

// Removes the scratch tree; it holds no links (seeded here), but one is never entered.
void removeTree(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          !(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        removeTree(path);
      } else if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryA(path.c_str());
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

// The registry values the analysis reads, set for the run; the destructor puts back what
// was there (or removes what was not).
class SeededRegistry {
 public:
  SeededRegistry() {
    const char* typed = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
    const char* run = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
    const char* find = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";
    set(typed, "url1", "http://news.example/");
    set(typed, "url2", "http://shop.example/cart");
    set(typed, "url3", "http://bank.example/login");
    set(run, "a", "notepad\\1");
    set(run, "b", "regedit\\1");
    set(run, "MRUList", "ba");
    set(find, "a", "budget");
    set(find, "MRUList", "a");
  }
  ~SeededRegistry() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      HKEY key;
      if (RegOpenKeyExA(HKEY_CURRENT_USER, it->key.c_str(), 0, KEY_ALL_ACCESS, &key) != 0) continue;
      if (it->existed)
        RegSetValueExA(key, it->name.c_str(), 0, it->type,
                       reinterpret_cast<const BYTE*>(it->data.data()),
                       static_cast<DWORD>(it->data.size()));
      else
        RegDeleteValueA(key, it->name.c_str());
      RegCloseKey(key);
    }
    for (const std::string& k : createdKeys_) RegDeleteKeyA(HKEY_CURRENT_USER, k.c_str());
  }
  // Whether every seeded value is still there as seeded.
  bool intact() const {
    for (const Saved& s : saved_) {
      char buffer[256];
      DWORD size = sizeof buffer, type = 0;
      if (RegGetValueA(HKEY_CURRENT_USER, s.key.c_str(), s.name.c_str(), RRF_RT_REG_SZ, &type,
                       buffer, &size) != 0 ||
          s.seeded != buffer)
        return false;
    }
    return true;
  }

 private:
  struct Saved {
    std::string key, name, seeded;
    bool existed;
    DWORD type;
    std::string data;
  };
  void set(const std::string& subKey, const std::string& name, const std::string& value) {
    HKEY key;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, &disposition) != 0)
      return;
    if (disposition == REG_CREATED_NEW_KEY) createdKeys_.insert(createdKeys_.begin(), subKey);
    Saved s{subKey, name, value, false, 0, {}};
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &s.type, nullptr, &size) == 0) {
      s.existed = true;
      s.data.resize(size);
      RegQueryValueExA(key, name.c_str(), nullptr, &s.type, reinterpret_cast<BYTE*>(&s.data[0]),
                       &size);
    }
    saved_.push_back(s);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
  std::vector<Saved> saved_;
  std::vector<std::string> createdKeys_;
};

// The program as WinMain builds it, with the scratch program folder, and "Analyze All"
// pressed by `analyze`.
class AnalyzingProgram {
 public:
  AnalyzingProgram(platform::System& real, const Layout& l)
      : process_(l.program),
        system_{real.files,        real.registry,  real.clock, process_,   real.identity,
                real.userSettings, real.processes, real.disk,  real.shell, real.removal},
        recording_(system_, recorder_) {
    session_.programFolder = l.program;
    services_.internetProperties = internetProperties_.get();
    services_.topWindows = topWindows_.get();
    services_.keySender = keySender_.get();
    services_.urlCache = urlCache_.get();

    vorn::PathValues& p = session_.paths;
    p.ieHistoryFolder = l.history + "\\";
    p.ieCacheFolder = l.tif + "\\";
    p.ieCookiesFolder = l.cookies + "\\";
    p.ieCacheContentFolder = l.tif + "\\Content.IE5\\";
    p.netscapeUsersFolder = l.netscapeUsers + "\\";
    p.netscapeUserIndex = "";
    p.netscapeUserName = "default";
    p.netscapeCacheFolder = l.netscapeCache + "\\";
    p.netscapeProfile = l.netscapeProfile;
    p.operaUserFolder = l.opera + "\\";
    p.operaCacheFolder = l.operaCache + "\\";
    p.docHistoryFolder = l.recent + "\\";
    p.windowsTempFolder = l.temp + "\\";
    p.downloadedProgramFilesFolder = l.downloaded + "\\";
    p.ieAvailable = p.netscapeAvailable = p.operaAvailable = true;
    p.folderFound["windowsTempFolder"] = p.folderFound["downloadedProgramFilesFolder"] = true;
    // The cache and history steps read their folders from the settings file.
    const std::string ini = l.program + "\\mainten.ini";
    for (const vorn::PathRow& row : vorn::pathRows())
      if (row.value != &vorn::PathValues::netscapeUserIndex)
        settings_.AddToini("Path", row.key, p.*row.value, ini);

    window_ = std::make_unique<vorn::MainWindow>(services_);
    subsystems_ = vorn::wireSubsystems(*window_, services_, tray_);
    vorn::wireCleaningReport(*window_, services_, *subsystems_, recorder_, *shellOpen_);
    session_.safetyLevel =
        vorn::fixSliderSettings(window_->maintenance.safetyLevelSlider.value()).safetyLevel;
    vorn::CleanPage& c = window_->clean;
    for (int code : {vorn::area::kIE, vorn::area::kNetscape, vorn::area::kOpera})
      c.setAreaAvailable(code, true);
    for (const char* role : {"windowsTempFolder", "downloadedProgramFilesFolder"})
      c.setFolderFound(role, true);
    for (auto* boxes : {&c.ieOptions, &c.netscapeOptions, &c.operaOptions, &c.windowsOptions})
      for (ui::CheckBox& box : *boxes) box.setValue(1);
  }

  void analyze() { window_->clean.analyzeAllButton.click(); }
  void analyzeArea(int tab) {
    window_->clean.analyzeButtons[static_cast<std::size_t>(tab)].click();
  }
  const std::vector<platform::RecordedChange>& changes() const { return recorder_.changes(); }
  bool reportShown() const {
    return std::count(windows_.events.begin(), windows_.events.end(),
                      std::string("modal ") + vorn::AnalysisReportDialog::kCaption) > 0;
  }
  std::size_t messagesShown() const { return shown_.shown.size(); }

 private:
  ScratchProcess process_;
  platform::System system_;
  platform::ChangeRecorder recorder_;
  platform::RecordingSystem recording_;
  vorn::Session session_;
  common::SessionLog log_{recording_.system().files, recording_.system().clock,
                          [this] { return session_.programFolder; }};
  common::Settings settings_{recording_.system().files, log_};
  ui::ScriptedPrompter shown_;
  vorn::AnalysisPrompter prompter_{shown_, recorder_};
  ui::ScriptedScreen screen_;
  ui::ScriptedWindowHost windows_;
  ui::ScriptedTray tray_;
  std::unique_ptr<platform::InternetProperties> internetProperties_ =
      platform::win32::makeInternetProperties();
  std::unique_ptr<platform::TopWindows> topWindows_ = platform::win32::makeTopWindows();
  std::unique_ptr<platform::KeySender> keySender_ = platform::win32::makeKeySender();
  std::unique_ptr<platform::UrlCache> urlCache_ = platform::win32::makeUrlCache();
  std::unique_ptr<platform::ShellOpen> shellOpen_ = platform::win32::makeShellOpen();
  vorn::AppServices services_{
      recording_.system(), log_, settings_, prompter_, screen_, windows_, session_};
  std::unique_ptr<vorn::MainWindow> window_;
  std::unique_ptr<vorn::Subsystems> subsystems_;
};

// The seeded files the analysis should have listed and did not.
std::vector<std::string> missed(const std::vector<Seeded>& seeded,
                                const std::vector<platform::RecordedChange>& changes) {
  using Kind = platform::RecordedChange::Kind;
  std::set<std::string> listed;
  for (const auto& c : changes)
    if (c.kind == Kind::FileDeleted || c.kind == Kind::FileReplaced ||
        c.kind == Kind::FileOverwritten)
      listed.insert(lower(c.target));
  std::vector<std::string> out;
  for (const Seeded& s : seeded)
    if (s.listed && !listed.count(lower(s.path))) out.push_back(s.path);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int cacheFiles = argc > 2 ? std::max(100, std::atoi(argv[2])) : 20000;

  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const Layout l = layoutUnder(std::string(temp) + "tervane-bench-analyze");
  removeTree(l.root);  // what an interrupted run left
  struct Cleanup {
    const Layout& l;
    ~Cleanup() { removeTree(l.root); }
  } cleanup{l};
  SeededRegistry registry;
  const std::vector<Seeded> seeded = seed(l, cacheFiles);
  const long toList =
      std::count_if(seeded.begin(), seeded.end(), [](const Seeded& s) { return s.listed; });

  platform::win32::Win32System real;
  AnalyzingProgram program(real.system(), l);

  std::map<std::string, std::string> before, after;
  snapshot(l.profile, before);
  long walkFiles = 0;
  unsigned long long walkBytes = 0;
  plainWalk(l.profile, walkFiles, walkBytes);  // warms the caches

  double bestWalk = 1e9, bestGuardedWalk = 1e9, bestAnalysis = 1e9;
  std::size_t changes = 0;
  for (int r = 0; r < rounds; ++r) {
    LARGE_INTEGER t0, t1, t2, t3;
    QueryPerformanceCounter(&t0);
    walkFiles = 0;
    walkBytes = 0;
    plainWalk(l.profile, walkFiles, walkBytes);
    QueryPerformanceCounter(&t1);
    long guardedFiles = 0;
    unsigned long long guardedBytes = 0;
    plainWalk(l.profile, guardedFiles, guardedBytes, &real.system().files);
    QueryPerformanceCounter(&t2);
    program.analyze();
    QueryPerformanceCounter(&t3);
    bestWalk = std::min(bestWalk, seconds(t0, t1));
    bestGuardedWalk = std::min(bestGuardedWalk, seconds(t1, t2));
    bestAnalysis = std::min(bestAnalysis, seconds(t2, t3));

    const std::vector<std::string> gone = missed(seeded, program.changes());
    if (!gone.empty() || !program.reportShown()) {
      std::printf(
          "FAIL: the analysis did not list %zu of the %ld seeded files it should, e.g. %s\n",
          gone.size(), toList, gone.empty() ? "(no report shown)" : gone[0].c_str());
      return 1;
    }
    changes = program.changes().size();
  }

  // Where the time goes, one run of each area's own "Analyze".
  std::string byArea;
  for (int tab : {vorn::kIE, vorn::kNetscape, vorn::kOpera, vorn::kWindows}) {
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    program.analyzeArea(tab);
    QueryPerformanceCounter(&t1);
    char part[96];
    std::snprintf(part, sizeof part, "%s%s %.3f s", byArea.empty() ? "" : ", ",
                  vorn::kAreaTabCaptions[tab], seconds(t0, t1));
    byArea += part;
  }

  snapshot(l.profile, after);
  if (after != before || walkFiles != static_cast<long>(seeded.size())) {
    std::printf("FAIL: the analysis changed the profile: %zu entries before, %zu after\n",
                before.size(), after.size());
    return 1;
  }
  if (!registry.intact()) {
    std::printf("FAIL: the analysis changed a seeded registry value\n");
    return 1;
  }
  if (program.messagesShown() != 0) {
    std::printf("FAIL: the analysis showed %zu message boxes\n", program.messagesShown());
    return 1;
  }
  std::printf("profile: %ld files (%llu bytes), %d of them cache files; %ld to be listed\n",
              walkFiles, walkBytes, cacheFiles, toList);
  std::printf("plain walk (FindFirstFileA/FindNextFileA): %.3f s\n", bestWalk);
  std::printf("plain walk with each file's link check:   %.3f s\n", bestGuardedWalk);
  std::printf("Analyze All (%zu changes listed):          %.3f s\n", changes, bestAnalysis);
  std::printf("by area: %s\n", byArea.c_str());
  std::printf("ratio: %.2f (best of %d rounds each); unchanged: %zu entries, registry values\n",
              bestAnalysis / bestWalk, rounds, after.size());
  std::printf("ratio against the walk with link checks: %.2f\n", bestAnalysis / bestGuardedWalk);
  return 0;
}
