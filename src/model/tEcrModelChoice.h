#pragma once
// What the model chooser "TfmEcrGet" shows and does at one level of the model choice
// (tEcr::SelectModel): one temporary driver per class of the level, each with its text.
// A click on an entry runs Choose, which asks that driver for its model (opening the next
// level's chooser, or taking the leaf itself); the window then closes with FormOk.
//
// The choice owns its candidates and frees them all, except the one the caller's result
// holds, when it goes away.
#include "platform/sys/TObject.h"

#include <QString>
#include <memory>
#include <vector>

class tEcr;

class tEcrModelChoice : public TObject {
  TB_OBJECT(tEcrModelChoice)
public:
  // levelWord: "Manufacturer", "Model" or "ROM Version"; result: the caller's variable.
  tEcrModelChoice(QString levelWord, tEcr*& result);
  explicit tEcrModelChoice(TBlank blank);
  ~tEcrModelChoice() override;
  tEcrModelChoice(const tEcrModelChoice&) = delete;
  tEcrModelChoice& operator=(const tEcrModelChoice&) = delete;

  const QString& LevelWord() const { return levelWord_; }
  // "Select " and the level word.
  QString Caption() const;

  void Add(std::unique_ptr<tEcr> candidate, QString text);
  int Count() const { return static_cast<int>(entries_.size()); }
  // Entries 0..Count()-1, in the order added.
  const QString& Text(int index) const;
  tEcr* Candidate(int index) const;

  // The click on an entry: its driver's GetModel sets the result.
  void Choose(int index);
  tEcr* Result() const { return result_ ? *result_ : nullptr; }
  // Forgets the result: frees it when it is not one of this level's candidates (a leaf
  // handed up from a lower level) and sets it to nullptr.
  void DropResult();

private:
  struct Entry {
    std::unique_ptr<tEcr> candidate;
    QString text;
  };
  const Entry& At(int index) const;
  bool Holds(const tEcr* driver) const;

  QString levelWord_;
  tEcr** result_ = nullptr;
  std::vector<Entry> entries_;
};
