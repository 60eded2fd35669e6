#include "main/app/page_view_win32.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/link_binding.h"
#include "ui/win32/panel.h"

namespace vorn {

using namespace ui::win32;

void buildPageView(PageViewSite& site, AboutPage& m) {
  PageControls& c = site.controls;
  HWND page = site.panel;
  createFrame(page, "About", {110, 30, 400, 240});
  HWND title = createCaption(page, "Tervane", {130, 58, 360, 34});
  SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(c.titleFont), FALSE);
  c.add<LabelBinding>(page, m.versionLabel, {130, 100, 360, 18});
  c.add<LabelBinding>(page, m.creditsLabel, {130, 124, 360, 32});
  createCaption(page, "Home page:", {130, 170, 80, 16});
  c.markLink(c.add<LinkBinding>(page, m.homePageLink, {214, 170, 276, 16}).hwnd());
  createCaption(page, "E-mail:", {130, 194, 80, 16});
  c.add<LabelBinding>(page, m.mailLabel, {214, 194, 276, 16});
}

}  // namespace vorn
