#pragma once
// The packer tool's run: packs skin folders into one skin file, or unpacks a
// skin file into one folder. Every failure prints one "ERROR: " line (none for
// an option without its value) and the usage text, and the run ends with -1.
#include <QString>
#include <QStringList>

class tcTessellor {
 public:
  // args as on the command line, the program path included. 0 or -1.
  int exec(const QStringList& args);

 private:
  // False when -d, -i or -f is the last argument.
  bool scan(const QStringList& args);
  // The message of the first check that fails; empty when the run may go ahead.
  QString check() const;
  // 0, or -1 with *error set.
  int pack(QString* error) const;
  int unpack(QString* error) const;

  bool pack_ = false;
  bool unpack_ = false;
  bool all_images_ = false;  // "-a": accepted, every image is packed anyway
  QString skin_file_;
  QStringList dirs_;  // -d and -i, in command-line order
};
