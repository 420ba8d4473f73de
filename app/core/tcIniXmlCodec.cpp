#include "app/core/tcIniXmlCodec.h"

#include <expat.h>

#include <memory>

namespace {

constexpr int kBlockSize = 1000;
const char kRootElement[] = "INI";

struct ParserFree {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

struct DecodeState {
  tcIniXmlCodec::Map* map;
  XML_Parser parser;
};

void XMLCALL on_start(void* user, const XML_Char* element, const XML_Char** attributes) {
  if (qstrcmp(element, kRootElement) == 0) return;
  auto& map = *static_cast<DecodeState*>(user)->map;
  const QByteArray section(element);
  for (const XML_Char** a = attributes; a[0] && a[1]; a += 2)
    map[{section, QByteArray(a[0])}] = a[1];
}

// Option files never carry a DTD; refusing one keeps entity tricks out.
void XMLCALL on_doctype(void* user, const XML_Char*, const XML_Char*, const XML_Char*, int) {
  XML_StopParser(static_cast<DecodeState*>(user)->parser, XML_FALSE);
}

bool is_continuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Decodes one UTF-8 sequence at text[i]; returns its length, 0 when it is not
// a well-formed sequence (overlong, surrogate, beyond U+10FFFF, cut short).
int utf8_sequence(const QByteArray& text, int i, uint32_t* code) {
  const auto at = [&](int k) { return static_cast<unsigned char>(text[i + k]); };
  const unsigned char c = at(0);
  int n;
  uint32_t v;
  if (c < 0x80) {
    *code = c;
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    v = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    v = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    v = c & 0x07;
  } else {
    return 0;
  }
  if (i + n > text.size()) return 0;
  for (int k = 1; k < n; ++k) {
    if (!is_continuation(at(k))) return 0;
    v = (v << 6) | (at(k) & 0x3F);
  }
  if ((n == 3 && v < 0x800) || (n == 4 && v < 0x10000) || v > 0x10FFFF) return 0;
  if (v >= 0xD800 && v <= 0xDFFF) return 0;
  *code = v;
  return n;
}

bool is_xml_char(uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

void append_utf8(QByteArray& out, uint32_t c) {
  if (c < 0x80) {
    out.append(static_cast<char>(c));
  } else if (c < 0x800) {
    out.append(static_cast<char>(0xC0 | (c >> 6)));
    out.append(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.append(static_cast<char>(0xE0 | (c >> 12)));
    out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.append(static_cast<char>(0xF0 | (c >> 18)));
    out.append(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.append(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// ASCII names only: which other characters a name may hold depends on the
// XML edition of the reader, and one bad name makes the rest of a file unreadable.
bool is_name_start(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':';
}

bool is_name_char(unsigned char c) {
  return is_name_start(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

}  // namespace

int tcIniXmlCodec::decode(const char* data, size_t size, Map& out) {
  std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate(nullptr));
  if (!parser) return -1;
  DecodeState state{&out, parser.get()};
  XML_SetUserData(parser.get(), &state);
  XML_SetStartElementHandler(parser.get(), on_start);
  XML_SetStartDoctypeDeclHandler(parser.get(), on_doctype);
  size_t offset = 0;
  do {
    const size_t n = size - offset < kBlockSize ? size - offset : kBlockSize;
    const bool last = offset + n == size;
    if (XML_Parse(parser.get(), data + offset, static_cast<int>(n), last) != XML_STATUS_OK)
      return -1;
    offset += n;
  } while (offset < size);
  return 0;
}

bool tcIniXmlCodec::is_name(const QByteArray& name) {
  if (name.isEmpty() || !is_name_start(static_cast<unsigned char>(name[0]))) return false;
  for (const char c : name) {
    if (!is_name_char(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

QByteArray tcIniXmlCodec::escape(const QByteArray& text) {
  QByteArray out;
  out.reserve(text.size() + 16);
  for (int i = 0; i < text.size();) {
    uint32_t code;
    int n = utf8_sequence(text, i, &code);
    if (n == 0) {
      code = static_cast<unsigned char>(text[i]);
      n = 1;
    }
    i += n;
    switch (code) {
      case '&':
        out.append("&amp;");
        break;
      case '<':
        out.append("&lt;");
        break;
      case '>':
        out.append("&gt;");
        break;
      case '"':
        out.append("&quot;");
        break;
      case '\t':
        out.append("&#9;");
        break;
      case '\n':
        out.append("&#10;");
        break;
      case '\r':
        out.append("&#13;");
        break;
      default:
        if (is_xml_char(code)) append_utf8(out, code);
        break;
    }
  }
  return out;
}

QByteArray tcIniXmlCodec::encode(const Map& map) {
  QByteArray out("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<INI>\n");
  const QByteArray* open = nullptr;
  for (const auto& [key, value] : map) {
    if (!is_name(key.first) || !is_name(key.second)) continue;
    if (!open || *open != key.first) {
      if (open) out.append("/>\n");
      out.append('<').append(key.first).append('\n');
      open = &key.first;
    }
    out.append("    ").append(key.second).append("=\"").append(escape(value)).append("\"\n");
  }
  if (open) out.append("/>\n");
  out.append("</INI>\n");
  return out;
}
