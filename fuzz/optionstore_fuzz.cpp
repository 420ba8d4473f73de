// Option files come from disk and may be anything: the reader must neither
// crash nor hang, and what it keeps must write back into a file that reads
// back to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/core/tcIniXmlCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tcIniXmlCodec::Map map;
  tcIniXmlCodec::decode(reinterpret_cast<const char*>(data), size, map);

  const QByteArray written = tcIniXmlCodec::encode(map);
  tcIniXmlCodec::Map again;
  if (tcIniXmlCodec::decode(written, again) != 0) std::abort();
  // Only entries with names XML can hold are written; the written file is
  // stable from then on.
  if (tcIniXmlCodec::encode(again) != written) std::abort();
  return 0;
}
