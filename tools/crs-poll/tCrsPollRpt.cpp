#include "tCrsPollRpt.h"

#include "tCrsPollPrg.h"

#include "comm/crs/CrsRptCodes.h"
#include "model/EcrStreamForm.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"

#include <array>
#include <utility>

TB_DEFINE_CLASS(tCrsPollRpt, tEcrRpt)

void tCrsPollRpt::ReadBlockFile(QFile& file) { Blocks = CountBlocks(file); }

namespace {
// The sub-reports of Time Period, then Clock Punches of Time Keeping.
constexpr std::size_t kSubRptCount = 6;

const CrsRptCodes::SubRpt& SubRptAt(std::size_t index) {
  return index < CrsRptCodes::TimePeriodSubRpts().size() ? CrsRptCodes::TimePeriodSubRpts()[index]
                                                         : CrsRptCodes::ClockPunches();
}

template <std::size_t Index> const TClass& SubRptClass();

// An object of a sub-report class: a raw report with the class's name and code.
template <std::size_t Index> class tCrsPollSubRpt final : public tCrsPollRpt {
public:
  explicit tCrsPollSubRpt(TBlank blank) : tCrsPollRpt(blank) { Code = SubRptAt(Index).rptCode; }
  const TClass& ClassType() const override { return SubRptClass<Index>(); }
};

template <std::size_t Index> const TClass& SubRptClass() {
  static const TClass cls(SubRptAt(Index).className, &tCrsPollRpt::StaticClass(),
                          []() -> TObject* { return new tCrsPollSubRpt<Index>(TBlank{}); });
  return cls;
}

// The class is made only when the program has none of that name.
template <std::size_t Index> void RegisterIfAbsent() {
  try {
    (void)FindStreamable(QString::fromLatin1(SubRptAt(Index).className));
  } catch (const EClassNotRegistered&) {
    EcrStreamForm::RegisterRpt(SubRptClass<Index>());
  }
}

template <std::size_t... Index> void RegisterAll(std::index_sequence<Index...>) { (RegisterIfAbsent<Index>(), ...); }
} // namespace

void tCrsPollRpt::RegisterSubRpts() {
  static_assert(kSubRptCount == std::tuple_size_v<std::decay_t<decltype(CrsRptCodes::TimePeriodSubRpts())>> + 1);
  static const bool done = (RegisterAll(std::make_index_sequence<kSubRptCount>{}), true);
  (void)done;
}
