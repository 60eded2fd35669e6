#include "main/app/about_page.h"

namespace vorn {

AboutPage::AboutPage(const PageContext& context) {
  // Through the shell, so the link opens on every system; failures are ignored.
  homePageLink.onClick = [&services = context.services, &owner = context.owner] {
    if (!services.session.urlHome.empty())
      services.system.processes.shellExecute(owner, "open", services.session.urlHome, "", "",
                                             platform::show::kNormal);
  };
}

}  // namespace vorn
