#include "params/tcPresetFileTexts.h"

#include <gtest/gtest.h>

#include <string>

TEST(tcPresetFileTexts, MapVersionTexts) {
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(0).c_str(), "Legacy Preset");
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(1).c_str(), "GUI Lite mapver=1");
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(4095).c_str(), "GUI Lite mapver=4095");
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(4096).c_str(), "Unknown flag type");
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(0xFFFD).c_str(), "Unknown flag type");
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(0xFFFE).c_str(), "GUI Pro Tweeked");
  EXPECT_STREQ(tcPresetFileTexts::map_version_text(0xFFFF).c_str(), "Factory Preset");
}

TEST(tcPresetFileTexts, NameRuleVerdicts) {
  const char* invalid =
      "There are invalid characters in the name\nValid characters: A-Z a-z space "
      "~!@#$%^&()_-+={}[];,";
  struct Case {
    std::string name;
    bool good;
    const char* verdict;
  };
  const Case cases[] = {
      {"Rock 2", true, "Okay"},
      {std::string(40, 'x'), true, "Okay"},
      {"~!@#$%^&()_-+={}[];,", true, "Okay"},
      {"", false, "Invalid length"},
      {std::string(41, 'x'), false, "Invalid length"},
      {" Rock", false, "Can not start or end with a space"},
      {"Rock ", false, "Can not start or end with a space"},
      {"Rock:Pop", false, invalid},
      {"Rock/Pop", false, invalid},
      {"Caf\xE9", false, invalid},
  };
  for (const Case& c : cases) {
    tcString verdict;
    EXPECT_EQ(tcPresetFileTexts::check_name(c.name.c_str(), &verdict), c.good) << c.name;
    EXPECT_STREQ(verdict.c_str(), c.verdict) << c.name;
  }
}

TEST(tcPresetFileTexts, LoadErrorText) {
  const char* format = "Error taking preset:\n%s";
  EXPECT_STREQ(tcPresetFileTexts::load_error_text(format, 0).c_str(),
               "Error taking preset:\nSuccess");
  EXPECT_STREQ(tcPresetFileTexts::load_error_text(format, 1).c_str(),
               "Error taking preset:\nInvalid File Type");
  EXPECT_STREQ(tcPresetFileTexts::load_error_text(format, 2).c_str(),
               "Error taking preset:\nUnknown Error");
  EXPECT_STREQ(tcPresetFileTexts::load_error_text(format, -1).c_str(),
               "Error taking preset:\nUnknown Error");
  // Conversions other than the one %s are never taken as arguments.
  EXPECT_STREQ(tcPresetFileTexts::load_error_text("100%% %d %s %s", 1).c_str(),
               "100% %d Invalid File Type %s");
}
