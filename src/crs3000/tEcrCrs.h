#pragma once
// The maker level of the driver tree: "CRS". Its models are tEcrCrs2000 and tEcrCrs3000,
// chosen at level 1 ("Model") of the model choice.
#include "model/tEcr.h"

class tEcrCrs : public tEcr {
  TB_OBJECT(tEcrCrs)
public:
  explicit tEcrCrs(TBlank blank) : tEcr(blank) {}

  QString GetMfgName() const override;
  QList<const TClass*> GetSubModels() const override;
  void GetModel(tEcr*& result) override;
};
