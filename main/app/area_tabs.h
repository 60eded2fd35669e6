#pragma once
// What the Clean and Path pages share: their strips of area tabs, in one order, and
// control arrays.
#include <deque>

namespace vorn {

// A control array: elements keep their places, indexed from 0.
template <class T>
using ControlArray = std::deque<T>;

// The area tabs of the Clean and Path pages.
enum AreaTab { kIE = 0, kNetscape, kOpera, kWindows, kUserDef, kPlugins };

inline constexpr const char* kAreaTabCaptions[] = {"Internet Explorer", "Netscape", "Opera",
                                                   "Windows",           "User.def", "Plugins"};

}  // namespace vorn
