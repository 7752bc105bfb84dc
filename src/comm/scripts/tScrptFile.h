#pragma once
// The object file "Scripts": one key field "ScrptId" (a string of up to 32 characters)
// filled from the script's ScrptID, with the primary unique index "ScrptId".
#include "store/odb/TObjectFile.h"

class tScrptFile : public TObjectFile {
  TB_OBJECT(tScrptFile)
public:
  explicit tScrptFile(TObjectDatabase& database);
  // Closes the file while this class's hooks still exist.
  ~tScrptFile() override;

  void SetKeyFields(const TObject& obj) override;
  void DefineFields() override;
  void DefineIndexes() override;

  // Positions the file on the script with that id; false when there is none.
  bool FindId(const QString& id);
  // The id of every record in key order, read from the key column alone, so a record
  // whose object cannot be read is still named.
  QStringList Ids();
};
