// Access keys in captions: which key a caption marks, its text without the mark, and
// the keys that several captions shown together would share.
#include "ui/mnemonic.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Mnemonic, KeyAndTextOfACaption) {
  const struct {
    const char* caption;
    char key;
    const char* text;
  } cases[] = {
      {"Clean &All", 'A', "Clean All"},
      {"&clean", 'C', "clean"},
      {"Hidden + Loc&ked", 'K', "Hidden + Locked"},
      {"Tom && &Jerry", 'J', "Tom & Jerry"},
      {"R&&D", 0, "R&D"},
      {"OK", 0, "OK"},
      {"ends with &", 0, "ends with &"},
      {"", 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ui::mnemonicOf(c.caption), c.key) << c.caption;
    EXPECT_EQ(ui::withoutMnemonic(c.caption), c.text) << c.caption;
  }
}

TEST(Mnemonic, ClashesNameTheKeyAndEveryCaptionThatMarksIt) {
  EXPECT_THAT(ui::mnemonicClashes({"&Add", "Clean &all", "&Done", "OK", "&add again"}),
              ElementsAre("A: &Add, Clean &all, &add again"));
  EXPECT_THAT(ui::mnemonicClashes({"&Add", "&Delete", "R&&D", "Cancel"}), IsEmpty());
}
