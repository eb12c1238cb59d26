// Library objects for tests: a structure of any interface type whose
// references are counted in a ledger. An object is never freed during a
// test, so that a release after the last one is seen as a fault instead of
// touching freed memory; the ledger frees them all when it is reset.
#ifndef TESTS_FAKE_FAKE_OBJECTS_H_
#define TESTS_FAKE_FAKE_OBJECTS_H_

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "include/capi/cef_base_capi.h"

namespace fake {

struct alignas(16) ObjectHead {
  int refs;
  int id;
  void (*destroy)(ObjectHead* head);
  // Zero, right before the structure: a bridge that looks there for the tag
  // of a record of its own reads inside the object and finds none.
  void* front[3];
};

// A new object whose members are all null, with one reference: the one that
// travels with the pointer. `size` defaults to the full structure.
template <class S>
S* NewObject(size_t size = sizeof(S));

// What a library does when it is done with a structure it was handed: one
// release; nothing for null.
template <class S>
void Release(S* structure) {
  if (!structure) return;
  cef_base_t* base = reinterpret_cast<cef_base_t*>(structure);
  if (base->release) base->release(base);
}

// One more reference, as a library takes when it hands a structure on.
template <class S>
void AddRef(S* structure) {
  if (!structure) return;
  cef_base_t* base = reinterpret_cast<cef_base_t*>(structure);
  if (base->add_ref) base->add_ref(base);
}

// The library's side of an in/out structure slot (a pop-up's client, a
// script's return value): it keeps its own reference on what it puts in and
// sends one more with it, which the receiver takes over. A different
// structure coming back carries a reference that the library takes over;
// the same structure carries none.
template <class S>
class LibrarySlot {
 public:
  explicit LibrarySlot(S* in) : in_(in), slot_(in) { AddRef(in); }
  LibrarySlot(const LibrarySlot&) = delete;
  ~LibrarySlot() { Finish(); }
  S** get() { return &slot_; }
  S* value() const { return slot_; }
  // The library is done with what it put in and with what came back.
  void Finish() {
    if (slot_ != in_) Release(slot_);
    Release(in_);
    in_ = slot_ = nullptr;
  }

 private:
  S* in_;
  S* slot_;
};

int RefsOf(const void* structure);
// Which object a structure is: 1, 2, ... in order of creation; 0 for a
// structure that is not a fake object.
int IdOf(const void* structure);
bool IsFakeObject(const void* structure);

// Objects still referenced, and faults (a release without a reference).
int LiveObjects();
const std::vector<std::string>& LedgerFaults();
void ResetLedger();

// A test that ends with no library object left referenced and no fault.
class LedgerTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetLedger(); }
  void TearDown() override {
    EXPECT_EQ(LiveObjects(), 0) << "library objects left referenced";
    for (const std::string& fault : LedgerFaults()) ADD_FAILURE() << fault;
    ResetLedger();
  }
};

// ---------------------------------------------------------------------------

namespace detail {

void Register(ObjectHead* head, cef_base_t* base, size_t size);

template <class S>
struct Object {
  ObjectHead head;
  S structure;
};

template <class S>
void Destroy(ObjectHead* head) {
  delete reinterpret_cast<Object<S>*>(head);
}

}  // namespace detail

template <class S>
S* NewObject(size_t size) {
  static_assert(offsetof(detail::Object<S>, structure) == sizeof(ObjectHead),
                "the head must sit right before the structure");
  auto* object = new detail::Object<S>();
  object->head.destroy = &detail::Destroy<S>;
  detail::Register(&object->head,
                   reinterpret_cast<cef_base_t*>(&object->structure), size);
  return &object->structure;
}

}  // namespace fake

#endif  // TESTS_FAKE_FAKE_OBJECTS_H_
