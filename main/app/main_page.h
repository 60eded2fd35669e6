#pragma once
// What every page of the main window has: its button on the navigation bar, what it is
// built from, the commands behind its buttons, and a view built on a panel of the window.
// The pages themselves are listed once, in main_pages.h.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "main/app/app_services.h"
#include "main/clean/option_table.h"

namespace vorn {

// A command behind a button. An empty one does nothing, so a page works before the
// subsystem that fills it is wired in.
using Command = std::function<void()>;

inline void runCommand(const Command& command) {
  if (command) command();
}

// A page's button on the navigation bar: its key, its caption and the caption of the
// page's tab.
struct PageNavigation {
  const char* key;
  const char* button;
  const char* tab;
};

// What a page is built from: the services, the main window's handle value (owner of what
// the shell opens; 0 until the window exists) and the Clean page's options.
struct PageContext {
  AppServices& services;
  const std::uintptr_t& owner;
  const OptionTable& options;
};

// Where a page's view builds its controls; defined by the main window's view.
struct PageViewSite;

// The pages of a window, each built from the same context, in the order of the list.
template <class... Pages>
class PageSet {
 public:
  static constexpr std::size_t kCount = sizeof...(Pages);

  explicit PageSet(const PageContext& context) : pages_(contextFor<Pages>(context)...) {}
  PageSet(const PageSet&) = delete;

  template <class Page>
  Page& get() {
    return std::get<Page>(pages_);
  }
  // The position of a page in the list, which is also its tab's index.
  template <class Page>
  static constexpr int indexOf() {
    int index = 0, found = -1;
    ((std::is_same_v<Page, Pages> ? found = index : 0, ++index), ...);
    return found;
  }
  // Calls `f(page, index)` for each page in the list's order.
  template <class F>
  void forEach(F&& f) {
    forEachIn(f, std::index_sequence_for<Pages...>{});
  }
  // Calls `f(page)` for the page at `index` only.
  template <class F>
  void at(int index, F&& f) {
    forEach([&](auto& page, int i) {
      if (i == index) f(page);
    });
  }
  static constexpr PageNavigation navigation(int index) {
    constexpr PageNavigation all[] = {Pages::kNavigation...};
    return all[index];
  }

 private:
  // Each page is built in place from the same context (pages cannot be copied).
  template <class Page>
  static const PageContext& contextFor(const PageContext& context) {
    return context;
  }
  template <class F, std::size_t... I>
  void forEachIn(F& f, std::index_sequence<I...>) {
    (f(std::get<I>(pages_), static_cast<int>(I)), ...);
  }

  std::tuple<Pages...> pages_;
};

}  // namespace vorn
