#include "params/tcQuickSave.h"

#include <QDir>

#include "params/tcPresetFile.h"
#include "params/tcPresetHeader.h"

tcQuickSave::tcQuickSave(const QString& presets_dir) {
  const QDir dir(presets_dir);
  paths_[kA] = dir.filePath(kFileA);
  paths_[kB] = dir.filePath(kFileB);
  for (int slot = kA; slot <= kB; ++slot) {
    sets_[slot] = std::make_unique<SETTINGS>();
    tcPresetHeader header;
    tcPresetFile::load(paths_[slot], &header, sets_[slot].get());
  }
}

tcQuickSave::~tcQuickSave() = default;

int tcQuickSave::save(const tcSettings& set, Slot which) {
  tcPresetHeader header;
  header.set_name("QSAVE");
  header.take_checksums(set);
  const int result = tcPresetFile::write(header, set, paths_[which]);
  tcSettings::copy(&set, sets_[which].get(), 0);
  return result;
}

int tcQuickSave::save_both(const tcSettings& set) {
  const int a = save(set, kA);
  const int b = save(set, kB);
  return a == 0 && b == 0 ? 0 : -1;
}
