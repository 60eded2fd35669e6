#pragma once
// The pages of the main window, in the order of their buttons on the navigation bar
// ("Quit" comes after them). A page is a model and its view (page_name.h with its
// PageNavigation and buildPageView, page_name.cpp, page_name_win32.cpp) and its line here.
#include "main/app/about_page.h"
#include "main/app/clean_page.h"
#include "main/app/help_page.h"
#include "main/app/main_page.h"
#include "main/app/maintenance_page.h"
#include "main/app/paths_page.h"
#include "main/app/statistics_page.h"

namespace vorn {

using MainWindowPages =
    PageSet<CleanPage, PathsPage, MaintenancePage, StatisticsPage, HelpPage, AboutPage>;

}  // namespace vorn
