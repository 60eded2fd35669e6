#include "main/clean/inet_properties.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fake/fake_desktop.h"
#include "tests/main/clean/clean_fixture.h"

using namespace vorn;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TEST(HotKeys, EachLanguageHasItsThreeKeysAndOtherKeysHaveNone) {
  auto english = hotKeysFor("ENGLISH");
  ASSERT_TRUE(english);
  EXPECT_EQ(english->cache1 + english->cache2 + english->history, "%F%D%H");
  auto german = hotKeysFor("dutch");  // the German dialog's key
  ASSERT_TRUE(german);
  EXPECT_EQ(german->cache1 + german->cache2 + german->history, "%D%O%V");
  EXPECT_FALSE(hotKeysFor("nohits"));
  EXPECT_FALSE(hotKeysFor("portugal"));
  EXPECT_FALSE(hotKeysFor(""));
  // Every title leads to a language with keys.
  for (const LanguageTitle& t : languageTitles()) EXPECT_TRUE(hotKeysFor(t.key)) << t.title;
  EXPECT_EQ(languageTitles().size(), 17u);
}

class InternetPropertiesTest : public clean_test::CleanSession {
 protected:
  InternetPropertiesTest() {
    userWindow = windows.add("Inbox - Mail", 7);
    windows.foregroundWindow = userWindow;
    cache.add("http://site/page.htm");
    cache.add("http://site/logo.gif");
    cache.add("Cookie:me@site/", platform::cacheentry::kCookie);
    cache.add("Visited: me@http://site/", platform::cacheentry::kUrlHistory);
    view.maximum = 2;
  }
  // The applet shows its dialog under `title` when started.
  void dialogAppears(const std::string& title, int afterMs = 0) {
    applet.onStart = [this, title, afterMs](std::uint32_t pid) {
      pid_ = pid;
      if (afterMs == 0) dialog = windows.add(title, pid);
      else
        windows.onPause = [this, title, afterMs](int total) {
          if (total >= afterMs && !dialog) dialog = windows.add(title, pid_);
        };
    };
  }

  platform::fake::FakeTopWindows windows;
  platform::fake::FakeKeySender keys{windows};
  platform::fake::FakeInternetProperties applet;
  platform::fake::FakeUrlCache cache;
  InternetPropertiesAutomation automation{{applet, windows, keys, cache}, frame, prompter, log};
  platform::WindowHandle userWindow = 0, dialog = 0;
  std::uint32_t pid_ = 0;
};

TEST_F(InternetPropertiesTest, EnglishDialogBothPartsTypesTheHotKeysInOrder) {
  dialogAppears("Internet Properties", 300);
  EXPECT_TRUE(automation.clear(2));
  EXPECT_THAT(keys.sent, ElementsAre("%F", "%D", "{ENTER}", "%H", "{Tab}", "{ENTER}", "{ENTER}"));
  EXPECT_EQ(view.value, 2);
  EXPECT_THAT(windows.events, ElementsAre("front Internet Properties"));
  EXPECT_THAT(prompter.shown, IsEmpty());
  // The dialog did the work: the cache interface was left alone.
  EXPECT_EQ(cache.all.size(), 4u);
}

TEST_F(InternetPropertiesTest, SwedishHistoryOnlyAndTitlesMatchInAnyCase) {
  dialogAppears("INTERNET-ALTERNATIV");
  automation.clear(0);
  EXPECT_THAT(keys.sent, ElementsAre("%R", "{Tab}", "{ENTER}", "{ENTER}"));
  EXPECT_EQ(view.value, 1);
}

TEST_F(InternetPropertiesTest, TheLastMatchingWindowInWindowOrderDecides) {
  windows.add("Eigenschaften von Internet");
  windows.add("Internet Properties");
  EXPECT_EQ(automation.detectIELanguage(), "english");
  windows.windows.erase(windows.windows.begin() + 1);  // the German one
  windows.add("eigenschaften von internet", 3, false);  // hidden windows count too
  EXPECT_EQ(automation.detectIELanguage(), "dutch");
  windows.add("Propri\xC9T\xC9S DE INTERNET");  // accented capitals of the Western code page
  EXPECT_EQ(automation.detectIELanguage(), "french");
  windows.windows.clear();
  windows.add("");
  windows.add("Internet Properties - extra");
  EXPECT_EQ(automation.detectIELanguage(), "nohits");
}

TEST_F(InternetPropertiesTest, NoDialogSendsNothingWarnsOnceAndEmptiesTheCacheInterface) {
  EXPECT_TRUE(automation.clear(2));
  EXPECT_THAT(keys.sent, IsEmpty());
  EXPECT_EQ(keys.refused, 0);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Your Internet Explorer language is not supported");
  EXPECT_EQ(windows.pausedMs, InternetPropertiesAutomation::kDialogWaitMs);
  EXPECT_EQ(view.value, 2);
  // Content and history went; the cookie stays for the cookie step to judge.
  ASSERT_EQ(cache.all.size(), 1u);
  EXPECT_EQ(cache.all[0].url, "Cookie:me@site/");
  EXPECT_EQ(windows.foregroundWindow, userWindow);
}

TEST_F(InternetPropertiesTest, AnUnknownLanguageDialogIsClosedAtOnceAndNothingIsTyped) {
  dialogAppears("Internet Settings");
  automation.clear(1);
  EXPECT_THAT(keys.sent, IsEmpty());
  EXPECT_EQ(windows.pausedMs, 0);
  EXPECT_THAT(windows.events, ElementsAre("close Internet Settings"));
  EXPECT_EQ(prompter.shown.size(), 1u);
  EXPECT_FALSE(cache.has("http://site/page.htm"));
  EXPECT_TRUE(cache.has("Visited: me@http://site/"));  // mode 1 leaves the history
  EXPECT_EQ(view.value, 1);
}

TEST_F(InternetPropertiesTest, ADialogThatCannotComeToTheFrontGetsNoKeystroke) {
  dialogAppears("Internet Properties");
  windows.refuseFront = true;
  automation.clear(2);
  EXPECT_THAT(keys.sent, IsEmpty());
  EXPECT_EQ(keys.refused, 0);
  EXPECT_FALSE(cache.has("http://site/page.htm"));
  EXPECT_FALSE(cache.has("Visited: me@http://site/"));
  EXPECT_THAT(windows.events, ElementsAre("front Internet Properties", "close Internet Properties"));
  EXPECT_NE(logText().find("ShowInetProperties"), std::string::npos);
}

TEST_F(InternetPropertiesTest, WhenTheUserTakesTheKeyboardMidwayTypingStopsAndTheCacheInterfaceFinishes) {
  dialogAppears("Internet Properties");
  keys.onSent = [this](const std::string& k) {
    if (k == "%D") windows.foregroundWindow = userWindow;  // the user clicks into the mail
  };
  automation.clear(2);
  EXPECT_THAT(keys.sent, ElementsAre("%F", "%D"));
  EXPECT_EQ(keys.refused, 0);  // nothing was even tried against the mail window
  EXPECT_FALSE(cache.has("http://site/page.htm"));
  EXPECT_FALSE(cache.has("Visited: me@http://site/"));
  EXPECT_TRUE(cache.has("Cookie:me@site/"));
  EXPECT_EQ(windows.events.back(), "close Internet Properties");
  EXPECT_EQ(view.value, 2);
}

TEST_F(InternetPropertiesTest, AFailedStartIsLoggedAndTheCacheIsStillEmptied) {
  applet.result = platform::err::kFileNotFound;
  EXPECT_FALSE(automation.clear(1));
  EXPECT_EQ(windows.pausedMs, 0);  // nothing was started, so nothing to wait for
  EXPECT_THAT(keys.sent, IsEmpty());
  EXPECT_FALSE(cache.has("http://site/page.htm"));
  EXPECT_NE(logText().find("ShowInetProperties"), std::string::npos);
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(InternetPropertiesTest, ARefusedCacheEntryIsLoggedAndTheOthersStillGo) {
  cache.refusing = {"http://site/page.htm"};
  automation.clear(1);
  EXPECT_TRUE(cache.has("http://site/page.htm"));
  EXPECT_FALSE(cache.has("http://site/logo.gif"));
  EXPECT_NE(logText().find("ShowInetProperties"), std::string::npos);
}

}  // namespace
