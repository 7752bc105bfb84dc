#pragma once
// One line in a CRS 3000 program or report class's .cpp defines it: its run-time class,
// its stream form and its binding to the ROM versions, whose drivers build it where their
// lists (Crs3000RomLists) name it. Once it is built, its name leaves the list of
// Crs3000UnbuiltClasses.
//   TB_DEFINE_CRS3000_PRG_CLASS(tEcrPrgCrs3000TaxTable, tEcrPrgCrs3000)
//   TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000SubGroup, tEcrRptCrs3000)
#include "crs3000/Crs3000RomBinding.h"
#include "model/EcrClassDef.h"

#define TB_CRS3000_ROM_BINDING_(Name)                                            \
  namespace {                                                                    \
  const struct Name##RomBinding {                                                \
    Name##RomBinding() { Crs3000RomBinding::Bind(Name::StaticClass()); }         \
  } Name##romBinding;                                                            \
  }

#define TB_DEFINE_CRS3000_PRG_CLASS(Name, Parent)                                \
  TB_DEFINE_PRG_CLASS(Name, Parent)                                              \
  TB_CRS3000_ROM_BINDING_(Name)

#define TB_DEFINE_CRS3000_RPT_CLASS(Name, Parent)                                \
  TB_DEFINE_RPT_CLASS(Name, Parent)                                              \
  TB_CRS3000_ROM_BINDING_(Name)
