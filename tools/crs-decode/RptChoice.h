#pragma once
// The report a tool decodes a work file with: a new object of a report class that the
// register's driver lists, owned by the driver (so that its names are looked up in the
// driver's programs), as the communication module makes its sub-reports.
#include "platform/sys/Exception.h"

#include <QStringList>
#include <memory>

class tEcr;
class tEcrRpt;

// The driver lists no report of that name or class; the message says what it has.
TB_EXCEPTION(ENoDecoder, Exception)

namespace RptChoice {
// By class name or report name, ignoring case, or by report code; raises ENoDecoder.
std::unique_ptr<tEcrRpt> ByName(tEcr& driver, const QString& name);
// By report code; nullptr when the driver lists none.
std::unique_ptr<tEcrRpt> ByCode(tEcr& driver, int code);
// The reports the driver lists: "Coupon (tEcrRptCrs3000Coupon)", one each.
QStringList Listed(const tEcr& driver);
} // namespace RptChoice
