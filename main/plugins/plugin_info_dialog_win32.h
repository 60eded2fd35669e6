#pragma once
// The view of "Plugin Info".
#include "main/plugins/plugin_info_dialog.h"
#include "ui/win32/form.h"

namespace vorn {

class PluginInfoDialogView : public ui::win32::Form {
 public:
  explicit PluginInfoDialogView(PluginInfoDialog& model);
};

}  // namespace vorn
