#include <gtest/gtest.h>

#include "settings/message_table.h"

namespace tolvane::settings {
namespace {

TEST(MessageTable, EveryKeyHasBothLanguages) {
  const char* keys[] = {"ResBlockCount", "ResWords", "ResSaveDoc", "InstallWordError", "Res001",
                        "Res002",        "Res003",   "Res004",     "Res005",           "Res006",
                        "Res007",        "Res008",   "Res009",     "Res010",           "Res011"};
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(MessageText(key, Language::German).empty());
    EXPECT_FALSE(MessageText(key, Language::English).empty());
    EXPECT_NE(MessageText(key, Language::German), MessageText(key, Language::English));
  }
}

TEST(MessageTable, LookupIgnoresCaseAndUnknownKeysGiveNothing) {
  EXPECT_EQ(MessageText("ressavedoc", Language::German),
            "Das Dokument wurde verändert. Änderungen speichern?");
  EXPECT_EQ(MessageText("RES006", Language::German), " Dokumentenname: ");
  EXPECT_EQ(MessageText("Res010", Language::English), "Duplicate entries filtered: ");
  EXPECT_EQ(MessageText("Res012", Language::German), "");
  EXPECT_EQ(MessageText("", Language::English), "");
}

}  // namespace
}  // namespace tolvane::settings
