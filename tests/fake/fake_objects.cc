#include "tests/fake/fake_objects.h"

#include <mutex>

namespace fake {

namespace {

struct Ledger {
  std::mutex lock;
  std::vector<ObjectHead*> objects;
  std::vector<std::string> faults;
  int next_id = 1;
};

Ledger& TheLedger() {
  static Ledger ledger;
  return ledger;
}

ObjectHead* HeadOf(const void* structure) {
  return reinterpret_cast<ObjectHead*>(
      const_cast<char*>(static_cast<const char*>(structure)) -
      sizeof(ObjectHead));
}

void CEF_CALLBACK AddRef(cef_base_t* self) {
  std::lock_guard<std::mutex> hold(TheLedger().lock);
  ObjectHead* head = HeadOf(self);
  if (head->refs <= 0)
    TheLedger().faults.push_back("add_ref on released object #" +
                                 std::to_string(head->id));
  ++head->refs;
}

int CEF_CALLBACK Release(cef_base_t* self) {
  std::lock_guard<std::mutex> hold(TheLedger().lock);
  ObjectHead* head = HeadOf(self);
  if (head->refs <= 0) {
    TheLedger().faults.push_back("release without a reference on object #" +
                                 std::to_string(head->id));
    return 0;
  }
  return --head->refs == 0 ? 1 : 0;
}

int CEF_CALLBACK HasOneRef(cef_base_t* self) {
  std::lock_guard<std::mutex> hold(TheLedger().lock);
  return HeadOf(self)->refs == 1 ? 1 : 0;
}

}  // namespace

namespace detail {

void Register(ObjectHead* head, cef_base_t* base, size_t size) {
  std::lock_guard<std::mutex> hold(TheLedger().lock);
  head->refs = 1;
  head->id = TheLedger().next_id++;
  base->size = size;
  base->add_ref = AddRef;
  base->release = Release;
  base->has_one_ref = HasOneRef;
  TheLedger().objects.push_back(head);
}

}  // namespace detail

bool IsFakeObject(const void* structure) {
  if (!structure) return false;
  std::lock_guard<std::mutex> hold(TheLedger().lock);
  for (ObjectHead* head : TheLedger().objects) {
    if (head == HeadOf(structure)) return true;
  }
  return false;
}

int RefsOf(const void* structure) {
  return IsFakeObject(structure) ? HeadOf(structure)->refs : 0;
}

int IdOf(const void* structure) {
  return IsFakeObject(structure) ? HeadOf(structure)->id : 0;
}

int LiveObjects() {
  std::lock_guard<std::mutex> hold(TheLedger().lock);
  int live = 0;
  for (ObjectHead* head : TheLedger().objects) live += head->refs > 0;
  return live;
}

const std::vector<std::string>& LedgerFaults() { return TheLedger().faults; }

void ResetLedger() {
  std::lock_guard<std::mutex> hold(TheLedger().lock);
  for (ObjectHead* head : TheLedger().objects) head->destroy(head);
  TheLedger().objects.clear();
  TheLedger().faults.clear();
}

}  // namespace fake
