#pragma once
// A financial section written as its totalisers in record order, from which its record
// layout is built. A totaliser is a money total (6 bytes of signed packed BCD, in cents)
// followed by a count of its own width, or a total alone; the table holds its count
// column ("<name> Count") before its total column ("<name> Total"). A run is a numbered
// series of totalisers one after the other ("Tax 1" .. "Tax 4"). The section is the same
// in every variant of the combined record.
#include "model/EcrLayout.h"

#include <deque>
#include <initializer_list>
#include <string>

class Crs3000FnclSectionLayout {
public:
  struct Totaliser {
    const char* name;   // the totaliser, or the prefix of a run; nullptr: bytes passed over
    int countWidth = 0; // bytes of the count after the total; 0: a total alone
    int members = 0;    // 0: one totaliser; n: a run named name + 1 .. n
    int digits = 1;     // digits of a run member's number, with leading zeros
    int gap = 0;        // bytes passed over, for a row without a name
  };

  // Raises EAssertionFailed when the totalisers do not fill exactly `size` bytes.
  Crs3000FnclSectionLayout(int size, int variants, std::initializer_list<Totaliser> totalisers);
  Crs3000FnclSectionLayout(const Crs3000FnclSectionLayout&) = delete;
  Crs3000FnclSectionLayout& operator=(const Crs3000FnclSectionLayout&) = delete;

  const EcrLayout& Layout() const { return layout_; }

private:
  static std::vector<EcrColumn> Columns(std::deque<std::string>& names, int size, int variants,
                                        std::initializer_list<Totaliser> totalisers);

  std::deque<std::string> names_; // the column names the layout points to
  EcrLayout layout_;
};
