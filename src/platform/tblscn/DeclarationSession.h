#pragma once
// The library's side of one table check: it follows the DEF calls of a check (handshake,
// arguments, declaration, closing call) and keeps the message that GET hands out.
#include "platform/engine/TblScnRecords.h"
#include "platform/tblscn/TblScnAbi.h"

#include <QString>
#include <optional>

class TSession;

class DeclarationSession {
public:
  static DeclarationSession& Current();

  void Def(const TblScnValue* values, int32_t high);
  void Get(char* buffer, int32_t size) const;

private:
  void Fail(const QString& why);
  void Handshake(const TDefValues& values);
  void Declare(const TblScnValue* values, int32_t count);
  void Finish();
  QString Check();

  bool handshake_ = false;
  TSession* session_ = nullptr;
  QString folder_;
  std::optional<TDeclarationReader> reader_;
  bool describing_ = false;
  QString error_;
  QString message_;
};
