// The path search tool's window and entry point: lays out the controls of the "Search"
// window, binds them to the model and runs the message loop until the window closes.
#include <windows.h>

#include "platform/win32/win32_system.h"
#include "scoutry/search_window.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/form.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/list_box_binding.h"
#include "ui/win32/progress_bar_binding.h"
#include "ui/win32/prompter_win32.h"
#include "ui/win32/screen_win32.h"
#include "ui/win32/text_box_binding.h"

using ui::win32::Rect;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  platform::win32::Win32System system;
  ui::win32::Win32Prompter prompter;
  ui::win32::Win32Screen screen;
  scoutry::SearchWindow model(system, prompter, screen);
  model.Form_Load();

  constexpr int kWidth = 480, kMargin = 12, kInner = kWidth - 2 * kMargin;
  constexpr int kHeight = 356;
  ui::win32::Form form;
  if (!form.create(scoutry::SearchWindow::kCaption, kWidth, kHeight)) return 1;
  form.setScreen(&screen);
  form.add<ui::win32::LabelBinding>(model.Label1, Rect{kMargin, 12, kInner, 28});
  form.add<ui::win32::LabelBinding>(model.Label2, Rect{kMargin, 46, kInner, 14});
  form.add<ui::win32::LabelBinding>(model.Label3, Rect{kMargin, 66, kInner, 14});
  form.add<ui::win32::LabelBinding>(model.Label4, Rect{kMargin, 88, kInner, 56});
  form.add<ui::win32::TextBoxBinding>(model.Text1, Rect{kMargin, 154, 60, 21});
  form.add<ui::win32::TextBoxBinding>(model.Text2, Rect{kMargin + 68, 154, 140, 21});
  form.add<ui::win32::ProgressBarBinding>(model.ProgressBar1, Rect{kMargin, 184, kInner, 16});
  form.add<ui::win32::ListBoxBinding>(model.List2, Rect{kMargin, 208, kInner, 102});
  form.add<ui::win32::ButtonBinding>(model.Command2,
                                     Rect{kWidth - kMargin - 75 - 8 - 120, 320, 120, 24}, true);
  form.add<ui::win32::ButtonBinding>(model.Command3, Rect{kWidth - kMargin - 75, 320, 75, 24});

  model.onUnload = [&form] { form.close(); };
  form.onCloseRequest = [&model] { return model.queryUnload(); };
  form.show(show);
  return form.runMessageLoop();
}
