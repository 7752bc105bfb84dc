#include "reports/forms/PollDatesProxy.h"

#include "reports/engine/RptLocaleFormatter.h"

#include <QDateTime>

QVariant PollDatesProxy::Shown(const QVariant& value) {
  if (value.typeId() != QMetaType::QDateTime) return value;
  static const RptFormatter format = RptLocaleFormatter();
  return format(RptValue::DateTime(value.toDateTime()), QString());
}

QVariant PollDatesProxy::data(const QModelIndex& index, int role) const {
  const QVariant value = QIdentityProxyModel::data(index, role);
  return role == Qt::DisplayRole ? Shown(value) : value;
}
