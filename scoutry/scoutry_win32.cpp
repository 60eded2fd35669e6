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
  model.loadWindow();

  constexpr int kWidth = 480, kMargin = 12, kInner = kWidth - 2 * kMargin;
  constexpr int kHeight = 356;
  ui::win32::Form form;
  if (!form.create(scoutry::SearchWindow::kCaption, kWidth, kHeight)) return 1;
  form.setScreen(&screen);
  form.add<ui::win32::LabelBinding>(model.introLabel, Rect{kMargin, 12, kInner, 28});
  form.add<ui::win32::LabelBinding>(model.onceLabel, Rect{kMargin, 46, kInner, 14});
  form.add<ui::win32::LabelBinding>(model.durationLabel, Rect{kMargin, 66, kInner, 14});
  form.add<ui::win32::LabelBinding>(model.browsersLabel, Rect{kMargin, 88, kInner, 56});
  form.add<ui::win32::TextBoxBinding>(model.rootBox, Rect{kMargin, 154, 60, 21});
  form.add<ui::win32::TextBoxBinding>(model.fileNameBox, Rect{kMargin + 68, 154, 140, 21});
  form.add<ui::win32::ProgressBarBinding>(model.progressBar, Rect{kMargin, 184, kInner, 16});
  form.add<ui::win32::ListBoxBinding>(model.foundList, Rect{kMargin, 208, kInner, 102});
  form.add<ui::win32::ButtonBinding>(model.startButton,
                                     Rect{kWidth - kMargin - 75 - 8 - 120, 320, 120, 24}, true);
  form.add<ui::win32::ButtonBinding>(model.cancelButton, Rect{kWidth - kMargin - 75, 320, 75, 24});

  model.onUnload = [&form] { form.close(); };
  form.onCloseRequest = [&model] { return model.queryUnload(); };
  form.show(show);
  return form.runMessageLoop();
}
