#include "tools/presetcli/tcPresetCli.h"

#include <QFileInfo>
#include <cmath>

#include "params/MAP_TYPE.h"
#include "params/SETTINGS.h"
#include "params/tcPresetFile.h"
#include "params/tcPresetFileTexts.h"
#include "tools/presetcli/tcPresetDump.h"

namespace {
const char kNotPackage[] = "This is not an QX770HD preset package.";

QString hex_id(uint16_t id) {
  return QString::asprintf("0x%04X", id);
}
}  // namespace

const tcPresetCli::Command tcPresetCli::kCommands[] = {
    {"dump", "dump [--json] FILE", 1, 2, &tcPresetCli::dump},
    {"new", "new [--name NAME] [--set 0xID=VALUE]... OUT", 1, -1, &tcPresetCli::make},
    {"diff", "diff A B", 2, 2, &tcPresetCli::diff},
    {"pkg-build", "pkg-build ROOT OUT.pkg", 2, 2, &tcPresetCli::pkg_build},
    {"pkg-list", "pkg-list PKG", 1, 1, &tcPresetCli::pkg_list},
    {"pkg-extract", "pkg-extract PKG DIR", 2, 2, &tcPresetCli::pkg_extract},
    {"--help", "--help", 0, 0, &tcPresetCli::help},
};

int tcPresetCli::run(const QStringList& args) {
  if (args.isEmpty()) return usage_error("no command given");
  const QString name = args.first() == "-h" || args.first() == "help" ? "--help" : args.first();
  const QStringList rest = args.mid(1);
  for (const Command& command : kCommands) {
    if (name != command.name) continue;
    if (rest.size() < command.min_args ||
        (command.max_args >= 0 && rest.size() > command.max_args)) {
      return usage_error(QString("usage: qx770preset %1").arg(command.usage));
    }
    return (this->*command.handler)(rest);
  }
  return usage_error(QString("unknown command \"%1\"").arg(name));
}

int tcPresetCli::help(const QStringList&) {
  QByteArray text =
      "qx770preset: back up, inspect and compare QX770HD preset files and packages.\n\n"
      "Commands:\n";
  for (const Command& command : kCommands)
    text += QByteArray("  qx770preset ") + command.usage + "\n";
  text +=
      "\n"
      "  dump          name, map version, group check sums, then every parameter\n"
      "  dump --json   the same as one JSON object\n"
      "  new           a preset from the defaults; --set takes engineering values for\n"
      "                float parameters and values for integers and switches (0/1);\n"
      "                the name defaults to OUT's base name\n"
      "  diff          the parameters whose values differ\n"
      "  pkg-build     pack the preset and index files below ROOT\n"
      "  pkg-list      entry sizes and names\n"
      "  pkg-extract   unpack into DIR\n"
      "\n"
      "Exit status: 0 success (diff: equal), 1 not a preset file (\"Invalid File Type\")\n"
      "or not a package, diff: different, 2 any other failure.\n";
  print(text);
  return kExitOk;
}

int tcPresetCli::dump(const QStringList& args) {
  QStringList files = args;
  const bool as_json = files.removeAll("--json") > 0;
  if (files.size() != 1) return usage_error("usage: qx770preset dump [--json] FILE");
  tcPresetHeader header;
  SETTINGS set;
  const int status = load(files.first(), &header, &set);
  if (status != kExitOk) return status;
  print(as_json ? tcPresetDump::json(header, set) : tcPresetDump::text(header, set));
  return kExitOk;
}

int tcPresetCli::make(const QStringList& args) {
  SETTINGS set;
  QString name;
  bool named = false;
  QStringList outputs;
  for (int n = 0; n < args.size(); ++n) {
    const QString& arg = args[n];
    if (arg == "--name" || arg == "--set") {
      if (n + 1 >= args.size()) return usage_error(QString("%1 needs a value").arg(arg));
      const QString& value = args[++n];
      if (arg == "--name") {
        name = value;
        named = true;
      } else if (apply_setting(value, &set) != kExitOk) {
        return kExitFailure;
      }
    } else if (arg.startsWith("--")) {
      return usage_error(QString("unknown option \"%1\"").arg(arg));
    } else {
      outputs << arg;
    }
  }
  if (outputs.size() != 1)
    return usage_error("usage: qx770preset new [--name NAME] [--set 0xID=VALUE]... OUT");
  const QString out = outputs.first();
  if (!named) name = QFileInfo(out).completeBaseName();

  const QByteArray name_bytes = name.toLatin1();
  tcString verdict;
  if (!tcPresetFileTexts::check_name(name_bytes.constData(), &verdict)) {
    return fail(QString("bad preset name \"%1\": %2")
                    .arg(name, QString::fromLatin1(verdict.c_str()).replace('\n', ' ')));
  }
  tcPresetHeader header;
  header.set_name(name_bytes.constData());
  if (tcPresetFile::write(header, set, out) != 0) return fail(QString("cannot write %1").arg(out));
  return kExitOk;
}

int tcPresetCli::apply_setting(const QString& setting, tcSettings* set) {
  const int equals = setting.indexOf('=');
  bool ok = false;
  const uint id = equals > 0 ? setting.left(equals).toUInt(&ok, 0) : 0;
  if (!ok || id > 0xFFFF) return fail(QString("--set wants 0xID=VALUE, not \"%1\"").arg(setting));
  const auto pid = static_cast<uint16_t>(id);
  const QString text = setting.mid(equals + 1).trimmed();
  const QString what =
      QString("%1 %2").arg(hex_id(pid), QString::fromLatin1(set->name(pid).c_str()));
  switch (set->type(pid)) {
    case MAP_TYPE::kFloat: {
      const double number = text.toDouble(&ok);
      if (!ok || !std::isfinite(number)) {
        return fail(QString("%1: \"%2\" is not a number").arg(what, text));
      }
      // Compared as floats, so that "0.7" meets a maximum stored as 0.7f.
      const auto value = static_cast<float>(number);
      const float low = set->float_min(pid);
      const float high = set->float_max(pid);
      if (value < low || value > high) {
        return fail(QString("%1: %2 is outside %3 to %4").arg(what, text).arg(low).arg(high));
      }
      set->set_float(pid, value, kSourceSilent);
      return kExitOk;
    }
    case MAP_TYPE::kInt: {
      const qlonglong value = text.toLongLong(&ok, 0);
      if (!ok) return fail(QString("%1: \"%2\" is not an integer").arg(what, text));
      if (value < set->int_min(pid) || value > set->int_max(pid)) {
        return fail(QString("%1: %2 is outside %3 to %4")
                        .arg(what, text)
                        .arg(set->int_min(pid))
                        .arg(set->int_max(pid)));
      }
      set->set_int(pid, static_cast<uint32_t>(value), kSourceSilent);
      return kExitOk;
    }
    case MAP_TYPE::kBool:
      if (text != "0" && text != "1")
        return fail(QString("%1: a switch is 0 or 1, not \"%2\"").arg(what, text));
      set->set_bool(pid, text == "1" ? 1 : 0, kSourceSilent);
      return kExitOk;
    default:
      return fail(QString("no preset parameter %1").arg(hex_id(pid)));
  }
}

int tcPresetCli::diff(const QStringList& args) {
  tcPresetHeader header;
  SETTINGS a;
  SETTINGS b;
  int status = load(args[0], &header, &a);
  if (status == kExitOk) status = load(args[1], &header, &b);
  if (status != kExitOk) return status;
  const QByteArray differences = tcPresetDump::diff(a, b);
  print(differences);
  return differences.isEmpty() ? kExitOk : kExitDifferent;
}

int tcPresetCli::pkg_build(const QStringList& args) {
  QString reason;
  if (tcPresetPackage::build(args[1], args[0], &reason) != 0) return fail(reason);
  return kExitOk;
}

int tcPresetCli::pkg_list(const QStringList& args) {
  QVector<tcPresetPackage::Entry> entries;
  const int status = read_package(args[0], &entries);
  if (status != kExitOk) return status;
  QByteArray text;
  for (const tcPresetPackage::Entry& entry : entries) {
    text += QByteArray::number(entry.data.size()).rightJustified(10) + " " + entry.name + "\n";
  }
  print(text);
  return kExitOk;
}

int tcPresetCli::pkg_extract(const QStringList& args) {
  QVector<tcPresetPackage::Entry> entries;
  const int status = read_package(args[0], &entries);
  if (status != kExitOk) return status;
  QString reason;
  if (tcPresetPackage::extract(entries, args[1], &reason) != 0) return fail(reason);
  return kExitOk;
}

int tcPresetCli::load(const QString& path, tcPresetHeader* header, tcSettings* set) {
  switch (tcPresetFile::load_checked(path, header, set)) {
    case tcPresetFileCodec::kOk:
      return kExitOk;
    case tcPresetFileCodec::kNotPreset:
      std::fprintf(err_, "Invalid File Type\n");
      return kExitNotPreset;
    case tcPresetFileCodec::kTruncated:
      return fail(QString("%1: the preset header is cut short").arg(path));
    case tcPresetFile::kUnreadable:
      return fail(QString("cannot read %1").arg(path));
    default:
      return fail(QString("%1: Unknown Error").arg(path));
  }
}

int tcPresetCli::read_package(const QString& path, QVector<tcPresetPackage::Entry>* entries) {
  QString reason;
  switch (tcPresetPackage::read(path, entries, &reason)) {
    case tcPresetPackageCodec::kOk:
      return kExitOk;
    case tcPresetPackageCodec::kNotPackage:
      std::fprintf(err_, "%s\n", kNotPackage);
      return kExitNotPreset;
    case tcPresetPackageCodec::kBroken:
      return fail(QString("%1: broken package: %2").arg(path, reason));
    default:
      return fail(reason);
  }
}

int tcPresetCli::fail(const QString& reason) {
  std::fprintf(err_, "qx770preset: %s\n", reason.toLocal8Bit().constData());
  return kExitFailure;
}

int tcPresetCli::usage_error(const QString& reason) {
  std::fprintf(err_, "qx770preset: %s (see qx770preset --help)\n",
               reason.toLocal8Bit().constData());
  return kExitFailure;
}

void tcPresetCli::print(const QByteArray& text) {
  std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), out_);
}
