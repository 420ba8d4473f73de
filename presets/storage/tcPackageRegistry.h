#pragma once
// The installed preset packages: option PRESETS/packages, names separated by
// ";". A package's name is also its folder's name in the favourites directory.
#include <QString>
#include <QStringList>

class tcOptions;

class tcPackageRegistry {
 public:
  explicit tcPackageRegistry(tcOptions& options) : options_(options) {}

  // The names in order; empty parts are left out.
  QStringList names() const;
  bool is_installed(const QString& name) const;
  // Each returns 0, or -1 when the option file could not be written (the list
  // is then kept in memory and written when the options are next saved; `error`
  // holds the user's text).
  // Appends the name unless it is present.
  int add(const QString& name, QString* error = nullptr);
  int remove(const QString& name, QString* error = nullptr);

  // Whether a name can stand in the list: not empty, no ";".
  static bool valid_name(const QString& name);

 private:
  int store(const QStringList& names, QString* error);

  tcOptions& options_;
};
