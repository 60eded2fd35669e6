// The tray on the real shell under Wine: the record the shell is given, the window
// procedure that stands in front of the window's own one, and its way back.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#include "ui/win32/tray_win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/win32/form.h"

using namespace ui;
using namespace ui::win32;

namespace {

// A form that counts the icon messages its own procedure receives.
class CountingForm : public Form {
 public:
  int iconMessages = 0;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == Win32Tray::kCallbackMessage) ++iconMessages;
    return Form::handleMessage(message, wParam, lParam);
  }
};

class TrayWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    form.quitOnDestroy = false;
    ASSERT_TRUE(form.create("Tray test", 200, 100));
    tray.onMouse = [this](TrayMouse event) { seen.push_back(event); };
  }
  LRESULT iconMessage(UINT id, UINT mouse) {
    return SendMessageA(form.hwnd(), Win32Tray::kCallbackMessage, id, mouse);
  }
  UINT iconId() const {
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr)));
  }
  CountingForm form;
  Win32Tray tray{[this] { return form.hwnd(); }};
  std::vector<TrayMouse> seen;
};

}  // namespace

TEST_F(TrayWin32Test, TheRecordIsTheFirstAnsiLayoutWithTheIconTipAndMessage) {
  tray.addIcon("Tervane");
  const NOTIFYICONDATAA& r = tray.record();
  // 88 bytes in the 32-bit build; pointers widen it in the 64-bit one.
  EXPECT_EQ(r.cbSize, sizeof(void*) == 4 ? 88u : 104u);
  EXPECT_LT(r.cbSize, sizeof(NOTIFYICONDATAA));
  EXPECT_EQ(r.hWnd, form.hwnd());
  EXPECT_EQ(r.uID, iconId());
  EXPECT_EQ(r.uFlags, 7u);
  EXPECT_EQ(r.uCallbackMessage, 1039u);
  EXPECT_NE(r.hIcon, nullptr);
  EXPECT_STREQ(r.szTip, "Tervane");
  // A shell with a taskbar takes the icon; then it can be changed, and after removal not.
  if (FindWindowA("Shell_TrayWnd", nullptr)) {
    EXPECT_TRUE(tray.iconAdded());
    NOTIFYICONDATAA probe = r;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &probe));
    tray.removeIcon();
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe));
  }
  tray.removeIcon();
  EXPECT_FALSE(tray.iconAdded());
}

TEST_F(TrayWin32Test, HookedWindowHandsIconEventsOnAndEveryMessageToItsOwnProcedure) {
  const LONG_PTR own = GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC);
  tray.hookWindow();
  tray.addIcon("Tervane");
  if (!tray.iconAdded()) GTEST_SKIP() << "this desktop has no notification area";
  EXPECT_NE(GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC), own);

  iconMessage(iconId(), WM_RBUTTONDOWN);
  iconMessage(iconId(), WM_MOUSEMOVE);
  iconMessage(iconId() + 1, WM_LBUTTONDBLCLK);  // another icon's
  iconMessage(iconId(), WM_LBUTTONDBLCLK);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], TrayMouse::RightButtonDown);
  EXPECT_EQ(seen[1], TrayMouse::LeftDoubleClick);
  EXPECT_EQ(form.iconMessages, 4) << "handled or not, the window's own procedure sees it";

  tray.unhookWindow();
  EXPECT_EQ(GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC), own);
  iconMessage(iconId(), WM_LBUTTONDBLCLK);
  EXPECT_EQ(seen.size(), 2u);
  EXPECT_EQ(form.iconMessages, 5);
}

TEST_F(TrayWin32Test, AHandlerThatPutsTheOwnProcedureBackStillPassesTheMessageOn) {
  const LONG_PTR own = GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC);
  tray.onMouse = [this](TrayMouse event) {
    seen.push_back(event);
    tray.unhookWindow();
    tray.removeIcon();
    tray.animate(TrayFlight::FromTray);
    tray.showWindow(true);
  };
  tray.hookWindow();
  tray.addIcon("Tervane");
  if (!tray.iconAdded()) GTEST_SKIP() << "this desktop has no notification area";
  tray.animate(TrayFlight::ToTray);
  tray.showWindow(false);
  EXPECT_FALSE(IsWindowVisible(form.hwnd()));
  iconMessage(iconId(), WM_LBUTTONDBLCLK);
  EXPECT_EQ(seen.size(), 1u);
  EXPECT_EQ(form.iconMessages, 1);
  EXPECT_EQ(GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC), own);
  EXPECT_TRUE(IsWindowVisible(form.hwnd()));
  EXPECT_FALSE(tray.iconAdded());
}

TEST_F(TrayWin32Test, AWindowDestroyedInTheTrayTakesItsIconAndHookWithIt) {
  tray.hookWindow();
  tray.addIcon("Tervane");
  NOTIFYICONDATAA probe = tray.record();
  const bool added = tray.iconAdded();
  DestroyWindow(form.hwnd());
  EXPECT_FALSE(tray.hooked());
  EXPECT_FALSE(tray.iconAdded());
  if (added) {
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe));
  }
}
