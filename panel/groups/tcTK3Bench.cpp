#include "panel/groups/tcTK3Bench.h"

#include <memory>

#include "panel/groups/tcControlGroupCompressor.h"
#include "panel/groups/tcControlGroupFMOut.h"
#include "panel/groups/tcControlGroupFMPlex.h"
#include "panel/groups/tcControlGroupHDOut.h"
#include "panel/groups/tcControlGroupInput.h"
#include "panel/groups/tcControlGroupMain.h"
#include "panel/groups/tcControlGroupParametric.h"
#include "panel/groups/tcControlGroupSystem.h"
#include "panel/groups/tcControlGroupTest.h"

namespace {

using Maker = std::unique_ptr<tcControlGroup> (*)(tcAPBench* bench);

template <class Group>
std::unique_ptr<tcControlGroup> make(tcAPBench* bench) {
  return std::make_unique<Group>(bench);
}

struct GroupRow {
  int slot;
  Maker make;
};

// Creation order of the groups; a page group joins with its row.
const GroupRow kGroups[] = {
    {tcAPBench::kMain, &make<tcControlGroupMain>},
    {tcAPBench::kInput, &make<tcControlGroupInput>},
    {tcAPBench::kParametric, &make<tcControlGroupParametric>},
    {tcAPBench::kCompressor, &make<tcControlGroupCompressor>},
    {tcAPBench::kHdOut, &make<tcControlGroupHDOut>},
    {tcAPBench::kTest, &make<tcControlGroupTest>},
    {tcAPBench::kSystem, &make<tcControlGroupSystem>},
    {tcAPBench::kFmOut, &make<tcControlGroupFMOut>},
    {tcAPBench::kFmPlex, &make<tcControlGroupFMPlex>},
};

}  // namespace

tcTK3Bench::tcTK3Bench(const tcString& skin_dir, const tcPanelStores& stores)
    : tcAPBench(skin_dir, stores) {}

tcTK3Bench::~tcTK3Bench() = default;

void tcTK3Bench::create_groups() {
  for (const GroupRow& row : kGroups) add_group(row.make(this), row.slot);
}

tcControlGroupMain* tcTK3Bench::main_group() const {
  return static_cast<tcControlGroupMain*>(group(kMain));
}
