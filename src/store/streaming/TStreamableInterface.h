#pragma once
// One entry of the class registry: a class, its stored name, and its reader and writer
// procedures by version (the procedure at position v, from 1, handles version v). Objects
// are written in the newest version, the number of writers.
#include "platform/sys/TObject.h"

#include <QList>
#include <QString>

class TObjectReader;
class TObjectWriter;

// A reader builds the whole object on a blank instance (made without the class's ordinary
// set-up): owned lists, sub-objects and defaults as well as the stored fields.
using TStreamReadProc = void (*)(TObject& obj, TObjectReader& reader);
using TStreamWriteProc = void (*)(const TObject& obj, TObjectWriter& writer);

class TStreamableInterface {
public:
  TStreamableInterface(const TClass& cls, QList<TStreamReadProc> readers, QList<TStreamWriteProc> writers);

  const TClass& ClassRef() const { return *class_; }
  const QString& ClassName() const { return class_->ClassName(); }
  // The version objects are written in: the number of writer procedures.
  quint16 VersionCount() const { return quint16(writers_.size()); }
  // EClassVersionNotRegistered for a version of 0 or above the registered procedures.
  TStreamReadProc Reader(quint16 version) const;
  TStreamWriteProc Writer(quint16 version) const;

private:
  const TClass* class_;
  QList<TStreamReadProc> readers_;
  QList<TStreamWriteProc> writers_;
};
