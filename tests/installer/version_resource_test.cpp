// The three programs as built: the version information that Explorer, Add/Remove Programs
// and support read, the icon, and the cleaner's common-controls manifest.
// clang-format off
#include <windows.h>
// clang-format on

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_support.h"

namespace {

struct Program {
  const char* unixPath;
  const char* fileName;
  bool hasManifest;
};

std::ostream& operator<<(std::ostream& os, const Program& p) {
  return os << p.fileName;
}

class VersionResource : public ::testing::TestWithParam<Program> {
 protected:
  void SetUp() override {
    path_ = e2e::builtProgram(GetParam().unixPath);
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path_.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path_ << " has no version information";
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(path_.c_str(), 0, size, block_.data()));
  }

  std::string text(const char* name) {
    // The first translation the file lists is the one to read its strings in.
    struct Translation {
      WORD language, codePage;
    }* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block_.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation))
      return "<no translation>";
    char query[96];
    wsprintfA(query, "\\StringFileInfo\\%04x%04x\\%s", translations->language,
              translations->codePage, name);
    char* value = nullptr;
    if (!VerQueryValueA(block_.data(), query, reinterpret_cast<void**>(&value), &length))
      return "<missing>";
    return std::string(value, length > 0 ? length - 1 : 0);
  }

  std::string path_;
  std::vector<char> block_;
};

TEST_P(VersionResource, NamesTheProductAndVersionSixSix) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block_.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(6, 6));
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(6, 6));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  EXPECT_EQ(text("FileVersion"), "6.6");
  EXPECT_EQ(text("ProductVersion"), "6.6");
  EXPECT_EQ(text("ProductName"), "Tervane");
  EXPECT_EQ(text("OriginalFilename"), GetParam().fileName);
  EXPECT_EQ(text("FileDescription").rfind("Tervane ", 0), 0u) << text("FileDescription");
}

TEST_P(VersionResource, CarriesTheIconAndTheCleanerItsManifest) {
  HMODULE module = LoadLibraryExA(path_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr)
      << "no icon group 1";  // RT_GROUP_ICON
  if (GetParam().hasManifest) {
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr)
        << "no common-controls manifest";  // RT_MANIFEST
  }
  FreeLibrary(module);
}

INSTANTIATE_TEST_SUITE_P(Programs, VersionResource,
                         ::testing::Values(Program{TERVANE_VORN66_EXE, "vorn66.exe", true},
                                           Program{TERVANE_SCOUTRY_EXE, "scoutry.exe", false},
                                           Program{TERVANE_VESPER_EXE, "vesper.exe", false}),
                         [](const auto& info) {
                           std::string name = info.param.fileName;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
