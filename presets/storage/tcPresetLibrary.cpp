#include "presets/storage/tcPresetLibrary.h"

#include <QDir>
#include <QFileInfo>

#include "params/tcPresetFile.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetIndex.h"

namespace {
constexpr int kMaxCopies = 99;

// A preset name as a file's base name: no separators, control characters or a
// name made only of dots.
QString file_base(const QString& name) {
  QString base = name.trimmed();
  for (QChar& c : base) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) c = QLatin1Char('_');
  }
  if (base.isEmpty() || base.count(QLatin1Char('.')) == base.size())
    base = QStringLiteral("preset");
  return base;
}
}  // namespace

tcPresetNode tcPresetLibrary::load(const QString& root, const tcPackageRegistry& registry) {
  tcPresetNode node;
  node.kind = tcPresetNode::kFolder;
  node.path = QDir(root).absolutePath();
  node.name = QFileInfo(node.path).fileName();
  load_folder(node.path, node, registry);
  return node;
}

void tcPresetLibrary::load_folder(const QString& root, tcPresetNode& node,
                                  const tcPackageRegistry& registry) {
  const QDir dir(node.path);
  const QFileInfoList folders =
      dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
  for (const QFileInfo& info : folders) {
    tcPresetNode child;
    child.kind = tcPresetNode::kFolder;
    child.name = info.fileName();
    child.path = info.absoluteFilePath();
    child.in_package = !package_of(root, child.path, registry).isEmpty();
    child.package_root = child.in_package && node.path == root;
    load_folder(root, child, registry);
    node.children.push_back(std::move(child));
  }
  for (const QString& name : folder_presets(node.path)) {
    tcPresetNode preset;
    preset.kind = tcPresetNode::kPreset;
    preset.name = name;
    preset.path = dir.absoluteFilePath(name);
    preset.in_package = node.in_package;
    node.children.push_back(std::move(preset));
  }
}

QStringList tcPresetLibrary::folder_presets(const QString& folder) {
  const QDir dir(folder);
  const tcPresetIndex index(folder);
  QStringList indexed = index.read();
  QStringList shown;
  for (const QString& name : indexed) {
    // A line naming another folder (a hand-made or hostile index) shows nothing.
    if (name.contains(QLatin1Char('/')) || shown.contains(name)) continue;
    if (QFileInfo(dir.filePath(name)).isFile()) shown << name;
  }
  bool appended = false;
  const QStringList files =
      dir.entryList(QStringList() << QLatin1String(tcPresetFile::kFilter), QDir::Files, QDir::Name);
  for (const QString& name : files) {
    if (indexed.contains(name)) continue;
    shown << name;
    indexed << name;
    appended = true;
  }
  // Lines whose files vanished stay; they show nothing.
  if (appended) index.write(indexed);
  return shown;
}

QString tcPresetLibrary::package_of(const QString& root, const QString& folder,
                                    const tcPackageRegistry& registry) {
  const QString relative = QDir(root).relativeFilePath(QDir(folder).absolutePath());
  if (relative.isEmpty() || relative == QLatin1String(".") || relative == QLatin1String("..") ||
      relative.startsWith(QLatin1String("../")))
    return QString();
  const QString top = relative.section(QLatin1Char('/'), 0, 0);
  return registry.is_installed(top) ? top : QString();
}

QString tcPresetLibrary::free_file_name(const QString& folder, const QString& name) {
  const QDir dir(folder);
  const QString base = file_base(name);
  const QString suffix = QLatin1String(tcPresetFile::kSuffix);
  for (int n = 1; n <= kMaxCopies; ++n) {
    const QString candidate =
        n == 1 ? base + suffix : QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
    if (!QFileInfo::exists(dir.filePath(candidate))) return candidate;
  }
  return QString();
}
