#include "app/startup/tcAppContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <vector>

#include "app/core/tcCrc32.h"
#include "app/core/tcLog.h"

namespace {

std::atomic<tcAppContext*> g_context{nullptr};
std::mutex g_log_lock;

void skin_log_hook(uintptr_t, int, const char* fmt, va_list args) {
  va_list sizing;
  va_copy(sizing, args);
  const int length = std::vsnprintf(nullptr, 0, fmt, sizing);
  va_end(sizing);
  if (length < 0) return;
  std::vector<char> text(static_cast<size_t>(length) + 2);
  std::vsnprintf(text.data(), text.size(), fmt, args);
  // One message, one line: the loader's messages carry no line end of their own.
  size_t size = static_cast<size_t>(length);
  if (size == 0 || text[size - 1] != '\n') text[size++] = '\n';
  std::lock_guard<std::mutex> hold(g_log_lock);
  if (const tcAppContext* context = g_context.load()) context->append_skin_log(text.data(), size);
}

}  // namespace

tcAppSetup tcAppSetup::from_process() {
  return {QCoreApplication::arguments(), QDir::currentPath(), tcAppDirs::documents_location()};
}

tcAppContext::tcAppContext(const tcAppSetup& setup)
    : setup_(setup), skin_log_(QDir(setup.working_dir).absoluteFilePath(kSkinLogName)) {
  g_context.store(this);
}

tcAppContext::~tcAppContext() {
  if (hook_installed_ && tcLog::hook() == skin_log_hook) tcLog::set_hook(nullptr);
  {
    std::lock_guard<std::mutex> hold(g_log_lock);
    tcAppContext* self = this;
    g_context.compare_exchange_strong(self, nullptr);
  }
  flush_options();
}

tcAppContext* tcAppContext::instance() {
  return g_context.load();
}

void tcAppContext::load_resources() {
  static std::once_flag once;
  // The images live in a static library; naming them here keeps them linked in.
  std::call_once(once, [] { Q_INIT_RESOURCE(resources); });
}

void tcAppContext::start() {
  data_folder_ = tcAppDirs::data_folder_from_args(setup_.arguments);
  dirs_.setup(setup_.working_dir, setup_.documents_dir, data_folder_);

  // The old program's option file is renamed where it lies; the stores below
  // read the data directory.
  dirs_.move_legacy_options();
  options_ = std::make_unique<tcOptions>(dirs_.data_file(tcOptions::kFileName));
  analysis_options_ =
      std::make_unique<tcAnalysisOptions>(dirs_.data_file(tcAnalysisOptions::kFileName));
  analysis_config_ =
      std::make_unique<tcAnalysisConfig>(dirs_.data_file(tcAnalysisConfig::kFileName));

  QFile log(skin_log_);
  if (log.open(QIODevice::WriteOnly | QIODevice::Truncate)) log.close();

  tcCrc32::build_table();
}

void tcAppContext::install_log_hook() {
  tcLog::set_hook(skin_log_hook);
  hook_installed_ = true;
}

int tcAppContext::flush_options(QStringList* errors) {
  int result = 0;
  const auto flush = [&](auto& store) {
    if (!store || store->flush() == 0) return;
    result = -1;
    if (errors) errors->append(store->write_error());
  };
  flush(options_);
  flush(analysis_options_);
  flush(analysis_config_);
  return result;
}

void tcAppContext::append_skin_log(const char* text, size_t length) const {
  if (FILE* file = std::fopen(QFile::encodeName(skin_log_).constData(), "a")) {
    std::fwrite(text, 1, length, file);
    std::fclose(file);
  }
}
