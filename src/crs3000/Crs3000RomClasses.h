#pragma once
// The eighteen ROM version classes of the CRS 3000, the leaves of the driver tree that a
// machine stores (their names are in every stored machine): one registered class for each
// row of the ROM version table (Crs3000RomVersions), which gives it its ROM text and its
// column of the program and report lists (Crs3000RomLists).
#include "crs3000/Crs3000RomVersions.h"
#include "crs3000/tEcrCrs3000.h"

#define TB_CRS3000_ROM_CLASS_(Name, Rom, Column)                                 \
  class Name final : public tEcrCrs3000 {                                        \
    TB_OBJECT(Name)                                                              \
  public:                                                                        \
    explicit Name(TBlank blank) : tEcrCrs3000(blank) {}                          \
    void Create(TObject* owner) override { CreateRom(owner, Column); }           \
    QString GetRomName() const override { return QStringLiteral(Rom); }          \
    void GetModel(tEcr*& result) override { result = this; }                     \
  };

TB_CRS3000_ROM_VERSIONS(TB_CRS3000_ROM_CLASS_)

#undef TB_CRS3000_ROM_CLASS_
