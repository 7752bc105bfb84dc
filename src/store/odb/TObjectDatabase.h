#pragma once
// An object database: one storage driver, which it owns, and the object files made over
// it, which it knows but does not own. Closing it closes every open file first.
#include "platform/sys/TObject.h"

#include <QString>
#include <memory>

class TObjectFile;
class TOdbDriver;
class TUnorderedList;

class TObjectDatabase : public TObject {
  TB_OBJECT(TObjectDatabase)
public:
  // Makes the driver from its class (a TOdbDriver descendant; EInvalidObjectType
  // otherwise) and creates it over the database name (an alias or a folder).
  TObjectDatabase(const TClass& driverClass, const QString& databaseName);
  explicit TObjectDatabase(TBlank blank);
  // Closes the database when open.
  ~TObjectDatabase() override;
  TObjectDatabase(const TObjectDatabase&) = delete;
  TObjectDatabase& operator=(const TObjectDatabase&) = delete;

  // The driver's OpenDatabase, then the opened flag is set.
  void Open(const QString& serverName = QString(), const QString& userName = QString(),
            const QString& password = QString());
  // Closes every open file, then the driver's CloseDatabase; clears the flag.
  void Close();
  bool IsOpen() const;

  // EOdbDatabaseNotOpened on a blank instance, which has no driver.
  TOdbDriver& Driver() const;
  // The files made over the database, in the order they were made.
  const TUnorderedList& Files() const { return *files_; }

private:
  friend class TObjectFile;
  void AddFile(TObjectFile* file);
  void RemoveFile(TObjectFile* file);

  std::unique_ptr<TOdbDriver> driver_;
  std::unique_ptr<TUnorderedList> files_;
};

quint8 CompareObjectIdentity(const TObject& first, const TObject& second);
