#pragma once
// Stand-ins for the library's message boxes, beep and exception display: they record what
// would have been shown or sounded, and put the real ones back when they go.
#include "widgets/WdgBeeper.h"
#include "widgets/WdgMessageSink.h"
#include "widgets/core/WdgExceptionDisplay.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

struct RecordingSink final : TWdgMessageSink {
  struct Box {
    QPointer<QWidget> parent;
    Kind kind;
    QString caption;
    QString text;
  };
  std::vector<Box> boxes;
  std::function<void(const Box&)> whenShown; // runs as the box would appear

  RecordingSink() { Install(this); }
  ~RecordingSink() override { Install(nullptr); }
  void Show(QWidget* parent, Kind kind, const QString& caption, const QString& text) override {
    boxes.push_back({parent, kind, caption, text});
    if (whenShown) whenShown(boxes.back());
  }
  QStringList Texts() const {
    QStringList texts;
    for (const auto& box : boxes) texts << box.text;
    return texts;
  }
};

struct CountingBeeper final : TWdgBeeper {
  int beeps = 0;
  CountingBeeper() { Install(this); }
  ~CountingBeeper() override { Install(nullptr); }
  void Beep() override { ++beeps; }
};

struct RecordingExceptionDisplay {
  QStringList messages;
  RecordingExceptionDisplay() {
    SetWdgExceptionDisplay([this](const QString& message) { messages << message; });
  }
  ~RecordingExceptionDisplay() { SetWdgExceptionDisplay({}); }
};

// Runs the calls queued so far (and those they queue in turn).
inline void RunQueued() {
  for (int round = 0; round < 5; ++round) QCoreApplication::processEvents();
}
