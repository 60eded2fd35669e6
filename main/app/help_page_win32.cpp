#include "main/app/page_view_win32.h"
#include "ui/win32/button_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/panel.h"
#include "ui/win32/picture_box_binding.h"

namespace vorn {

using namespace ui::win32;

void buildPageView(PageViewSite& site, HelpPage& m) {
  PageControls& c = site.controls;
  HWND page = site.panel;
  c.add<ButtonBinding>(page, m.helpFileButton, {8, 12, 120, 28});
  c.add<ButtonBinding>(page, m.faqButton, {8, 48, 120, 28});
  c.add<ButtonBinding>(page, m.pluginHelpButton, {8, 84, 120, 28});
  createFrame(page, "Info", {140, 4, 472, 392});
  c.add<LabelBinding>(page, m.infoLabel, {156, 28, 440, 18});
  c.add<ButtonBinding>(page, m.getItButton, {156, 52, 90, 26});
  c.add<PictureBoxBinding>(page, m.infoPicture, {185, 96, 381, 163});
}

}  // namespace vorn
