// Every deletion goes through the removal service: a call to Files' deleting members
// anywhere else in the product would bypass its link checks and its refusal rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Where the members may be called: the service itself, the interface, the
// implementations and the recording and fault-injecting wrappers that forward them.
bool mayCall(const std::string& relative) {
  return relative == "platform/tree_removal.cpp" || relative == "platform/files.h" ||
         relative == "platform/change_recorder.cpp" || relative.rfind("platform/win32/", 0) == 0 ||
         relative.rfind("platform/fake/", 0) == 0;
}

// The lines of `text` that call a deleting member of Files (comments ignored).
std::vector<int> deletingCalls(const std::string& text) {
  static const std::regex call(
      R"((\.|->)\s*(deleteFile|removeDirectory|overwriteInPlace|removeLink|setFileLength)\s*\()");
  std::vector<int> lines;
  std::istringstream in(text);
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    const std::size_t comment = line.find("//");
    if (std::regex_search(line.substr(0, comment), call)) lines.push_back(n);
  }
  return lines;
}

TEST(RemovalPath, TheScanFindsCallsThroughObjectsAndPointers) {
  EXPECT_EQ(deletingCalls("files.deleteFile(p);\nx->removeDirectory (q);\n"),
            (std::vector<int>{1, 2}));
  EXPECT_EQ(deletingCalls("f_.overwriteInPlace(a, b);"), std::vector<int>{1});
  EXPECT_TRUE(deletingCalls("// files.deleteFile(p)\nremoval.removeFile(p);").empty());
}

TEST(RemovalPath, NoProductCodeDeletesAroundTheService) {
  const fs::path root = TERVANE_SOURCE_DIR;
  std::vector<std::string> offenders;
  int scanned = 0;
  for (const char* folder : {"platform", "common", "main", "scoutry", "vesper", "ui"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
      const std::string relative = entry.path().lexically_relative(root).generic_string();
      if (mayCall(relative)) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream text;
      text << in.rdbuf();
      ++scanned;
      for (int line : deletingCalls(text.str()))
        offenders.push_back(relative + ":" + std::to_string(line));
    }
  }
  EXPECT_GT(scanned, 100);
  EXPECT_TRUE(offenders.empty()) << ::testing::PrintToString(offenders);
}

}  // namespace
