#pragma once
// The rows of one stored poll in a report's table, for the answers to outside callers.
// The poll id comes from outside the program: it is checked to be a whole number and
// travels as a bound value, never as part of the statement.
#include <QString>
#include <QVariant>
#include <memory>

class TQuery;

class EcrPollQuery {
public:
  // The poll id in a caller's text: leading blanks, an optional sign, digits (or "$" and
  // hexadecimal digits). EConvertError "'<text>' is not a valid integer value" otherwise.
  static qint32 ParsePollId(const QString& text);

  // Whether the report's table is in the database: a report never polled has none, and
  // its polls read as none at all.
  static bool TableStored(const QString& databaseName, const QString& tableName);

  // Selects the rows of the table whose "Poll Id" is the id. The table name may carry the
  // file extension ".db" in any case.
  EcrPollQuery(const QString& databaseName, const QString& tableName, qint64 pollId);
  ~EcrPollQuery();
  EcrPollQuery(const EcrPollQuery&) = delete;
  EcrPollQuery& operator=(const EcrPollQuery&) = delete;

  bool Next();
  // The field of the current row (EDBEngineError FieldMissing when the table has none).
  QVariant Value(const QString& field) const;
  bool HasField(const QString& field) const;
  // The value as a float (0 for a null value).
  double Float(const QString& field) const;

private:
  std::unique_ptr<TQuery> query_;
};
