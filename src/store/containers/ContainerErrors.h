#pragma once
// The failures of the containers and of the compare-function registry.
#include "platform/sys/Exception.h"

TB_EXCEPTION_FIXED(EInvalidObjectType, Exception, "Invalid object type in TContainer")
TB_EXCEPTION_FIXED(EContainerIsEmpty, Exception, "TContainer is empty")
TB_EXCEPTION_FIXED(EContainerIsFull, Exception, "TContainer is full")
TB_EXCEPTION_FIXED(EInvalidIndex, Exception, "Invalid index in TContainer")
TB_EXCEPTION_FIXED(ENewArraySizeTooSmall, Exception, "TArray new size is too small")
TB_EXCEPTION_FIXED(EArrayNotSorted, Exception, "TArray is not sorted")
TB_EXCEPTION_FIXED(EInvalidOccurrenceSought, Exception, "Invalid occurrence sought in TContainer")
TB_EXCEPTION_FIXED(EInvalidArrayCapacity, Exception, "Invalid array capacity in TArray")
TB_EXCEPTION_FIXED(ECompareFuncNotRegistered, Exception, "Compare function not registered")
TB_EXCEPTION_FIXED(EDuplicateCompareFunc, Exception, "Duplicate compare function")
