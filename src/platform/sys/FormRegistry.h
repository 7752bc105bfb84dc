#pragma once
// Core objects that need a window ask this registry with a typed request: one request
// type per form, declared in the core beside the object that asks. The window libraries
// fill the registry when the program calls their registration function at start; tests
// put their own doubles in place of the windows. So the core runs without a desktop.
//
// A request type R names its form for messages with `static constexpr const char* kForm`.
// Forms chosen by a class at run time (a report's presentation, a program's maintenance
// window) are registered and asked under a name as well as the request type.
#include "platform/sys/Exception.h"

#include <QString>
#include <functional>
#include <typeindex>

TB_EXCEPTION(EFormNotRegistered, Exception)

class FormRegistry {
public:
  // Shows the form for the request (modal or not, as the form decides), lets it fill the
  // request in, and returns its result: for modal forms the modal result, 0 when cancelled.
  template <class R>
  using Form = std::function<int(R& request)>;

  // Registers (or replaces) the form for request type R, under `name` when given.
  template <class R>
  static void Register(Form<R> form, const QString& name = {}) {
    Put(typeid(R), name, [form = std::move(form)](void* request) { return form(*static_cast<R*>(request)); });
  }
  template <class R>
  static void Unregister(const QString& name = {}) {
    Put(typeid(R), name, {});
  }
  template <class R>
  static bool Has(const QString& name = {}) {
    return static_cast<bool>(Get(typeid(R), name));
  }
  // Raises EFormNotRegistered ("Form not available: <form>") when none is registered.
  template <class R>
  static int Show(R& request, const QString& name = {}) {
    const Erased form = Get(typeid(R), name);
    if (!form) throw EFormNotRegistered(QStringLiteral("Form not available: ") + FormLabel<R>(name));
    return form(&request);
  }

private:
  friend class ScopedFormBase;
  using Erased = std::function<int(void*)>;
  static void Put(std::type_index type, const QString& name, Erased form);
  static Erased Get(std::type_index type, const QString& name);
  template <class R>
  static QString FormLabel(const QString& name) {
    return name.isEmpty() ? QString::fromLatin1(R::kForm) : name;
  }
};

class ScopedFormBase {
protected:
  ScopedFormBase(std::type_index type, QString name);
  ~ScopedFormBase();
  ScopedFormBase(const ScopedFormBase&) = delete;
  ScopedFormBase& operator=(const ScopedFormBase&) = delete;
  std::type_index type_;
  QString name_;

private:
  FormRegistry::Erased previous_;
};

// For tests: installs a form for a scope and restores what was there before.
template <class R>
class ScopedForm : private ScopedFormBase {
public:
  explicit ScopedForm(FormRegistry::Form<R> form, const QString& name = {}) : ScopedFormBase(typeid(R), name) {
    FormRegistry::Register<R>(std::move(form), name);
  }
};
