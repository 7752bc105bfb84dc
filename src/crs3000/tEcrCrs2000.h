#pragma once
// The CRS model "2000 Not Supported": a leaf of the driver tree with no programs and no
// reports. It can be chosen and stored, and nothing can be done with it.
#include "crs3000/tEcrCrs.h"

class tEcrCrs2000 : public tEcrCrs {
  TB_OBJECT(tEcrCrs2000)
public:
  explicit tEcrCrs2000(TBlank blank) : tEcrCrs(blank) {}

  QString GetModelName() const override;
  void GetModel(tEcr*& result) override;
};
