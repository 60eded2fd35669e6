// The boot-time remover's run over the fake system: what goes, what stays, and what the
// log says.
#include "vesper/remover.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fake/fake_system.h"

using platform::fake::FakeSystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kProgram = "C:\\Program Files\\Tervane";
const std::string kCookies = "C:\\WINDOWS\\Cookies\\";
const std::string kTif = "C:\\WINDOWS\\Temporary Internet Files\\";
const std::string kHistory = "C:\\WINDOWS\\History\\";
const std::string kCache = kTif + "Content.IE5\\";

class RemoverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mainten("IE1=" + kHistory + "\r\nIE2=" + kTif + "\r\nIE3=" + kCookies + "\r\nIE4=" + kCache);
  }
  void mainten(const std::string& paths) {
    fake.files.addFile(kProgram + "\\mainten.ini", "[Path]\r\n" + paths + "\r\n");
  }
  void index(const std::string& body) {
    fake.files.addFile(kProgram + "\\index.ini", "[Path]\r\n" + body);
  }
  int run() {
    vesper::Remover remover(fake);
    remover.Main();
    return remover.step();
  }
  std::string log() { return fake.files.contents(kProgram + "\\vorn.log"); }
  bool has(const std::string& path) { return fake.files.exists(path); }

  FakeSystem fake;
};

}  // namespace

TEST_F(RemoverTest, WithoutIndexListDeletesDatFilesOfTheFourFolders) {
  fake.files.addFile(kCookies + "index.dat");
  fake.files.addFile(kCookies + "me@site.txt");
  fake.files.addFile(kTif + "other.dat");
  fake.files.addFile(kCache + "index.dat");
  fake.files.addFile(kCache + "AB12CD34\\index.dat");
  fake.files.addFile(kHistory + "keep.txt");
  EXPECT_EQ(run(), 8);  // four reads, then four folders
  EXPECT_FALSE(has(kCookies + "index.dat")) << fake.files.dump();
  EXPECT_FALSE(has(kTif + "other.dat"));
  EXPECT_FALSE(has(kCache + "index.dat"));
  EXPECT_TRUE(has(kCookies + "me@site.txt"));
  EXPECT_TRUE(has(kCache + "AB12CD34\\index.dat"));
  EXPECT_TRUE(has(kHistory + "keep.txt"));
  EXPECT_EQ(log(), "");
}

TEST_F(RemoverTest, DeletesListedFilesAndReadsOneKeyPastTheCount) {
  const std::string a = "D:\\Profiles\\Cookies\\index.dat";
  const std::string b = "C:\\Other\\History.IE5\\index.dat";
  fake.files.addFile(a);
  fake.files.addFile(b);
  index("0=2\r\n1=" + a + "\r\n2=" + b + "\r\n");
  // 4 reads; two entries found (100 + 1 + 1 each); key "3" empty (100 + 1); 4 folders.
  EXPECT_EQ(run(), 4 + 2 * 102 + 101 + 4);
  EXPECT_FALSE(has(a));
  EXPECT_FALSE(has(b));
  EXPECT_EQ(log(), "");
}

TEST_F(RemoverTest, SkipsAndLogsEntriesTheSearchCannotHaveRecorded) {
  const std::string good = kCookies + "index.dat";
  fake.files.addFile(good);
  fake.files.addFile("C:\\boot.ini");
  fake.files.addFile("C:\\WINDOWS\\system32\\index.dat");
  fake.files.addFile(kCookies + "me@site.txt");
  index("0=4\r\n1=C:\\boot.ini\r\n2=C:\\WINDOWS\\system32\\index.dat\r\n3=" + kCookies +
        "me@site.txt\r\n4=" + good + "\r\n");
  mainten("IE1=-\r\nIE2=-\r\nIE3=-\r\nIE4=-");  // only the list acts
  run();
  EXPECT_TRUE(has("C:\\boot.ini"));
  EXPECT_TRUE(has("C:\\WINDOWS\\system32\\index.dat"));
  EXPECT_TRUE(has(kCookies + "me@site.txt"));
  EXPECT_FALSE(has(good));
  EXPECT_THAT(log(), HasSubstr("VESPER-Main at line 105 - Skipped C:\\boot.ini (5)"));
  EXPECT_THAT(log(), HasSubstr("Skipped C:\\WINDOWS\\system32\\index.dat (5)"));
  EXPECT_THAT(log(), HasSubstr("Skipped " + kCookies + "me@site.txt (5)"));
}

TEST_F(RemoverTest, LockedFileCostsOneRecordWithTheLastPathAndTheRunGoesOn) {
  const std::string locked = kCache + "index.dat";
  const std::string next = kCookies + "index.dat";
  fake.files.addFile(locked);
  fake.files.addFile(next);
  fake.files.setOpen(locked, true);
  index("0=2\r\n1=" + locked + "\r\n2=" + next + "\r\n");
  mainten("IE1=-\r\nIE2=-\r\nIE3=-\r\nIE4=-");
  run();
  EXPECT_TRUE(has(locked));
  EXPECT_FALSE(has(next));
  // Logged after the read of key "1" (4 + 100 + 1), before the step of the deletion.
  EXPECT_THAT(log(), HasSubstr("\tVESPER-Main at line 105 - " + locked + " (70)\""));
}

TEST_F(RemoverTest, UnreadableCountIsLoggedAndOnlyTheFirstKeyIsRead) {
  const std::string a = kCookies + "index.dat";
  const std::string b = kCache + "index.dat";
  fake.files.addFile(a);
  fake.files.addFile(b);
  index("0=two\r\n1=" + a + "\r\n2=" + b + "\r\n");
  mainten("IE1=-\r\nIE2=-\r\nIE3=-\r\nIE4=-");
  EXPECT_EQ(run(), 4 + 102 + 4);
  EXPECT_FALSE(has(a));
  EXPECT_TRUE(has(b));
  EXPECT_THAT(log(), HasSubstr("VESPER-Main at line 4 -  (13)"));
}

TEST_F(RemoverTest, RemovesHistoryFoldersFoundByListingAndNeverEntersALink) {
  const std::string h5 = kHistory + "History.IE5\\";
  const std::vector<std::string> gone = {"MSHist012026113020261207", "mshist~1", "mshi~150",
                                         "msh~1000"};
  for (const std::string& n : gone) fake.files.addFile(h5 + n + "\\index.dat");
  fake.files.addFile(h5 + "mshist~1\\sub\\a.url");
  fake.files.addFile("C:\\Outside\\precious.txt", "mine");
  fake.files.addLink(h5 + "MSHist012026010120260108", "C:\\Outside");
  fake.files.addFile(h5 + "MSHist012026020120260208", "a file, not a folder");
  fake.files.addFile(h5 + "Other\\keep.dat");
  EXPECT_EQ(run(), 8);
  for (const std::string& n : gone) EXPECT_FALSE(has(h5 + n)) << n << fake.files.dump();
  EXPECT_TRUE(has(h5 + "MSHist012026020120260208"));
  EXPECT_TRUE(has(h5 + "Other\\keep.dat"));
  EXPECT_TRUE(has(h5 + "MSHist012026010120260108"));
  EXPECT_EQ(fake.files.contents("C:\\Outside\\precious.txt"), "mine");
  // One record, naming the folder left in place.
  EXPECT_EQ(log().find("VESPER-Main"), log().rfind("VESPER-Main"));
  EXPECT_THAT(log(), HasSubstr("VESPER-Main at line 8 - " + kHistory +
                               "history.ie5\\MSHist012026010120260108 (75)"));
}

TEST_F(RemoverTest, DashOrEmptyFolderValuesNeverReachTheCurrentFolder) {
  const std::string h5 = kHistory + "History.IE5\\";
  fake.files.addFile(h5 + "mshist~1\\index.dat");
  // The folder Windows happened to start the remover in.
  fake.files.setCurrentFolder("C:\\WINDOWS\\system32");
  fake.files.addFile("C:\\WINDOWS\\system32\\drivers.dat");
  fake.files.addFile("C:\\WINDOWS\\system32\\-history.ie5\\mshist~1\\a.dat");
  mainten("IE1=-\r\nIE2=\r\nIE3=-");  // IE4 missing
  EXPECT_EQ(run(), 8);
  EXPECT_TRUE(has(h5 + "mshist~1\\index.dat"));
  EXPECT_TRUE(has("C:\\WINDOWS\\system32\\drivers.dat"));
  EXPECT_TRUE(has("C:\\WINDOWS\\system32\\-history.ie5\\mshist~1\\a.dat"));
  EXPECT_EQ(log(), "");
}

TEST_F(RemoverTest, WritesToTheLogOfItsOwnFolderAndTruncatesItPastTheLimit) {
  fake.files.addFile(kCookies + "index.dat");
  fake.files.setOpen(kCookies + "index.dat", true);
  // The cleaner left the log just past the limit; the remover's record crosses it.
  fake.files.addFile(kProgram + "\\vorn.log", std::string(150001, 'x'));
  run();
  EXPECT_THAT(log(), ::testing::StartsWith("Truncated "));
  EXPECT_THAT(log(), HasSubstr("VESPER-Main at line 4 - " + kCookies + "*.dat (70)"));
  EXPECT_THAT(log(), Not(HasSubstr("xxxx")));
}
