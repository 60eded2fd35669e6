// A page is its model, its view and one line in a page list: the list alone gives the
// window its navigation buttons, its tabs and the order of both, and a page's buttons run
// the page's own commands.
#include <gtest/gtest.h>

#include "main/app/main_page.h"
#include "main/app/main_window.h"
#include "tests/main/app/app_fixture.h"
#include "ui/button.h"

namespace vorn {
namespace {

// What the recipe asks of a new page, and nothing more.
class ScratchPage {
 public:
  static constexpr PageNavigation kNavigation{"5a", "&Scratch", "Scratch"};
  explicit ScratchPage(const PageContext& context) : services(context.services) {
    greetButton.onClick = [this] { runCommand(commands.greet); };
  }
  ScratchPage(const ScratchPage&) = delete;
  struct Commands {
    Command greet;
  } commands;
  ui::Button greetButton{"greetButton", "&Greet"};
  AppServices& services;
};

class PageSetTest : public ::testing::Test, public testing::AppFixture {};

TEST_F(PageSetTest, APageInTheListIsBuiltFoundAndRunsItsOwnCommands) {
  std::uintptr_t owner = 0;
  PageSet<StatisticsPage, ScratchPage, AboutPage> pages(
      PageContext{services, owner, OptionTable::standard()});
  using Pages = decltype(pages);
  EXPECT_EQ(Pages::kCount, 3u);
  EXPECT_EQ(Pages::indexOf<ScratchPage>(), 1);
  EXPECT_EQ(Pages::indexOf<AboutPage>(), 2);
  EXPECT_STREQ(Pages::navigation(1).button, "&Scratch");
  EXPECT_EQ(&pages.get<ScratchPage>().services, &services);

  std::vector<int> visited;
  pages.forEach([&](auto&, int index) { visited.push_back(index); });
  EXPECT_EQ(visited, (std::vector<int>{0, 1, 2}));
  bool scratchAt1 = false;
  pages.at(1, [&](auto& page) {
    scratchAt1 = std::is_same_v<std::decay_t<decltype(page)>, ScratchPage>;
  });
  EXPECT_TRUE(scratchAt1);

  int greeted = 0;
  pages.get<ScratchPage>().commands.greet = [&] { ++greeted; };
  pages.get<ScratchPage>().greetButton.click();
  EXPECT_EQ(greeted, 1);
}

TEST_F(PageSetTest, TheMainWindowsNavigationAndTabsComeFromItsPageList) {
  makeWindow();
  using Pages = MainWindow::Pages;
  const int count = static_cast<int>(Pages::kCount);
  ASSERT_EQ(mainWindow->navigationToolbar.buttonCount(), count + 1);
  ASSERT_EQ(mainWindow->pageTabs.tabCount(), count);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(mainWindow->navigationToolbar.button(i).caption, Pages::navigation(i).button);
    EXPECT_EQ(mainWindow->pageTabs.tabAt(i).caption, Pages::navigation(i).tab);
  }
  EXPECT_EQ(mainWindow->navigationToolbar.button(count).caption, MainWindow::kQuit.button);
  mainWindow->navigationToolbar.click(Pages::indexOf<AboutPage>());
  EXPECT_EQ(mainWindow->pageTabs.tab(), Pages::indexOf<AboutPage>());
}

}  // namespace
}  // namespace vorn
