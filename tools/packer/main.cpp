// Tessellor: the skin packer. See tcTessellor for the command line.
#include <QFile>
#include <QStringList>

#include "tools/packer/tcTessellor.h"

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args.append(QFile::decodeName(argv[i]));
  return tcTessellor().exec(args);
}
