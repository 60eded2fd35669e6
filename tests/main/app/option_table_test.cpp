// The option table is the one place an option is declared: the program's own rows keep
// their stored keys in order, and a row added to a table reaches every part of the program.
#include "main/clean/option_table.h"

#include <gtest/gtest.h>

#include <set>

#include "main/app/main_window_clean_seams.h"
#include "main/app/wiring.h"
#include "main/clean/run_frame.h"
#include "tests/main/app/app_fixture.h"
#include "tests/support/scripted_tray.h"

namespace vorn {
namespace {

TEST(OptionTable, TheStandardRowsKeepTheirKeysInOrderAndTheirIdsApart) {
  const OptionTable& t = OptionTable::standard();
  std::set<std::string> ids;
  for (int k = 0; k < t.size(); ++k) {
    EXPECT_EQ(t.row(k).key, "Value" + std::to_string(k + 1));
    EXPECT_TRUE(ids.insert(t.row(k).id).second) << t.row(k).id;
    const OptionTable::Place p = t.place(t.row(k).id);
    EXPECT_EQ(t.find(p.area, p.index), &t.row(k));
  }
  // Areas stand together, in their codes' order.
  for (int k = 1; k < t.size(); ++k) EXPECT_LE(t.row(k - 1).area, t.row(k).area);
  const std::pair<int, int> counts[] = {{area::kIE, 5},          {area::kNetscape, 4},
                                        {area::kOpera, 4},       {area::kWindows, 8},
                                        {area::kUserDefined, 4}, {area::kAll, 0}};
  for (const auto& [code, count] : counts) EXPECT_EQ(t.count(code), count) << code;
  EXPECT_EQ(t.find(area::kOpera, 4), nullptr);
  EXPECT_EQ(t.find(area::kOpera, -1), nullptr);
  EXPECT_THROW(t.place("noSuchOption"), common::RunError);
}

class ScratchOptionTest : public ::testing::Test, public testing::AppFixture {
 protected:
  // The program's rows with one more Internet Explorer option after the address bar.
  static OptionTable scratchTable() {
    std::vector<OptionRow> rows = OptionTable::standard().rows();
    rows.insert(rows.begin() + 4, OptionRow{"ieIndexFiles", area::kIE, "Index Files", "Value99"});
    return OptionTable(rows);
  }
  OptionTable table = scratchTable();
  ui::ScriptedTray tray;
};

TEST_F(ScratchOptionTest, AnAddedRowIsABoxIsStoredCountsAsAStepAndReachesItsEngine) {
  installDeliveredSettings();
  setIni("Rensa", "Value99", "1");
  setIni("Inst", "Showtip", "0");
  setIni("Inst", "Scoutry", "0");
  MainWindow window(services, {}, table);
  std::unique_ptr<Subsystems> s = wireSubsystems(window, services, tray);
  window.loadWindow();

  ASSERT_EQ(window.clean.ieOptions.size(), 6u);
  ui::CheckBox& added = window.clean.ieOptions[4];
  EXPECT_EQ(added.caption(), "Index Files");
  EXPECT_EQ(added.value(), 1);
  EXPECT_EQ(window.clean.ieOptions[5].caption(),
            "&Locked Files (will be cleaned the next time you restart windows)");

  // A fake engine asks for it by id; the frame counts it and names it.
  for (ui::CheckBox& b : window.clean.ieOptions) b.setValue(0);
  added.setValue(1);
  window.clean.setAreaAvailable(area::kIE, true);
  std::vector<std::string> named;
  s->frame->onOptionStart = [&](const std::string& option) { named.push_back(option); };
  int reached = 0;
  s->frame->runEngine(frames::kIE, [&](common::ErrorTrap* trap) {
    if (s->boxes->checked("ieIndexFiles"))
      s->frame->optionStep(trap, "ieIndexFiles", [&] { ++reached; });
  });
  EXPECT_EQ(reached, 1);
  EXPECT_EQ(window.clean.progressBar.max(), 1);
  EXPECT_EQ(window.clean.progressBar.value(), 1);
  EXPECT_EQ(named, std::vector<std::string>{"Index Files"});

  added.setValue(0);
  window.unloadWindow();
  EXPECT_EQ(ini("Rensa", "Value99"), "0");
  EXPECT_EQ(ini("Rensa", "Value5"), "0");  // the box after it keeps its own key
}

}  // namespace
}  // namespace vorn
