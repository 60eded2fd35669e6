// Reading and detecting a generated winapp2.ini of 4,000 entries (the size of the
// community file) against a plain loop of the same existence look-ups (RegOpenKeyExA and
// GetFileAttributesA on the already expanded names), in the same run. Prints seconds and
// the ratio.
//   bench_rules [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "common/session_log.h"
#include "main/clean/rule_cleaner.h"
#include "platform/win32/win32_system.h"
#include "tests/support/scripted_prompter.h"

namespace {

constexpr int kEntries = 4000;
constexpr const char* kKeyRoot = "Software\\TervaneRulesBench";

struct Lookups {
  std::vector<std::string> keys, files;
};

std::string tempFolder() {
  char temp[MAX_PATH];
  const DWORD n = GetTempPathA(sizeof temp, temp);
  std::string t(temp, n);
  while (!t.empty() && t.back() == '\\') t.pop_back();
  return t;
}

// Every fourth entry detects by key, the others by file; one in ten of each exists.
std::string generate(const std::string& temp, Lookups& lookups) {
  const std::string present = temp + "\\tervane-rules-bench";
  CreateDirectoryA(present.c_str(), nullptr);
  std::string text = "; generated\r\n";
  for (int i = 0; i < kEntries; ++i) {
    const std::string n = std::to_string(i);
    text += "[Bench App " + n + " *]\r\nLangSecRef=3021\r\n";
    if (i % 4 == 0) {
      const std::string key = std::string(kKeyRoot) + "\\App" + n;
      if (i % 10 == 0) {
        HKEY k;
        RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), &k);
        RegCloseKey(k);
      }
      text += "Detect=HKCU\\" + key + "\r\n";
      lookups.keys.push_back(key);
    } else {
      const std::string name = "\\App" + n;
      if (i % 10 == 1) CreateDirectoryA((present + name).c_str(), nullptr);
      text += "DetectFile=%Temp%\\tervane-rules-bench" + name + "\r\n";
      lookups.files.push_back(present + name);
    }
    text += "FileKey1=%Temp%\\tervane-rules-bench" + std::string("\\App") + n +
            "\\Cache|*.tmp;*.dat|RECURSE\r\nFileKey2=%AppData%\\Bench\\App" + n +
            "|*.log\r\nRegKey1=HKCU\\" + kKeyRoot + "\\App" + n +
            "\\Recent\r\n"
            "ExcludeKey1=FILE|%AppData%\\Bench\\App" +
            n + "\\|keep.log\r\n\r\n";
  }
  return text;
}

void cleanUp(const std::string& temp, const std::string& file) {
  for (int i = 0; i < kEntries; ++i) {
    const std::string n = std::to_string(i);
    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kKeyRoot) + "\\App" + n).c_str());
    RemoveDirectoryA((temp + "\\tervane-rules-bench\\App" + n).c_str());
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, kKeyRoot);
  RemoveDirectoryA((temp + "\\tervane-rules-bench").c_str());
  DeleteFileA(file.c_str());
}

int plainLoop(const Lookups& l) {
  int found = 0;
  for (const std::string& key : l.keys) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) == ERROR_SUCCESS) {
      RegCloseKey(k);
      ++found;
    }
  }
  for (const std::string& f : l.files)
    if (GetFileAttributesA(f.c_str()) != INVALID_FILE_ATTRIBUTES) ++found;
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string temp = tempFolder();
  const std::string file = temp + "\\tervane-bench-winapp2.ini";
  Lookups lookups;
  const std::string text = generate(temp, lookups);
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD wrote = 0;
  WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &wrote, nullptr);
  CloseHandle(h);

  platform::win32::Win32System win32;
  platform::System& system = win32;
  common::SessionLog log(system.files, system.clock, [&temp] { return temp; });
  ui::ScriptedPrompter prompter;
  vorn::RegistryAccess registry(system.registry, prompter);

  double bestRules = 1e9, bestLoop = 1e9, bestLoad = 0;
  std::size_t detected = 0;
  int found = plainLoop(lookups);  // warms the caches
  // The two take turns at going first, so that a drift of the machine's load during the
  // run weighs on both alike.
  for (int r = 0; r < 2 * rounds; ++r) {
    if ((r % 2 == 0) == (r / 2 % 2 == 0)) {
      const auto t0 = std::chrono::steady_clock::now();
      found = plainLoop(lookups);
      bestLoop = std::min(bestLoop, bench::seconds(std::chrono::steady_clock::now() - t0));
    } else {
      const auto t1 = std::chrono::steady_clock::now();
      vorn::RuleCleaner cleaner(system, registry, log, "bench");
      cleaner.load(file);
      const auto loaded = std::chrono::steady_clock::now();
      detected = cleaner.detectedRules().size();
      const auto t2 = std::chrono::steady_clock::now();
      if (bench::seconds(t2 - t1) < bestRules) {
        bestRules = bench::seconds(t2 - t1);
        bestLoad = bench::seconds(loaded - t1);
      }
    }
  }
  cleanUp(temp, file);
  std::printf("rule file: %d entries, %zu bytes\n", kEntries, text.size());
  std::printf("look-up loop (%zu keys, %zu files, %d found): %.4f s\n", lookups.keys.size(),
              lookups.files.size(), found, bestLoop);
  std::printf("read and detect (%zu detected):              %.4f s (reading %.4f s)\n", detected,
              bestRules, bestLoad);
  std::printf("ratio: %.2f (best of %d rounds each)\n", bestRules / bestLoop, rounds);
  return detected == static_cast<std::size_t>(found) ? 0 : 1;
}
