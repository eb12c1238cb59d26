#include "runtime/base/counted.h"

#include <stdlib.h>

#include <map>
#include <mutex>

namespace cefrt {

namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::string, int> live;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry();  // outlives static destructors
  return *registry;
}

bool HasMember(const cef_base_t* base, size_t end) {
  return base && base->size >= end;
}

}  // namespace

Counted::Counted(const char* kind) : kind_(kind) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.mutex);
  ++r.live[kind_];
}

Counted::~Counted() {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.mutex);
  auto it = r.live.find(kind_);
  if (it != r.live.end() && --it->second <= 0)
    r.live.erase(it);
}

void Counted::AddRef() const {
  refs_.fetch_add(1, std::memory_order_relaxed);
}

bool Counted::Release() const {
  if (refs_.fetch_sub(1, std::memory_order_acq_rel) != 1)
    return false;
  delete this;
  return true;
}

bool Counted::HasOneRef() const {
  return refs_.load(std::memory_order_acquire) == 1;
}

std::vector<std::pair<std::string, int>> LiveObjects() {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> lock(r.mutex);
  return std::vector<std::pair<std::string, int>>(r.live.begin(),
                                                  r.live.end());
}

int ReportLiveObjects(FILE* out) {
  int total = 0;
  for (const auto& entry : LiveObjects()) {
    total += entry.second;
    fprintf(out, "cef_shutdown: %d %s object%s still referenced\n",
            entry.second, entry.first.c_str(), entry.second == 1 ? "" : "s");
  }
  fflush(out);
  return total;
}

void CheckLiveObjectsAtShutdown() {
  if (ReportLiveObjects(stderr) == 0)
    return;
  const char* strict = getenv("CEFRT_STRICT_SHUTDOWN");
  if (strict && *strict)
    _Exit(kLeakExitCode);
}

void ReleaseStruct(void* structure) {
  cef_base_t* base = static_cast<cef_base_t*>(structure);
  if (HasMember(base, offsetof(cef_base_t, release) + sizeof(void*)) &&
      base->release)
    base->release(base);
}

void AddRefStruct(void* structure) {
  cef_base_t* base = static_cast<cef_base_t*>(structure);
  if (HasMember(base, offsetof(cef_base_t, add_ref) + sizeof(void*)) &&
      base->add_ref)
    base->add_ref(base);
}

}  // namespace cefrt
