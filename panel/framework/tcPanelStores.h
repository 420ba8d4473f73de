#pragma once
// What the control groups read and write: the window's parameter stores and
// option files. The window fills it when it builds a bench; every pointer
// outlives the bench. A pointer may be none in a test world: the groups then
// read 0 and write nothing there.
class GLOBALS;
class tcAnalysisConfig;
class tcLiveSettings;
class tcOptions;
class tcQuickSave;

struct tcPanelStores {
  tcLiveSettings* banks = nullptr;  // the live sets; the panel works on the current one
  GLOBALS* globals = nullptr;
  tcOptions* options = nullptr;
  tcAnalysisConfig* analysis_config = nullptr;
  tcQuickSave* quick_save = nullptr;
};
