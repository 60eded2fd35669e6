#include "main/clean/option_table.h"

#include "common/run_error.h"

namespace vorn {

const OptionTable& OptionTable::standard() {
  using namespace area;
  static const OptionTable table({
      {"ieCache", kIE, "Internet E&xplorer Cache (Using Control Panel)", "Value1"},
      {"ieHistory", kIE, "Internet Explorer Hi&story (Using Control Panel)", "Value2"},
      {"ieCookies", kIE, "Internet Explorer Coo&kies", "Value3"},
      {"ieAddressBar", kIE, "Internet Explorer Add&ress Bar", "Value4"},
      {"ieLockedFiles", kIE, "&Locked Files (will be cleaned the next time you restart windows)",
       "Value5"},
      {"netscapeCache", kNetscape, "Net&scape Cache", "Value6"},
      {"netscapeHistory", kNetscape, "Netscape H&istory", "Value7"},
      {"netscapeCookies", kNetscape, "Netscape Coo&kies", "Value8"},
      {"netscapeAddressBar", kNetscape, "Netscape Add&ress Bar", "Value9"},
      {"operaCache", kOpera, "Ope&ra Cache", "Value10"},
      {"operaHistory", kOpera, "Opera Hi&story", "Value11"},
      {"operaCookies", kOpera, "Opera Coo&kies", "Value12"},
      {"operaAddressBar", kOpera, "Opera A&ddress Bar", "Value13"},
      {"docHistory", kWindows, "Windows D&oc History", "Value14"},
      {"downloadedProgramFiles", kWindows, "Down&loaded Program Files Directory", "Value15",
       "downloadedProgramFilesFolder"},
      {"windowsTemp", kWindows, "Windows Temporary &Files Directory", "Value16",
       "windowsTempFolder"},
      {"recycleBin", kWindows, "R&ecycle Bin", "Value17"},
      {"scandiskFiles", kWindows, "*.ch&k, Scandisc Files", "Value18", "", 1},
      {"runHistory", kWindows, "Windows R&un History", "Value19", "", 1},
      {"searchHistory", kWindows, "Windows Search H&istory", "Value20", "", 1},
      {"additionalGarbage", kWindows, "Additional &Garbage", "Value21", "", 1},
      {"userDefined1", kUserDefined, "", "Value22"},
      {"userDefined2", kUserDefined, "", "Value23"},
      {"userDefined3", kUserDefined, "", "Value24"},
      {"userDefined4", kUserDefined, "", "Value25"},
  });
  return table;
}

int OptionTable::count(int areaCode) const {
  int n = 0;
  for (const OptionRow& r : rows_)
    if (r.area == areaCode) ++n;
  return n;
}

const OptionRow* OptionTable::find(int areaCode, int index) const {
  if (index < 0) return nullptr;
  for (const OptionRow& r : rows_)
    if (r.area == areaCode && index-- == 0) return &r;
  return nullptr;
}

OptionTable::Place OptionTable::place(std::string_view id) const {
  for (int k = 0; k < size(); ++k)
    if (id == rows_[static_cast<std::size_t>(k)].id) return {row(k).area, indexInArea(k)};
  common::raise(common::errnum::kSubscript);
}

int OptionTable::indexInArea(int position) const {
  const int code = row(position).area;
  int index = 0;
  for (int k = 0; k < position; ++k)
    if (row(k).area == code) ++index;
  return index;
}

}  // namespace vorn
