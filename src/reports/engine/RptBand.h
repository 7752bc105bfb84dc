#pragma once
// A band of a report: a strip of fixed height across the printable width, with its elements.
// Any band may have a child, offered right after it whether or not it printed, so chains of
// any length hang off one band. A group header carries the key that starts a new group and
// its footer band.
//
// Events, per band offered: a disabled band runs no handler, prints nothing and passes on to
// its child; an enabled one gets BeforePrint(band, printBand) with printBand true, prints if
// printBand is still true, then gets AfterPrint(band, printed) in either case. Several bands
// may share a handler and tell each other apart by the band's Tag or name.
#include "reports/engine/RptElement.h"
#include "reports/engine/RptValue.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

enum class RptBandKind { Title, PageHeader, ColumnHeader, Detail, Child, GroupHeader, GroupFooter, Summary };

class RptBand {
public:
  using BeforePrint = std::function<void(RptBand& band, bool& printBand)>;
  using AfterPrint = std::function<void(RptBand& band, bool printed)>;
  using GroupKey = std::function<RptValue()>;

  RptBand(RptBandKind kind, QString name, double heightPx);
  RptBand(const RptBand&) = delete;
  RptBand& operator=(const RptBand&) = delete;

  RptBandKind Kind() const { return kind_; }
  const QString& Name() const { return name_; }
  double HeightPx() const { return heightPx_; }
  RptBand& SetHeightPx(double heightPx);
  int Tag() const { return tag_; }
  RptBand& SetTag(int tag);
  bool Enabled() const { return enabled_; }
  RptBand& SetEnabled(bool enabled);
  unsigned Frame() const { return frame_; }
  RptBand& SetFrame(unsigned sides);

  RptBand& OnBeforePrint(BeforePrint handler);
  RptBand& OnAfterPrint(AfterPrint handler);
  const BeforePrint& BeforePrintHandler() const { return beforePrint_; }
  const AfterPrint& AfterPrintHandler() const { return afterPrint_; }

  // The next band of the chain; the report owns both.
  RptBand* Child() const { return child_; }
  // The last band of the chain that starts here.
  RptBand& ChainEnd();

  // A group header's key and footer (the footer may be left out).
  const GroupKey& Key() const { return key_; }
  RptBand* Footer() const { return footer_; }

  RptElement& AddLabel(const QString& name, const QRectF& rectPx, const QString& caption);
  // source "" is the master rows.
  RptElement& AddDataText(const QString& name, const QRectF& rectPx, const QString& source,
                          const QString& field, const QString& mask = QString());
  RptElement& AddComputed(const QString& name, const QRectF& rectPx, RptElement::Compute compute,
                          const QString& mask = QString());
  RptElement& AddSystemData(const QString& name, const QRectF& rectPx, RptSystemData data,
                            const QString& caption = QString());
  RptElement& AddShape(const QString& name, const QRectF& rectPx, unsigned frameSides);

  const std::vector<std::unique_ptr<RptElement>>& Elements() const { return elements_; }
  // The element of this band with the name (letter case ignored), or nullptr.
  RptElement* FindElement(const QString& name) const;

private:
  friend class RptReport;
  RptElement& Add(std::unique_ptr<RptElement> element);

  RptBandKind kind_;
  QString name_;
  double heightPx_;
  int tag_ = 0;
  bool enabled_ = true;
  unsigned frame_ = RptFrameNone;
  BeforePrint beforePrint_;
  AfterPrint afterPrint_;
  RptBand* child_ = nullptr;
  GroupKey key_;
  RptBand* footer_ = nullptr;
  std::vector<std::unique_ptr<RptElement>> elements_;
};
