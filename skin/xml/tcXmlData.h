#pragma once
// Base of every object that is filled from an XML file by a table of states.
// The derived class supplies the state table; this class owns the parse loop,
// the nesting stack, the dispatch of elements and attributes to the table's
// handlers, external entities and the read/flush/remove life of the file.
#include <expat.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include <QString>

#include "app/core/tcString.h"

class QIODevice;

class tcXmlData {
 public:
  using StartHandler = void (*)(tcXmlData& self, const char* name, const char** atts);
  using Setter = void (*)(tcXmlData& self, const char* value, int arg);
  using EndHandler = void (*)(tcXmlData& self);

  // Rows of the tables; each table ends with a row without a name (state -1).
  struct AttrRow {
    const char* name;
    int arg;
    Setter setter;
  };
  struct ElementRow {
    const char* name;
    const AttrRow* attrs;
    StartHandler start;
  };
  struct StateRow {
    int state;
    const ElementRow* elements;
    EndHandler end;
  };
  struct Level {
    int state;  // -1: ignore this element and its subtree
    intptr_t user;
    void* object;
  };

  static constexpr int kLevels = 10;  // depths 0 to 9; an element at depth 10 fails the parse
  static constexpr int kBlockSize = 1000;
  static constexpr int kIgnore = -1;
  static constexpr int kMaxEntities = 64;  // external entity files read per parse

  explicit tcXmlData(const tcString& path = tcString());
  virtual ~tcXmlData();
  tcXmlData(const tcXmlData&) = delete;
  tcXmlData& operator=(const tcXmlData&) = delete;

  virtual int write_content(QIODevice& file);
  virtual int flush();
  virtual int read();
  virtual int remove();
  virtual int flush_if_modified();
  virtual std::FILE* open_for_reading(const tcString& path);
  // Returns the bytes read, or -1 on a read error.
  virtual int read_block(std::FILE* file, char* buffer, int size);
  virtual void reset() {}
  virtual void loaded() {}
  virtual const StateRow* state_table() const = 0;
  virtual int parse_file(const tcString& path);

  const tcString& path() const { return path_; }
  void set_path(const tcString& path) { path_ = path; }
  uintptr_t log_owner() const { return log_owner_; }
  void set_log_owner(uintptr_t owner) { log_owner_ = owner; }
  bool modified() const { return modified_ != 0; }
  void set_modified(bool on) { modified_ = on ? 1 : 0; }

  // For the table's handlers while a parse runs.
  int depth() const { return depth_; }
  Level& level() { return levels_[depth_ < kLevels ? depth_ : kLevels - 1]; }
  Level& parent_level() { return levels_[depth_ > 0 && depth_ <= kLevels ? depth_ - 1 : 0]; }
  int current_line() const;
  const QString& base_dir() const { return base_dir_; }
  // The canonical path of a file named relative to the base directory, or an
  // empty text when the name leads outside it.
  QString resolve_in_base(const char* name) const;

 protected:
  void log(int level, const char* fmt, ...) const __attribute__((format(printf, 3, 4)));

 private:
  static void XMLCALL on_start(void* data, const XML_Char* name, const XML_Char** atts);
  static void XMLCALL on_end(void* data, const XML_Char* name);
  static int XMLCALL on_entity(XML_Parser parser, const XML_Char* context, const XML_Char* base,
                               const XML_Char* system_id, const XML_Char* public_id);

  void start_element(const char* name, const char** atts);
  void end_element();
  int external_entity(XML_Parser parser, const XML_Char* context, const char* system_id);
  int parse_loop(XML_Parser parser, const tcString& path);
  const StateRow* find_state(int state) const;

  uintptr_t log_owner_ = 0;
  uint8_t modified_ = 0;
  tcString path_;
  int depth_ = 0;
  Level levels_[kLevels] = {};
  XML_Parser parser_ = nullptr;
  QString base_dir_;
  // Set when an element went past depth 9; it fails the parse.
  bool too_deep_ = false;
  // Files being parsed, outermost first, to refuse an entity that includes itself.
  std::vector<QString> open_files_;
  int entities_read_ = 0;
};
