#include "platform/change_recorder.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "platform/fake/fake_system.h"

namespace {

using Kind = platform::RecordedChange::Kind;
namespace err = platform::err;
constexpr platform::HKey kHKCU = platform::hkey::kCurrentUser;

// Every file and folder with its bytes and attributes: what "changes nothing" compares.
std::map<std::string, std::string> snapshot(platform::Files& files, const std::string& folder) {
  std::map<std::string, std::string> seen;
  files.find(folder + "\\*.*", [&](const platform::FindData& d) {
    if (d.name == "." || d.name == "..") return true;
    const std::string path = folder + "\\" + d.name;
    std::string bytes;
    if (!d.isDirectory()) files.readFile(path, bytes);
    seen[path] = std::to_string(d.attributes) + ":" + bytes;
    if (d.isDirectory() && !(d.attributes & platform::attr::kReparsePoint))
      for (auto& entry : snapshot(files, path)) seen.insert(entry);
    return true;
  });
  return seen;
}

std::vector<std::tuple<Kind, std::string, std::uint64_t>> what(
    const std::vector<platform::RecordedChange>& changes) {
  std::vector<std::tuple<Kind, std::string, std::uint64_t>> items;
  for (const auto& c : changes) items.emplace_back(c.kind, c.target, c.size);
  return items;
}

class Recording : public ::testing::Test {
 protected:
  Recording() {
    fake.files.addFile("C:\\Cache\\a.dat", std::string(3000, 'a'));
    fake.files.addFile("C:\\Cache\\sub\\b.dat", std::string(10, 'b'), platform::attr::kReadOnly);
    fake.files.addFile("C:\\Cache\\c.txt", "c");
    // A link inside the cleaned tree to the user's own files.
    fake.files.addFile("C:\\Mine\\precious.doc", "mine");
    fake.files.addFolder("C:\\Cache\\home");
    fake.files.setReparsePoint("C:\\Cache\\home");
    fake.files.addFile("C:\\Cache\\home\\inside.doc", "behind the link");
    fake.files.addFile("C:\\Prefs\\prefs.js", "old prefs");
    fake.registry.setString(kHKCU, "Software\\Typed", "url1", "http://a.invalid/");
    fake.registry.setString(kHKCU, "Software\\Typed", "url2", "http://b.invalid/");
    fake.registry.setString(kHKCU, "Software\\Gone\\Sub", "v", "1");
    recorder.ignoreFolder(fake.process.folder);
  }

  // What a cleaning does through the services: a tree, a pattern, a value, a key, a
  // rewritten file, a log line in the program's own folder.
  void clean(platform::System& s) {
    s.removal.emptyFolder("C:\\Cache");
    platform::HKey key = 0;
    if (s.registry.openKey(kHKCU, "Software\\Typed", 0xF003F, key) == err::kSuccess) {
      s.registry.deleteValue(key, "url1");
      s.registry.deleteValue(key, "missing");
      s.registry.closeKey(key);
    }
    s.registry.deleteKey(kHKCU, "Software\\Gone\\Sub");
    s.files.writeFile("C:\\Prefs\\prefs.js.new~", "new prefs");
    s.files.renameFile("C:\\Prefs\\prefs.js.new~", "C:\\Prefs\\prefs.js");
    s.files.appendFile(fake.process.folder + "\\vorn.log", "line\r\n");
  }

  platform::fake::FakeSystem fake;
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording{fake, recorder};
};

TEST_F(Recording, AnalysisChangesNothingAndListsWhatTheCleaningThenDoes) {
  const auto before = snapshot(fake.files, "C:");
  recorder.start(true);
  clean(recording.system());
  const auto analysed = recorder.changes();
  EXPECT_EQ(snapshot(fake.files, "C:"), before);
  EXPECT_TRUE(fake.registry.hasValue(kHKCU, "Software\\Typed", "url1"));
  EXPECT_TRUE(fake.registry.hasKey(kHKCU, "Software\\Gone\\Sub"));

  recorder.start(false);
  clean(recording.system());
  const auto cleaned = recorder.changes();
  EXPECT_FALSE(fake.files.exists("C:\\Cache\\a.dat"));
  EXPECT_FALSE(fake.registry.hasValue(kHKCU, "Software\\Typed", "url1"));
  EXPECT_TRUE(fake.registry.hasValue(kHKCU, "Software\\Typed", "url2"));
  EXPECT_EQ(fake.files.contents("C:\\Prefs\\prefs.js"), "new prefs");

  // The files the walk removed, each with its size; the value and key by their names.
  const auto items = what(cleaned);
  auto has = [&](Kind k, const std::string& t, std::uint64_t size) {
    return std::find(items.begin(), items.end(), std::make_tuple(k, t, size)) != items.end();
  };
  EXPECT_TRUE(has(Kind::FileDeleted, "C:\\Cache\\a.dat", 3000)) << ::testing::PrintToString(items);
  EXPECT_TRUE(has(Kind::FileDeleted, "C:\\Cache\\sub\\b.dat", 10));
  EXPECT_TRUE(has(Kind::FolderRemoved, "C:\\Cache\\sub", 0));
  EXPECT_TRUE(has(Kind::LinkRemoved, "C:\\Cache\\home", 0));
  EXPECT_TRUE(has(Kind::ValueDeleted, "HKEY_CURRENT_USER\\Software\\Typed\\url1", 17))
      << ::testing::PrintToString(items);
  EXPECT_TRUE(has(Kind::KeyDeleted, "HKEY_CURRENT_USER\\Software\\Gone\\Sub", 0));
  EXPECT_TRUE(has(Kind::FileReplaced, "C:\\Prefs\\prefs.js", 9));
  // Nothing of the program's own log, no missing value, nothing behind the link.
  for (const auto& [kind, target, size] : items) {
    EXPECT_EQ(target.find("vorn.log"), std::string::npos);
    EXPECT_EQ(target.find("missing"), std::string::npos);
    EXPECT_EQ(target.find("inside.doc"), std::string::npos);
  }
  EXPECT_EQ(fake.files.contents("C:\\Mine\\precious.doc"), "mine");
  EXPECT_EQ(what(analysed), items);
}

TEST_F(Recording, NothingIsRecordedOutsideARunAndFailuresKeepTheirCode) {
  clean(recording.system());
  EXPECT_TRUE(recorder.changes().empty());
  EXPECT_FALSE(fake.files.exists("C:\\Cache\\a.dat"));

  fake.files.addFile("C:\\Held\\open.dat", "x");
  fake.files.setOpen("C:\\Held\\open.dat", true);
  recorder.start(false);
  recorder.setSection("Windows");
  recording.system().files.deleteFile("C:\\Held\\open.dat");
  recording.system().files.deleteFile("C:\\Held\\never-there.dat");
  ASSERT_EQ(recorder.changes().size(), 1u);
  EXPECT_EQ(recorder.changes()[0].result, err::kSharingViolation);
  EXPECT_EQ(recorder.changes()[0].section, "Windows");
  recorder.stop();
  recording.system().files.deleteFile("C:\\Held\\open.dat");
  EXPECT_EQ(recorder.changes().size(), 1u);
}

TEST_F(Recording, AnalysisCreatesNoKeyWhereACleaningWouldWriteAValue) {
  recorder.start(true);
  platform::System& s = recording.system();
  platform::HKey key = 0;
  ASSERT_EQ(s.registry.createKey(kHKCU, "Software\\RunOnce", key), err::kSuccess);
  EXPECT_EQ(s.registry.setValue(key, "Index", 1, "C:\\P\\vesper.exe"), err::kSuccess);
  EXPECT_EQ(s.registry.closeKey(key), err::kSuccess);
  EXPECT_FALSE(fake.registry.hasKey(kHKCU, "Software\\RunOnce"));
  ASSERT_EQ(recorder.changes().size(), 1u);
  EXPECT_EQ(recorder.changes()[0].kind, Kind::ValueSet);
  EXPECT_EQ(recorder.changes()[0].target, "HKEY_CURRENT_USER\\Software\\RunOnce\\Index");
  EXPECT_EQ(fake.registry.openHandles(), 0u);
}

}  // namespace

namespace {

// Files that refuse changes to one path, as Wine refuses a file reached through a link.
class RefusingFiles : public platform::fake::FakeFiles {
 public:
  platform::ErrorCode changeRefusal(const std::string& path) override {
    return path == refused ? err::kNotSupported : err::kSuccess;
  }
  platform::ErrorCode deleteFile(const std::string& path) override {
    return path == refused ? err::kNotSupported : FakeFiles::deleteFile(path);
  }
  std::string refused;
};

TEST(RecordingRefusals, AnAnalysisPredictsTheRefusalTheCleaningMeets) {
  platform::fake::FakeSystem others;
  RefusingFiles files;
  files.addFile("C:\\Cache\\plain.thb", "1");
  files.addFile("C:\\Cache\\linked.thb", "22");
  files.refused = "C:\\Cache\\linked.thb";
  platform::WalkingTreeRemoval walk(files);
  platform::System inner{files,
                         others.registry,
                         others.clock,
                         others.process,
                         others.identity,
                         others.userSettings,
                         others.processes,
                         others.disk,
                         others.shell,
                         walk};
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(inner, recorder);

  recorder.start(true);
  recording.system().removal.removeMatching("C:\\Cache\\*.thb");
  const auto analysed = recorder.changes();
  EXPECT_TRUE(files.exists("C:\\Cache\\plain.thb"));
  recorder.start(false);
  recording.system().removal.removeMatching("C:\\Cache\\*.thb");
  const auto cleaned = recorder.changes();
  EXPECT_FALSE(files.exists("C:\\Cache\\plain.thb"));
  EXPECT_TRUE(files.exists("C:\\Cache\\linked.thb"));

  ASSERT_EQ(analysed.size(), 2u);
  ASSERT_EQ(cleaned.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(analysed[i].target, cleaned[i].target);
    EXPECT_EQ(analysed[i].result, cleaned[i].result) << analysed[i].target;
  }
}

}  // namespace

namespace {

// Files that count the listings and the single lookups asked of them.
class CountingFiles : public platform::fake::FakeFiles {
 public:
  platform::ErrorCode find(const std::string& pattern,
                           const std::function<bool(const platform::FindData&)>& visit) override {
    ++finds;
    return FakeFiles::find(pattern, visit);
  }
  platform::ErrorCode getAttributes(const std::string& path, std::uint32_t& attributes) override {
    ++lookups;
    return FakeFiles::getAttributes(path, attributes);
  }
  int finds = 0, lookups = 0;
};

TEST(RecordingListings, AnAnalysisTakesSizesFromItsListingsAndForgetsThemAtTheNextRun) {
  platform::fake::FakeSystem others;
  CountingFiles files;
  for (int i = 0; i < 40; ++i)
    files.addFile("C:\\Cache\\f" + std::to_string(i) + ".dat", std::string(i + 1, 'x'));
  files.addFile("C:\\Cache\\Sub\\deep.dat", std::string(7, 'd'), platform::attr::kReadOnly);
  platform::System inner{files,          others.registry,     others.clock,
                         others.process, others.identity,     others.userSettings,
                         others.processes, others.disk,       others.shell,
                         others.removal};
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(inner, recorder);
  platform::Files& through = recording.system().files;

  recorder.start(true);
  recording.system().removal.emptyFolder("C:\\Cache");
  const auto analysed = what(recorder.changes());
  // One listing per folder and the walk's own check of the folder itself; no lookup of
  // each file again.
  EXPECT_EQ(files.finds, 2);
  EXPECT_LE(files.lookups, 2);

  // What a cleaning of the same tree records: the same items with the same sizes.
  recorder.start(false);
  recording.system().removal.emptyFolder("C:\\Cache");
  EXPECT_EQ(what(recorder.changes()), analysed);
  ASSERT_EQ(analysed.size(), 42u);  // 41 files and the sub-folder
  EXPECT_FALSE(files.exists("C:\\Cache\\f3.dat"));

  // A later analysis asks the system about what it did not list itself: the file that
  // is gone is not reported, the one that grew is reported at its new size.
  files.addFile("C:\\Cache\\f5.dat", std::string(500, 'y'));
  recorder.start(true);
  EXPECT_EQ(through.deleteFile("C:\\Cache\\f3.dat"), err::kFileNotFound);
  EXPECT_EQ(through.deleteFile("C:\\Cache\\f5.dat"), err::kSuccess);
  ASSERT_EQ(recorder.changes().size(), 1u);
  EXPECT_EQ(recorder.changes()[0].target, "C:\\Cache\\f5.dat");
  EXPECT_EQ(recorder.changes()[0].size, 500u);
}

}  // namespace
