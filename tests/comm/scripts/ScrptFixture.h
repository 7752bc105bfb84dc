#pragma once
// What the script tests share: the job-queue fixture (own data folder, fixed clock, a
// session starter that records), stored machines "Front" and "Back" on COM1 with the test
// driver, no machine id published, and scripts made of actions with targets.
#include "ActnDoubles.h"
#include "JobsFixture.h"

#include "comm/actions/ActnMachineId.h"
#include "comm/scripts/tScrpt.h"

#include <QStringList>
#include <memory>

class tActn;

// Another model of register: scripts made for it are not listed for the test driver (nor
// the other way round).
class tScrptTestEcrNext final : public tEcr {
  TB_OBJECT(tScrptTestEcrNext)
public:
  explicit tScrptTestEcrNext(TBlank blank) : tEcr(blank) {}
};

// A driver class no stream knows: scripts stored for it read back with the base class.
class tScrptTestEcrGone final : public tEcr {
  TB_OBJECT(tScrptTestEcrGone)
public:
  explicit tScrptTestEcrGone(TBlank blank) : tEcr(blank) {}
};

class ScrptFixture : public JobsFixture {
protected:
  ScrptFixture();
  ~ScrptFixture() override;

  static const QString Com1;

  // An action of the kind for the machine "Front": "S" sends "Alpha", "R" receives
  // "Alpha", "B" sends "Bravo", "P" polls "Financial", "L" polls "PLU".
  std::unique_ptr<tActn> MakeActn(char kind) const;
  // A script for the driver class (the test driver when nullptr) with one action a letter.
  std::unique_ptr<tScrpt> MakeScrpt(const QString& id, const QString& kinds, const TClass* ecrClass = nullptr) const;
  // The titles of the script's actions, in order.
  static QStringList Titles(const tScrpt& script);
  // Every stored script id (ListScrpts without a driver).
  static QStringList StoredIds();

  TActnMachineScope noMachine{QString()};
  std::unique_ptr<tEcr> driver = ActnDoubles::NewDriver();
  std::unique_ptr<tMachine> front;
};
