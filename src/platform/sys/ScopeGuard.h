#pragma once
// Restore steps that run as a scope ends, in place of catch-restore-rethrow blocks.
// OnScopeFailure runs its step only while an exception leaves the scope; OnScopeExit runs it
// on every exit. A step that fails while an exception is already leaving is dropped, so the
// first error is the one the caller sees; on a normal exit its error leaves as it would from
// plain code after the scope's last statement.
#include <exception>
#include <utility>

template <class F> class ScopeGuard {
public:
  ScopeGuard(F step, bool onlyOnFailure)
      : step_(std::move(step)), onlyOnFailure_(onlyOnFailure), uncaught_(std::uncaught_exceptions()) {}
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;

  ~ScopeGuard() noexcept(false) {
    if (dismissed_) return;
    if (std::uncaught_exceptions() <= uncaught_) {
      if (!onlyOnFailure_) step_();
      return;
    }
    try {
      step_();
    } catch (...) {
      // The error already on its way is the one to report.
    }
  }

  // The step will not run.
  void Dismiss() noexcept { dismissed_ = true; }

private:
  F step_;
  bool onlyOnFailure_;
  bool dismissed_ = false;
  int uncaught_;
};

template <class F> [[nodiscard]] ScopeGuard<F> OnScopeExit(F step) { return ScopeGuard<F>(std::move(step), false); }
template <class F> [[nodiscard]] ScopeGuard<F> OnScopeFailure(F step) { return ScopeGuard<F>(std::move(step), true); }
