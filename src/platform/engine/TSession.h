#pragma once
// The engine's session: every open database of the process, and the way a table finds
// its database by name. A database name is, in this order: the name of an open database
// object; an alias of the engine configuration (whose database the session opens and
// keeps); an absolute folder path. Anything else raises UnknownDatabase.
//
// The session closes every database when the application object goes away.
#include <QList>
#include <QString>
#include <memory>
#include <vector>

class TDatabase;

class TSession {
public:
  static TSession& Default();
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  // The open database of that name, alias or folder (opened when needed).
  TDatabase& Database(const QString& databaseName);
  // An open database over the folder; the session opens one when there is none.
  TDatabase& DatabaseForFolder(const QString& folder);
  // The folder of an alias, without a trailing separator (GetAliasPath).
  QString AliasPath(const QString& alias) const;

  // Closes every database: those the session opened and those registered with it.
  void CloseAll();

  // Database objects register while they are open.
  void Register(TDatabase* db);
  void Unregister(TDatabase* db);

private:
  TSession() = default;
  TDatabase* FindOpen(const QString& name) const;
  TDatabase* FindOpenFolder(const QString& folder) const;
  TDatabase& OpenOwned(const QString& name, const QString& folder);

  std::vector<std::unique_ptr<TDatabase>> owned_;
  QList<TDatabase*> open_;
};
