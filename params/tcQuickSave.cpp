#include "params/tcQuickSave.h"

#include <QDir>

#include "app/core/tcAtomicFile.h"
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
  QString reason;
  const int result = tcPresetFile::write(header, set, paths_[which], &reason);
  if (result != 0) error_ = tcAtomicFile::failure_text(paths_[which], reason);
  tcSettings::copy(&set, sets_[which].get(), 0);
  return result;
}

int tcQuickSave::save_both(const tcSettings& set) {
  const int a = save(set, kA);
  const int b = save(set, kB);
  return a == 0 && b == 0 ? 0 : -1;
}

int tcQuickSave::switch_to(Slot target, tcSettings& live) {
  if (target == index_) return 0;
  const int result = save(live, index_);
  tcSettings::copy(sets_[target].get(), &live, 0);
  index_ = target;
  return result;
}
