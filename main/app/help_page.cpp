#include "main/app/help_page.h"

namespace vorn {

HelpPage::HelpPage(const PageContext& context) : s_(context.services), owner_(context.owner) {
  infoPicture.setCaption("Tervane");
  helpFileButton.onClick = [this] { openHelp("vorn.htm"); };
  faqButton.onClick = [this] { openHelp("faq.htm"); };
  pluginHelpButton.onClick = [this] { openHelp("plugin.htm"); };
  // The address opens in the user's browser: the page shows a picture, no browser.
  getItButton.onClick = [this] {
    if (!s_.session.urlInfo.empty())
      s_.system.processes.shellExecute(owner_, "open", s_.session.urlInfo, "", "",
                                       platform::show::kNormal);
  };
}

void HelpPage::openHelp(const std::string& file) {
  // A help page that cannot be opened is not reported.
  s_.system.processes.shellExecute(owner_, "Open", s_.session.programFolder + "\\" + file, "",
                                   s_.session.programFolder, platform::show::kNormal);
}

}  // namespace vorn
