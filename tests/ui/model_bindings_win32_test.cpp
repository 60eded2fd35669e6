// The Win32 bindings of the main window's controls under Wine: the model's state shows
// in the real control, the control's notifications reach the model.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include "ui/win32/check_box_binding.h"
#include "ui/win32/combo_box_binding.h"
#include "ui/win32/form.h"
#include "ui/win32/picture_box_binding.h"
#include "ui/win32/slider_binding.h"
#include "ui/win32/tab_strip_binding.h"
#include "ui/win32/text_box_binding.h"
#include "ui/win32/toolbar_binding.h"
#include "ui/win32/window_host_win32.h"

using namespace ui;
using namespace ui::win32;

namespace {

void command(const Form& form, const ControlBinding& b, int code) {
  SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(b.id(), code),
               reinterpret_cast<LPARAM>(b.hwnd()));
}

}  // namespace

TEST(Win32ModelBindings, CheckBoxesComboBoxesAndSliders) {
  Form form;
  ASSERT_TRUE(form.create("Model bindings", 400, 300));
  CheckBox box("operaTabBox", "Opera");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  auto& boxView = form.add<CheckBoxBinding>(box, Rect{8, 8, 120, 20});
  box.setValue(1);
  EXPECT_EQ(SendMessageA(boxView.hwnd(), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageA(boxView.hwnd(), BM_CLICK, 0, 0);  // the user's click, through the form
  EXPECT_EQ(box.value(), 0);
  EXPECT_EQ(SendMessageA(boxView.hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 2);

  ComboBox combo("autoHourBox");
  for (int h = 0; h < 24; ++h) combo.addItem(std::to_string(h));
  combo.setListIndex(3);
  auto& comboView = form.add<ComboBoxBinding>(combo, Rect{8, 40, 80, 200});
  EXPECT_EQ(SendMessageA(comboView.hwnd(), CB_GETCOUNT, 0, 0), 24);
  EXPECT_EQ(SendMessageA(comboView.hwnd(), CB_GETCURSEL, 0, 0), 3);
  SendMessageA(comboView.hwnd(), CB_SETCURSEL, 7, 0);
  command(form, comboView, CBN_SELCHANGE);
  EXPECT_EQ(combo.listIndex(), 7);
  combo.setListIndex(1);
  EXPECT_EQ(SendMessageA(comboView.hwnd(), CB_GETCURSEL, 0, 0), 1);

  Slider slider("safetyLevelSlider");
  slider.setRange(1, 5);
  slider.setValue(4);
  SliderBinding sliderView(slider, form.hwnd(), 4000, Rect{8, 80, 200, 30});
  EXPECT_EQ(SendMessageA(sliderView.hwnd(), TBM_GETPOS, 0, 0), 4);
  SendMessageA(sliderView.hwnd(), TBM_SETPOS, TRUE, 2);
  sliderView.scrolled();
  EXPECT_EQ(slider.value(), 2);
}

// A report of 20,000 items is far beyond an edit control's default limit: the box must
// be there and hold it whole, also when the text grows after it was made.
TEST(Win32ModelBindings, AReportBoxHoldsALongTextWhole) {
  Form form;
  ASSERT_TRUE(form.create("Long report", 400, 300));
  std::string text;
  for (int i = 0; i < 20000; ++i)
    text += "  C:\\WINDOWS\\Temporary Internet Files\\" + std::to_string(i) + ".htm\r\n";
  TextBox report("reportText");
  report.setText(text);
  auto& view = form.add<ReportTextBinding>(report, Rect{8, 8, 380, 250});
  ASSERT_NE(view.hwnd(), nullptr);
  EXPECT_EQ(GetWindowTextLengthA(view.hwnd()), static_cast<int>(text.size()));
  report.setText(text + text);
  EXPECT_EQ(GetWindowTextLengthA(view.hwnd()), static_cast<int>(2 * text.size()));
}

TEST(Win32ModelBindings, TabStripsShowOnePanelAndKeepDisabledTabsOut) {
  Form form;
  ASSERT_TRUE(form.create("Tabs", 400, 300));
  TabStrip strip("areaTabs");
  for (const char* t : {"Internet Explorer", "Netscape", "Opera"}) strip.addTab(t);
  strip.setTabEnabled(2, false);
  TabStripBinding view(strip, form.hwnd(), 4001, Rect{8, 8, 380, 280});
  ASSERT_EQ(view.pages().size(), 3u);
  form.show(SW_SHOWNOACTIVATE);
  EXPECT_TRUE(IsWindowVisible(view.pages()[0]));
  EXPECT_FALSE(IsWindowVisible(view.pages()[1]));

  SendMessageA(view.hwnd(), TCM_SETCURSEL, 1, 0);
  view.selectionChanged();
  EXPECT_EQ(strip.tab(), 1);
  EXPECT_TRUE(IsWindowVisible(view.pages()[1]));
  EXPECT_FALSE(IsWindowVisible(view.pages()[0]));

  SendMessageA(view.hwnd(), TCM_SETCURSEL, 2, 0);
  view.selectionChanged();  // refused: the strip goes back to the shown tab
  EXPECT_EQ(strip.tab(), 1);
  EXPECT_EQ(SendMessageA(view.hwnd(), TCM_GETCURSEL, 0, 0), 1);

  strip.setTab(0);
  EXPECT_TRUE(IsWindowVisible(view.pages()[0]));
}

TEST(Win32ModelBindings, ToolbarButtonsFollowTheirPicturesAndPressedState) {
  Form form;
  ASSERT_TRUE(form.create("Toolbar", 400, 100));
  Toolbar bar("navigationToolbar");
  bar.addButton("1a", "Clean", 1);
  bar.addButton("2a", "Path", 2);
  std::vector<int> clicked;
  bar.onButtonClick = [&](int i) {
    clicked.push_back(i);
    bar.setPressed(i, true);
    bar.setImage(i, i + 1 + 8);
  };
  ToolbarBinding view(bar, form.hwnd(), 4002, Rect{0, 0, 400, 60}, navigationPictures(), false);
  EXPECT_EQ(SendMessageA(view.hwnd(), TB_BUTTONCOUNT, 0, 0), 2);
  view.buttonCommand(2);
  EXPECT_EQ(clicked, std::vector<int>{1});
  EXPECT_TRUE(SendMessageA(view.hwnd(), TB_ISBUTTONCHECKED, 2, 0));
  EXPECT_FALSE(SendMessageA(view.hwnd(), TB_ISBUTTONCHECKED, 1, 0));
  EXPECT_EQ(SendMessageA(view.hwnd(), TB_GETBITMAP, 2, 0), 9);  // picture 10, 0-based
  bar.setButtonEnabled(0, false);
  EXPECT_FALSE(SendMessageA(view.hwnd(), TB_ISBUTTONENABLED, 1, 0));
}

TEST(Win32ModelBindings, PictureBoxesDecodeJpegAndFallBackToTheCaption) {
  Form form;
  ASSERT_TRUE(form.create("Picture", 400, 200));
  PictureBox box("infoPicture", "Tervane");
  auto& view = form.add<PictureBoxBinding>(box, Rect{0, 0, 381, 163});
  EXPECT_FALSE(view.showsPicture());
  box.setPicture(std::string("Z:") + TERVANE_DATA_DIR + "/377x159.jpg");
  EXPECT_TRUE(view.showsPicture());
  box.setPicture("C:\\no such picture.jpg");
  EXPECT_FALSE(view.showsPicture());
}

TEST(Win32WindowHost, ShowsClosesAndUnloadsWindowsInOrder) {
  Win32WindowHost host;
  WindowModel main("Host main"), other("Host other");
  std::vector<std::string> unloaded;
  main.onUnload = [&] { unloaded.push_back("main"); };
  other.onUnload = [&] { unloaded.push_back("other"); };
  auto factory = [](const char* caption) {
    return [caption](WindowModel&) {
      auto form = std::make_unique<Form>();
      form->create(caption, 200, 100);
      return form;
    };
  };
  host.registerView(main, factory("Host main"));
  host.registerView(other, factory("Host other"));
  host.show(main);
  host.show(other);
  ASSERT_EQ(host.openWindows().size(), 2u);
  EXPECT_EQ(host.openWindows()[0], &main);
  EXPECT_NE(host.hwndOf(other), nullptr);
  EXPECT_NE(FindWindowA(nullptr, "Host other"), nullptr);
  // The close box goes through the host: the model's unload runs.
  SendMessageA(host.hwndOf(other), WM_CLOSE, 0, 0);
  EXPECT_EQ(host.openWindows().size(), 1u);
  host.close(main);
  EXPECT_EQ(unloaded, (std::vector<std::string>{"other", "main"}));
  EXPECT_TRUE(host.openWindows().empty());
  host.clearViews();
}
