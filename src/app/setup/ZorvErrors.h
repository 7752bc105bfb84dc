#pragma once
// The errors of the executable attachment reader, one class a kind.
#include "platform/sys/Exception.h"

TB_EXCEPTION(EZorvException, Exception)
TB_EXCEPTION(EZorvSessionNameTooLong, EZorvException)
TB_EXCEPTION(EZorvSessionNotFound, EZorvException)
TB_EXCEPTION(EZorvItemPrefixFormat, EZorvException)
TB_EXCEPTION(EZorvUnsupportedCompression, EZorvException)
TB_EXCEPTION(EZorvExtractError, EZorvException)
TB_EXCEPTION(EZorvCreatorNameTooLong, EZorvException)
TB_EXCEPTION(EZorvKeyTooLong, EZorvException)
TB_EXCEPTION(EZorvUserNameTooLong, EZorvException)
