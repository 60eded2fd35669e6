// The Win32 bindings under Wine: a model change shows in the real control, a real
// control's notification reaches the model.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on
#include <gtest/gtest.h>

#include "ui/win32/button_binding.h"
#include "ui/win32/form.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/list_box_binding.h"
#include "ui/win32/progress_bar_binding.h"
#include "ui/win32/screen_win32.h"
#include "ui/win32/text_box_binding.h"

using namespace ui;
using namespace ui::win32;

namespace {

std::string textOf(HWND hwnd) {
  char buffer[256] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}

}  // namespace

TEST(Win32Bindings, ControlsShowTheModelAndForwardUserActions) {
  Form form;
  ASSERT_TRUE(form.create("Binding test", 300, 200));
  Label label("titleLabel", "Hello");
  Button button("startButton", "Start");
  TextBox box("rootBox", "C:");
  ListBox list("foundList");
  ProgressBar bar("progressBar");
  bar.setRange(0, 10);
  auto& labelView = form.add<LabelBinding>(label, Rect{8, 8, 100, 16});
  auto& buttonView = form.add<ButtonBinding>(button, Rect{8, 30, 80, 24}, true);
  auto& boxView = form.add<TextBoxBinding>(box, Rect{8, 60, 100, 20});
  auto& listView = form.add<ListBoxBinding>(list, Rect{8, 90, 200, 60});
  auto& barView = form.add<ProgressBarBinding>(bar, Rect{8, 160, 200, 16});

  EXPECT_EQ(textOf(labelView.hwnd()), "Hello");
  char cls[32] = {};
  GetClassNameA(buttonView.hwnd(), cls, sizeof cls);
  EXPECT_STRCASEEQ(cls, "Button");
  label.setCaption("Changed");
  EXPECT_EQ(textOf(labelView.hwnd()), "Changed");

  // Enter in the window presses the default button.
  LRESULT def = SendMessageA(form.hwnd(), DM_GETDEFID, 0, 0);
  EXPECT_EQ(HIWORD(def), DC_HASDEFID);
  EXPECT_EQ(LOWORD(def), buttonView.id());

  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  SendMessageA(buttonView.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  button.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(buttonView.hwnd()));

  EXPECT_EQ(textOf(boxView.hwnd()), "C:");
  SetWindowTextA(boxView.hwnd(), "D:\\typed");  // EN_CHANGE, as after typing
  EXPECT_EQ(box.text(), "D:\\typed");

  list.addItem("first");
  list.addItem("second");
  EXPECT_EQ(SendMessageA(listView.hwnd(), LB_GETCOUNT, 0, 0), 2);
  list.clear();
  EXPECT_EQ(SendMessageA(listView.hwnd(), LB_GETCOUNT, 0, 0), 0);

  bar.setValue(7);
  EXPECT_EQ(SendMessageA(barView.hwnd(), PBM_GETPOS, 0, 0), 7);
}

TEST(Win32Bindings, CloseRequestCanKeepTheWindowOpen) {
  Form form;
  ASSERT_TRUE(form.create("Close test", 100, 100));
  form.quitOnDestroy = false;
  bool allow = false;
  form.onCloseRequest = [&] { return allow; };
  SendMessageA(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_NE(form.hwnd(), nullptr);
  allow = true;
  SendMessageA(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.hwnd(), nullptr);
}
