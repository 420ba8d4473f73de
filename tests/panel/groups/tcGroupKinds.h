#pragma once
// The kinds each group takes for the controls its binding tables do not name
// (radio groups and items, lamps, buttons, graphs...), with every kind the
// group can drive where skins may draw a control either way. The group tests
// check their test skins with these, and the default skin is checked whole.
#include <map>

#include "panel/framework/tcAPBench.h"
#include "panel/groups/tcControlGroupCompressor.h"
#include "panel/groups/tcControlGroupFMOut.h"
#include "panel/groups/tcControlGroupFMPlex.h"
#include "panel/groups/tcControlGroupHDOut.h"
#include "panel/groups/tcControlGroupInput.h"
#include "panel/groups/tcControlGroupMain.h"
#include "panel/groups/tcControlGroupParametric.h"
#include "panel/groups/tcControlGroupSystem.h"
#include "panel/groups/tcControlGroupTest.h"
#include "tests/panel/tcGroupCheck.h"

inline std::map<int, tcKindSet> tcGroupKinds(int slot) {
  using O = tcGuiObject;
  const tcKindSet any{};
  const tcKindSet button{O::kButton};
  const tcKindSet check{O::kCheckBox};
  const tcKindSet combo{O::kCombo};
  const tcKindSet lamp{O::kLamp};
  const tcKindSet radio{O::kRadioGroup};
  const tcKindSet item{O::kRadioItem};
  std::map<int, tcKindSet> k;
  switch (slot) {
    case tcAPBench::kMain: {
      using M = tcControlGroupMain;
      k = {{M::kFreeDraw, any},
           {M::kStatOnline, {O::kDisplay}},
           {M::kStatDevice, {O::kDisplay}},
           {M::kStatPreset, {O::kDisplay}},
           {M::kGraph, {O::kApGraph}},
           {M::kOnline, check}};
      for (int id : {M::kSysAbout, M::kSysMinimize, M::kSysExit, M::kFlowInput, M::kFlowPeq,
                     M::kFlowComp, M::kFlowFmOut, M::kFlowFmPlex, M::kFlowHdOut, M::kFlowSystem,
                     M::kFlowTest, M::kSave, M::kTake, M::kQsaveA, M::kQsaveB, M::kQsaveAB,
                     M::kPresets, M::kDevices, M::kAnalysis}) {
        k[id] = button;
      }
      break;
    }
    case tcAPBench::kInput: {
      using G = tcControlGroupInput;
      k = {{G::kFreeDraw, any},      {G::kSource, radio},       {G::kDigital, radio},
           {G::kSourceAnalog, item}, {G::kSourceDigital, item}, {G::kDigitalAes, item},
           {G::kDigitalSvip, item},  {G::kAnalogLamp, lamp},    {G::kDigitalLamp, lamp}};
      break;
    }
    case tcAPBench::kParametric: {
      using G = tcControlGroupParametric;
      k = {{G::kFreeDraw, any},        {G::kPeqPosition, radio},
           {G::kPeqPositionPre, item}, {G::kPeqPositionPost, item},
           {G::kDeqView, check},       {G::kDeqSynch, {O::kButton, O::kCheckBox}}};
      break;
    }
    case tcAPBench::kCompressor: {
      using G = tcControlGroupCompressor;
      k = {{G::kFreeDraw, any},
           {G::kFreezeMode, radio},
           {G::kType, radio},
           {G::kFreezeModeOoze, item},
           {G::kFreezeModeGate, item}};
      for (int id : {G::kAgcEnable, G::kCompEnable, G::kSstEnableA, G::kSstEnableB}) k[id] = check;
      for (int id :
           {G::kDiffMakeup, G::kHighCoupling, G::kLowCoupling, G::kFreezeThreshold, G::kCrossover1,
            G::kCrossover2, G::kCrossover3, G::kCrossover4, G::kSstDrive, G::kSstFreezeThreshold}) {
        k[id] = combo;
      }
      for (int id : {G::kTypeAgcFreeze, G::kTypeThreshold, G::kTypeCompAttack, G::kTypeCompRelease,
                     G::kTypeRatio, G::kTypeOutTrim, G::kTypeDiffTrim}) {
        k[id] = item;
      }
      for (int knob : {G::kDriveKnob, G::kMakeupKnob, G::kFreezeDelayKnob, G::kBackoffKnob,
                       G::kSstRampKnob, G::kSstWindowKnob}) {
        k[knob] = {O::kKnob};
        k[knob + 1] = {O::kDisplay};
      }
      break;
    }
    case tcAPBench::kHdOut: {
      using G = tcControlGroupHDOut;
      k = {{G::kFreeDraw, any},   {G::kMbType, radio},   {G::kMbTypeThr, item},
           {G::kMbTypeAtt, item}, {G::kMbTypeRel, item}, {G::kMbTypeEq, item}};
      break;
    }
    case tcAPBench::kFmOut: {
      using G = tcControlGroupFMOut;
      const tcKindSet mark{O::kButton, O::kLamp, O::kRadioItem};
      k = {{G::kFreeDraw, any},
           {G::kGraph, {O::kApGraph, O::kDynGraph}},
           {G::kDelayCoarse, {O::kSlider}},
           {G::kDelayFine, {O::kSlider}},
           {G::kDelayDisplay, {O::kDisplay}},
           {G::kMbCouplingW, check},
           {G::kMbCouplingT, check},
           {G::kMbType, radio},
           {G::kMbTypeThr, item},
           {G::kMbTypeAtt, item},
           {G::kMbTypeRel, item},
           {G::kMbTypeCoupling, item},
           {G::kMbTypeEq, item},
           {G::kMbTypeAutoEq, item},
           {G::kEmphasisPosPreMb, mark},
           {G::kEmphasisPosPreLim, mark},
           {G::kEmphasisPosPost, mark},
           {G::kEmphasisFlat, mark},
           {G::kPreEmphasis50, mark},
           {G::kPreEmphasis75, mark},
           {G::kEmphasisPos, {O::kRadioGroup, O::kCombo}}};
      break;
    }
    case tcAPBench::kFmPlex: {
      using G = tcControlGroupFMPlex;
      k = {{G::kFreeDraw, any},     {G::kAnalog, radio},     {G::kAnalogMpx, item},
           {G::kAnalogLr, item},    {G::kAnalogLre, item},   {G::kMpxProc, radio},
           {G::kMpxProcLook, item}, {G::kMpxProcHClip, item}};
      break;
    }
    case tcAPBench::kSystem: {
      using G = tcControlGroupSystem;
      k = {{G::kFreeDraw, any},      {G::kTcpMeters, check},   {G::kSkin, button},
           {G::kPasswords, button},  {G::kGuiAccess, button},  {G::kGuiLock, button},
           {G::kEventSched, button}, {G::kTimeSet, button},    {G::kStatusTemp, lamp},
           {G::kStatusAnalog, lamp}, {G::kStatusDigital, lamp}};
      break;
    }
    case tcAPBench::kTest: {
      using G = tcControlGroupTest;
      k = {{G::kFreeDraw, any}, {G::kReset1, button}, {G::kReset2, button}};
      break;
    }
    default:
      break;
  }
  return k;
}
