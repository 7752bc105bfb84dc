#pragma once
// The errors of the table-definition library's loader, with the system's own texts:
// "Could not find libtblscn.so", "Unable to Load " + path, path + " Invalid version".
// A declaration the library cannot read is ETblScnDeclaration.
#include "platform/sys/Exception.h"

TB_EXCEPTION(ETblScnError, Exception)
TB_EXCEPTION(ETblScnNotFound, ETblScnError)
TB_EXCEPTION(ETblScnLoadError, ETblScnError)
TB_EXCEPTION(ETblScnInvalidVersion, ETblScnError)
TB_EXCEPTION(ETblScnDeclaration, ETblScnError)
