#include "app/core/tcIniXmlCodec.h"

#include <gtest/gtest.h>

namespace {

using Map = tcIniXmlCodec::Map;

Map decoded(const QByteArray& bytes, int* result = nullptr) {
  Map map;
  const int r = tcIniXmlCodec::decode(bytes, map);
  if (result) *result = r;
  return map;
}

}  // namespace

TEST(tcIniXmlCodec, WritesTheGoldenLayout) {
  const Map map = {{{"SKIN", "name"}, "default"},
                   {{"DEVICE", "name"}, "Studio A"},
                   {{"SKIN", "file"}, "1"},
                   {{"OPTIONS", "ONLINE"}, "0"}};
  EXPECT_EQ(tcIniXmlCodec::encode(map),
            QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                       "<INI>\n"
                       "<DEVICE\n"
                       "    name=\"Studio A\"\n"
                       "/>\n"
                       "<OPTIONS\n"
                       "    ONLINE=\"0\"\n"
                       "/>\n"
                       "<SKIN\n"
                       "    file=\"1\"\n"
                       "    name=\"default\"\n"
                       "/>\n"
                       "</INI>\n"));
  EXPECT_EQ(
      tcIniXmlCodec::encode({}),
      QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<INI>\n</INI>\n"));
}

TEST(tcIniXmlCodec, SpecialCharactersSurviveTheRoundTrip) {
  const QByteArray tricky = "a&b <c> \"d\" &amp; '\t'\nline2\r\n";
  const Map map = {{{"S", "v"}, tricky}, {{"S", "w"}, ""}};
  const QByteArray bytes = tcIniXmlCodec::encode(map);
  EXPECT_TRUE(bytes.contains("a&amp;b &lt;c&gt; &quot;d&quot; &amp;amp;"));
  int result = -1;
  EXPECT_EQ(decoded(bytes, &result), map);
  EXPECT_EQ(result, 0);
}

TEST(tcIniXmlCodec, TextThatIsNotUtf8StillGivesAReadableFile) {
  // A Latin-1 byte and control characters must not poison the values after them.
  const Map map = {{{"A", "v"}, "caf\xE9\x01"}, {{"B", "w"}, "after"}};
  int result = -1;
  const Map back = decoded(tcIniXmlCodec::encode(map), &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(back.at({"A", "v"}), QByteArray("caf\xC3\xA9"));
  EXPECT_EQ(back.at({"B", "w"}), QByteArray("after"));
  // Valid UTF-8 passes unchanged.
  EXPECT_EQ(tcIniXmlCodec::escape("\xC3\xA9\xE2\x82\xAC"), QByteArray("\xC3\xA9\xE2\x82\xAC"));
}

TEST(tcIniXmlCodec, NamesThatXmlCannotHoldAreLeftOut) {
  const Map map = {{{"GOOD", "ok"}, "1"},
                   {{"BAD SECTION", "x"}, "2"},
                   {{"GOOD", "bad key"}, "3"},
                   {{"EMPTY", ""}, "4"},
                   {{"9LIVES", "x"}, "5"}};
  const QByteArray bytes = tcIniXmlCodec::encode(map);
  // A section whose values are all left out is not written either.
  EXPECT_FALSE(bytes.contains("<EMPTY"));
  int result = -1;
  EXPECT_EQ(decoded(bytes, &result), (Map{{{"GOOD", "ok"}, "1"}}));
  EXPECT_EQ(result, 0);
}

TEST(tcIniXmlCodec, SectionsAndNamesAreCaseSensitive) {
  const Map map = decoded("<INI><OPTIONS ONLINE=\"1\"/><options ONLINE=\"2\" online=\"3\"/></INI>");
  EXPECT_EQ(map, (Map{{{"OPTIONS", "ONLINE"}, "1"},
                      {{"options", "ONLINE"}, "2"},
                      {{"options", "online"}, "3"}}));
}

TEST(tcIniXmlCodec, EveryElementButIniStoresItsAttributes) {
  const Map map = decoded(
      "<CONFIG ver=\"2\"><A x=\"1\"><INI skipped=\"y\"/><B y=\"2\"/></A><A x=\"9\"/></CONFIG>");
  EXPECT_EQ(map, (Map{{{"CONFIG", "ver"}, "2"}, {{"A", "x"}, "9"}, {{"B", "y"}, "2"}}));
}

TEST(tcIniXmlCodec, BrokenInputKeepsWhatCameBefore) {
  int result = 0;
  Map map = decoded("<INI>\n<A v=\"1\"/>\n<B w=\"2\"", &result);  // cut short
  EXPECT_EQ(result, -1);
  EXPECT_EQ(map, (Map{{{"A", "v"}, "1"}}));

  map = decoded(QByteArray("\x00\xFF\xFE garbage <<>>", 16), &result);
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(map.empty());

  map = decoded("", &result);
  EXPECT_EQ(result, -1);
  EXPECT_TRUE(map.empty());
}

TEST(tcIniXmlCodec, RefusesDocumentTypesAndTheirEntities) {
  const QByteArray laughs =
      "<?xml version=\"1.0\"?><!DOCTYPE INI [<!ENTITY a \"aaaaaaaaaa\">"
      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
      "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><INI><A v=\"&d;&d;&d;\"/></INI>";
  int result = 0;
  EXPECT_TRUE(decoded(laughs, &result).empty());
  EXPECT_EQ(result, -1);
  const QByteArray external = "<!DOCTYPE INI SYSTEM \"/etc/passwd\"><INI><A v=\"1\"/></INI>";
  EXPECT_TRUE(decoded(external, &result).empty());
}

TEST(tcIniXmlCodec, HugeValuesAcrossManyBlocks) {
  const QByteArray big(100000, 'x');
  const Map map = {{{"A", "v"}, big}, {{"Z", "w"}, "end"}};
  int result = -1;
  EXPECT_EQ(decoded(tcIniXmlCodec::encode(map), &result), map);
  EXPECT_EQ(result, 0);
}
