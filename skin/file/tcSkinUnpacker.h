#pragma once
// The console's unpacker: extracts a skin file into a folder (the "SkinTemp"
// folder while a packed skin loads, or a named skin folder from the chooser) and
// removes the temporary folder again once the panel is built.
#include <QString>

class QByteArray;
class QDir;

class tcSkinUnpacker {
 public:
  enum Outcome { kDone = 0, kShortHeader, kBadMagic, kFailed };

  // Fills target_dir, which must exist, from skin_file. 0 on success; -1 with
  // error_text() set otherwise. Entries written before a failure stay on disk.
  int unpack(const QString& skin_file, const QString& target_dir);
  // Deletes the files of the folder filled last, then the folder itself.
  void clean_up();

  const QString& error_text() const { return error_; }
  const QString& target_path() const { return target_; }

  // base_dir/"SkinTemp", created if missing.
  static QString make_temp_dir(const QString& base_dir);

  // Decodes a skin file's bytes and writes its entries into dir in file order,
  // each replacing a file of its name. A header that can't be used is returned
  // as kShortHeader or kBadMagic for the caller to word; kFailed (an entry that
  // can't be written, a damaged file) comes with *error naming skin_name. The
  // packer tool unpacks through here too.
  static Outcome extract(const QByteArray& bytes, const QDir& dir, const QString& skin_name,
                         QString* error);

 private:
  QString error_;
  QString target_;
};
