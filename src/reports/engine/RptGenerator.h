#pragma once
// One generation of a report into a page model: the event order, the walk of the master
// rows with its groups, and the pagination that RptReport describes.
#include "reports/engine/RptPageModel.h"

#include <optional>
#include <vector>

class RptBand;
class RptElement;
class RptReport;
class RptValue;

class RptGenerator {
public:
  explicit RptGenerator(RptReport& report);
  std::optional<RptPageModel> Run();

private:
  enum class Place { Body, PageTop };

  void WalkRows();
  void OfferGroupFooters(int fromGroup);
  void OfferChain(RptBand* band, Place place, double keepMm = 0);
  void Offer(RptBand& band, Place place, double keepMm);
  void Print(RptBand& band, Place place, double keepMm);
  void Draw(const RptBand& band, double topMm);
  QString Text(const RptElement& element) const;
  void StartPage();
  void FeedSums(const RptBand& band);
  void ResetSums(const RptBand* group);

  RptReport& report_;
  RptBand* detail_;
  RptPageModel model_;
  double yMm_ = 0;           // top of the free space on the current page
  bool bodyOnPage_ = false;  // a band other than the page-top chains is on the page
};
