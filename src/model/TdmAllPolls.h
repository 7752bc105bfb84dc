#pragma once
// The one application-wide cursor on the table of stored polls, AllPolls: the browser,
// the report objects and every report form share it (report forms follow its current
// row by "Poll Id"). Made by the first tEcrRpt::OpenAllPolls and kept for the whole run.
#include "platform/engine/TTable.h"

class TdmAllPolls {
public:
  // The instance, or nullptr before the first OpenAllPolls.
  static TdmAllPolls* Instance();
  // The instance, made when missing.
  static TdmAllPolls& Create();

  TTable tblAllPolls;

private:
  TdmAllPolls() = default;
};

// The instance; only valid after OpenAllPolls.
TdmAllPolls& dmAllPolls();
