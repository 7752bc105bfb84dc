#pragma once
// One thing a band draws: a label, a data text, a computed text, a system data text or a
// frame/rule. Its rectangle is in form pixels (1/96 inch) from the band's top-left corner.
// Handlers may change caption, position, size and the enabled flag at run time; the change
// holds until changed again. A text is produced when its band prints, so a data text shows
// the row current at that moment.
#include "reports/engine/RptPageModel.h"
#include "reports/engine/RptValue.h"

#include <QRectF>
#include <QString>

#include <functional>

enum class RptElementKind { Label, DataText, Computed, SystemData, Shape };

// What a system data element shows; its caption, if any, is printed before it.
enum class RptSystemData { Title, DatePrinted, TimePrinted, DateTimePrinted, PageNumber };

class RptElement {
public:
  using Compute = std::function<RptValue()>;

  RptElement(RptElementKind kind, QString name, const QRectF& rectPx);

  RptElementKind Kind() const { return kind_; }
  const QString& Name() const { return name_; }
  int Tag() const { return tag_; }
  RptElement& SetTag(int tag);

  const QRectF& RectPx() const { return rectPx_; }
  RptElement& SetRectPx(const QRectF& rectPx);
  RptElement& MoveTo(double leftPx, double topPx);

  bool Enabled() const { return enabled_; }
  RptElement& SetEnabled(bool enabled);

  // A label's text; the text before a system data value.
  const QString& Caption() const { return caption_; }
  RptElement& SetCaption(const QString& caption);

  // A data text's source ("" is the master rows) and field.
  const QString& Source() const { return source_; }
  const QString& Field() const { return field_; }
  RptElement& SetField(const QString& source, const QString& field);
  // A number picture for data and computed texts; empty gives the value's default display.
  const QString& Mask() const { return mask_; }
  RptElement& SetMask(const QString& mask);
  const Compute& Computation() const { return compute_; }
  RptElement& SetComputation(Compute compute);
  RptSystemData SystemData() const { return system_; }
  RptElement& SetSystemData(RptSystemData data);

  const RptFont& Font() const { return font_; }
  RptElement& SetFont(const RptFont& font);
  RptAlign Align() const { return align_; }
  RptElement& SetAlign(RptAlign align);
  unsigned Frame() const { return frame_; }
  RptElement& SetFrame(unsigned sides);

private:
  RptElementKind kind_;
  QString name_;
  QRectF rectPx_;
  int tag_ = 0;
  bool enabled_ = true;
  QString caption_;
  QString source_;
  QString field_;
  QString mask_;
  Compute compute_;
  RptSystemData system_ = RptSystemData::Title;
  RptFont font_;
  RptAlign align_ = RptAlign::Left;
  unsigned frame_ = RptFrameNone;
};
