#include "common/session_log.h"

#include <gtest/gtest.h>

#include "common/error_trap.h"
#include "platform/fake/fake_system.h"

using common::ErrorTrap;
using common::SessionLog;
using platform::fake::FakeSystem;

class SessionLogTest : public ::testing::Test {
 protected:
  FakeSystem fake;
  std::string folder = "C:\\Program Files\\Tervane";
  SessionLog log{fake.files, fake.clock, [this] { return folder; }};
  std::string logText() { return fake.files.contents(folder + "\\vorn.log"); }
};

TEST_F(SessionLogTest, RecordsHaveQuotesStampTabAndMessage) {
  log.writeLog("Load", 3, 11, "Division by zero");
  EXPECT_EQ(logText(), "\"12/04/2001 10:15:00\tLoad at line 3 - Division by zero (11)\"\r\n");
}

TEST_F(SessionLogTest, BannerAndEmptyDescriptionKeepTheirBlanks) {
  log.writeLog("Session Started", 0, 0, " VORN 6.6");
  log.writeLog("fixPath", 0, 5, "");
  EXPECT_EQ(logText(),
            "\"12/04/2001 10:15:00\tSession Started at line 0 -  VORN 6.6 (0)\"\r\n"
            "\"12/04/2001 10:15:00\tfixPath at line 0 -  (5)\"\r\n");
}

TEST_F(SessionLogTest, QuotesInsideMessagesAreWrittenUnchanged) {
  log.writeLog("x", 0, 53, "say \"hi\"");
  EXPECT_EQ(logText(), "\"12/04/2001 10:15:00\tx at line 0 - say \"hi\" (53)\"\r\n");
}

TEST_F(SessionLogTest, TruncatesOnlyPastTheLimit) {
  const std::string path = folder + "\\vorn.log";
  fake.files.addFile(path, std::string(150000, 'a'));
  log.writeLog("A", 1, 5, "kept");
  EXPECT_EQ(logText().substr(0, 150000), std::string(150000, 'a'));
  EXPECT_GT(logText().size(), 150000u);

  fake.files.addFile(path, std::string(150001, 'a'));
  fake.clock.set({2001, 4, 13, 8, 0, 0, 0});
  log.writeLog("B", 2, 5, "after");
  EXPECT_EQ(logText(),
            "Truncated 13/04/2001 08:00:00\r\n"
            "\"13/04/2001 08:00:00\tB at line 2 - after (5)\"\r\n");
}

TEST_F(SessionLogTest, UnwritableLogIsAbsorbedAndCounted) {
  fake.files.addFile(folder + "\\vorn.log", "old", platform::attr::kReadOnly);
  EXPECT_NO_THROW(log.writeLog("A", 0, 70, "Permission denied"));
  EXPECT_EQ(logText(), "old");
  EXPECT_EQ(log.droppedRecords(), 1);
  folder = "C:\\no such folder";
  EXPECT_NO_THROW(log.writeLog("A", 0, 70, "x"));
  EXPECT_EQ(log.droppedRecords(), 2);
}

TEST_F(SessionLogTest, TrapLogsFailedStepsAndGoesOn) {
  ErrorTrap trap(log, "Initialize");
  std::vector<int> ran;
  trap.runStep([&] { ran.push_back(0); });
  trap.runStep([&] { common::raise(13); });
  trap.runStep([&] { ran.push_back(2); });
  trap.run([&] { throw std::out_of_range("index"); });
  EXPECT_EQ(ran, (std::vector<int>{0, 2}));
  EXPECT_EQ(trap.step, 3);
  EXPECT_EQ(trap.errors(), 2);
  EXPECT_EQ(logText(),
            "\"12/04/2001 10:15:00\tInitialize at line 1 - Type mismatch (13)\"\r\n"
            "\"12/04/2001 10:15:00\tInitialize at line 3 - Internal error (51)\"\r\n");
}
