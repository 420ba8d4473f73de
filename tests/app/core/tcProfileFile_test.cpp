#include "app/core/tcProfileFile.h"

#include <gtest/gtest.h>

TEST(tcProfileFile, ReadsHandWrittenFiles) {
  const tcProfileFile file(
      "; panel scale\r\n"
      "[Scale]\r\n"
      "  X = 1.5 \r\n"
      "#Y=9\r\n"
      "y=\"0.75\"\r\n"
      "x=3\r\n"
      "[other]\r\n"
      "Z=1\r\n");
  QByteArray v;
  ASSERT_TRUE(file.value("scale", "X", &v));
  EXPECT_EQ(v, "1.5");  // first of the duplicates
  ASSERT_TRUE(file.value("SCALE", "Y", &v));
  EXPECT_EQ(v, "0.75");
  EXPECT_FALSE(file.value("scale", "Z", &v));
  EXPECT_FALSE(file.value("missing", "X", &v));
}

TEST(tcProfileFile, SettingAValueKeepsTheRestOfTheFile) {
  tcProfileFile file("; keep me\n[scale]\nX=1.0\n\n[other]\nQ=1\n");
  EXPECT_EQ(file.set_value("scale", "X", "2.0"), 0);
  EXPECT_EQ(file.set_value("SCALE", "Y", "3.0"), 0);
  EXPECT_EQ(file.set_value("new", "K", "v"), 0);
  EXPECT_EQ(file.bytes(),
            QByteArray("; keep me\n[scale]\nX=2.0\nY=3.0\n\n[other]\nQ=1\n[new]\nK=v\n"));
  // Nothing a single line cannot hold.
  EXPECT_EQ(file.set_value("scale", "X", "two\nlines"), -1);
  EXPECT_EQ(file.set_value("a]b", "X", "1"), -1);
  EXPECT_EQ(file.set_value("scale", "k=v", "1"), -1);
}
