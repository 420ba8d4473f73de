#pragma once
// One preset on its way between the processor and the library: its header and
// values, and for a preset read from a file the file's name and bytes, so that
// a copy into a folder keeps the file as it was.
#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"

struct tcPresetClip {
  tcPresetHeader header;
  std::unique_ptr<SETTINGS> set = std::make_unique<SETTINGS>();
  QString file_name;  // "" for a processor preset
  QByteArray file_bytes;

  QString name() const { return header.name_text().toQString(); }
};

using tcPresetClips = std::vector<tcPresetClip>;
