#pragma once
// The three option stores the analysis window needs, in a private folder.
#include <QTemporaryDir>

#include "app/core/tcAnalysisConfig.h"
#include "app/core/tcAnalysisOptions.h"
#include "app/core/tcOptions.h"

struct tcAnalysisStores {
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir;
  tcOptions options{path(tcOptions::kFileName)};
  tcAnalysisOptions analysis_options{path(tcAnalysisOptions::kFileName)};
  tcAnalysisConfig config{path(tcAnalysisConfig::kFileName)};
};
