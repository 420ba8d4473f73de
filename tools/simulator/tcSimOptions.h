#pragma once
// The simulator's command line:
//   qx770sim [--bind ADDR] [--port 55900] [--password TEXT] [--state DIR]
//            [--meters-hz 10] [--verbose] [--help]
#include <QString>
#include <QStringList>
#include <cstdint>

class tcSimOptions {
 public:
  enum Result { kRun = 0, kHelp = 1, kError = -1 };

  static constexpr uint16_t kDefaultPort = 55900;
  static constexpr int kDefaultMetersHz = 10;
  static constexpr int kMaxMetersHz = 100;

  QString bind = QStringLiteral("127.0.0.1");
  uint16_t port = kDefaultPort;  // 0 picks a free port (tests)
  bool has_password = false;     // --password given; it then replaces the stored one
  QString password;
  QString state_dir;  // empty until parsed: the default lies in the user's data folder
  int meters_hz = kDefaultMetersHz;
  bool verbose = false;

  // Reads the arguments after the program name. kError leaves the reason in error().
  Result parse(const QStringList& args);
  const QString& error() const { return error_; }
  static QString usage();

 private:
  Result fail(const QString& reason);

  QString error_;
};
