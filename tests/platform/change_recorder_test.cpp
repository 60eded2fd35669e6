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
  // Only the program's own log is written, so an analysis's failures are logged.
  auto after = snapshot(fake.files, "C:");
  EXPECT_EQ(after[fake.process.folder + "\\vorn.log"], "32:line\r\n");
  after.erase(fake.process.folder + "\\vorn.log");
  EXPECT_EQ(after, before);
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

// A scratch file the run makes for itself and then moves over the file it rewrites (the
// way the Netscape preferences are rewritten) is no change of the user's: neither the
// cleaning's report nor the analysis lists it, so both list the same.
TEST_F(Recording, AScratchFileTheRunMadeItselfIsNotReported) {
  auto rewrite = [](platform::System& s) {
    s.files.writeFile("C:\\Temp\\tmp1A.tmp", "");
    s.files.writeFile("C:\\Temp\\tmp1A.tmp", "new prefs");
    s.files.renameFile("C:\\Temp\\tmp1A.tmp", "C:\\Prefs\\prefs.js");
  };
  fake.files.addFolder("C:\\Temp");
  recorder.start(true);
  rewrite(recording.system());
  const auto analysed = what(recorder.changes());
  recorder.start(false);
  rewrite(recording.system());
  const auto cleaned = what(recorder.changes());
  EXPECT_EQ(fake.files.contents("C:\\Prefs\\prefs.js"), "new prefs");
  ASSERT_EQ(cleaned.size(), 1u) << ::testing::PrintToString(cleaned);
  EXPECT_EQ(std::get<0>(cleaned[0]), Kind::FileReplaced);
  EXPECT_EQ(std::get<1>(cleaned[0]), "C:\\Prefs\\prefs.js");
  EXPECT_EQ(analysed, cleaned);

  // A scratch file removed again is not reported either; a file that was there is, also
  // in the next run after one that made it.
  recorder.start(false);
  recording.system().files.writeFile("C:\\Temp\\tmp2B.tmp", "");
  recording.system().files.deleteFile("C:\\Temp\\tmp2B.tmp");
  EXPECT_TRUE(recorder.changes().empty());
  recording.system().files.writeFile("C:\\Temp\\tmp3C.tmp", "");
  recorder.start(false);
  recording.system().files.writeFile("C:\\Temp\\tmp3C.tmp", "again");
  ASSERT_EQ(recorder.changes().size(), 1u);
  EXPECT_EQ(recorder.changes()[0].kind, Kind::FileReplaced);
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

// Read-only files (refused unless the removal clears them first), files held open,
// folders with content and file links (Wine) are predicted as the cleaning meets them.
TEST(RecordingRefusals, EveryKindOfRefusalIsPredictedAsTheCleaningMeetsIt) {
  platform::fake::FakeSystem fake;
  fake.files.setLinksLikeWine(true);
  fake.files.addFile("C:\\T\\ro.txt", "r", platform::attr::kReadOnly);
  fake.files.addFile("C:\\T\\cleared.txt", "cc", platform::attr::kReadOnly);
  fake.files.addFile("C:\\T\\open.txt", "ooo");
  fake.files.setOpen("C:\\T\\open.txt", true);
  fake.files.addFile("C:\\T\\full\\x.txt", "x");
  fake.files.addFile("D:\\Out\\mine.txt", "mine");
  fake.files.addLink("C:\\T\\file-link.txt", "D:\\Out\\mine.txt");
  fake.files.addLink("C:\\T\\away", "D:\\Out");
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(fake, recorder);
  auto run = [&](bool analysing) {
    recorder.start(analysing);
    platform::System& s = recording.system();
    s.files.find("C:\\T\\*.*", [](const platform::FindData&) { return true; });
    s.files.deleteFile("C:\\T\\ro.txt");
    s.removal.removeFile("C:\\T\\cleared.txt");
    s.files.deleteFile("C:\\T\\open.txt");
    s.files.removeDirectory("C:\\T\\full");
    s.removal.removeFile("C:\\T\\file-link.txt");
    s.removal.removeFile("C:\\T\\away\\mine.txt");
    std::vector<std::tuple<Kind, std::string, std::uint64_t, platform::ErrorCode>> seen;
    for (const auto& c : recorder.changes()) seen.emplace_back(c.kind, c.target, c.size, c.result);
    return seen;
  };
  const auto analysed = run(true);
  EXPECT_TRUE(fake.files.exists("C:\\T\\cleared.txt"));
  const auto cleaned = run(false);
  EXPECT_FALSE(fake.files.exists("C:\\T\\cleared.txt"));
  EXPECT_EQ(fake.files.contents("D:\\Out\\mine.txt"), "mine");
  using T = std::tuple<Kind, std::string, std::uint64_t, platform::ErrorCode>;
  EXPECT_EQ(cleaned, (std::vector<T>{
                         {Kind::FileDeleted, "C:\\T\\ro.txt", 1, err::kAccessDenied},
                         {Kind::FileDeleted, "C:\\T\\cleared.txt", 2, err::kSuccess},
                         {Kind::FileDeleted, "C:\\T\\open.txt", 3, err::kSharingViolation},
                         {Kind::FolderRemoved, "C:\\T\\full", 0, err::kDirNotEmpty},
                         {Kind::FileDeleted, "C:\\T\\file-link.txt", 4, err::kNotSupported},
                     }));
  EXPECT_EQ(analysed, cleaned);
}

// Under Wine a link to a folder cannot be removed without reaching its target: the
// removal leaves it, and the analysis says so beforehand instead of promising it.
TEST(RecordingRefusals, AnAnalysisPredictsThatAFolderLinkStaysUnderWine) {
  platform::fake::FakeSystem fake;
  fake.files.setLinksLikeWine(true);
  fake.files.addFile("C:\\Dl\\viewer.inf", "inf");
  fake.files.addFile("D:\\Home\\keep.txt", "mine");
  fake.files.addLink("C:\\Dl\\home", "D:\\Home");
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(fake, recorder);

  recorder.start(true);
  recording.system().removal.emptyFolder("C:\\Dl");
  const auto analysed = recorder.changes();
  recorder.start(false);
  recording.system().removal.emptyFolder("C:\\Dl");
  const auto cleaned = recorder.changes();

  EXPECT_FALSE(fake.files.exists("C:\\Dl\\viewer.inf"));
  EXPECT_EQ(fake.files.contents("D:\\Home\\keep.txt"), "mine");
  ASSERT_EQ(analysed.size(), cleaned.size());
  bool sawLink = false;
  for (std::size_t i = 0; i < cleaned.size(); ++i) {
    EXPECT_EQ(analysed[i].target, cleaned[i].target);
    EXPECT_EQ(analysed[i].result, cleaned[i].result) << cleaned[i].target;
    if (cleaned[i].kind == Kind::LinkRemoved) {
      sawLink = true;
      EXPECT_EQ(cleaned[i].result, err::kNotSupported);
    }
  }
  EXPECT_TRUE(sawLink);
}

}  // namespace

namespace {

class LongAnalysis : public ::testing::Test {
 protected:
  LongAnalysis() {
    for (int i = 0; i < 300; ++i)
      fake.files.addFile("C:\\Cache\\f" + std::to_string(i) + ".dat", "x");
    fake.files.addFile("C:\\Mine\\precious.doc", "mine");
    fake.files.addFolder("C:\\Cache\\home");
    fake.files.setReparsePoint("C:\\Cache\\home");
  }
  platform::fake::FakeSystem fake;
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording{fake, recorder};
};

TEST_F(LongAnalysis, CancellingStopsTheListingsAndTheRecordAndChangesNothing) {
  const auto before = snapshot(fake.files, "C:");
  std::vector<std::size_t> checks;
  recorder.setProgressCheck([&](std::size_t items) {
    checks.push_back(items);
    return checks.size() < 8;  // the user cancels at the eighth look
  });
  recorder.start(true);
  recording.system().removal.emptyFolder("C:\\Cache");
  EXPECT_TRUE(recorder.cancelled());
  ASSERT_EQ(checks.size(), 8u);
  EXPECT_EQ(checks[0], platform::ChangeRecorder::kProgressInterval);
  EXPECT_EQ(checks[7], 8 * platform::ChangeRecorder::kProgressInterval);
  const std::size_t listed = recorder.changes().size();
  EXPECT_GT(listed, 0u);
  EXPECT_LT(listed, 300u);
  // Once cancelled, listings find nothing and changes are no longer recorded.
  int found = 0;
  recording.system().files.find("C:\\Cache\\*.*", [&](const platform::FindData&) {
    ++found;
    return true;
  });
  EXPECT_EQ(found, 0);
  recording.system().files.deleteFile("C:\\Mine\\precious.doc");
  EXPECT_EQ(recorder.changes().size(), listed);
  recorder.stop();
  EXPECT_EQ(snapshot(fake.files, "C:"), before);

  // The next analysis starts afresh.
  checks.clear();
  recorder.setProgressCheck([&](std::size_t items) {
    checks.push_back(items);
    return true;
  });
  recorder.start(true);
  recording.system().removal.emptyFolder("C:\\Cache");
  EXPECT_FALSE(recorder.cancelled());
  EXPECT_EQ(recorder.changes().size(), 301u);  // every file and the link
  EXPECT_FALSE(checks.empty());
  recorder.stop();
}

// A cancelled cleaning stops between two files: what it removed is gone and reported,
// the rest is untouched and unreported, and nothing after the cancel changes.
TEST_F(LongAnalysis, ACancelledCleaningStopsBetweenItemsAndReportsWhatItDid) {
  int checks = 0;
  recorder.setProgressCheck([&](std::size_t) { return ++checks < 6; });
  recorder.start(false);
  recording.system().removal.emptyFolder("C:\\Cache");
  EXPECT_TRUE(recorder.cancelled());
  EXPECT_TRUE(recorder.halted());
  EXPECT_EQ(recording.system().files.deleteFile("C:\\Cache\\f299.dat"), err::kCancelled);
  recorder.stop();
  std::size_t reported = 0, files = 0;
  for (const auto& change : recorder.changes()) {
    ASSERT_EQ(change.result, err::kSuccess) << change.target;
    EXPECT_FALSE(fake.files.exists(change.target)) << change.target;
    ++reported;
    if (change.kind == platform::RecordedChange::Kind::FileDeleted) ++files;
  }
  int left = 0;
  fake.files.find("C:\\Cache\\*.dat", [&](const platform::FindData&) {
    ++left;
    return true;
  });
  EXPECT_GT(reported, 0u);
  EXPECT_GT(left, 0);
  EXPECT_EQ(files + static_cast<std::size_t>(left), 300u);
  EXPECT_EQ(recorder.itemsRemoved(), reported);
  EXPECT_EQ(recorder.bytesRemoved(), files);  // one byte each
  EXPECT_EQ(fake.files.contents("C:\\Mine\\precious.doc"), "mine");
}

TEST_F(LongAnalysis, ChangesCarryTheOptionOfTheirAreaUntilTheNextAreaStarts) {
  recorder.start(false);
  recorder.setSection("Windows");
  recording.system().files.deleteFile("C:\\Cache\\f1.dat");
  recorder.setOption("Windows Temporary Files Directory");
  recording.system().files.deleteFile("C:\\Cache\\f2.dat");
  recorder.setSection("Plugins");
  recording.system().files.deleteFile("C:\\Cache\\f3.dat");
  recorder.stop();
  ASSERT_EQ(recorder.changes().size(), 3u);
  EXPECT_EQ(recorder.changes()[0].option, "");
  EXPECT_EQ(recorder.changes()[1].option, "Windows Temporary Files Directory");
  EXPECT_EQ(recorder.changes()[1].section, "Windows");
  EXPECT_EQ(recorder.changes()[2].option, "");
}

std::vector<std::string> names(platform::Files& files, const std::string& pattern) {
  std::vector<std::string> found;
  files.find(pattern, [&](const platform::FindData& d) {
    if (d.name != "." && d.name != "..") found.push_back(d.name + ":" + std::to_string(d.size));
    return true;
  });
  return found;
}

// Later steps of an analysis see what earlier ones would have done, so a file is never
// listed twice and a folder is empty only when all it held would go.
TEST(RecordingOverlay, AnAnalysisSeesItsOwnChangesAndForgetsThemAtTheNextRun) {
  platform::fake::FakeSystem fake;
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(fake, recorder);
  platform::Files& files = recording.system().files;
  fake.files.addFile("C:\\Work\\a.txt", std::string(100, 'a'));
  fake.files.addFile("C:\\Work\\b.txt", std::string(20, 'b'));
  const std::string before = fake.files.snapshot();

  recorder.start(true);
  EXPECT_EQ(files.removeDirectory("C:\\Work"), err::kDirNotEmpty);
  EXPECT_EQ(files.deleteFile("C:\\Work\\a.txt"), err::kSuccess);
  EXPECT_EQ(files.deleteFile("C:\\Work\\a.txt"), err::kFileNotFound);
  std::uint32_t attributes = 0;
  EXPECT_EQ(files.getAttributes("C:\\Work\\A.TXT", attributes), err::kFileNotFound);
  EXPECT_EQ(names(files, "C:\\Work\\*.*"), std::vector<std::string>{"b.txt:20"});
  // An overwrite pass and a cut give the sizes a cleaning would meet.
  EXPECT_EQ(files.overwriteInPlace("C:\\Work\\b.txt", std::string(64, 'x')), err::kSuccess);
  EXPECT_EQ(names(files, "C:\\Work\\b.txt"), std::vector<std::string>{"b.txt:64"});
  EXPECT_EQ(files.setFileLength("C:\\Work\\b.txt", 10), err::kSuccess);
  std::string text;
  EXPECT_EQ(files.readFile("C:\\Work\\b.txt", text), err::kSuccess);
  EXPECT_EQ(text, std::string(10, 'x'));
  EXPECT_EQ(files.deleteFile("C:\\Work\\b.txt"), err::kSuccess);
  EXPECT_EQ(files.removeDirectory("C:\\Work"), err::kSuccess);
  EXPECT_EQ(names(files, "C:\\Work\\*.*"), std::vector<std::string>{});
  // A file the analysis writes is there for its later steps, and is its own.
  EXPECT_EQ(files.writeFile("C:\\New.txt", "fresh"), err::kSuccess);
  EXPECT_EQ(files.readFile("C:\\New.txt", text), err::kSuccess);
  EXPECT_EQ(text, "fresh");
  EXPECT_EQ(names(files, "C:\\*.txt"), std::vector<std::string>{"New.txt:5"});
  EXPECT_EQ(files.writeFile("C:\\New.txt", "again"), err::kSuccess);
  EXPECT_EQ(files.deleteFile("C:\\New.txt"), err::kSuccess);
  recorder.stop();
  EXPECT_EQ(fake.files.snapshot(), before);
  EXPECT_EQ(what(recorder.changes()), (std::vector<std::tuple<Kind, std::string, std::uint64_t>>{
                                          {Kind::FolderRemoved, "C:\\Work", 0},
                                          {Kind::FileDeleted, "C:\\Work\\a.txt", 100},
                                          {Kind::FileOverwritten, "C:\\Work\\b.txt", 20},
                                          {Kind::FileCut, "C:\\Work\\b.txt", 64},
                                          {Kind::FileDeleted, "C:\\Work\\b.txt", 10},
                                          {Kind::FolderRemoved, "C:\\Work", 0}}));
  EXPECT_EQ(recorder.changes()[0].result, err::kDirNotEmpty);

  // Outside a run the reads are the disk's; a new run starts from the disk again.
  EXPECT_EQ(names(files, "C:\\Work\\*.*").size(), 2u);
  recorder.start(true);
  EXPECT_EQ(names(files, "C:\\Work\\*.*").size(), 2u);
  // A read-only file refuses the rewrite an analysis predicts.
  fake.files.addFile("C:\\Locked.ini", "old", platform::attr::kReadOnly);
  EXPECT_EQ(files.writeFile("C:\\Locked.ini", "new"), err::kAccessDenied);
  EXPECT_EQ(files.readFile("C:\\Locked.ini", text), err::kSuccess);
  EXPECT_EQ(text, "old");
  recorder.stop();
  ASSERT_EQ(recorder.changes().size(), 1u);
  EXPECT_EQ(recorder.changes()[0].result, err::kAccessDenied);

  // A cleaning does not report the rewriting or removal of a file it made itself.
  recorder.start(false);
  EXPECT_EQ(files.writeFile("C:\\Work\\scratch.tmp", ""), err::kSuccess);
  EXPECT_EQ(files.writeFile("C:\\Work\\scratch.tmp", "data"), err::kSuccess);
  EXPECT_EQ(files.deleteFile("C:\\Work\\scratch.tmp"), err::kSuccess);
  EXPECT_EQ(files.deleteFile("C:\\Work\\a.txt"), err::kSuccess);
  recorder.stop();
  EXPECT_EQ(what(recorder.changes()), (std::vector<std::tuple<Kind, std::string, std::uint64_t>>{
                                          {Kind::FileDeleted, "C:\\Work\\a.txt", 100}}));
}

// The steps on one file ask the same folders again and again; what an earlier step
// found must not outlive a later change above them.
TEST(RecordingOverlay, WhatIsTakenAwayAboveAPathHidesItAtOnceAndNothingIsListedTwice) {
  platform::fake::FakeSystem fake;
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(fake, recorder);
  platform::Files& files = recording.system().files;
  fake.files.addFile("C:\\Tree\\first.txt", "1");
  fake.files.addFile("C:\\Mine\\Deep\\kept.doc", "mine");
  fake.files.addFile("C:\\Mine\\other.doc", "mine too");
  fake.files.addLink("C:\\Tree\\Link", "C:\\Mine");
  fake.files.addFile("C:\\Tree\\again.txt", "old");
  fake.files.addFile("C:\\Tree\\Sub\\Deep\\a.txt", "a");
  fake.files.addFile("C:\\Tree\\Sub\\Deep\\b.txt", "b");
  const std::string before = fake.files.snapshot();

  recorder.start(true);
  ASSERT_EQ(files.deleteFile("C:\\Tree\\first.txt"), err::kSuccess);
  std::uint32_t a = 0;
  // Asked through the link before and after the link goes, at two depths.
  EXPECT_EQ(files.getAttributes("C:\\Tree\\Link\\Deep\\kept.doc", a), err::kSuccess);
  EXPECT_EQ(files.getAttributes("C:\\Tree\\Link\\other.doc", a), err::kSuccess);
  ASSERT_EQ(files.removeLink("C:\\Tree\\Link"), err::kSuccess);
  EXPECT_EQ(files.getAttributes("C:\\Tree\\Link\\other.doc", a), err::kPathNotFound);
  EXPECT_EQ(files.getAttributes("C:\\Tree\\Link\\Deep\\kept.doc", a), err::kPathNotFound);
  EXPECT_EQ(names(files, "C:\\Tree\\Link\\Deep\\*.*"), std::vector<std::string>{});
  // A folder another step takes away, just after a file two levels below it was asked.
  EXPECT_EQ(files.getAttributes("C:\\Tree\\Sub\\Deep\\a.txt", a), err::kSuccess);
  recorder.takeAwayUnseen("C:\\Tree\\Sub");
  EXPECT_EQ(files.getAttributes("C:\\Tree\\Sub\\Deep\\b.txt", a), err::kPathNotFound);
  // A file taken away and written anew is listed once, at its new size.
  ASSERT_EQ(files.deleteFile("C:\\Tree\\again.txt"), err::kSuccess);
  ASSERT_EQ(files.writeFile("C:\\Tree\\again.txt", "newer"), err::kSuccess);
  EXPECT_EQ(names(files, "C:\\Tree\\*.*"), std::vector<std::string>{"again.txt:5"});
  recorder.stop();
  EXPECT_EQ(fake.files.snapshot(), before);
  EXPECT_EQ(fake.files.contents("C:\\Mine\\Deep\\kept.doc"), "mine");
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
  platform::System inner{files,           others.registry,     others.clock,     others.process,
                         others.identity, others.userSettings, others.processes, others.disk,
                         others.shell,    others.removal};
  platform::ChangeRecorder recorder;
  platform::RecordingSystem recording(inner, recorder);
  platform::Files& through = recording.system().files;

  recorder.start(true);
  recording.system().removal.emptyFolder("C:\\Cache");
  const auto analysed = what(recorder.changes());
  // One listing per folder, one more to see that the sub-folder would be left empty, and
  // the walk's own check of the folder itself; no lookup of each file again.
  EXPECT_EQ(files.finds, 3);
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

  // In a cleaning alike: a file that another run took first is neither this run's removal
  // nor its failure, so two overlapping runs each report what they did.
  recorder.start(false);
  EXPECT_EQ(through.deleteFile("C:\\Cache\\f3.dat"), err::kFileNotFound);
  EXPECT_TRUE(recorder.changes().empty());
}

}  // namespace
