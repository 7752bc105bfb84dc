#pragma once
// Errors of the library's control bases: naming a component, reaching an attached label.
#include "widgets/core/WdgExceptions.h"

// A component name that is no identifier.
class EComponentError : public EWdgException {
public:
  explicit EComponentError(QString message) : EWdgException(std::move(message)) {}
  const char* ClassName() const noexcept override { return "EComponentError"; }
  static EComponentError InvalidName(const QString& name);
};

TB_WDG_EXCEPTION_TEXT(ELabelNotAttached, EWdgException, WdgText::kLabelNotAttached)
