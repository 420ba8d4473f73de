#include "tools/packer/tcTessellor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "skin/file/tcSkinFile.h"
#include "skin/file/tcSkinUnpacker.h"

namespace {

const char kUsage[] =
    "\n"
    "Usage: Tessellor -p -d <skindir> -i <imagedir> -f <skinfile>\n"
    "  Will pack the folder \"skindir\" into the file \"skinfile\"\n"
    "  Where: \n"
    "     skindir  = The directory containing the XML file and images.\n"
    "                Multiple -d parameters can be defined to pack\n"
    "                XML and images from multiple directories.\n"
    "     skinfile = The output skinfile.\n"
    "     imagedir = The optional directory for images not found in skindir.\n"
    "\n"
    "Usage: Tessellor -u -d <skindir> -f <skinfile>\n"
    "  Will unpack the file \"skinfile\" into the folder \"skindir\"\n"
    "  Where: \n"
    "     skindir  = The output directory.\n"
    "     skinfile = The input skinfile.\n"
    "\n";

int fail(const QString& error) {
  if (!error.isEmpty()) std::printf("ERROR: %s\n", error.toLocal8Bit().constData());
  std::fputs(kUsage, stdout);
  std::fflush(stdout);
  return -1;
}

}  // namespace

int tcTessellor::exec(const QStringList& args) {
  if (!scan(args)) return fail(QString());
  const QString error = check();
  if (!error.isEmpty()) return fail(error);
  std::fputs("WARNING: Packing all images, not just those being used.\n", stdout);

  QString run_error;
  if ((pack_ ? pack(&run_error) : unpack(&run_error)) != 0) return fail(run_error);
  std::fflush(stdout);
  return 0;
}

bool tcTessellor::scan(const QStringList& args) {
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == "-p") {
      pack_ = true;
    } else if (arg == "-u") {
      unpack_ = true;
    } else if (arg == "-a") {
      all_images_ = true;
    } else if (arg == "-d" || arg == "-i" || arg == "-f") {
      if (i + 1 >= args.size()) return false;
      const QString& value = args[++i];
      if (arg == "-f")
        skin_file_ = value;
      else
        dirs_.append(value);
    }
  }
  return true;
}

QString tcTessellor::check() const {
  if (pack_ == unpack_) return "Undefined operation";
  if (skin_file_.isEmpty()) return "Undefined skin file";
  if (dirs_.isEmpty()) return "Undefined skin folder(s)";
  if (unpack_ && dirs_.size() > 1) return "Sorry can't unpack into more than 1 directory";
  return QString();
}

int tcTessellor::pack(QString* error) const {
  for (const QString& path : dirs_) {
    if (!QFileInfo(path).isDir()) {
      *error = QString("Failed attempting to open skin directory \"%1\"")
                   .arg(QFileInfo(path).absoluteFilePath());
      return -1;
    }
  }
  const QFileInfo skin(skin_file_);
  QFile out(skin_file_);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    *error = QString("Failed attempting to pack skin \"%1\"").arg(skin.absoluteFilePath());
    return -1;
  }
  const QString write_error = QString("Failed creating skin file \"%1\"").arg(skin.fileName());
  const QByteArray header = tcSkinFile::encode_header();
  if (out.write(header) != header.size()) {
    *error = write_error;
    return -1;
  }
  const QStringList patterns = {"*.xml", "*.qss", "*.bmp", "*.png"};
  for (const QString& path : dirs_) {
    const QDir dir(path);
    const QStringList names =
        dir.entryList(patterns, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
      QFile in(dir.filePath(name));
      tcSkinEntry entry;
      entry.name = QFile::encodeName(name);
      // The whole content is read first, so that the size in the entry header
      // is always the number of bytes that follow it.
      if (in.open(QIODevice::ReadOnly)) entry.data = in.readAll();
      if (!in.isOpen() || in.error() != QFileDevice::NoError) {
        *error = QString("Failed locating file \"%1\" in directory \"%2\"")
                     .arg(name, dir.absolutePath());
        return -1;
      }
      const QByteArray bytes = tcSkinFile::encode_entry(entry);
      if (bytes.isEmpty()) {
        *error = QString("Failed storing file \"%1\" of directory \"%2\": unusable file name")
                     .arg(name, dir.absolutePath());
        return -1;
      }
      if (out.write(bytes) != bytes.size()) {
        *error = write_error;
        return -1;
      }
    }
  }
  if (!out.flush()) {
    *error = write_error;
    return -1;
  }
  return 0;
}

int tcTessellor::unpack(QString* error) const {
  QDir().mkpath(dirs_.first());
  const QDir dir(dirs_.first());
  if (!dir.exists()) {
    *error = "Failed attempting to create skin directory";
    return -1;
  }
  const QString skin_name = QFileInfo(skin_file_).fileName();
  QFile in(skin_file_);
  if (in.open(QIODevice::ReadOnly)) {
    switch (tcSkinUnpacker::extract(in.readAll(), dir, skin_name, error)) {
      case tcSkinUnpacker::kDone:
        return 0;
      case tcSkinUnpacker::kFailed:
        return -1;
      case tcSkinUnpacker::kShortHeader:
      case tcSkinUnpacker::kBadMagic:
        break;
    }
  }
  *error = QString("Failed attempting to unpack skin \"%1\"").arg(skin_name);
  return -1;
}
