#include "widgets/core/WdgControlErrors.h"

EComponentError EComponentError::InvalidName(const QString& name) {
  return EComponentError(QStringLiteral("''%1'' is not a valid component name").arg(name));
}
