#include "platform/sys/FormRegistry.h"

#include <QHash>
#include <mutex>

namespace {
struct Registry {
  std::mutex lock;
  QHash<QString, FormRegistry::Factory> factories;
};
Registry& registry() {
  static Registry r;
  return r;
}
FormRegistry::Factory lookup(const QString& formClass) {
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  return r.factories.value(formClass);
}
} // namespace

void FormRegistry::Register(const QString& formClass, Factory factory) {
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  r.factories.insert(formClass, std::move(factory));
}

void FormRegistry::Unregister(const QString& formClass) {
  Registry& r = registry();
  std::lock_guard<std::mutex> guard(r.lock);
  r.factories.remove(formClass);
}

bool FormRegistry::Has(const QString& formClass) { return static_cast<bool>(lookup(formClass)); }

int FormRegistry::Show(const QString& formClass, TObject* subject, const QVariantMap& args) {
  const Factory factory = lookup(formClass);
  if (!factory) throw EFormNotRegistered(QStringLiteral("Form not available: ") + formClass);
  return factory(subject, args);
}

ScopedForm::ScopedForm(QString formClass, FormRegistry::Factory factory)
    : formClass_(std::move(formClass)), previous_(lookup(formClass_)) {
  FormRegistry::Register(formClass_, std::move(factory));
}

ScopedForm::~ScopedForm() {
  if (previous_)
    FormRegistry::Register(formClass_, previous_);
  else
    FormRegistry::Unregister(formClass_);
}
