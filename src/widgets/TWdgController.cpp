#include "widgets/TWdgController.h"

#include "widgets/WdgBeeper.h"
#include "widgets/WdgMessageSink.h"
#include "widgets/core/WdgExceptionDisplay.h"
#include "widgets/core/WdgLibraryStrings.h"
#include "widgets/core/WdgMisc.h"

#include <QPointer>
#include <QWidget>

namespace {
constexpr int kMinEpoch = 1600;
constexpr int kMaxEpoch = 3999;
// Codes 256.. name the library's texts of the field checks, in order.
constexpr int kFirstCheckCode = 256;
constexpr int kLastCheckCode = 262;
} // namespace

TWdgController::TWdgController(QObject* owner) : TWdgComponent(owner), epoch_(CurrentCentury()) {
  timerPool_.SetOnAllTriggers([this](TWdgTimerPool&, int handle, quint32 interval, qint32 elapsed) {
    if (OnTimerTrigger) OnTimerTrigger(this, handle, interval, elapsed);
  });
  timerPool_.SetOnHandlerError([](const std::exception& e) { WdgShowException(e); });
}

TWdgController::~TWdgController() = default;

TWdgController* TWdgController::FindIn(QObject* window) {
  if (!window) return nullptr;
  // Only the window's own children: a dialog owned by this window keeps its own controller.
  return window->findChild<TWdgController*>(QString(), Qt::FindDirectChildrenOnly);
}

TWdgController* TWdgController::For(QWidget* control) {
  QWidget* window = control->window();
  if (auto* found = FindIn(window)) return found;
  auto* made = new TWdgController(window);
  made->setObjectName(QStringLiteral("WdgController1"));
  return made;
}

int TWdgController::Epoch() const {
  int epoch = epoch_;
  if (OnGetEpoch) OnGetEpoch(const_cast<TWdgController*>(this), epoch);
  return epoch;
}

void TWdgController::SetEpoch(int year) {
  if (year != epoch_ && year >= kMinEpoch && year <= kMaxEpoch) epoch_ = year;
}

QString TWdgController::EntryErrorText(int code) const {
  if (code == 0) return {};
  if (code < 0) return errorText_;
  if (code >= kFirstCheckCode && code <= kLastCheckCode)
    return LibraryString(WdgText::kNotInRange + code - kFirstCheckCode);
  return LibraryString(WdgText::kEntryError);
}

void TWdgController::Queue(std::function<void()> call) {
  QMetaObject::invokeMethod(
      this, [call = std::move(call)] { WdgRunGuarded(call); }, Qt::QueuedConnection);
}

bool TWdgController::PostEntryError(QWidget* field, int code,
                                    std::function<void(QWidget*, int, const QString&)> fieldOnError) {
  if (errorPending_) return false;
  errorPending_ = true;
  const bool hadField = field != nullptr;
  Queue([this, target = QPointer<QWidget>(field), hadField, code,
         onError = std::move(fieldOnError)] {
    if (hadField && !target) {
      errorPending_ = false; // nobody is left to show it or to take the focus back
      return;
    }
    ReportEntryError(target, code, onError);
  });
  return true;
}

void TWdgController::ReportEntryError(
    QWidget* field, int code, const std::function<void(QWidget*, int, const QString&)>& fieldOnError) {
  if (code == 0) return;
  const QString text = EntryErrorText(code);
  if (text != errorText_) errorText_ = text;
  if (fieldOnError)
    fieldOnError(field, code, text);
  else
    ShowEntryError(field, code, text);
}

void TWdgController::ShowEntryError(QWidget* field, int code, const QString& text) {
  if (OnError) {
    OnError(field, code, text);
    return;
  }
  QWidget* parent = field ? field->window() : nullptr;
  TWdgMessageSink::Current().Show(parent, TWdgMessageSink::Kind::Error, QStringLiteral("Error"), text);
}

void TWdgController::PostShowControl(QWidget* control) {
  Queue([target = QPointer<QWidget>(control)] {
    if (!target) return;
    target->show();
    if (target->isVisible() && target->isEnabled() && target->focusPolicy() != Qt::NoFocus)
      target->setFocus(Qt::OtherFocusReason);
  });
}

void TWdgController::PostPreEdit(QWidget* field, QWidget* losing) {
  Queue([this, target = QPointer<QWidget>(field), other = QPointer<QWidget>(losing)] {
    if (target && OnPreEdit) OnPreEdit(target, other);
  });
}

void TWdgController::PostPostEdit(QWidget* field, QWidget* gaining) {
  Queue([this, target = QPointer<QWidget>(field), other = QPointer<QWidget>(gaining)] {
    if (target && OnPostEdit) OnPostEdit(target, other);
  });
}

void TWdgController::PostDelayNotify(QObject* sender, quint16 code) {
  Queue([this, source = QPointer<QObject>(sender), code] {
    if (OnDelayNotify) OnDelayNotify(source, code);
  });
}

bool TWdgController::IsSpecialControl(QWidget* control) const {
  bool special = false;
  if (OnIsSpecialControl) OnIsSpecialControl(const_cast<TWdgController*>(this), control, special);
  return special;
}

void TWdgController::Beep() const {
  if (entryOptions_.testFlag(efoBeepOnError)) TWdgBeeper::Current().Beep();
}
