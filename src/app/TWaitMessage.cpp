#include "app/TWaitMessage.h"

#include "app/AppForms.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/PumpDelay.h"

TWaitMessage::TWaitMessage(const QString& text) {
  if (!FormRegistry::Has<WaitMessageRequest>()) return;
  WaitMessageRequest request{text, {}};
  FormRegistry::Show(request);
  close_ = std::move(request.close);
  PumpMessage(); // lets it paint
}

TWaitMessage::~TWaitMessage() {
  if (close_) close_();
}
