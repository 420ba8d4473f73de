#include "tools/presetcli/tcPresetDump.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "params/MAP_TYPE.h"
#include "params/tcPresetFileTexts.h"

namespace {

struct Group {
  const char* label;  // readable listing
  const char* key;    // JSON
  int index;          // position in the header's check words
};

const Group kGroups[] = {
    {"Normal", "normal", tcPresetHeader::kNormal},
    {"I/O", "io", tcPresetHeader::kIo},
    {"Secret", "secret", tcPresetHeader::kSecret},
};

const char* type_name(int type) {
  return type == MAP_TYPE::kFloat ? "float" : type == MAP_TYPE::kInt ? "int" : "bool";
}

QByteArray bytes_of(const tcString& text) {
  return QByteArray(text.c_str(), text.length());
}

QByteArray printf_line(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
QByteArray printf_line(const char* fmt, ...) {
  char line[512];
  va_list args;
  va_start(args, fmt);
  const int n = std::vsnprintf(line, sizeof line, fmt, args);
  va_end(args);
  return QByteArray(line, n < 0 ? 0 : qMin(n, static_cast<int>(sizeof line) - 1));
}

// The engineering value for floats, the value for integers and switches.
QByteArray value_of(const tcSettings& set, uint16_t id) {
  if (set.type(id) == MAP_TYPE::kFloat) return tcPresetDump::number(set.eng(id));
  return QByteArray::number(set.int_value(id));
}

}  // namespace

QByteArray tcPresetDump::number(float value) {
  char text[32];
  for (int digits = 6; digits <= 9; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) break;
  }
  return text;
}

QByteArray tcPresetDump::json_string(const QByteArray& text) {
  QByteArray out("\"");
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.append('\\').append(c);
    } else if (byte < 0x20 || byte > 0x7E) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out.append(escape);
    } else {
      out.append(c);
    }
  }
  return out.append('"');
}

QByteArray tcPresetDump::text(const tcPresetHeader& header, const tcSettings& set) {
  QByteArray out;
  out += "Name: " + bytes_of(header.name_text()) + "\n";
  out += printf_line("Map version: %u (%s)\n", header.map_version,
                     tcPresetFileTexts::map_version_text(header.map_version).c_str());
  for (const Group& group : kGroups) {
    out += printf_line("%s: crc 0x%08X count %u\n", group.label, header.check[group.index],
                       header.count[group.index]);
  }
  int number = 0;
  for (uint16_t id = set.first_id(); id != tcParamTable::kEndId; id = set.next_id(id)) {
    out += printf_line("%3d 0x%04X %-17s %s\n", ++number, id, set.name(id).c_str(),
                       set.format(id).c_str());
  }
  return out;
}

QByteArray tcPresetDump::json(const tcPresetHeader& header, const tcSettings& set) {
  QByteArray out("{\"result\":0,\"name\":");
  out += json_string(bytes_of(header.name_text()));
  out += ",\"map_version\":" + QByteArray::number(header.map_version);
  out += ",\"map_version_text\":" +
         json_string(bytes_of(tcPresetFileTexts::map_version_text(header.map_version)));
  out += ",\"groups\":{";
  for (const Group& group : kGroups) {
    if (group.index != tcPresetHeader::kNormal) out += ",";
    out += printf_line("\"%s\":{\"crc\":%u,\"count\":%u}", group.key, header.check[group.index],
                       header.count[group.index]);
  }
  out += "},\"params\":[";
  for (uint16_t id = set.first_id(); id != tcParamTable::kEndId; id = set.next_id(id)) {
    if (id != set.first_id()) out += ",";
    out += "{\"id\":" + QByteArray::number(id);
    out += ",\"name\":" + json_string(bytes_of(set.name(id)));
    out += ",\"type\":\"" + QByteArray(type_name(set.type(id))) + "\"";
    out += ",\"raw\":" + QByteArray::number(set.raw(id));
    out += ",\"value\":" + value_of(set, id);
    out += ",\"text\":" + json_string(bytes_of(set.format(id))) + "}";
  }
  return out + "]}\n";
}

QByteArray tcPresetDump::diff(const tcSettings& a, const tcSettings& b) {
  QByteArray out;
  for (uint16_t id = a.first_id(); id != tcParamTable::kEndId; id = a.next_id(id)) {
    if (a.raw(id) == b.raw(id)) continue;
    out += printf_line("0x%04X %-17s %s | %s\n", id, a.name(id).c_str(), a.format(id).c_str(),
                       b.format(id).c_str());
  }
  return out;
}
