#pragma once
// The table check of program, report and stored-poll tables through the table-definition
// library: the caller's arguments ([false, the folder of the table]), then the table's
// declaration, then the library's message.
#include "platform/engine/TableDef.h"
#include "platform/engine/TblScnRecords.h"
#include "platform/sys/Exception.h"

#include <optional>

// A table check that found a problem; the message is the library's.
TB_EXCEPTION(ETableCheck, Exception)

namespace EcrTableCheck {
// The library's message for the declared table ("" when the table is usable). When the
// library cannot be loaded, that is shown to the user (once) and the answer is "". A first
// argument that is not a Boolean raises ETableCheck "CheckTables invalid parameter"; a
// library without its entries raises ETblScnInvalidVersion (path + " Invalid version").
QString Run(const TDefValues& arguments, const QString& fileName, const std::optional<TTableDef>& declared);
} // namespace EcrTableCheck
