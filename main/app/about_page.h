#pragma once
// The About page of the main window: version, credits, the home page and the e-mail
// address.
#include <cstdint>

#include "main/app/app_services.h"
#include "ui/button.h"
#include "ui/label.h"

namespace vorn {

class AboutPage {
 public:
  // `owner` is the main window's handle value, owner of what the shell opens.
  AboutPage(AppServices& services, const std::uintptr_t& owner);
  AboutPage(const AboutPage&) = delete;

  ui::Button homePageLink{"homePageLink"};  // a caption that takes clicks
  ui::Label mailLabel{"mailLabel"};
  ui::Label versionLabel{"versionLabel", "Version 6.6"};
  ui::Label creditsLabel{"creditsLabel", "Tervane privacy cleaner. Written by the Tervane team."};
};

}  // namespace vorn
