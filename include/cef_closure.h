// A method call bound to a counted receiver, to be run later on one of the
// library's threads.
#ifndef CEF_INCLUDE_CEF_CLOSURE_H_
#define CEF_INCLUDE_CEF_CLOSURE_H_

#include <atomic>
#include <cstdint>

#include "include/capi/cef_types_capi.h"
#include "include/cef_base.h"
#include "include/cef_task.h"

// What a closure refers to: counted, since the closure is made on one thread
// and run and dropped on another.
struct CallState {
  std::atomic<int32_t> count;
  void (*destroy)(CallState* state);
};

// A copyable handle on one bound call. Copies share the call; the last one
// to go releases the receiver.
class BoundClosure {
 public:
  BoundClosure() : state_(nullptr), invoke_(nullptr) {}
  // Takes over the first reference to `state`.
  BoundClosure(CallState* state, void (*invoke)(CallState* state))
      : state_(state), invoke_(invoke) {}
  BoundClosure(const BoundClosure& other);
  BoundClosure& operator=(const BoundClosure& other);
  ~BoundClosure() { Drop(state_); }

  // Does nothing once reset.
  void Run() const {
    if (invoke_) invoke_(state_);
  }
  void Reset();
  bool IsNull() const { return state_ == nullptr; }

 private:
  static void Drop(CallState* state);

  CallState* state_;
  void (*invoke_)(CallState* state);
};

namespace closure_detail {

template <class T>
struct MethodState : CallState {
  void (T::*target)(bool);
  CefRefPtr<T> receiver;
  bool argument;

  static void Destroy(CallState* state) {
    delete static_cast<MethodState*>(state);
  }
  static void Invoke(CallState* state) {
    MethodState* call = static_cast<MethodState*>(state);
    (call->receiver.get()->*call->target)(call->argument);
  }
};

}  // namespace closure_detail

// Without a receiver or a method there is nothing to call: the closure is
// null and running it does nothing.
template <class T>
BoundClosure BindMethod(void (T::*method)(bool), CefRefPtr<T> receiver,
                        bool value) {
  if (!receiver || !method) return BoundClosure();
  auto* state = new closure_detail::MethodState<T>();
  state->count.store(1, std::memory_order_relaxed);
  state->destroy = &closure_detail::MethodState<T>::Destroy;
  state->target = method;
  state->receiver = receiver;
  state->argument = value;
  return BoundClosure(state, &closure_detail::MethodState<T>::Invoke);
}

// A task that runs its closure once and then lets it go.
class ClosureTask : public CefTask {
 public:
  explicit ClosureTask(const BoundClosure& closure) : closure_(closure) {}
  void Execute() override {
    closure_.Run();
    closure_.Reset();
  }

 private:
  BoundClosure closure_;
  IMPLEMENT_REFCOUNTING(ClosureTask);
};

CefRefPtr<CefTask> CreateClosureTask(const BoundClosure& closure);
bool CefPostTask(cef_thread_id_t thread_id, const BoundClosure& closure);
bool CefPostDelayedTask(cef_thread_id_t thread_id, const BoundClosure& closure,
                        int64_t delay_ms);

#endif  // CEF_INCLUDE_CEF_CLOSURE_H_
