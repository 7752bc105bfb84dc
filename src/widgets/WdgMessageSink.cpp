#include "widgets/WdgMessageSink.h"

#include <QMessageBox>

namespace {
// A modal box with the single button OK.
class TBoxSink final : public TWdgMessageSink {
public:
  void Show(QWidget* parent, Kind kind, const QString& caption, const QString& text) override {
    const auto icon = kind == Kind::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
  }
};

TWdgMessageSink* installed = nullptr;
} // namespace

TWdgMessageSink& TWdgMessageSink::Current() {
  static TBoxSink boxes;
  return installed ? *installed : boxes;
}

void TWdgMessageSink::Install(TWdgMessageSink* sink) { installed = sink; }
