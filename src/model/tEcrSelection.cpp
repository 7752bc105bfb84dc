#include "model/tEcrSelection.h"

TB_DEFINE_CLASS(tEcrSelection, TObject)

tEcrSelection::tEcrSelection(const tEcr& driver, int mode, bool multi, QStringList offered)
    : driver_(&driver), mode_(mode), multi_(multi), offered_(std::move(offered)) {}

tEcrSelection::tEcrSelection(TBlank blank) : TObject(blank) {}

QString tEcrSelection::Caption() const {
  if (!multi_) return QStringLiteral("Program Selector");
  switch (mode_) {
  case 0: return QStringLiteral("Programs To Send");
  case 1: return QStringLiteral("Programs To Save");
  default: return QStringLiteral("Programs To Maintain");
  }
}
