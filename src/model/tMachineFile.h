#pragma once
// The object file "Machine": one record per stored machine, keyed by "MachineId" (a
// string of up to 32 characters) with the primary unique index "MachineId".
#include "store/odb/TObjectFile.h"

class tMachineFile : public TObjectFile {
  TB_OBJECT(tMachineFile)
public:
  explicit tMachineFile(TObjectDatabase& database);
  // Closes the file while this class's hooks still exist.
  ~tMachineFile() override;

  void SetKeyFields(const TObject& obj) override;
  void DefineFields() override;
  void DefineIndexes() override;
};
