#include "tools/simulator/tcSimStateFile.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <cstdio>

#include "app/core/tcAtomicFile.h"
#include "params/tcPresetFile.h"

namespace {

using Fields = QList<QByteArray>;

// What one read of the index fills.
struct Reading {
  tcSimState& state;
  std::vector<tcIddApGui::tsAPEvent> events;
};

uint32_t u32_of(const QByteArray& field) {
  bool ok = false;
  const qulonglong v = field.toULongLong(&ok, 0);
  return ok ? static_cast<uint32_t>(v) : 0;
}

int int_of(const QByteArray& field) {
  bool ok = false;
  const int v = field.toInt(&ok, 0);
  return ok ? v : -1;
}

QByteArray num(uint64_t v) {
  return QByteArray::number(static_cast<qulonglong>(v));
}
QByteArray hex(uint32_t v) {
  return "0x" + QByteArray::number(v, 16).toUpper();
}

void read_global(const Fields& f, Reading& r) {
  tcSimState& state = r.state;
  if (f.size() < 3) return;
  state.globals().set_int(static_cast<uint16_t>(u32_of(f[1])), u32_of(f[2]), kSourceSilent);
}

void read_bank(const Fields& f, Reading& r) {
  tcSimState& state = r.state;
  const int b = f.size() >= 12 ? int_of(f[1]) : -1;
  if (!tcSimState::valid_bank(b)) return;
  tcPresetHeader& h = state.bank(b).header;
  for (int i = 0; i < 4; ++i) {
    h.check[i] = u32_of(f[2 + i]);
    h.count[i] = static_cast<uint16_t>(u32_of(f[6 + i]));
  }
  h.word_a = u32_of(f[10]);
  h.word_b = u32_of(f[11]);
}

void read_slot(const Fields& f, Reading& r) {
  tcSimState& state = r.state;
  const int s = f.size() >= 7 ? int_of(f[1]) : -1;
  if (!tcSimState::valid_slot(s) || !state.slot(s).header.present) return;
  tcPresetHeader& h = state.slot(s).header;
  const uint32_t status = u32_of(f[2]);
  h.status = static_cast<uint8_t>(status <= tcSimState::kFactoryLocked ? status : 0);
  h.word_a = u32_of(f[3]);
  h.word_b = u32_of(f[4]);
  h.check[tcPresetHeader::kProcessor] = u32_of(f[5]);
  h.count[tcPresetHeader::kProcessor] = static_cast<uint16_t>(u32_of(f[6]));
}

void read_event(const Fields& f, Reading& r) {
  if (f.size() >= 3) r.events.push_back({u32_of(f[1]), u32_of(f[2])});
}

void read_clock(const Fields& f, Reading& r) {
  tcSimState& state = r.state;
  if (f.size() < 5) return;
  tcSimClock& clock = state.clock();
  clock.sntp = u32_of(f[1]) != 0;
  const Fields quad = f[2].split('.');
  if (quad.size() == 4)
    for (int i = 0; i < 4; ++i) clock.server[i] = static_cast<uint8_t>(u32_of(quad[i]));
  clock.zone_seconds = static_cast<int32_t>(f[3].toInt());
  clock.offset_seconds = f[4].toLongLong();
}

// Lines of the index by their first word.
struct LineReader {
  const char* key;
  void (*read)(const Fields&, Reading&);
};
const LineReader kReaders[] = {
    {"global", read_global}, {"bank", read_bank},   {"slot", read_slot},
    {"clock", read_clock},   {"event", read_event},
};

}  // namespace

QString tcSimStateFile::bank_path(int b) const {
  return QDir(dir_).filePath(QStringLiteral("bank_%1.qx770x").arg(b));
}

QString tcSimStateFile::slot_path(int s) const {
  return QDir(dir_).filePath(QStringLiteral("preset_%1.qx770x").arg(s, 2, 10, QLatin1Char('0')));
}

QString tcSimStateFile::index_path() const {
  return QDir(dir_).filePath(kIndexName);
}

QByteArray tcSimStateFile::encode_index(const tcSimState& state) {
  QByteArray out = QByteArray(kIndexMagic) + "\n";
  const GLOBALS& g = state.globals();
  for (uint16_t id = g.first_id(); id != tcParamTable::kEndId; id = g.next_id(id))
    out += "global " + hex(id) + " " + num(g.int_value(id)) + "\n";
  for (int b = 0; b < tcSimState::kBanks; ++b) {
    const tcPresetHeader& h = state.bank(b).header;
    out += "bank " + num(b);
    for (uint32_t c : h.check) out += " " + hex(c);
    for (uint16_t c : h.count) out += " " + num(c);
    out += " " + hex(h.word_a) + " " + hex(h.word_b) + "\n";
  }
  for (int s = 0; s < tcSimState::kSlots; ++s) {
    const tcPresetHeader& h = state.slot(s).header;
    if (!h.present) continue;
    out += "slot " + num(s) + " " + num(h.status) + " " + hex(h.word_a) + " " + hex(h.word_b) +
           " " + hex(h.check[tcPresetHeader::kProcessor]) + " " +
           num(h.count[tcPresetHeader::kProcessor]) + "\n";
  }
  const tcSimClock& c = state.clock();
  out += "clock " + num(c.sntp ? 1 : 0) + " " + num(c.server[0]) + "." + num(c.server[1]) + "." +
         num(c.server[2]) + "." + num(c.server[3]) + " " + QByteArray::number(c.zone_seconds) +
         " " + QByteArray::number(static_cast<qlonglong>(c.offset_seconds)) + "\n";
  for (const tcIddApGui::tsAPEvent& e : state.events())
    out += "event " + hex(e.word0) + " " + num(e.word1) + "\n";
  return out;
}

void tcSimStateFile::decode_index(const QByteArray& text, tcSimState& state) {
  Reading reading{state, {}};
  for (const QByteArray& line : text.split('\n')) {
    const Fields f = line.simplified().split(' ');
    for (const LineReader& reader : kReaders)
      if (f[0] == reader.key) reader.read(f, reading);
  }
  state.set_events(std::move(reading.events));
}

int tcSimStateFile::load(tcSimState& state) const {
  QFile index(index_path());
  if (!index.open(QIODevice::ReadOnly)) return -1;
  const QByteArray text = index.read(4 << 20);
  if (!text.startsWith(kIndexMagic)) return -1;
  for (int b = 0; b < tcSimState::kBanks; ++b) {
    tcSimState::Entry& bank = state.bank(b);
    tcPresetHeader header;
    if (tcPresetFile::load_checked(bank_path(b), &header, bank.set.get()) == 0) {
      bank.header = header;
      bank.header.status = 0;
    }
  }
  for (int s = 0; s < tcSimState::kSlots; ++s) {
    tcSimState::Entry& slot = state.slot(s);
    slot.header.clear();
    slot.set.reset();
    if (!QFile::exists(slot_path(s))) continue;
    auto set = std::make_unique<SETTINGS>();
    if (tcPresetFile::load_checked(slot_path(s), &slot.header, set.get()) == 0) {
      slot.set = std::move(set);
      continue;
    }
    std::fprintf(stderr, "qx770sim: %s is not a preset file; slot %d left empty\n",
                 qPrintable(slot_path(s)), s);
    slot.header.clear();
  }
  decode_index(text, state);
  state.mark_clean();
  return 0;
}

int tcSimStateFile::save(tcSimState& state, bool everything) const {
  if (!QDir().mkpath(dir_)) return -1;
  tcSimState::Dirty dirty = state.dirty();
  if (everything) {
    dirty.banks.set();
    dirty.presets.set();
    dirty.index = true;
  }
  tcSimState::Dirty failed;
  for (int b = 0; b < tcSimState::kBanks; ++b) {
    if (!dirty.banks[b]) continue;
    const tcSimState::Entry& bank = state.bank(b);
    if (tcPresetFile::write(bank.header, *bank.set, bank_path(b)) != 0) failed.banks.set(b);
  }
  for (int s = 0; s < tcSimState::kSlots; ++s) {
    if (!dirty.presets[s]) continue;
    const tcSimState::Entry& slot = state.slot(s);
    const bool ok = slot.header.present
                        ? tcPresetFile::write(slot.header, *slot.set, slot_path(s)) == 0
                        : (!QFile::exists(slot_path(s)) || QFile::remove(slot_path(s)));
    if (!ok) failed.presets.set(s);
  }
  // The index last: it speaks of the files written above.
  if (dirty.index || dirty.banks.any() || dirty.presets.any())
    if (tcAtomicFile::write(index_path(), encode_index(state)) != 0) failed.index = true;
  state.mark_clean();
  if (!failed.any()) return 0;
  state.mark_dirty(failed);
  return -1;
}
