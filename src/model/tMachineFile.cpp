#include "model/tMachineFile.h"

#include "model/tMachine.h"
#include "store/odb/TOdbField.h"

// Not made blank by readers: a file is always opened over a database.
TB_DEFINE_ABSTRACT_CLASS(tMachineFile, TObjectFile)

namespace {
const QString KeyName = QStringLiteral("MachineId");
} // namespace

tMachineFile::tMachineFile(TObjectDatabase& database)
    : TObjectFile(database, tMachine::StaticClass(), QStringLiteral("Machine")) {}

tMachineFile::~tMachineFile() {
  try {
    Close();
  } catch (...) {
  }
}

void tMachineFile::SetKeyFields(const TObject& obj) {
  FieldByName(KeyName).SetAsString(static_cast<const tMachine&>(obj).MachineId);
}

// 32 characters and the length byte.
void tMachineFile::DefineFields() { AddField(KeyName, TOdbFieldType::String, 33); }

void tMachineFile::DefineIndexes() {
  AddIndex(KeyName, TOdbIndexOption::Primary | TOdbIndexOption::Unique, {KeyName});
}
