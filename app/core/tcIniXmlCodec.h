#pragma once
// The INI-as-XML option file: one element per section, one attribute per value.
// Pure bytes <-> map; the option store does the file handling around it.
#include <QByteArray>
#include <map>
#include <utility>

class tcIniXmlCodec {
 public:
  // (section, value name) -> value text. Ordered by section, then name, so each
  // section is written once and in ascending order.
  using Key = std::pair<QByteArray, QByteArray>;
  using Map = std::map<Key, QByteArray>;

  // Stores every attribute of every element other than "INI" (a later value
  // replaces an earlier one). A parse error stops decoding and keeps what was
  // stored before it; a document type declaration counts as an error, which
  // shuts out entity expansion. Returns 0 when the whole input parsed, else -1.
  static int decode(const char* data, size_t size, Map& out);
  static int decode(const QByteArray& bytes, Map& out) {
    return decode(bytes.constData(), static_cast<size_t>(bytes.size()), out);
  }

  // The whole file. Entries whose section or value name is not a plain ASCII XML
  // name are left out, since writing them would make the rest of the file unreadable.
  static QByteArray encode(const Map& map);

  // Escapes "&", "<", ">" and the double quote, keeps tab, line feed and carriage
  // return as character references, drops what XML cannot carry and reads bytes
  // that are not UTF-8 as Latin-1.
  static QByteArray escape(const QByteArray& text);
  static bool is_name(const QByteArray& name);
};
