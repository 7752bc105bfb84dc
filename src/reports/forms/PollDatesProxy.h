#pragma once
// A grid's model with its date-times shown as the reports print them (short date, long
// time), so that every list of polls shows a poll's date the same way.
#include <QIdentityProxyModel>

class PollDatesProxy : public QIdentityProxyModel {
public:
  using QIdentityProxyModel::QIdentityProxyModel;

  // The text a grid shows for a display value: a date-time in the report locale, any other
  // value as it is.
  static QVariant Shown(const QVariant& value);

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
