#pragma once
// The widget library's errors. Each carries its text from the library's texts.
#include "platform/sys/Exception.h"
#include "widgets/core/WdgDataSubtype.h"
#include "widgets/core/WdgLibraryStrings.h"

TB_EXCEPTION(EWdgException, Exception)

// An error whose text is the library text of the given id.
#define TB_WDG_EXCEPTION_TEXT(Name, Parent, TextId)                              \
  class Name : public Parent {                                                   \
  public:                                                                        \
    Name() : Parent(LibraryString(TextId)) {}                                    \
    const char* ClassName() const noexcept override { return #Name; }            \
                                                                                 \
  protected:                                                                     \
    explicit Name(QString message) : Parent(std::move(message)) {}               \
  };

TB_WDG_EXCEPTION_TEXT(ENoTimersAvailable, EWdgException, WdgText::kNoTimers)

TB_EXCEPTION(EControllerError, EWdgException)
TB_WDG_EXCEPTION_TEXT(ENoControllerAssigned, EControllerError, WdgText::kNoController)

TB_EXCEPTION(ECmdProcessorError, EWdgException)
TB_WDG_EXCEPTION_TEXT(EDuplicateCommand, ECmdProcessorError, WdgText::kDuplicateCommand)
TB_WDG_EXCEPTION_TEXT(ETableNotFound, ECmdProcessorError, WdgText::kTableNotFound)

TB_EXCEPTION(EEntryFieldError, EWdgException)
TB_WDG_EXCEPTION_TEXT(EInvalidDataType, EEntryFieldError, WdgText::kInvalidDataType)

class EInvalidPictureMask : public EEntryFieldError {
public:
  explicit EInvalidPictureMask(const QString& mask);
  const char* ClassName() const noexcept override { return "EInvalidPictureMask"; }
};

// The range a field of the subtype accepts, in words.
class EInvalidRangeValue : public EEntryFieldError {
public:
  explicit EInvalidRangeValue(TWdgDataSubtype subtype);
  const char* ClassName() const noexcept override { return "EInvalidRangeValue"; }
  static QString MessageFor(TWdgDataSubtype subtype);
};

TB_WDG_EXCEPTION_TEXT(ESparseArrayError, EWdgException, WdgText::kSparseArrayUnknown)
TB_WDG_EXCEPTION_TEXT(ESAEAtMaxSize, ESparseArrayError, WdgText::kSparseArrayAtMaxSize)
TB_WDG_EXCEPTION_TEXT(ESAEOutOfBounds, ESparseArrayError, WdgText::kSparseArrayOutOfBounds)
