#include "common/index_folders.h"

#include <gtest/gtest.h>

using namespace common;

TEST(IndexFolderKinds, ComparesTheEndOfThePathIgnoringCase) {
  EXPECT_EQ(indexFolderKinds("C:\\WINDOWS\\Temporary Internet Files\\Content.IE5\\"), 1);
  EXPECT_EQ(indexFolderKinds("C:\\WINDOWS\\History\\HISTORY.IE5\\"), 1);
  EXPECT_EQ(indexFolderKinds("C:\\WINDOWS\\Cookies\\"), 1);
  EXPECT_EQ(indexFolderKinds("C:\\WINDOWS\\Application Data\\Microsoft\\Internet "
                             "Explorer\\UserData\\"),
            1);
  EXPECT_EQ(indexFolderKinds("C:\\x\\Content.IE5\\ABCD1234\\"), 0);  // a cache sub-folder
  EXPECT_EQ(indexFolderKinds("C:\\x\\Content.IE5"), 0);              // no backslash
  EXPECT_EQ(indexFolderKinds("C:\\x\\mycookies\\"), 1);              // only the end counts
  EXPECT_EQ(indexFolderKinds("C:\\x\\userdata\\"), 0);
  EXPECT_EQ(indexFolderKinds("cookies\\"), 1);
  EXPECT_EQ(indexFolderKinds("ookies\\"), 0);
}

TEST(IsIndexFileEntry, AcceptsOnlyIndexFilesInTheFourKinds) {
  EXPECT_TRUE(isIndexFileEntry("C:\\WINDOWS\\Cookies\\index.dat"));
  EXPECT_TRUE(isIndexFileEntry("C:\\W\\Temporary Internet Files\\Content.IE5\\INDEX.DAT"));
  EXPECT_FALSE(isIndexFileEntry("C:\\WINDOWS\\Cookies\\user@site.txt"));
  EXPECT_FALSE(isIndexFileEntry("C:\\WINDOWS\\system32\\index.dat"));
  EXPECT_FALSE(isIndexFileEntry("C:\\WINDOWS\\Cookies\\*.dat"));
  EXPECT_FALSE(isIndexFileEntry("C:\\WINDOWS\\Cookies\\"));
  EXPECT_FALSE(isIndexFileEntry("index.dat"));
  EXPECT_FALSE(isIndexFileEntry(""));
}
