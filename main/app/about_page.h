#pragma once
// The About page of the main window: version, credits, the home page and the e-mail
// address.
#include <cstdint>

#include "main/app/main_page.h"
#include "ui/button.h"
#include "ui/label.h"

namespace vorn {

class AboutPage {
 public:
  static constexpr PageNavigation kNavigation{"7a", "A&bout...", "About"};

  explicit AboutPage(const PageContext& context);
  AboutPage(const AboutPage&) = delete;

  ui::Button homePageLink{"homePageLink"};  // a caption that takes clicks
  ui::Label mailLabel{"mailLabel"};
  ui::Label versionLabel{"versionLabel", "Version 6.6"};
  ui::Label creditsLabel{"creditsLabel", "Tervane privacy cleaner. Written by the Tervane team."};
};

void buildPageView(PageViewSite& site, AboutPage& page);

}  // namespace vorn
