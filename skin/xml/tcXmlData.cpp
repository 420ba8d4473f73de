#include "skin/xml/tcXmlData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <memory>
#include <type_traits>

#include "app/core/tcLog.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

struct ParserFree {
  void operator()(XML_Parser p) const { XML_ParserFree(p); }
};
using ParserPtr = std::unique_ptr<std::remove_pointer<XML_Parser>::type, ParserFree>;

QString native_path(const tcString& path) {
  return QFile::decodeName(path.c_str());
}

}  // namespace

tcXmlData::tcXmlData(const tcString& path) : path_(path) {}

tcXmlData::~tcXmlData() = default;

void tcXmlData::log(int level, const char* fmt, ...) const {
  va_list args;
  va_start(args, fmt);
  tcLog::vmessage(log_owner_, level, fmt, args);
  va_end(args);
}

int tcXmlData::write_content(QIODevice&) {
  return 0;
}

int tcXmlData::flush() {
  log(tcLog::kProgress, "Flushing database: %s\n", path_.c_str());
  if (path_.empty()) return -1;
  // Written beside the old file and renamed over it, so a failed write keeps the old one.
  QSaveFile file(native_path(path_));
  // Unbuffered, so a write cut short (disk full) fails instead of being committed.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered)) {
    log(tcLog::kError, "Error creating config file %s\n", path_.c_str());
    return -1;
  }
  const int status = write_content(file);
  if (status != 0) {
    file.cancelWriting();
    return status;
  }
  if (!file.commit()) {
    log(tcLog::kError, "Error writing config file %s\n", path_.c_str());
    return -1;
  }
  return 0;
}

int tcXmlData::read() {
  log(tcLog::kProgress, "Reading file: %s\n", path_.c_str());
  reset();
  if (path_.empty()) return -1;
  const int result = parse_file(path_);
  if (result == -1) {
    reset();
  } else {
    loaded();
  }
  return result;
}

int tcXmlData::remove() {
  return QFile::remove(native_path(path_)) ? 0 : -1;
}

int tcXmlData::flush_if_modified() {
  if (!modified_) return 0;
  modified_ = 0;
  return flush();
}

std::FILE* tcXmlData::open_for_reading(const tcString& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) tcLog::plain("Error %s reading: %s", std::strerror(errno), path.c_str());
  return file;
}

int tcXmlData::read_block(std::FILE* file, char* buffer, int size) {
  const size_t n = std::fread(buffer, 1, static_cast<size_t>(size), file);
  if (std::ferror(file)) return -1;
  return static_cast<int>(n);
}

int tcXmlData::current_line() const {
  return parser_ ? static_cast<int>(XML_GetCurrentLineNumber(parser_)) : 0;
}

QString tcXmlData::resolve_in_base(const char* name) const {
  if (!name || !*name || base_dir_.isEmpty()) return QString();
  const QFileInfo base(base_dir_);
  QString root = base.canonicalFilePath();
  if (root.isEmpty()) root = QDir::cleanPath(base.absoluteFilePath());
  const QFileInfo target(QDir(root).absoluteFilePath(QFile::decodeName(name)));
  QString full = target.canonicalFilePath();
  if (full.isEmpty()) full = QDir::cleanPath(target.absoluteFilePath());
  if (!full.startsWith(root + QLatin1Char('/'))) return QString();
  return full;
}

int tcXmlData::parse_file(const tcString& path) {
  base_dir_ = QFileInfo(native_path(path)).absolutePath();
  ParserPtr parser(XML_ParserCreate(nullptr));
  if (!parser) {
    log(tcLog::kError, "Couldn't allocate memory for %s XML parser\n", path.c_str());
    return -1;
  }
  XML_SetUserData(parser.get(), this);
  XML_SetElementHandler(parser.get(), &tcXmlData::on_start, &tcXmlData::on_end);
  XML_SetExternalEntityRefHandler(parser.get(), &tcXmlData::on_entity);

  depth_ = 0;
  for (Level& l : levels_) l = Level{kIgnore, 0, nullptr};
  levels_[0].state = 0;
  too_deep_ = false;
  entities_read_ = 0;
  const QFileInfo main(native_path(path));
  open_files_.assign(1, main.exists() ? main.canonicalFilePath() : main.absoluteFilePath());

  parser_ = parser.get();
  const int result = parse_loop(parser.get(), path);
  parser_ = nullptr;
  open_files_.clear();
  return result;
}

int tcXmlData::parse_loop(XML_Parser parser, const tcString& path) {
  std::unique_ptr<std::FILE, FileCloser> file(open_for_reading(path));
  if (!file) {
    log(tcLog::kError, "Failed to open file: %s\n", path.c_str());
    return -1;
  }
  bool ok = false;
  for (;;) {
    void* buffer = XML_GetBuffer(parser, kBlockSize);
    if (!buffer) {
      log(tcLog::kError, "XML memory allocation error at line %d:%s of the xml file: %s\n",
          static_cast<int>(XML_GetCurrentLineNumber(parser)),
          XML_ErrorString(XML_GetErrorCode(parser)), path.c_str());
      break;
    }
    const int n = read_block(file.get(), static_cast<char*>(buffer), kBlockSize);
    if (n < 0) {
      log(tcLog::kError, "XML file read error: %s\n", path.c_str());
      break;
    }
    const bool done = n < kBlockSize;
    const XML_Status status = XML_ParseBuffer(parser, n, done);
    if (too_deep_) {
      log(tcLog::kError, "XML nesting exceeded max depth at line %d of the xml file: %s\n",
          static_cast<int>(XML_GetCurrentLineNumber(parser)), path.c_str());
      break;
    }
    if (status != XML_STATUS_OK) {
      log(tcLog::kError, "Parse error at line %d:%s of the xml file: %s\n",
          static_cast<int>(XML_GetCurrentLineNumber(parser)),
          XML_ErrorString(XML_GetErrorCode(parser)), path.c_str());
      break;
    }
    if (done) {
      ok = true;
      break;
    }
  }
  file.reset();
  log(tcLog::kProgress, "Leaving file: %s - %s\n", path.c_str(), ok ? "SUCCESS" : "FAILURE");
  return ok ? 0 : -1;
}

const tcXmlData::StateRow* tcXmlData::find_state(int state) const {
  if (state == kIgnore) return nullptr;
  for (const StateRow* row = state_table(); row && row->state != kIgnore; ++row) {
    if (row->state == state) return row;
  }
  return nullptr;
}

void XMLCALL tcXmlData::on_start(void* data, const XML_Char* name, const XML_Char** atts) {
  static_cast<tcXmlData*>(data)->start_element(name, atts);
}

void XMLCALL tcXmlData::on_end(void* data, const XML_Char*) {
  static_cast<tcXmlData*>(data)->end_element();
}

int XMLCALL tcXmlData::on_entity(XML_Parser parser, const XML_Char* context, const XML_Char*,
                                 const XML_Char* system_id, const XML_Char*) {
  return static_cast<tcXmlData*>(XML_GetUserData(parser))
      ->external_entity(parser, context, system_id);
}

void tcXmlData::start_element(const char* name, const char** atts) {
  ++depth_;
  if (depth_ >= kLevels) {
    // No level record beyond depth 9 exists; the loop reports the nesting error.
    too_deep_ = true;
    XML_StopParser(parser_, XML_FALSE);
    return;
  }
  Level& here = levels_[depth_];
  here = Level{kIgnore, 0, nullptr};
  const StateRow* row = find_state(levels_[depth_ - 1].state);
  if (!row) return;
  here.state = 1;
  const ElementRow* element = row->elements;
  while (element && element->name && std::strcmp(element->name, name) != 0) ++element;
  if (!element || !element->name) {
    here.state = kIgnore;
    return;
  }
  if (element->start) element->start(*this, name, atts);
  if (!element->attrs) return;
  // Setters run in the order of the list, so a table decides what comes first.
  for (const AttrRow* attr = element->attrs; attr->name && here.state != kIgnore; ++attr) {
    for (const char** a = atts; a[0] && here.state != kIgnore; a += 2) {
      if (std::strcmp(a[0], attr->name) == 0 && attr->setter) attr->setter(*this, a[1], attr->arg);
    }
  }
}

void tcXmlData::end_element() {
  if (depth_ >= kLevels) {
    --depth_;
    return;
  }
  if (depth_ <= 0) return;
  const StateRow* row = find_state(levels_[depth_].state);
  if (row && row->end) row->end(*this);
  levels_[depth_] = Level{kIgnore, 0, nullptr};
  --depth_;
}

int tcXmlData::external_entity(XML_Parser parser, const XML_Char* context, const char* system_id) {
  if (too_deep_) return XML_STATUS_ERROR;
  const int line = static_cast<int>(XML_GetCurrentLineNumber(parser));
  const char* shown = system_id ? system_id : "";
  const QString file = resolve_in_base(system_id);
  if (file.isEmpty()) {
    log(tcLog::kError, "Refused external entity \"%s\" at line %d: it lies outside %s\n", shown,
        line, QFile::encodeName(base_dir_).constData());
    return XML_STATUS_OK;
  }
  for (const QString& open : open_files_) {
    if (open == file) {
      log(tcLog::kError, "Refused external entity \"%s\" at line %d: it includes itself\n", shown,
          line);
      return XML_STATUS_OK;
    }
  }
  if (entities_read_ >= kMaxEntities) {
    log(tcLog::kError, "Refused external entity \"%s\" at line %d: more than %d entities\n", shown,
        line, kMaxEntities);
    return XML_STATUS_OK;
  }
  ParserPtr entity(XML_ExternalEntityParserCreate(parser, context, nullptr));
  if (!entity) {
    log(tcLog::kError, "Couldn't allocate memory for XML parser\n");
    return XML_STATUS_ERROR;
  }
  ++entities_read_;
  open_files_.push_back(file);
  XML_Parser outer = parser_;
  const int outer_depth = depth_;
  parser_ = entity.get();
  parse_loop(entity.get(), tcString(QFile::encodeName(file).constData()));
  // A broken entity may leave elements open; close them so the main parse goes on balanced.
  while (depth_ > outer_depth) end_element();
  parser_ = outer;
  open_files_.pop_back();
  // Only the nesting limit fails the main parse; other entity failures do not.
  return too_deep_ ? XML_STATUS_ERROR : XML_STATUS_OK;
}
