#include "skin/xml/tcXmlData.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "tests/support/tcLogCapture.h"

namespace {

// A reader of <root> with nested <n> elements and two elements, <o> and <p>,
// whose attribute setters record their calls.
class Reader : public tcXmlData {
 public:
  using tcXmlData::tcXmlData;

  int write_content(QIODevice& file) override {
    file.write(content.c_str());
    return write_status;
  }
  void reset() override { ++resets; }
  void loaded() override { ++loads; }
  const StateRow* state_table() const override { return kStates; }

  std::vector<std::string> events;
  std::string content = "new\n";
  int write_status = 0;
  int resets = 0;
  int loads = 0;

 private:
  static Reader& self(tcXmlData& x) { return static_cast<Reader&>(x); }
  static void start_root(tcXmlData& x, const char*, const char**) { x.level().state = 4; }
  static void start_n(tcXmlData& x, const char*, const char**) {
    self(x).events.push_back("n");
    x.level().state = 3;
  }
  static void start_leaf(tcXmlData& x, const char* name, const char**) {
    self(x).events.push_back(name);
    x.level().state = 2;
  }
  static void end_n(tcXmlData& x) { self(x).events.push_back("/"); }
  static void set(tcXmlData& x, const char* value, int arg) {
    self(x).events.push_back(std::string(1, static_cast<char>('a' + arg)) + "=" + value);
  }
  static void stop(tcXmlData& x, const char*, int) {
    self(x).events.push_back("stop");
    x.level().state = kIgnore;
  }

  static const AttrRow kOAttrs[];
  static const AttrRow kPAttrs[];
  static const ElementRow kDoc[];
  static const ElementRow kBody[];
  static const StateRow kStates[];
};

const tcXmlData::AttrRow Reader::kOAttrs[] = {{"b", 1, &Reader::set}, {"a", 0, &Reader::set}, {}};
const tcXmlData::AttrRow Reader::kPAttrs[] = {
    {"b", 1, &Reader::set}, {"stop", 0, &Reader::stop}, {"a", 0, &Reader::set}, {}};
const tcXmlData::ElementRow Reader::kDoc[] = {{"root", nullptr, &Reader::start_root}, {}};
const tcXmlData::ElementRow Reader::kBody[] = {{"n", nullptr, &Reader::start_n},
                                               {"o", Reader::kOAttrs, &Reader::start_leaf},
                                               {"p", Reader::kPAttrs, &Reader::start_leaf},
                                               {}};
const tcXmlData::StateRow Reader::kStates[] = {{0, Reader::kDoc, nullptr},
                                               {3, Reader::kBody, &Reader::end_n},
                                               {4, Reader::kBody, nullptr},
                                               {-1, nullptr, nullptr}};

class XmlDataTest : public ::testing::Test {
 protected:
  tcString write(const QString& name, const std::string& text) {
    const QString path = dir_.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
    return tcString(QFile::encodeName(path).constData());
  }
  static std::string nested(int levels) {
    std::string doc = "<root>";
    for (int i = 1; i < levels; ++i) doc += "<n>";
    for (int i = 1; i < levels; ++i) doc += "</n>";
    return doc + "</root>";
  }
  int count(const Reader& r, const std::string& event) const {
    int n = 0;
    for (const auto& e : r.events) n += e == event;
    return n;
  }

  QTemporaryDir dir_;
  tcLogCapture log_;
};

TEST_F(XmlDataTest, NineLevelsParseTheTenthFailsWithTheNestingMessage) {
  Reader nine(write("nine.xml", nested(9)));
  EXPECT_EQ(nine.read(), 0);
  EXPECT_EQ(count(nine, "n"), 8);
  EXPECT_EQ(nine.loads, 1);
  EXPECT_EQ(log_.errors(), 0);

  // The ten levels close again inside the same block; the limit still holds.
  const tcString path = write("ten.xml", nested(10));
  Reader ten(path);
  EXPECT_EQ(ten.read(), -1);
  EXPECT_EQ(ten.resets, 2);
  EXPECT_EQ(ten.loads, 0);
  EXPECT_EQ(
      log_.count(3, std::string("XML nesting exceeded max depth at line 1 of the xml file: ") +
                        path.c_str()),
      1);
  EXPECT_EQ(log_.count(1, std::string("Leaving file: ") + path.c_str() + " - FAILURE"), 1);
}

TEST_F(XmlDataTest, UnknownElementsAreSkippedWithTheirSubtreeAndNoMessage) {
  Reader r(write("a.xml", "<root><zzz><n/><n><n/></n></zzz><n/></root>"));
  EXPECT_EQ(r.read(), 0);
  EXPECT_EQ(r.events, (std::vector<std::string>{"n", "/"}));
  EXPECT_EQ(log_.errors(), 0);
}

TEST_F(XmlDataTest, SettersRunInListOrderAndStopWhenTheStateIsCleared) {
  Reader r(write("a.xml", "<root><o a='1' b='2' z='9'/><p a='1' stop='x' b='2'/></root>"));
  EXPECT_EQ(r.read(), 0);
  EXPECT_EQ(r.events, (std::vector<std::string>{"o", "b=2", "a=1", "p", "b=2", "stop"}));
}

TEST_F(XmlDataTest, ReportsOpenAndParseFailuresAndTheOwnerWord) {
  Reader missing(tcString(QFile::encodeName(dir_.filePath("none.xml")).constData()));
  missing.set_log_owner(42);
  EXPECT_EQ(missing.read(), -1);
  EXPECT_EQ(log_.count(3, "Error No such file or directory reading: "), 1);
  EXPECT_EQ(log_.count(3, "Failed to open file: "), 1);
  EXPECT_EQ(log_.lines().at(0).owner, 42u);
  EXPECT_EQ(log_.lines().at(0).text, std::string("Reading file: ") + missing.path().c_str() + "\n");

  Reader broken(write("broken.xml", "<root>\n<n></root>"));
  EXPECT_EQ(broken.read(), -1);
  EXPECT_EQ(log_.count(3, "Parse error at line 2:mismatched tag of the xml file: "), 1);

  Reader no_path;
  EXPECT_EQ(no_path.read(), -1);
}

TEST_F(XmlDataTest, ReadsInBlocksAcrossLongDocuments) {
  std::string doc = "<root>";
  for (int i = 0; i < 500; ++i) doc += "<n>   </n>";
  Reader r(write("long.xml", doc + "</root>"));
  EXPECT_EQ(r.read(), 0);
  EXPECT_EQ(count(r, "n"), 500);
}

TEST_F(XmlDataTest, EntityExpansionBombFailsInsteadOfExhaustingMemory) {
  std::string doc = "<!DOCTYPE root [<!ENTITY a0 'xxxxxxxxxx'>";
  for (int i = 1; i < 12; ++i) {
    doc += "<!ENTITY a" + std::to_string(i) + " '";
    for (int j = 0; j < 10; ++j) doc += "&a" + std::to_string(i - 1) + ";";
    doc += "'>";
  }
  Reader r(write("bomb.xml", doc + "]><root>&a11;</root>"));
  EXPECT_EQ(r.read(), -1);
  EXPECT_EQ(log_.count(3, "Parse error at line 1:"), 1);
}

TEST_F(XmlDataTest, ExternalEntitiesInsideTheBaseDirectoryAreRead) {
  write("sub/part.xml", "<n/><n/>");
  const tcString main = write(
      "main.xml", "<!DOCTYPE root [<!ENTITY part SYSTEM 'sub/part.xml'>]><root>&part;<n/></root>");
  Reader r(main);
  EXPECT_EQ(r.read(), 0);
  EXPECT_EQ(count(r, "n"), 3);
  EXPECT_EQ(log_.errors(), 0);
  EXPECT_EQ(
      log_.count(1, "Leaving file: " + dir_.filePath("sub/part.xml").toStdString() + " - SUCCESS"),
      1);
}

TEST_F(XmlDataTest, ExternalEntitiesOutsideTheBaseDirectoryAreRefused) {
  const std::string outside = dir_.filePath("secret.xml").toStdString();
  write("secret.xml", "<n/>");
  QDir().mkpath(dir_.filePath("skin"));
  QFile::link(dir_.filePath("secret.xml"), dir_.filePath("skin/link.xml"));
  const tcString main = write("skin/main.xml",
                              "<!DOCTYPE root [<!ENTITY up SYSTEM '../secret.xml'>"
                              "<!ENTITY abs SYSTEM '" +
                                  outside +
                                  "'><!ENTITY lnk SYSTEM 'link.xml'>]>"
                                  "<root>&up;&abs;&lnk;<n/></root>");
  Reader r(main);
  EXPECT_EQ(r.read(), 0);  // the main parse goes on, as after a failed entity
  EXPECT_EQ(count(r, "n"), 1);
  EXPECT_EQ(log_.count(3, "Refused external entity \"../secret.xml\" at line 1"), 1);
  EXPECT_EQ(log_.count(3, "Refused external entity \"" + outside + "\" at line 1"), 1);
  EXPECT_EQ(log_.count(3, "Refused external entity \"link.xml\" at line 1"), 1);
}

TEST_F(XmlDataTest, BrokenOrSelfIncludingEntitiesDoNotFailTheMainParse) {
  write("open.xml", "<n><n>");
  // Two names of one file: expat sees no recursion by name, the reader sees the file.
  write("twice.xml", "<n/>&other;");
  const tcString main =
      write("main.xml",
            "<!DOCTYPE root [<!ENTITY open SYSTEM 'open.xml'><!ENTITY one SYSTEM 'twice.xml'>"
            "<!ENTITY other SYSTEM './twice.xml'>]><root>&open;&one;<n/></root>");
  Reader r(main);
  EXPECT_EQ(r.read(), 0);
  // The two elements the broken entity left open are closed before the main parse goes on.
  EXPECT_EQ(r.events, (std::vector<std::string>{"n", "n", "/", "/", "n", "/", "n", "/"}));
  EXPECT_EQ(log_.count(3, "Refused external entity \"./twice.xml\" at line 1: it includes itself"),
            1);
  EXPECT_EQ(
      log_.count(1, "Leaving file: " + dir_.filePath("open.xml").toStdString() + " - FAILURE"), 1);
}

TEST_F(XmlDataTest, FlushReplacesTheFileOnlyWhenTheWriteSucceeds) {
  const tcString path = write("db.xml", "old\n");
  Reader r(path);
  r.write_status = -1;
  EXPECT_EQ(r.flush(), -1);
  QFile f(path.toQString());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("old\n"));
  f.close();

  r.write_status = 0;
  EXPECT_EQ(r.flush_if_modified(), 0);  // not modified: nothing written
  r.set_modified(true);
  EXPECT_EQ(r.flush_if_modified(), 0);
  EXPECT_FALSE(r.modified());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("new\n"));
  EXPECT_EQ(log_.count(1, std::string("Flushing database: ") + path.c_str()), 2);

  Reader nowhere(tcString(QFile::encodeName(dir_.filePath("no/such/dir/db.xml")).constData()));
  EXPECT_EQ(nowhere.flush(), -1);
  EXPECT_EQ(log_.count(3, "Error creating config file "), 1);
  EXPECT_EQ(Reader().flush(), -1);

  EXPECT_EQ(r.remove(), 0);
  EXPECT_FALSE(QFile::exists(path.toQString()));
}

}  // namespace
