#pragma once
// Cookies as a person reads them: the site, the name, the value and the expiry as a local
// date, in place of the raw fields the browsers store.
#include <string>

#include "platform/clock.h"

namespace vorn {

// "Cookie Information" for one Internet Explorer cookie file: each record as Site, Name,
// Value and Expires lines, records apart by a blank line. A file that does not read as
// cookie records is shown as it stands, so nothing in it is hidden.
std::string ieCookieInformation(const std::string& fileText, platform::Clock& clock);

// One record of Netscape's cookies.txt as the cookie lists show it: site, path, name, value
// and expiry, apart by tabs. A record that is not seven fields stays as it stands.
std::string netscapeCookieRow(const std::string& record, platform::Clock& clock);

}  // namespace vorn
