#pragma once
// The main window "Tervane 6.6" as a model: every page's controls, the load and unload
// handlers, the navigation toolbar, the tab activation, the option boxes and the area
// switches. The Win32 view in child8_win32.cpp only shows it.
#include <deque>
#include <memory>
#include <string>

#include "common/error_trap.h"
#include "main/app/app_services.h"
#include "main/app/child8_operations.h"
#include "main/app/frm_tip1.h"
#include "ui/button.h"
#include "ui/chart.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/file_list.h"
#include "ui/label.h"
#include "ui/picture_box.h"
#include "ui/progress_bar.h"
#include "ui/slider.h"
#include "ui/status_bar.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"
#include "ui/timer.h"
#include "ui/toolbar.h"

namespace vorn {

// A control array: elements keep their places, indexed from 0.
template <class T>
using ControlArray = std::deque<T>;

class Child8 : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Tervane 6.6";
  static constexpr const char* kLastCleanedPrefix = "This computer was last cleaned at: ";

  // Pages of SSTab1, chosen only through Toolbar1.
  enum Page { kClean = 0, kPath, kMaintenance, kStatistics, kHelp, kAbout };
  // Tabs of SSTab2 and SSTab3.
  enum Area { kIE = 0, kNetscape, kOpera, kWindows, kUserDef, kPlugins };

  Child8(AppServices services, Child8Operations operations = {});
  Child8(const Child8&) = delete;

  // --- handlers and operations ---
  void Form_Load();
  void Form_Unload();
  void loadSettings();
  void fixCleanInfo();
  void fixMainten();
  void checkActiveTabs();
  void checkUserdef();
  void saveToIni();
  void startPathSearch();
  void Toolbar1ButtonClick(int index);

  void disableIE();
  void enableIE();
  void disableNetscape();
  void enableNetscape();
  void disableOpera();
  void enableOpera();
  void disableWinTemp();
  void enableWinTemp();
  void disableWinDownloaded();
  void enableWinDownloaded();

  // The 25 option boxes in [Rensa] order: Value1 is box 0.
  ui::CheckBox& optionBox(int index);
  static constexpr int kOptionBoxes = 25;

  std::string freeSpaceKB(const std::string& drive);

  // --- window state ---
  bool showNotice = false;
  bool runPathSearch = false;
  // Kilobytes of "C:\". 64 bits: Wine's C: is the host's disk, often past the 2 TB that a
  // 32-bit count of kilobytes holds.
  std::int64_t freeSpaceBefore = 0;
  std::int64_t freeSpaceAfter = 0;

  // --- controls ---
  ui::Toolbar Toolbar1{"Toolbar1"};
  ui::TabStrip SSTab1{"SSTab1"};
  ui::StatusBar StatusBar1{"StatusBar1", std::string(kLastCleanedPrefix) + "Never"};
  ui::Timer Timer2{"Timer2"};
  ui::Timer Timer3{"Timer3"};

  // Clean page.
  ui::TabStrip SSTab2{"SSTab2"};
  ControlArray<ui::CheckBox> chkIE, chkNetscape, chkOpera, chkWindows, chkEgendef;
  ui::Toolbar Toolbar14{"Toolbar14"}, Toolbar15{"Toolbar15"}, Toolbar16{"Toolbar16"},
      Toolbar17{"Toolbar17"}, Toolbar18{"Toolbar18"}, Toolbar22{"Toolbar22"};
  ControlArray<ui::Toolbar> Toolbar19;  // "Clean All", one per Clean tab
  ui::Label Label62{"Label62",
                    "You don't have Internet Explorer installed or have specified incorrect paths"};
  ui::Label Label60{"Label60",
                    "You don't have Netscape installed or have specified incorrect paths"};
  ui::Label Label61{"Label61", "You don't have Opera installed or have specified incorrect paths"};
  ui::Label Label63{"Label63", "Some Windows path could not be found"};
  ui::Button Command1{"Command1", "Cache"}, cmdIECookies{"cmdIECookies", "Cookies"},
      Command4{"Command4", "URLs"};
  ui::Button Command2{"Command2", "Cache"}, cmdNetCookies{"cmdNetCookies", "Cookies"},
      Command5{"Command5", "URLs"};
  ui::Button Command3{"Command3", "Cache"};
  ui::Button Command23{"Command23", "Defined Files"};
  ui::ProgressBar ProgressBar1{"ProgressBar1"};
  ui::Button Command25{"Command25", "Clean All"};
  ui::FileList File4;

  // Path page.
  ui::TabStrip SSTab3{"SSTab3"};
  ui::TextBox txtIETidigare{"txtIETidigare"}, txtIETemporary{"txtIETemporary"},
      txtIECookies{"txtIECookies"};
  ui::Button cmdIETidigare{"cmdIETidigare", "..."}, cmdIETemporary{"cmdIETemporary", "..."},
      Command9{"Command9", "..."};
  ui::Button cmdIEHitta{"cmdIEHitta", "Auto-Detect"}, cmdIESpara{"cmdIESpara", "Save"};
  ui::TextBox txtNetAnvandare{"txtNetAnvandare"}, txtNetTemporary{"txtNetTemporary"};
  ui::ComboBox cboNetAnvandare{"cboNetAnvandare"};
  ui::Button cmdNetAnvandare{"cmdNetAnvandare", "..."}, cmdNetTemporary{"cmdNetTemporary", "..."};
  ui::Button Command10{"Command10", "Auto-Detect"}, Command11{"Command11", "Save"};
  ui::TextBox txtOperaAnvandare{"txtOperaAnvandare"}, txtOperaTemporary{"txtOperaTemporary"};
  ui::Button cmdOperaAnvandare{"cmdOperaAnvandare", "..."},
      cmdOperaTemporary{"cmdOperaTemporary", "..."};
  ui::Button Command12{"Command12", "Auto-Detect"}, Command13{"Command13", "Save"};
  ui::TextBox txtWinDokument{"txtWinDokument"}, txtWinTemp{"txtWinTemp"},
      txtWinDownloaded{"txtWinDownloaded"};
  ui::Button cmdWinDokument{"cmdWinDokument", "..."}, cmdWinTemp{"cmdWinTemp", "..."},
      cmdWinDownloaded{"cmdWinDownloaded", "..."};
  ui::Button Command14{"Command14", "Auto-Detect"}, Command15{"Command15", "Save"};
  ui::Toolbar Toolbar7{"Toolbar7"}, Toolbar5{"Toolbar5"}, Toolbar8{"Toolbar8"},
      Toolbar10{"Toolbar10"};
  ControlArray<ui::Toolbar> Toolbar2;  // "Auto-detect All", one per area tab
  ui::Toolbar Toolbar12{"Toolbar12"}, Toolbar13{"Toolbar13"};

  // Maintenance page.
  ui::ComboBox cboClean{"cboClean"}, cboDay{"cboDay"}, cboHour{"cboHour"}, cboMinute{"cboMinute"};
  ui::CheckBox Check7{"Check7", "Auto-Start on Windows Startup"};
  ui::CheckBox chkAvsluta{"chkAvsluta", "Close application after cleaning"};
  ui::Button Command18{"Command18", "Start Automatic Cleaning"};
  ui::Slider Slider1{"Slider1"};
  ui::Label Label14{"Label14"};
  ui::CheckBox Check2{"Check2", "Internet Explorer"}, Check3{"Check3", "Netscape"},
      Check4{"Check4", "Opera"}, Check5{"Check5", "Windows"};
  ControlArray<ui::CheckBox> Check1;  // positions 1..4 are used: see checkUserdef
  ControlArray<ui::TextBox> Text1;
  ui::Button Command29{"Command29", "Hidden + Locked"};

  // Statistics page.
  ui::Chart MSChart1{"MSChart1", "Recovered Hard-Drive Space (Kb)", 4};

  // Help page.
  ui::Button Command22{"Command22", "Help File"}, Command24{"Command24", "FAQ"},
      Command26{"Command26", "Plugin Help"};
  ui::Label lblInfo{"Label55", "You have to be connected to the Internet."};
  ui::Button Command27{"Command27", "Get it!"};
  ui::PictureBox WebBrowser1{"WebBrowser1"};

  // About page.
  ui::Button Label42{"Label42"};  // the home page link: a caption that takes clicks
  ui::Label Label40{"Label40"};
  ui::Label lblVersion{"Label41", "Version 6.6"};
  ui::Label lblCredits{"Label43", "Tervane privacy cleaner. Written by the Tervane team."};

  FrmTip1 frmTip1;

  // The main window's handle value, owner of the windows the shell opens; set by the view.
  std::uintptr_t ownerHandle = 0;

  AppServices& services() { return s_; }
  Child8Operations& operations() { return ops_; }

 private:
  void wireHandlers();
  void loadPaths(common::ErrorTrap& trap);
  void openHelp(const std::string& file);
  void setTabState(std::string& state, const ui::CheckBox& box);
  int numberOf(const std::string& text);
  std::string ini(const std::string& section, const std::string& key);
  void showPage(Page page);

  AppServices s_;
  Child8Operations ops_;
};

}  // namespace vorn
