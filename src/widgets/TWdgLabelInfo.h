#pragma once
// Where a control's caption label sits: its offsets from the control and whether it is shown.
// The owning control wires the two callbacks: a change of offsets places the label again, a
// change of visibility makes or frees it.
#include <QPointer>
#include <functional>

class TWdgAttachedLabel;

class TWdgLabelInfo {
public:
  int OffsetX() const { return offsetX_; }
  int OffsetY() const { return offsetY_; }
  // Each reports when the value differs.
  void SetOffsetX(int x);
  void SetOffsetY(int y);
  // Sets both and reports once, also when neither changed.
  void SetOffsets(int x, int y);

  bool Visible() const { return visible_; }
  // Reports when the value differs.
  void SetVisible(bool visible);
  // For the owning control: records the state without the visibility callback.
  void SetVisibleQuietly(bool visible) { visible_ = visible; }

  TWdgAttachedLabel* Label() const;
  void SetLabel(TWdgAttachedLabel* label);

  std::function<void()> OnOffsetsChanged;
  std::function<void()> OnVisibleChanged;

private:
  void ReportOffsets();

  int offsetX_ = 0;
  int offsetY_ = 0;
  bool visible_ = false;
  QPointer<TWdgAttachedLabel> label_; // owned by the form
};
