#include "platform/sys/TObject.h"

#include <mutex>

namespace {
std::mutex& classesLock() {
  static std::mutex m;
  return m;
}
QList<const TClass*>& classes() {
  static QList<const TClass*> list;
  return list;
}
} // namespace

TClass::TClass(const char* name, const TClass* parent, BlankFactory blank)
    : name_(QString::fromLatin1(name)), parent_(parent), blank_(blank) {
  std::lock_guard<std::mutex> guard(classesLock());
  classes().append(this);
}

bool TClass::InheritsFrom(const TClass& other) const {
  for (const TClass* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

QList<const TClass*> TClass::AllClasses() {
  std::lock_guard<std::mutex> guard(classesLock());
  return classes();
}

const TClass& TObject::StaticClass() {
  static const TClass cls("TObject", nullptr, []() -> TObject* { return new TObject(TBlank{}); });
  return cls;
}
