// Reference counting shared by every object that crosses the bridge.
#ifndef CEF_INCLUDE_CEF_BASE_H_
#define CEF_INCLUDE_CEF_BASE_H_

#include <atomic>
#include <cstdint>

// Every interface derives virtually from CefBase, so an object implementing
// several interfaces still has exactly one count.
class CefBase {
 public:
  virtual void AddRef() const = 0;
  // True exactly when this call dropped the last reference and destroyed the
  // object.
  virtual bool Release() const = 0;
  virtual bool HasOneRef() const = 0;

 protected:
  virtual ~CefBase() {}
};

// The counter a concrete class embeds once. A new object holds no reference
// until the first counted pointer takes one.
class RefCounter {
 public:
  RefCounter() : count_(0) {}
  RefCounter(const RefCounter&) = delete;
  RefCounter& operator=(const RefCounter&) = delete;

  void Increment() const { count_.fetch_add(1, std::memory_order_relaxed); }
  // True when this dropped the last reference. The acquire-release order
  // makes every earlier use of the object happen before its destruction.
  bool Decrement() const {
    return count_.fetch_sub(1, std::memory_order_acq_rel) == 1;
  }
  // Exact only while no other thread adds or drops references.
  bool IsOne() const { return count_.load(std::memory_order_acquire) == 1; }

 private:
  mutable std::atomic<int32_t> count_;
};

// Gives a concrete class the three counting operations over one RefCounter.
#define IMPLEMENT_REFCOUNTING(ClassName)                      \
 public:                                                      \
  void AddRef() const override { ref_count_.Increment(); }    \
  bool Release() const override {                             \
    if (ref_count_.Decrement()) {                             \
      delete static_cast<const ClassName*>(this);             \
      return true;                                            \
    }                                                         \
    return false;                                             \
  }                                                           \
  bool HasOneRef() const override { return ref_count_.IsOne(); } \
                                                              \
 private:                                                     \
  RefCounter ref_count_

// Holds one reference for as long as it holds a non-null pointer. One variable
// is used by one thread at a time.
template <class T>
class CefRefPtr {
 public:
  typedef T element_type;

  CefRefPtr() : ptr_(nullptr) {}
  CefRefPtr(T* p) : ptr_(p) {  // NOLINT: implicit by design, like T*
    if (ptr_) ptr_->AddRef();
  }
  CefRefPtr(const CefRefPtr<T>& other) : ptr_(other.ptr_) {
    if (ptr_) ptr_->AddRef();
  }
  template <class U>
  CefRefPtr(const CefRefPtr<U>& other) : ptr_(other.get()) {  // NOLINT
    if (ptr_) ptr_->AddRef();
  }
  // Hands the reference over: no count changes, and `other` is left null.
  CefRefPtr(CefRefPtr<T>&& other) noexcept : ptr_(other.ptr_) {
    other.ptr_ = nullptr;
  }
  ~CefRefPtr() {
    if (ptr_) ptr_->Release();
  }

  T* get() const { return ptr_; }
  operator T*() const { return ptr_; }
  T* operator->() const { return ptr_; }
  T& operator*() const { return *ptr_; }

  // Taking the new reference before dropping the old one makes
  // self-assignment safe.
  CefRefPtr<T>& operator=(T* p) {
    if (p) p->AddRef();
    T* old = ptr_;
    ptr_ = p;
    if (old) old->Release();
    return *this;
  }
  CefRefPtr<T>& operator=(const CefRefPtr<T>& other) {
    return *this = other.ptr_;
  }
  template <class U>
  CefRefPtr<T>& operator=(const CefRefPtr<U>& other) {
    return *this = other.get();
  }
  CefRefPtr<T>& operator=(CefRefPtr<T>&& other) noexcept {
    CefRefPtr<T>(static_cast<CefRefPtr<T>&&>(other)).swap(*this);
    return *this;
  }

  void swap(CefRefPtr<T>& other) {
    T* p = ptr_;
    ptr_ = other.ptr_;
    other.ptr_ = p;
  }

 private:
  T* ptr_;
};

#endif  // CEF_INCLUDE_CEF_BASE_H_
