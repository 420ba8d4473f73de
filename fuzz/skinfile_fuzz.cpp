// Skin files are outside input: decoding must never crash, never hand out a name
// that could leave the target folder, and what decodes cleanly must re-encode
// to the same entries.
#include <cstdint>
#include <cstdlib>

#include "skin/file/tcSkinFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
  const tcSkinFile::Decoded decoded = tcSkinFile::decode(bytes);
  for (const tcSkinEntry& entry : decoded.entries)
    if (!tcSkinFile::is_safe_name(entry.name)) std::abort();
  if (decoded.verdict != tcSkinFile::kOk) {
    if (decoded.verdict >= tcSkinFile::kUnsafeName &&
        tcSkinFile::damage_text(decoded, "fuzz.skin").isEmpty())
      std::abort();
    return 0;
  }
  const tcSkinFile::Decoded again = tcSkinFile::decode(tcSkinFile::encode(decoded.entries));
  if (again.verdict != tcSkinFile::kOk || again.entries.size() != decoded.entries.size())
    std::abort();
  for (int i = 0; i < again.entries.size(); ++i)
    if (again.entries[i].name != decoded.entries[i].name ||
        again.entries[i].data != decoded.entries[i].data)
      std::abort();
  return 0;
}
