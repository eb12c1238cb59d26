#include "include/cef_closure.h"

#include "include/cef_entry.h"

BoundClosure::BoundClosure(const BoundClosure& other)
    : state_(other.state_), invoke_(other.invoke_) {
  if (state_) state_->count.fetch_add(1, std::memory_order_relaxed);
}

BoundClosure& BoundClosure::operator=(const BoundClosure& other) {
  // Taking the new reference first keeps self-assignment safe.
  if (other.state_) other.state_->count.fetch_add(1, std::memory_order_relaxed);
  CallState* old = state_;
  state_ = other.state_;
  invoke_ = other.invoke_;
  Drop(old);
  return *this;
}

void BoundClosure::Reset() {
  invoke_ = nullptr;
  CallState* state = state_;
  state_ = nullptr;
  Drop(state);
}

void BoundClosure::Drop(CallState* state) {
  if (state && state->count.fetch_sub(1, std::memory_order_acq_rel) == 1)
    state->destroy(state);
}

CefRefPtr<CefTask> CreateClosureTask(const BoundClosure& closure) {
  return new ClosureTask(closure);
}

bool CefPostTask(cef_thread_id_t thread_id, const BoundClosure& closure) {
  return CefPostTask(thread_id, CreateClosureTask(closure));
}

bool CefPostDelayedTask(cef_thread_id_t thread_id, const BoundClosure& closure,
                        int64_t delay_ms) {
  return CefPostDelayedTask(thread_id, CreateClosureTask(closure), delay_ms);
}
