#include "main/app/about_page.h"

namespace vorn {

AboutPage::AboutPage(AppServices& services, const std::uintptr_t& owner) {
  // Through the shell, so the link opens on every system; failures are ignored.
  homePageLink.onClick = [&services, &owner] {
    if (!services.session.urlHome.empty())
      services.system.processes.shellExecute(owner, "open", services.session.urlHome, "", "",
                                             platform::show::kNormal);
  };
}

}  // namespace vorn
