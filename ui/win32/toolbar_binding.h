#pragma once
// A toolbar as the common-controls toolbar over a picture list; the model's picture
// numbers (1-based) index that list. The parent forwards the toolbar's WM_COMMAND
// (command id = button position + 1) to command().
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "ui/toolbar.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ToolbarBinding : public ControlBinding {
 public:
  // `textBeside`: captions right of the pictures (one-button action bars); otherwise
  // below them (the navigation bar).
  ToolbarBinding(Toolbar& model, HWND parent, int id, Rect place, HIMAGELIST pictures,
                 bool textBeside = true);
  void command(int code) override;
  void buttonCommand(int commandId);

 protected:
  void update(Change what) override;

 private:
  void addButtons();
  void syncButtons();
  Toolbar& bar_;
  int shown_ = 0;
};

// The program's toolbar pictures, drawn once: 16 pictures of `size` pixels. Pictures
// 1 to 7 are the navigation buttons, 9 to 15 the same highlighted; the action bars use
// 1 (clean), 2 (clean all), 3 (detect), 4 (add) and 5 (remove) of the action list.
HIMAGELIST navigationPictures();
HIMAGELIST actionPictures();

}  // namespace ui::win32
