#include "platform/tblscn/DeclarationSession.h"

#include "platform/engine/StructureCheck.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Exception.h"

#include <algorithm>
#include <cstring>

namespace {
TDefValues Converted(const TblScnValue* values, int32_t count) {
  TDefValues out;
  for (int32_t i = 0; i < count; ++i) {
    const TblScnValue& v = values[i];
    switch (v.tag) {
    case TBLSCN_BOOL: out << TDefValue::Bool(v.integer != 0); break;
    case TBLSCN_TEXT: out << TDefValue::Text(v.text ? QString::fromUtf8(v.text) : QString()); break;
    case TBLSCN_POINTER: out << TDefValue::Pointer(v.pointer); break;
    default: out << TDefValue::Int(v.integer); break;
    }
  }
  return out;
}

bool Is(const TblScnValue& v, int32_t tag) { return v.tag == tag; }
} // namespace

DeclarationSession& DeclarationSession::Current() {
  static DeclarationSession session;
  return session;
}

void DeclarationSession::Fail(const QString& why) {
  if (error_.isEmpty()) error_ = why;
}

void DeclarationSession::Def(const TblScnValue* values, int32_t high) {
  const int32_t count = values ? high + 1 : 0;
  if (count <= 0) return Fail(QStringLiteral("An empty DEF call"));
  if (describing_) {
    if (reader_) reader_->Add(Converted(values, count));
    return;
  }
  const TblScnValue& first = values[0];
  if (Is(first, TBLSCN_INT) && first.integer == TBLSCN_HANDSHAKE) return Handshake(Converted(values, count));
  if (!handshake_) return Fail(QStringLiteral("A DEF call before the handshake"));
  if (Is(first, TBLSCN_PROC)) return Declare(values, count);
  if (Is(first, TBLSCN_BOOL)) {
    if (count < 2 || !Is(values[1], TBLSCN_TEXT)) return Fail(QStringLiteral("The arguments name no folder"));
    folder_ = QString::fromUtf8(values[1].text);
    return;
  }
  if (Is(first, TBLSCN_INT) && first.integer == 0 && count == 1) return Finish();
  Fail(QStringLiteral("An unexpected DEF call"));
}

void DeclarationSession::Handshake(const TDefValues& values) {
  *this = DeclarationSession();
  handshake_ = true;
  if (values.size() >= 3 && values[2].kind == TDefValue::Kind::Pointer)
    session_ = static_cast<TSession*>(values[2].pointer);
}

void DeclarationSession::Declare(const TblScnValue* values, int32_t count) {
  if (reader_) return Fail(QStringLiteral("A second declaration in one check"));
  reader_.emplace();
  if (!values[0].proc) return Fail(QStringLiteral("A declaration without a describer"));
  if (count >= 2 && Is(values[1], TBLSCN_TEXT) && values[1].text && !*values[1].text)
    return Fail(QStringLiteral("A declaration without a file name"));
  describing_ = true;
  values[0].proc(values[0].pointer);
  describing_ = false;
}

QString DeclarationSession::Check() {
  if (!error_.isEmpty()) return error_;
  if (folder_.isEmpty()) return QStringLiteral("No folder was given for the table");
  if (!reader_) return QStringLiteral("No table was declared");
  try {
    const TTableDef def = reader_->Result();
    TSession& session = session_ ? *session_ : TSession::Default();
    return StructureCheck::CheckOrCreate(session.DatabaseForFolder(folder_), def);
  } catch (const std::exception& e) {
    return ExceptionMessage(e);
  }
}

void DeclarationSession::Finish() {
  const QString message = Check();
  *this = DeclarationSession();
  message_ = message;
}

void DeclarationSession::Get(char* buffer, int32_t size) const {
  if (!buffer || size <= 0) return;
  QByteArray text = message_.toUtf8();
  qsizetype length = std::min<qsizetype>(text.size(), size - 1);
  // Never cut a character in two.
  while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  std::memcpy(buffer, text.constData(), static_cast<size_t>(length));
  buffer[length] = '\0';
}
