// vesper.exe under Wine, started the way Windows starts it from a run-once entry: it
// reads its program folder's settings and list, deletes on the real disk, and logs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/e2e/e2e_support.h"
#include "tests/support/contract_env.h"

using ::testing::HasSubstr;

TEST(VesperEndToEnd, DeletesScheduledIndexFilesAndHistoryButNothingElse) {
  // Its scratch folder holds everything; it plants real links (Unix links under Wine) and
  // removes them as links at the end.
  const std::unique_ptr<testing_support::ContractEnv> env = testing_support::makeWin32Env();
  const auto at = [&](const std::string& relative) { return env->scratch() + "\\" + relative; };
  const std::string prog = at("prog");
  const std::string cookies = at("Profile\\Cookies\\");
  const std::string tif = at("Profile\\Temporary Internet Files\\");
  const std::string cache = tif + "Content.IE5\\";
  const std::string h5 = at("Profile\\History\\History.IE5\\");
  e2e::copyFile(e2e::builtProgram(TERVANE_VESPER_EXE), prog + "\\vesper.exe");
  e2e::writeFile(prog + "\\mainten.ini", "[Path]\r\nIE1=" + at("Profile\\History\\") +
                                             "\r\nIE2=" + tif + "\r\nIE3=" + cookies +
                                             "\r\nIE4=" + cache + "\r\n");
  const std::string locked = at("Profile2\\Cookies\\index.dat");
  const std::string listed = at("Other\\Cookies\\index.dat");
  const std::string foreign = at("keep\\important.txt");
  e2e::writeFile(prog + "\\index.ini",
                 "[Path]\r\n1=" + locked + "\r\n2=" + foreign + "\r\n3=" + listed + "\r\n0=3\r\n");
  for (const std::string& f :
       {locked, listed, foreign, cookies + "index.dat", cookies + "me@site.txt", tif + "other.dat",
        cache + "index.dat", cache + "AB12CD34\\index.dat", h5 + "mshist~1\\index.dat",
        h5 + "mshi~150\\a.url", h5 + "MSHist012026113020261207\\index.dat",
        h5 + "MSHist012026113020261207\\sub\\a.url", h5 + "Other\\index.dat"})
    e2e::writeFile(f, "data");
  // A history folder that is a link to a folder outside the profile is never entered.
  const std::string linked = h5 + "MSHist012026010120260108";
  ASSERT_TRUE(env->makeLink(linked, at("keep")));
  // Another program holds this one open, as the browser holds its index.
  HANDLE hold = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(hold, INVALID_HANDLE_VALUE);

  {
    e2e::Process vesper(prog + "\\vesper.exe");
    ASSERT_TRUE(vesper.started());
    ASSERT_TRUE(vesper.waitForExit(60000));
  }
  CloseHandle(hold);

  EXPECT_FALSE(e2e::exists(listed));
  EXPECT_FALSE(e2e::exists(cookies + "index.dat"));
  EXPECT_FALSE(e2e::exists(tif + "other.dat"));
  EXPECT_FALSE(e2e::exists(cache + "index.dat"));
  EXPECT_FALSE(e2e::exists(h5 + "mshist~1"));
  EXPECT_FALSE(e2e::exists(h5 + "mshi~150"));
  EXPECT_FALSE(e2e::exists(h5 + "MSHist012026113020261207"));
  EXPECT_TRUE(e2e::exists(h5 + "Other\\index.dat"));
  EXPECT_EQ(e2e::readFile(foreign), "data");
  EXPECT_TRUE(e2e::exists(locked));
  EXPECT_TRUE(e2e::exists(foreign));
  EXPECT_TRUE(e2e::exists(cookies + "me@site.txt"));
  EXPECT_TRUE(e2e::exists(cache + "AB12CD34\\index.dat"));

  const std::string log = e2e::readFile(prog + "\\vorn.log");
  EXPECT_THAT(log, HasSubstr("\tVESPER-Main at line 105 - " + locked + " (70)\"\r\n"));
  EXPECT_THAT(log, HasSubstr("VESPER-Main at line 207 - Skipped " + foreign + " (5)"));
  EXPECT_TRUE(e2e::exists(linked));
  EXPECT_THAT(log, HasSubstr("VESPER-Main at line 414 - " + at("Profile\\History\\") +
                             "history.ie5\\MSHist012026010120260108 (75)"));
}
