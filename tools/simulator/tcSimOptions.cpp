#include "tools/simulator/tcSimOptions.h"

#include <arpa/inet.h>

#include <QDir>
#include <QStandardPaths>

namespace {

// One option: its name, whether a value follows, and what it does with it.
// A rule returns the reason when the value is refused, else an empty text.
struct Rule {
  const char* name;
  bool takes_value;
  QString (*apply)(tcSimOptions& options, const QString& value);
};

QString take_bind(tcSimOptions& o, const QString& value) {
  in_addr parsed{};
  if (inet_pton(AF_INET, value.toLatin1().constData(), &parsed) != 1)
    return QStringLiteral("--bind needs an IPv4 address: %1").arg(value);
  o.bind = value;
  return {};
}

QString take_port(tcSimOptions& o, const QString& value) {
  bool ok = false;
  const uint port = value.toUInt(&ok);
  if (!ok || port > 65535) return QStringLiteral("bad --port: %1").arg(value);
  o.port = static_cast<uint16_t>(port);
  return {};
}

QString take_password(tcSimOptions& o, const QString& value) {
  o.has_password = true;
  o.password = value;
  return {};
}

QString take_state(tcSimOptions& o, const QString& value) {
  if (value.isEmpty()) return QStringLiteral("--state needs a directory");
  o.state_dir = value;
  return {};
}

QString take_meters_hz(tcSimOptions& o, const QString& value) {
  bool ok = false;
  const int hz = value.toInt(&ok);
  if (!ok || hz < 1 || hz > tcSimOptions::kMaxMetersHz)
    return QStringLiteral("--meters-hz must be 1 to %1: %2")
        .arg(tcSimOptions::kMaxMetersHz)
        .arg(value);
  o.meters_hz = hz;
  return {};
}

QString take_verbose(tcSimOptions& o, const QString&) {
  o.verbose = true;
  return {};
}

const Rule kRules[] = {
    {"--bind", true, take_bind},           {"--port", true, take_port},
    {"--password", true, take_password},   {"--state", true, take_state},
    {"--meters-hz", true, take_meters_hz}, {"--verbose", false, take_verbose},
};

const Rule* rule_of(const QString& arg) {
  for (const Rule& rule : kRules)
    if (arg == QLatin1String(rule.name)) return &rule;
  return nullptr;
}

}  // namespace

tcSimOptions::Result tcSimOptions::fail(const QString& reason) {
  error_ = reason;
  return kError;
}

tcSimOptions::Result tcSimOptions::parse(const QStringList& args) {
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == "--help" || arg == "-h") return kHelp;
    const Rule* rule = rule_of(arg);
    if (!rule) return fail(QStringLiteral("unknown option: %1").arg(arg));
    if (rule->takes_value && i + 1 >= args.size())
      return fail(QStringLiteral("%1 needs a value").arg(arg));
    const QString reason = rule->apply(*this, rule->takes_value ? args[++i] : QString());
    if (!reason.isEmpty()) return fail(reason);
  }
  if (state_dir.isEmpty())
    state_dir = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                    .filePath(QStringLiteral("qx770sim"));
  return kRun;
}

QString tcSimOptions::usage() {
  return QStringLiteral(
      "Usage: qx770sim [--bind ADDR] [--port 55900] [--password TEXT] [--state DIR]\n"
      "                [--meters-hz 10] [--verbose]\n"
      "A QX770HD processor on TCP for the console to connect to.\n"
      "  --bind ADDR       IPv4 address to listen on (default 127.0.0.1)\n"
      "  --port N          TCP port (default 55900; 0 picks a free one)\n"
      "  --password TEXT   login password, kept in the state (default: the kept one;\n"
      "                    none when fresh; \"\" removes it)\n"
      "  --state DIR       where presets, banks and settings are kept\n"
      "                    (default: the user's data folder, qx770sim)\n"
      "  --meters-hz N     meter records per second, 1 to 100 (default 10)\n"
      "  --verbose         print every message type received and sent on stderr\n"
      "  --help            this text\n");
}
