#include "main/plugins/plugin_info_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/panel.h"

namespace vorn {

using namespace ui::win32;

PluginInfoDialogView::PluginInfoDialogView(PluginInfoDialog& m) {
  if (!create(PluginInfoDialog::kCaption, 420, 262, WS_POPUP | WS_CAPTION | WS_SYSMENU)) return;
  createFrame(hwnd(), "Plugin", {10, 6, 400, 108});
  const int labelX = 22, valueX = 112, valueWidth = 286;
  createCaption(hwnd(), "Plugin Name:", {labelX, 28, 86, 16});
  add<LabelBinding>(m.nameLabel, {valueX, 28, valueWidth, 16});
  createCaption(hwnd(), "Version:", {labelX, 48, 86, 16});
  add<LabelBinding>(m.versionLabel, {valueX, 48, valueWidth, 16});
  createCaption(hwnd(), "Created:", {labelX, 68, 86, 16});
  add<LabelBinding>(m.createdLabel, {valueX, 68, valueWidth, 16});
  createCaption(hwnd(), "Author:", {labelX, 88, 86, 16});
  add<LabelBinding>(m.authorLabel, {valueX, 88, valueWidth, 16});
  createFrame(hwnd(), "Description", {10, 120, 400, 92});
  add<LabelBinding>(m.descriptionLabel, {22, 140, 376, 66});
  add<ButtonBinding>(m.deleteButton, {10, 224, 130, 26});
  setInitialFocus(add<ButtonBinding>(m.okButton, {324, 224, 86, 26}, true).hwnd());
}

}  // namespace vorn
