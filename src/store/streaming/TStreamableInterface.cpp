#include "store/streaming/TStreamableInterface.h"

#include "store/streaming/StreamErrors.h"

TStreamableInterface::TStreamableInterface(const TClass& cls, QList<TStreamReadProc> readers,
                                           QList<TStreamWriteProc> writers)
    : class_(&cls), readers_(std::move(readers)), writers_(std::move(writers)) {}

TStreamReadProc TStreamableInterface::Reader(quint16 version) const {
  if (version < 1 || version > readers_.size() || !readers_[version - 1])
    throw EClassVersionNotRegistered();
  return readers_[version - 1];
}

TStreamWriteProc TStreamableInterface::Writer(quint16 version) const {
  if (version < 1 || version > writers_.size() || !writers_[version - 1])
    throw EClassVersionNotRegistered();
  return writers_[version - 1];
}
