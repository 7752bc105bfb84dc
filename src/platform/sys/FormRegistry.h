#pragma once
// Core objects that "show their form" ask this registry; the window libraries fill it at
// start-up with one factory per form class name. So the core runs without a desktop,
// and tests put their own doubles in place of the windows.
#include "platform/sys/Exception.h"

#include <QString>
#include <QVariantMap>
#include <functional>

class TObject;

TB_EXCEPTION(EFormNotRegistered, Exception)

class FormRegistry {
public:
  // Shows the form for the subject (modal or not, as the form decides) and returns its
  // result: for modal forms the modal result, 0 when cancelled.
  using Factory = std::function<int(TObject* subject, const QVariantMap& args)>;

  // Registers (or replaces) the factory of a form class.
  static void Register(const QString& formClass, Factory factory);
  static void Unregister(const QString& formClass);
  static bool Has(const QString& formClass);
  // Raises EFormNotRegistered ("Form not available: <name>") when none is registered.
  static int Show(const QString& formClass, TObject* subject, const QVariantMap& args = {});
};

// For tests: installs a factory for the lifetime of a scope and restores what was there.
class ScopedForm {
public:
  ScopedForm(QString formClass, FormRegistry::Factory factory);
  ~ScopedForm();
  ScopedForm(const ScopedForm&) = delete;
  ScopedForm& operator=(const ScopedForm&) = delete;

private:
  QString formClass_;
  FormRegistry::Factory previous_;
};
