#include "model/tEcrModelChoice.h"

#include "model/EcrErrors.h"
#include "model/tEcr.h"

TB_DEFINE_CLASS(tEcrModelChoice, TObject)

tEcrModelChoice::tEcrModelChoice(QString levelWord, tEcr*& result)
    : levelWord_(std::move(levelWord)), result_(&result) {}

tEcrModelChoice::tEcrModelChoice(TBlank blank) : TObject(blank) {}

tEcrModelChoice::~tEcrModelChoice() {
  for (Entry& entry : entries_)
    if (entry.candidate.get() == Result()) (void)entry.candidate.release();
}

QString tEcrModelChoice::Caption() const { return QStringLiteral("Select ") + levelWord_; }

void tEcrModelChoice::Add(std::unique_ptr<tEcr> candidate, QString text) {
  entries_.push_back(Entry{std::move(candidate), std::move(text)});
}

const tEcrModelChoice::Entry& tEcrModelChoice::At(int index) const {
  if (index < 0 || index >= Count()) throw ERangeError();
  return entries_[size_t(index)];
}

const QString& tEcrModelChoice::Text(int index) const { return At(index).text; }

tEcr* tEcrModelChoice::Candidate(int index) const { return At(index).candidate.get(); }

void tEcrModelChoice::Choose(int index) {
  tEcr* candidate = Candidate(index);
  if (!result_) return;
  DropResult(); // a second click replaces the first choice
  candidate->GetModel(*result_);
}

bool tEcrModelChoice::Holds(const tEcr* driver) const {
  for (const Entry& entry : entries_)
    if (entry.candidate.get() == driver) return true;
  return false;
}

void tEcrModelChoice::DropResult() {
  if (!result_ || !*result_) return;
  if (!Holds(*result_)) delete *result_;
  *result_ = nullptr;
}
