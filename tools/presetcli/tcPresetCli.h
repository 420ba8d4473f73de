#pragma once
// qx770preset: reads, writes, compares and packs preset files for scripts. Each
// subcommand is one method reached through the command table.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "params/tcPresetHeader.h"
#include "params/tcSettings.h"
#include "presets/storage/tcPresetPackage.h"

class tcPresetCli {
 public:
  enum Exit {
    kExitOk = 0,
    kExitDifferent = 1,  // diff: the presets differ
    kExitNotPreset = 1,  // "Invalid File Type"
    kExitFailure = 2,    // anything else, with a one-line reason
  };

  tcPresetCli(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
  // args without the program name.
  int run(const QStringList& args);

 private:
  struct Command {
    const char* name;
    const char* usage;
    int min_args;
    int max_args;  // -1: any number
    int (tcPresetCli::*handler)(const QStringList& args);
  };
  static const Command kCommands[];

  int help(const QStringList& args);
  int dump(const QStringList& args);
  int make(const QStringList& args);
  int diff(const QStringList& args);
  int pkg_build(const QStringList& args);
  int pkg_list(const QStringList& args);
  int pkg_extract(const QStringList& args);

  // Loads a preset strictly: a file that cannot be read fails here, unlike in the
  // console, where it loads as an empty success. kExitOk or the exit status.
  int load(const QString& path, tcPresetHeader* header, tcSettings* set);
  // Applies one "0xID=VALUE"; kExitOk or kExitFailure with the reason told.
  int apply_setting(const QString& setting, tcSettings* set);
  int read_package(const QString& path, QVector<tcPresetPackage::Entry>* entries);

  int fail(const QString& reason);
  int usage_error(const QString& reason);
  void print(const QByteArray& text);

  std::FILE* out_;
  std::FILE* err_;
};
