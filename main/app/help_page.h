#pragma once
// The Help page of the main window: the help files and where to get more.
#include <cstdint>
#include <string>

#include "main/app/main_page.h"
#include "ui/button.h"
#include "ui/label.h"
#include "ui/picture_box.h"

namespace vorn {

class HelpPage {
 public:
  static constexpr PageNavigation kNavigation{"6a", "&Help", "Help"};

  explicit HelpPage(const PageContext& context);
  HelpPage(const HelpPage&) = delete;

  ui::Button helpFileButton{"helpFileButton", "Help &File"}, faqButton{"faqButton", "F&AQ"},
      pluginHelpButton{"pluginHelpButton", "Plu&gin Help"};
  ui::Label infoLabel{"infoLabel", "You have to be connected to the Internet."};
  ui::Button getItButton{"getItButton", "Get &it!"};
  ui::PictureBox infoPicture{"infoPicture"};

 private:
  void openHelp(const std::string& file);

  AppServices& s_;
  const std::uintptr_t& owner_;
};

void buildPageView(PageViewSite& site, HelpPage& page);

}  // namespace vorn
