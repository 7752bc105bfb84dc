#include "platform/sys/FormRegistry.h"

#include <map>
#include <mutex>

namespace {
using Key = std::pair<std::type_index, QString>;
struct Registry {
  std::mutex lock;
  std::map<Key, std::function<int(void*)>> forms;
};
Registry& registry() {
  static Registry r;
  return r;
}
} // namespace

void FormRegistry::Put(std::type_index type, const QString& name, Erased form) {
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  if (form)
    r.forms.insert_or_assign(Key{type, name}, std::move(form));
  else
    r.forms.erase(Key{type, name});
}

FormRegistry::Erased FormRegistry::Get(std::type_index type, const QString& name) {
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  const auto it = r.forms.find(Key{type, name});
  return it == r.forms.end() ? Erased{} : it->second;
}

ScopedFormBase::ScopedFormBase(std::type_index type, QString name)
    : type_(type), name_(std::move(name)), previous_(FormRegistry::Get(type_, name_)) {}

ScopedFormBase::~ScopedFormBase() { FormRegistry::Put(type_, name_, previous_); }
