#pragma once
// A string table in the "STR0" form: the signature, an entry count, entries of id, text
// offset and text length (UTF-16 code units) sorted by id, then the UTF-16LE texts; all
// integers 32-bit little-endian.
#include "platform/sys/Exception.h"

#include <QByteArray>
#include <QString>

TB_EXCEPTION(EResStringError, Exception)

class TWdgStringResource {
public:
  // Refuses data without the signature or with entries outside the data.
  explicit TWdgStringResource(QByteArray data, bool raiseOnMissing = false);
  // Reads the table from a file or a Qt resource (":/...").
  static TWdgStringResource FromFile(const QString& path, bool raiseOnMissing = false);

  // The text of an id; empty for a missing id, unless missing ids raise.
  QString GetString(int id) const;
  int Count() const { return count_; }

private:
  QByteArray data_;
  bool raiseOnMissing_;
  int count_ = 0;
};
