#pragma once
// The QX770HD bench: its control groups, created after the skin is loaded in
// the order Main, Input, Parametric, Compressor, HD Out, Test, System, FM Out,
// FM Plex. Each group is one row of the creation table; a page group's
// constructor takes the bench.
#include "panel/framework/tcAPBench.h"

class tcControlGroupMain;

class tcTK3Bench : public tcAPBench {
 public:
  tcTK3Bench(const tcString& skin_dir, const tcPanelStores& stores);
  ~tcTK3Bench() override;

  // None before setup() or when the skin failed.
  tcControlGroupMain* main_group() const;

 protected:
  void create_groups() override;
};
