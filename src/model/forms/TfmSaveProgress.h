#pragma once
// The small window with one progress meter that long operations show while they work:
// 223 by 78 pixels, centred on the screen, its caption the caller's ("Save Progress"
// until one is given), the meter 200 by 24 at (8, 8), lime on the window colour, showing
// its percentage, from 0.
#include <QDialog>

class TWdgController;
class TWdgMeter;

class TfmSaveProgress : public QDialog {
  Q_OBJECT
public:
  explicit TfmSaveProgress(QWidget* parent = nullptr);

  // Shown within 0..100; the same value again paints nothing.
  void SetPercent(int percent);
  TWdgMeter* Meter() const { return meter_; }

private:
  TWdgMeter* meter_;
  TWdgController* controller_;
};
