#pragma once
// The caption of the cleaning engines' own message boxes: the application's title.
namespace vorn {
inline constexpr const char* kApplicationTitle = "Tervane";
}  // namespace vorn
