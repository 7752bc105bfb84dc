#pragma once
// Local SQL over one database: a statement with "?" or ":name" placeholders, values bound
// to them, and the rows of its result. Values never go into the statement's text, so a
// quote or a double quote in a value is just a character of that value. Table and
// column names that hold blanks are written as identifiers: "Poll Id".
//
// Values come back in their stored form (see FieldTypes): money and numbers as doubles,
// dates and times as day numbers, logical values as 0 and 1. A statement that changes
// rows makes every open cursor of the database read its records again at its next move.
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class TDatabase;

class TQuery {
public:
  explicit TQuery(TDatabase& database);
  // The database by name (see TSession).
  explicit TQuery(const QString& databaseName);

  // Raises EDBEngineError (SqlError, TableMissing, ...) for a statement the file refuses.
  void Prepare(const QString& sql);
  void Bind(int position, const QVariant& value);
  void Bind(const QString& placeholder, const QVariant& value);
  // Runs the prepared statement; the result's rows are then read with Next.
  void Exec();
  // Prepare, bind in order and run.
  void Exec(const QString& sql, const QVariantList& values);
  bool Next();
  QVariant Value(int column) const;
  QVariant Value(const QString& column) const;
  int ColumnCount() const;
  QString ColumnName(int column) const;
  int RowsAffected() const;
  qint64 LastInsertId() const;
  // Ends reading the result (a result left open holds the file's read snapshot).
  void Close();

private:
  QSqlQuery& Query();
  const QSqlQuery& Query() const;

  TDatabase& database_;
  QString sql_;
  std::optional<QSqlQuery> query_;
};
