#include "params/tcParamTable.h"

#include <array>
#include <cstddef>

namespace {
using T = tcValueTable;
using D = tcDisplayRule;

constexpr uint8_t kIo = tcParamTable::kFlagFollowIo;
constexpr uint8_t kSecret = tcParamTable::kFlagSecret;

constexpr const char* kOffOn[2] = {"Off", "On"};
constexpr const char* kInputSources[3] = {"Analog", "Digital", "AES"};
constexpr const char* kDigitalSources[2] = {"AES", "Solvanix-IP"};
// Test-oscillator frequencies (Hz); 7800 Hz is the deviation tone, 31200 Hz the Bessel null.
constexpr tcMapEntry kTestFrequencies[21] = {
    {50, "  50  Hz"},    {100, " 100  Hz"},   {150, " 150  Hz"},   {300, " 300  Hz"},
    {400, " 400  Hz"},   {600, " 600  Hz"},   {800, " 800  Hz"},   {1000, " 1.0 kHz"},
    {2000, " 2.0 kHz"},  {3000, " 3.0 kHz"},  {4000, " 4.0 kHz"},  {6000, " 6.0 kHz"},
    {7800, "7.8k dev"},  {8000, " 8.0 kHz"},  {10000, "10.0 kHz"}, {15000, "15.0 kHz"},
    {20000, "20.0 kHz"}, {31200, "Bessel  "}, {40000, "40.0 kHz"}, {60000, "60.0 kHz"},
    {80000, "80.0 kHz"},
};

// One line of a table as written below; a line with repeat > 1 stands for that many
// consecutive ids whose names carry the numbers first, first + 1, ... in place of '#'.
struct Draft {
  tcParamRow row;
  uint8_t repeat;
  uint8_t first;
  uint8_t digits;
};

constexpr Draft base(uint16_t id, uint8_t type, const char* name, uint8_t flags) {
  Draft s{};
  s.row.id = id;
  s.row.type = type;
  for (int i = 0; name[i] && i < tcParamRow::kNameSize - 1; ++i) s.row.name[i] = name[i];
  s.row.follow_io = (flags & kIo) ? 1 : 0;
  s.row.secret = (flags & kSecret) ? 1 : 0;
  s.repeat = 1;
  return s;
}

// Switch, optionally with its own label pair.
constexpr Draft sw(uint16_t id, const char* name, uint8_t def, uint8_t flags = 0,
                   const char* const* labels = nullptr) {
  Draft s = base(id, MAP_TYPE::kBool, name, flags);
  s.row.bool_default = def;
  s.row.int_max = 1;
  s.row.labels = labels;
  s.row.label_count = labels ? 2 : 0;
  return s;
}

// Integer.
constexpr Draft in(uint16_t id, const char* name, uint32_t def, uint32_t min, uint32_t max,
                   uint8_t flags = 0) {
  Draft s = base(id, MAP_TYPE::kInt, name, flags);
  s.row.int_default = def;
  s.row.int_min = min;
  s.row.int_max = max;
  return s;
}

// Float on a value table.
constexpr Draft ft(uint16_t id, const char* name, T table, float def, float min, float max,
                   uint8_t flags = 0) {
  Draft s = base(id, MAP_TYPE::kFloat, name, flags);
  s.row.table = table;
  s.row.float_default = def;
  s.row.float_min = min;
  s.row.float_max = max;
  return s;
}

// Float in linear steps of the given resolution.
constexpr Draft fl(uint16_t id, const char* name, float resolution, const char* format, float def,
                   float min, float max, uint8_t flags = 0) {
  Draft s = ft(id, name, T::kNone, def, min, max, flags);
  s.row.resolution = resolution;
  s.row.format = format;
  return s;
}

constexpr Draft rep(Draft s, uint8_t repeat, uint8_t first, uint8_t digits = 1) {
  s.repeat = repeat;
  s.first = first;
  s.digits = digits;
  return s;
}

constexpr Draft shown(Draft s, D rule) {
  s.row.display = rule;
  return s;
}

// Global integers: full unsigned range unless given.
constexpr Draft gi(uint16_t id, const char* name, uint32_t def, const char* format,
                   uint32_t max = 0xFFFFFFFFu) {
  Draft s = in(id, name, def, 0, max);
  s.row.format = format;
  return s;
}

constexpr Draft labelled(Draft s, const char* const* labels, uint8_t count) {
  s.row.labels = labels;
  s.row.label_count = count;
  return s;
}

constexpr Draft recorded(Draft s, const tcMapEntry* records, uint8_t count) {
  s.row.records = records;
  s.row.label_count = count;
  return s;
}

constexpr const char* kPct1 = "%3.1f %%";
constexpr const char* kPct0 = "%3.0f %%";
constexpr const char* kDb1 = "% +6.1fdB";
constexpr const char* kDb2 = "% +6.2fdB";
constexpr const char* kFine = "% +5.3f";

constexpr Draft kPresetSpecs[] = {
    ft(0x1001, "Inp Analog Gain", T::kGain, 0, -36, 12, kIo),
    ft(0x1008, "Inp Digital Gain", T::kGain, 0, -36, 12, kIo),
    ft(0x1002, "Inp Gain Offset", T::kGain, 0, -12, 12, kIo),
    sw(0x1005, "Inp AMono In", 0),
    ft(0x1006, "Inp AMono Thr", T::kGain, -20, -40, 0),
    sw(0x1007, "Inp Crash Lim", 0),
    sw(0x1004, "Inp Symmetry", 0, kIo),
    sw(0x100C, "Inp HPF Stereo", 0),
    sw(0x100A, "Inp HPF S In", 0),
    sw(0x100B, "Inp HPF D In", 0),
    ft(0x1003, "Inp HPF S Freq", T::kFrequency, 80, 20, 300),
    ft(0x1009, "Inp HPF D Freq", T::kFrequency, 80, 20, 300),
    sw(0x1129, "Vox Coupling", 0),
    sw(0x1130, "Vox Mono Sense", 1),
    ft(0x1131, "Vox Converge Rate", T::kTime, 100, 10, 1000),
    ft(0x1132, "Vox Diverge Rate", T::kTime, 100, 10, 1000),
    in(0x1300, "PEQ Position", 0, 0, 1),
    sw(0x1301, "PEQ Mstr In", 0),
    ft(0x1306, "PEQ 1 Freq", T::kFrequency, 50, 20, 20000),
    ft(0x1307, "PEQ 2 Freq", T::kFrequency, 800, 20, 20000),
    ft(0x1308, "PEQ 3 Freq", T::kFrequency, 2800, 20, 20000),
    ft(0x1309, "PEQ 4 Freq", T::kFrequency, 16000, 20, 20000),
    ft(0x130A, "PEQ 1 BW", T::kOctave, 1, 0.2f, 3),
    ft(0x130B, "PEQ 2 BW", T::kOctave, 0.5f, 0.2f, 3),
    ft(0x130C, "PEQ 3 BW", T::kOctave, 0.67f, 0.2f, 3),
    ft(0x130D, "PEQ 4 BW", T::kOctave, 0.4f, 0.2f, 3),
    ft(0x130E, "PEQ 1 Lift", T::kGain, 6, -14, 14),
    ft(0x130F, "PEQ 2 Lift", T::kGain, -4, -14, 14),
    ft(0x1310, "PEQ 3 Lift", T::kGain, 3, -14, 14),
    ft(0x1311, "PEQ 4 Lift", T::kGain, 8, -14, 14),
    sw(0x132C, "DEQ Enable", 0),
    ft(0x1320, "DEQ 1 Freq", T::kFrequency, 50, 20, 20000),
    ft(0x1321, "DEQ 2 Freq", T::kFrequency, 800, 20, 20000),
    ft(0x1322, "DEQ 3 Freq", T::kFrequency, 2800, 20, 20000),
    ft(0x1323, "DEQ 4 Freq", T::kFrequency, 16000, 20, 20000),
    ft(0x1324, "DEQ 1 BW", T::kOctave, 1, 0.2f, 3),
    ft(0x1325, "DEQ 2 BW", T::kOctave, 0.5f, 0.2f, 3),
    ft(0x1326, "DEQ 3 BW", T::kOctave, 0.67f, 0.2f, 3),
    ft(0x1327, "DEQ 4 BW", T::kOctave, 0.4f, 0.2f, 3),
    rep(ft(0x1328, "DEQ # Lift", T::kGain, 0, -14, 14), 4, 1),
    sw(0x1340, "Sizzler Enable", 0),
    fl(0x1341, "Sizzler Level", 1, kPct1, 25, 0, 100),
    in(0x1440, "SST In", 0, 0, 2),
    sw(0x1400, "AGC In", 0),
    sw(0x1401, "Comp In", 0),
    ft(0x1403, "AGC/Comp XFR1", T::kFrequency, 80, 20, 149),
    ft(0x1404, "AGC/Comp XFR2", T::kFrequency, 240, 160, 680),
    ft(0x1405, "AGC/Comp XFR3", T::kFrequency, 1000, 720, 2200),
    ft(0x1406, "AGC/Comp XFR4", T::kFrequency, 5000, 2600, 20000),
    shown(ft(0x1433, "AGC Frz Thr", T::kGain, -40, -80, -20), D::kOffAtMin),
    rep(ft(0x1437, "AGC # Frz Offset", T::kGain, 0, -6, 6), 5, 1),
    ft(0x1434, "AGC Frz Delay", T::kTime, 100, 50, 500),
    in(0x1435, "AGC Frz Mode", 0, 0, 1),
    ft(0x143C, "AGC High Cplng", T::kGain, -6, -6, 0),
    ft(0x1436, "AGC Low Coupling", T::kGain, -6, -12, 0),
    fl(0x1402, "AGC Backoff", 0.1f, kDb1, -3, -6, 0),
    ft(0x1441, "SST Ramp Rate", T::kTime, 3000, 2000, 7000),
    ft(0x1442, "SST Drv", T::kGain, 30, 30, 40),
    ft(0x1443, "SST Freeze Thr", T::kGain, -45, -60, -35),
    ft(0x1444, "SST Window Size", T::kGain, 5, 3, 12),
    ft(0x1407, "AGC/Comp Drv", T::kGain, -10, -12, 6),
    ft(0x1408, "AGC/Comp Makeup", T::kGain, 30, 24, 36),
    ft(0x140A, "AGC/Comp Dff Mkup", T::kGain, 0, 0, 6),
    rep(ft(0x1429, "AGC # Atk", T::kTime, 200, 50, 500), 5, 1),
    rep(ft(0x142E, "AGC # Rls", T::kTime, 1500, 1000, 7000), 5, 1),
    rep(ft(0x140B, "Comp # Thr", T::kFullScale, -65, -70, -50), 5, 1),
    rep(ft(0x1410, "Comp # Rat", T::kRatio, 4, 1, 20), 5, 1),
    rep(ft(0x1415, "Comp # Atk", T::kTime, 10, 3, 100), 5, 1),
    rep(ft(0x141A, "Comp # Rls", T::kTime, 150, 50, 1000), 5, 1),
    rep(ft(0x141F, "Comp Out # Trim", T::kGain, 0, -6, 6), 5, 1),
    rep(ft(0x1424, "Comp Diff # Trim", T::kGain, 0, -6, 6), 5, 1),
    ft(0x1505, "FM VBMS Drive", T::kGain, 0, -6, 6),
    in(0x1506, "FM VBMS Style", 1, 0, 2),
    ft(0x1507, "FM VBMS Out", T::kGain, 0, -6, 6),
    ft(0x1508, "FM VBMS Freq", T::kFrequency, 200, 60, 300),
    fl(0x1509, "FM VBMS Texture", 1, kPct1, 50, 0, 50),
    sw(0x150A, "FM VBMS Sub In", 1),
    sw(0x150E, "FM VBMS Sub On", 0, 0, kOffOn),
    fl(0x150B, "FM VBMS Sub Trim", 1, kPct1, 16, 0, 100),
    fl(0x150D, "FM VBMS Sub Range", 1, kPct0, 17, 0, 100),
    sw(0x1500, "FM MB Lim In", 0),
    fl(0x1501, "FM MB Lim Drive", 0.1f, kPct1, 85, 80, 100),
    in(0x1502, "FM MB Lim Knee", 0, 0, 1),
    in(0x1503, "FM MB Lim Couple", 0, 0, 3),
    rep(ft(0x1510, "FM MB # Lim Thr", T::kGain, 0, -6, 6), 31, 1, 2),
    rep(ft(0x1550, "FM MB # Atk", T::kTime, 15, 10, 100), 31, 1, 2),
    rep(ft(0x1570, "FM MB # Rls", T::kTime, 50, 3, 100), 31, 1, 2),
    rep(sw(0x1590, "FM MB # Timbral", 1), 31, 1, 2),
    ft(0x15B4, "FM PEQ 1 Freq", T::kFrequency, 50, 20, 20000),
    ft(0x15B5, "FM PEQ 2 Freq", T::kFrequency, 800, 20, 20000),
    ft(0x15B6, "FM PEQ 3 Freq", T::kFrequency, 2800, 20, 20000),
    ft(0x15B7, "FM PEQ 4 Freq", T::kFrequency, 16000, 20, 20000),
    ft(0x15B8, "FM PEQ 1 BW", T::kOctave, 1, 0.2f, 3),
    ft(0x15B9, "FM PEQ 2 BW", T::kOctave, 0.5f, 0.2f, 3),
    ft(0x15BA, "FM PEQ 3 BW", T::kOctave, 0.67f, 0.2f, 3),
    ft(0x15BB, "FM PEQ 4 BW", T::kOctave, 0.4f, 0.2f, 3),
    fl(0x15BC, "FM PEQ 1 Lift", 0.1f, kDb1, 1.2f, -3, 3),
    fl(0x15BD, "FM PEQ 2 Lift", 0.1f, kDb1, -0.7f, -3, 3),
    fl(0x15BE, "FM PEQ 3 Lift", 0.1f, kDb1, 0.2f, -3, 3),
    fl(0x15BF, "FM PEQ 4 Lift", 0.1f, kDb1, 1.7f, -3, 3),
    sw(0x1700, "HD MB Lim In", 0),
    fl(0x1701, "HD MB Lim Drv", 0.1f, kPct1, 85, 80, 100),
    in(0x1702, "HD MB Lim Knee", 0, 0, 1),
    ft(0x1703, "HD VBMS Drv", T::kGain, 0, -6, 6),
    in(0x1704, "HD VBMS Style", 1, 0, 2),
    ft(0x1705, "HD VBMS Out", T::kGain, 0, -6, 6),
    ft(0x1706, "HD VBMS Freq", T::kFrequency, 117, 80, 300),
    fl(0x1707, "HD VBMS Texture", 1, kPct1, 50, 0, 50),
    sw(0x1708, "HD VBMS Sub In", 1),
    sw(0x170C, "HD VBMS Sub On", 0, 0, kOffOn),
    fl(0x1709, "HD VBMS Sub Trim", 1, kPct1, 18, 0, 100),
    fl(0x170B, "HD VBMS Sub Range", 1, kPct0, 17, 0, 100),
    rep(ft(0x1730, "HD MB # Thr", T::kGain, 0, -6, 6), 31, 1, 2),
    rep(ft(0x1750, "HD MB # Atk", T::kTime, 15, 10, 100), 31, 1, 2),
    rep(ft(0x1770, "HD MB # Rls", T::kTime, 50, 3, 100), 31, 1, 2),
    ft(0x17C4, "HD PEQ 1 Freq", T::kFrequency, 50, 20, 20000),
    ft(0x17C5, "HD PEQ 2 Freq", T::kFrequency, 800, 20, 20000),
    ft(0x17C6, "HD PEQ 3 Freq", T::kFrequency, 2800, 20, 20000),
    ft(0x17C7, "HD PEQ 4 Freq", T::kFrequency, 16000, 20, 20000),
    ft(0x17C8, "HD PEQ 1 BW", T::kOctave, 1, 0.2f, 3),
    ft(0x17C9, "HD PEQ 2 BW", T::kOctave, 0.5f, 0.2f, 3),
    ft(0x17CA, "HD PEQ 3 BW", T::kOctave, 0.67f, 0.2f, 3),
    ft(0x17CB, "HD PEQ 4 BW", T::kOctave, 0.4f, 0.2f, 3),
    fl(0x17CC, "HD PEQ 1 Lift", 0.1f, kDb1, 1.2f, -3, 3),
    fl(0x17CD, "HD PEQ 2 Lift", 0.1f, kDb1, -0.7f, -3, 3),
    fl(0x17CE, "HD PEQ 3 Lift", 0.1f, kDb1, 0.2f, -3, 3),
    fl(0x17CF, "HD PEQ 4 Lift", 0.1f, kDb1, 1.7f, -3, 3),
    fl(0x1800, "HD Lim Clip Drv", 0.05f, kDb2, 0, -6, 6),
    shown(fl(0x1801, "HD Out Gain", 0.05f, kDb2, -12, -80, 0, kIo), D::kOffAtMin),
    sw(0x1802, "HD Lim In", 0),
    in(0x1808, "HD Lim Clip Type", 1, 0, 2),
    fl(0x1809, "HD Lim Thr", 0.05f, kDb2, 0, -6, 6),
    ft(0x1803, "HD Lim Atk", T::kTime, 0.5f, 0.2f, 30),
    ft(0x1804, "HD Lim Rls", T::kTime, 50, 33, 330),
    ft(0x180A, "HD Lim Long Rls", T::kTime, 330, 100, 1000),
    sw(0x180B, "HD Lim Long In", 0),
    sw(0x1806, "HD Lim Linked", 0),
    shown(sw(0x1805, "HD Phase", 0, kIo), D::kSign),
    sw(0x1807, "HD L R Swap", 0, kIo),
    fl(0x1600, "FM Lim Clip Drv", 0.05f, kDb2, 0, -6, 6),
    in(0x1613, "FM Emphasis", 2, 2, 4, kIo),
    in(0x160A, "FM Emphasis Pos", 0, 0, 2),
    in(0x161C, "FM Sideband Mode", 0, 0, 1),
    in(0x1605, "FM Multiplexer", 0, 0, 1, kIo),
    in(0x160B, "FM Mpx Process", 1, 1, 2),
    in(0x160F, "FM St W Limiter", 0, 0, 11),
    fl(0x1612, "FM MPX Lim Drv", 0.05f, kDb2, 0, -6, 6),
    fl(0x1614, "FM Pilot", 0.1f, "% 5.1f %%", 9, 0, 20, kIo),
    fl(0x160C, "FM Pilot Phase", 0.5f, "% +5.1f \xB0", 0, -22.5f, 22.5f, kIo),
    sw(0x160E, "FM Pilot Only", 0, kIo),
    sw(0x161D, "FM BS412 In", 0, kIo),
    ft(0x1611, "FM BS412 Level", T::kTrim, 9.5f, -2, 9.5f, kIo),
    shown(rep(fl(0x1615, "FM SCA#", 0.05f, kDb2, 0, -80, 10, kIo), 2, 1), D::kOffAtMin),
    shown(rep(fl(0x1617, "FM TX#", 0.05f, kDb2, 0, -80, 6, kIo), 2, 1), D::kOffAtMin),
    shown(fl(0x1610, "FM Analog Out", 0.05f, kDb2, 0, -80, 0, kIo), D::kOffAtMin),
    in(0x1619, "FM Analog", 0, 0, 3, kIo),
    shown(fl(0x161A, "FM AES Gain", 0.05f, kDb2, -12, -80, 0, kIo), D::kOffAtMin),
    sw(0x161B, "FM AES DeEmph", 1, kIo),
    sw(0x160D, "FM AES PreDelay", 1, kIo),
    sw(0x1601, "FM Lim In", 0),
    in(0x1606, "FM Lim Clip Type", 1, 1, 3),
    fl(0x1602, "FM Lim Thresh", 0.05f, kDb2, 0, -6, 6),
    ft(0x1603, "FM Lim Attack", T::kTime, 0.5f, 0.2f, 30),
    ft(0x1604, "FM Lim Release", T::kTime, 50, 33, 330),
    ft(0x1607, "FM Lim Long Rls", T::kTime, 330, 100, 1000),
    sw(0x1608, "FM Lim Long In", 0),
    sw(0x1609, "FM Lim Link", 0),
    fl(0x1901, "Crip Output", 0.05f, kDb2, 3, -6, 6, kSecret),
    fl(0x1910, "Crip F1", 0.001f, kFine, 0.55f, 0.4f, 0.7f, kSecret),
    fl(0x1911, "Crip F2", 0.001f, kFine, 0.53f, 0.4f, 0.7f, kSecret),
    fl(0x1912, "Crip F3", 0.001f, kFine, 0.55f, 0.4f, 0.7f, kSecret),
    fl(0x1913, "Crip F4", 0.001f, kFine, 0.561f, 0.4f, 0.7f, kSecret),
    fl(0x1914, "Crip F5", 0.001f, kFine, 0.51f, 0.4f, 0.7f, kSecret),
    fl(0x1915, "Crip F6", 0.001f, kFine, 0.48f, 0.4f, 0.7f, kSecret),
    rep(fl(0x1916, "Crip F#", 0.001f, kFine, 0.56f, 0.4f, 0.7f, kSecret), 3, 7),
    rep(fl(0x1920, "Crip X#", 0.001f, kFine, 0.27f, 0, 0.4f, kSecret), 3, 1),
    fl(0x1923, "Crip X4", 0.001f, kFine, 0.267f, 0, 0.4f, kSecret),
    fl(0x1924, "Crip X5", 0.001f, kFine, 0.302f, 0, 0.4f, kSecret),
    fl(0x1925, "Crip X6", 0.001f, kFine, 0.33f, 0, 0.4f, kSecret),
    fl(0x1926, "Crip X7", 0.001f, kFine, 0.331f, 0, 0.4f, kSecret),
    fl(0x1927, "Crip X8", 0.001f, kFine, 0.345f, 0, 0.4f, kSecret),
    fl(0x1928, "Crip X9", 0.001f, kFine, 0.338f, 0, 0.4f, kSecret),
    rep(fl(0x1930, "Crip C#", 0.001f, kFine, 0.5f, 0, 0.999f, kSecret), 9, 1),
    shown(in(0x1200, "Tweeker A", 5, 0, 10), D::kBracketed),
    shown(in(0x1201, "Tweeker B", 5, 0, 10), D::kBracketed),
    shown(in(0x1202, "Tweeker C", 5, 0, 10), D::kBracketed),
    shown(in(0x1203, "Tweeker D", 5, 0, 10), D::kBracketed),
    shown(in(0x1204, "Tweeker E", 5, 0, 10), D::kBracketed),
    shown(in(0x1205, "Tweeker F", 5, 0, 10), D::kBracketed),
    shown(in(0x1206, "Tweeker G", 5, 0, 10), D::kBracketed),
    shown(in(0x1207, "Tweeker H", 5, 0, 10), D::kBracketed),
    shown(in(0x1208, "Tweeker I", 5, 0, 10), D::kBracketed),
    shown(in(0x1209, "Tweeker J", 5, 0, 10), D::kBracketed),
    in(0x1940, "Digital Output", 0, 0, 1),
};

constexpr Draft kGlobalSpecs[] = {
    sw(0x2000, "S_FOLLOW", 0),
    shown(gi(0x2001, "DELAY   ", 0, nullptr), D::kDelay),
    gi(0x2002, "HDPN SRC", 0, "%d"),
    gi(0x2003, "HDPN LEV", 50, "%d"),
    recorded(gi(0x2004, "FM FREQ ", 7, nullptr), kTestFrequencies, 21),
    gi(0x2005, "FM LEVEL", 25, "%d"),
    sw(0x2006, "FM TEST ", 0),
    gi(0x2008, "RemotePw", 0, "%08X"),
    gi(0x2009, "LocalPw ", 0, "%08X"),
    gi(0x200A, "LocalAcc", 0, "%08X"),
    gi(0x200C, "Analysis", 0, "%d", 5),
    gi(0x200D, "AnalysCh", 0, "%d", 1),
    labelled(gi(0x3000, "InpSourc", 0, nullptr, 2), kInputSources, 3),
    sw(0x3002, "InpFOver", 0),
    labelled(gi(0x3001, "DigSourc", 0, nullptr, 1), kDigitalSources, 2),
    gi(0x4000, "FP_Pswd ", 0, "%08X"),
};

template <size_t N>
constexpr int row_total(const Draft (&drafts)[N]) {
  int n = 0;
  for (size_t i = 0; i < N; ++i) n += drafts[i].repeat;
  return n;
}

template <int Count, size_t N>
constexpr std::array<tcParamRow, Count + 1> expand(const Draft (&drafts)[N]) {
  std::array<tcParamRow, Count + 1> rows{};
  int k = 0;
  for (size_t i = 0; i < N; ++i) {
    for (int j = 0; j < drafts[i].repeat; ++j) {
      tcParamRow row = drafts[i].row;
      row.id = static_cast<uint16_t>(row.id + j);
      if (drafts[i].repeat > 1) {
        const int number = drafts[i].first + j;
        const char* pattern = drafts[i].row.name;
        int out = 0;
        for (int c = 0; pattern[c] && out < tcParamRow::kNameSize - 1; ++c) {
          if (pattern[c] != '#') {
            row.name[out++] = pattern[c];
            continue;
          }
          if (drafts[i].digits == 2) row.name[out++] = static_cast<char>('0' + number / 10);
          if (out < tcParamRow::kNameSize - 1)
            row.name[out++] = static_cast<char>('0' + number % 10);
        }
        while (out < tcParamRow::kNameSize) row.name[out++] = '\0';
      }
      rows[k++] = row;
    }
  }
  rows[Count].id = tcParamTable::kEndId;
  rows[Count].type = 0xFF;
  return rows;
}

template <uint32_t Span, size_t N>
constexpr std::array<int16_t, Span> build_index(const std::array<tcParamRow, N>& rows,
                                                uint16_t base) {
  std::array<int16_t, Span> index{};
  for (size_t i = 0; i + 1 < N; ++i) index[rows[i].id - base] = static_cast<int16_t>(i + 1);
  return index;
}

// Every id within the index span and used once.
template <uint32_t Span, size_t N>
constexpr bool ids_fit(const std::array<tcParamRow, N>& rows, uint16_t base) {
  std::array<uint8_t, Span> seen{};
  for (size_t i = 0; i + 1 < N; ++i) {
    if (rows[i].id < base || rows[i].id - base >= static_cast<int>(Span)) return false;
    if (seen[rows[i].id - base]++) return false;
  }
  return true;
}

constexpr uint16_t kPresetBase = 0x1001;
constexpr uint32_t kPresetSpan = 0x1940 - kPresetBase + 1;
constexpr uint16_t kGlobalBase = 0x2000;
constexpr uint32_t kGlobalSpan = 0x4000 - kGlobalBase + 1;

static_assert(row_total(kPresetSpecs) == tcParamTable::kPresetCount, "preset row count");
static_assert(row_total(kGlobalSpecs) == tcParamTable::kGlobalCount, "global row count");

constexpr auto kPresetRows = expand<tcParamTable::kPresetCount>(kPresetSpecs);
constexpr auto kGlobalRows = expand<tcParamTable::kGlobalCount>(kGlobalSpecs);
static_assert(ids_fit<kPresetSpan>(kPresetRows, kPresetBase), "preset ids unique and in range");
static_assert(ids_fit<kGlobalSpan>(kGlobalRows, kGlobalBase), "global ids unique and in range");

constexpr auto kPresetIndex = build_index<kPresetSpan>(kPresetRows, kPresetBase);
constexpr auto kGlobalIndex = build_index<kGlobalSpan>(kGlobalRows, kGlobalBase);
}  // namespace

const tcParamTable& tcParamTable::presets() {
  static const tcParamTable table(kPresetRows.data(), kPresetCount, kPresetIndex.data(),
                                  kPresetBase, kPresetSpan);
  return table;
}

const tcParamTable& tcParamTable::globals() {
  static const tcParamTable table(kGlobalRows.data(), kGlobalCount, kGlobalIndex.data(),
                                  kGlobalBase, kGlobalSpan);
  return table;
}

int tcParamTable::type_of(uint16_t id) const {
  const tcParamRow* row = find(id);
  return row ? row->type : -1;
}

uint8_t tcParamTable::flags_of(uint16_t id) const {
  const tcParamRow* row = find(id);
  if (!row) return 0;
  return static_cast<uint8_t>((row->follow_io ? kFlagFollowIo : 0) |
                              (row->secret ? kFlagSecret : 0));
}

uint16_t tcParamTable::next_id(uint16_t id) const {
  const int i = index_of(id);
  return i < 0 ? kEndId : rows_[i + 1].id;
}
