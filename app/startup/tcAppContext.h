#pragma once
// Owner of the process-wide application objects: the data folder name, the
// directories, the three option stores and the skin log. The main window
// creates one at start and destroys it on close; while it lives every part of
// the program reaches it through instance().
#include <QString>
#include <QStringList>
#include <cstddef>
#include <memory>

#include "app/core/tcAnalysisConfig.h"
#include "app/core/tcAnalysisOptions.h"
#include "app/core/tcOptions.h"
#include "app/startup/tcAppDirs.h"

// What start-up takes from the process; tests hand in their own folders.
struct tcAppSetup {
  QStringList arguments;  // the whole command line, program name first
  QString working_dir;    // becomes the application directory
  QString documents_dir;  // the user's documents folder
  static tcAppSetup from_process();
};

class tcAppContext {
 public:
  static constexpr const char* kSkinLogName = "skin.log";

  explicit tcAppContext(const tcAppSetup& setup);
  ~tcAppContext();  // flushes the option stores; removes its log hook
  tcAppContext(const tcAppContext&) = delete;
  tcAppContext& operator=(const tcAppContext&) = delete;

  // The live context, or none.
  static tcAppContext* instance();
  // Registers the built-in images (":/Resources/..."); safe to call again.
  static void load_resources();

  // Start-up steps of the process-wide application objects, in this order:
  // command line, directories, legacy option file, the three option stores,
  // empty skin log, CRC-32 table.
  void start();
  // Sends the process-wide log lines (XML reader, skin loader) to the skin log.
  void install_log_hook();

  // Writes every modified option store; -1 when any could not be written, with
  // the user's text for each failed file in `errors`.
  int flush_options(QStringList* errors = nullptr);

  const QString& data_folder() const { return data_folder_; }
  const tcAppDirs& dirs() const { return dirs_; }
  // Valid after start().
  tcOptions& options() { return *options_; }
  tcAnalysisOptions& analysis_options() { return *analysis_options_; }
  tcAnalysisConfig& analysis_config() { return *analysis_config_; }
  const QString& skin_log_path() const { return skin_log_; }

  // One line for the skin log: the file is opened for appending, written and
  // closed again, so the log survives a crash.
  void append_skin_log(const char* text, size_t length) const;

 private:
  const tcAppSetup setup_;
  QString data_folder_ = tcAppDirs::kDefaultDataFolder;
  tcAppDirs dirs_;
  QString skin_log_;
  std::unique_ptr<tcOptions> options_;
  std::unique_ptr<tcAnalysisOptions> analysis_options_;
  std::unique_ptr<tcAnalysisConfig> analysis_config_;
  bool hook_installed_ = false;
};
