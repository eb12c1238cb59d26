// Walks every member of a proxy or an adapter from a table of rows, one row
// per structure member in structure order.
//
// A proxy row names the C member and the interface method with sample
// arguments; the walk installs a recorder in every member of a fake library
// object and proves, for each row: the call reaches its own member with the
// converted arguments and returns the converted answer; a size that stops
// just before the member, or a null member, gives the default without
// reaching the library; a size just covering it reaches it; each required
// argument left out gives the default without reaching the library.
//
// An adapter row names the C member with sample C arguments; the walk calls
// the member on a wrapped recording handler and proves: the n-th member
// reaches the handler's n-th method once, with the converted arguments, and
// returns its converted answer; a null `self` or a required argument left
// null gives the default without reaching the handler.
//
// Both walks run inside a fake::LedgerTest, so every library object made
// along the way must be released exactly once.
#ifndef TESTS_SUPPORT_MEMBER_WALK_H_
#define TESTS_SUPPORT_MEMBER_WALK_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "include/cef_base.h"
#include "include/cef_string.h"
#include "include/cef_string_containers.h"
#include "libcef_dll/conversions.h"
#include "libcef_dll/member_traits.h"
#include "tests/fake/fake_objects.h"

namespace walk {

// ---------------------------------------------------------------------------
// Describing values on either side as short text.

inline std::string Quote(const CefString& text) {
  return "\"" + text.ToUtf8() + "\"";
}

template <class T>
std::string Describe(const T& value);

template <class T, class = void>
struct RecordOf {
  typedef T type;
};
template <class T>
struct RecordOf<T, std::void_t<typename T::record_type>> {
  typedef typename T::record_type type;
};

inline std::string DescribeC(const cef_string_t* text) {
  return text ? Quote(CefString(text)) : "null";
}
inline std::string DescribeC(cef_string_t* text) {
  return DescribeC(static_cast<const cef_string_t*>(text));
}
template <class T>
std::string DescribeC(T* pointer) {
  if (!pointer) return "null";
  if constexpr (HasInterface<std::remove_cv_t<T>>::value) {
    if (int id = fake::IdOf(pointer)) return "#" + std::to_string(id);
    return "struct";
  } else {
    return "ptr";
  }
}
template <class T>
std::enable_if_t<!std::is_pointer_v<T>, std::string> DescribeC(const T& value) {
  return Describe(value);
}

template <class T>
std::string Describe(const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return value ? "true" : "false";
  } else if constexpr (std::is_enum_v<T>) {
    return std::to_string(static_cast<long long>(value));
  } else if constexpr (std::is_floating_point_v<T>) {
    std::ostringstream text;
    text << value;
    return text.str();
  } else if constexpr (std::is_integral_v<T>) {
    return std::to_string(value);
  } else if constexpr (std::is_same_v<T, CefString>) {
    return Quote(value);
  } else if constexpr (IsCountedPointer<T>::value) {
    return value ? "object" : "null";
  } else if constexpr (std::is_pointer_v<T>) {
    return DescribeC(value);
  } else if constexpr (std::is_same_v<T, EmbedStringVector>) {
    std::string text = "[";
    for (const CefString& item : value)
      text += (text.size() > 1 ? "," : "") + Quote(item);
    return text + "]";
  } else if constexpr (std::is_same_v<T, EmbedStringMap> ||
                       std::is_same_v<T, EmbedStringMultimap>) {
    std::string text = "{";
    for (const auto& entry : value)
      text += (text.size() > 1 ? "," : "") + Quote(entry.first) + ":" +
              Quote(entry.second);
    return text + "}";
  } else if constexpr (std::is_class_v<T>) {
    // A record: what matters is whether anything was set.
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(
        &static_cast<const typename RecordOf<T>::type&>(value));
    for (size_t i = 0; i < sizeof(typename RecordOf<T>::type); ++i)
      if (bytes[i]) return "record";
    return "zero";
  } else {
    return "?";
  }
}

template <class... A>
std::string DescribeAll(const A&... values) {
  std::string text;
  ((text += (text.empty() ? "" : ", ") + Describe(values)), ...);
  return text;
}
template <class... A>
std::string DescribeAllC(const A&... values) {
  std::string text;
  ((text += (text.empty() ? "" : ", ") + DescribeC(values)), ...);
  return text;
}

// ---------------------------------------------------------------------------
// The library side of a proxy walk.

// A handler that only counts, for getters to hand out.
template <class Interface>
class Counted : public Interface {
  IMPLEMENT_REFCOUNTING(Counted);
};

struct Reach {
  size_t offset;
  std::string arguments;
};
std::vector<Reach>& Reaches();
// The number that a reached member answers with, converted to its result
// type; always one more than the row's default so that it differs.
long long& AnswerValue();
// Whether a reached member that returns a pointer answers null instead.
bool& AnswerNull();

// A fuzzer can take the walks over: each walk then makes the one call that
// the plan describes instead of walking its rows, and checks that the call
// leaves the reference ledger as it found it. A census only counts the rows.
struct FuzzPlan {
  struct Walk {
    std::string test;
    size_t ordinal;  // among the walks of its test
    size_t rows;
  };
  bool census = false;
  std::vector<Walk> walks;  // what the census found, in running order
  size_t walk = 0;          // which walk of the running test makes the call
  size_t walks_seen = 0;
  size_t row = 0;            // taken modulo the rows
  size_t size = 0;           // proxies: the structure's declared size
  uint64_t absent = 0;       // proxies: members left null, one bit per row
  size_t refused = 0;        // proxies: 0 for the full call, else a variant
  long long answer = 0;      // proxies: what the reached member answers
  bool null_answer = false;  // proxies: pointer results answered as null
  bool null_self = false;    // adapters: the call comes without `self`
  uint64_t blank = 0;        // adapters: arguments left null, one bit each
};
// The plan in force; null when the walks run as tests.
FuzzPlan*& ActivePlan();
// Whether the plan takes this walk over; a census notes it on the way.
bool PlanTakesWalk(size_t rows);

template <class R>
R Answer() {
  if constexpr (std::is_pointer_v<R>) {
    if (AnswerNull()) return nullptr;
  }
  if constexpr (std::is_same_v<R, cef_string_userfree_t>) {
    cef_string_userfree_t text = cef_string_userfree_utf16_alloc();
    cef_string_utf8_to_utf16("answer", 6, text);
    return text;
  } else if constexpr (std::is_pointer_v<R> &&
                       HasInterface<std::remove_pointer_t<R>>::value) {
    typedef std::remove_pointer_t<R> S;
    typedef typename InterfaceOf<S>::type I;
    if constexpr (Bridge<I>::kProxied) {
      return fake::NewObject<S>();
    } else {
      // A program handler that the library hands back: only an adapter's
      // structure has the record that its Unwrap reads.
      return Bridge<I>::ToLibrary(new Counted<I>());
    }
  } else if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<R>(static_cast<uintptr_t>(0x1000));
  } else if constexpr (std::is_floating_point_v<R>) {
    return static_cast<R>(AnswerValue()) + static_cast<R>(0.5);
  } else if constexpr (std::is_arithmetic_v<R> || std::is_enum_v<R>) {
    return static_cast<R>(AnswerValue());
  } else {
    R record;
    std::memset(&record, 1, sizeof(record));
    return record;
  }
}

// A library takes over each object handed to it; this one is done with it
// at once.
template <class T>
void TakeOver(T argument) {
  if constexpr (std::is_pointer_v<T>) {
    typedef std::remove_cv_t<std::remove_pointer_t<T>> S;
    if constexpr (HasInterface<S>::value) fake::Release(argument);
  }
}

template <class M>
struct MemberPointer;
template <class C, class T>
struct MemberPointer<T C::*> {
  typedef C Class;
  typedef T Type;
};

template <auto Member>
size_t OffsetOf() {
  typedef typename MemberPointer<decltype(Member)>::Class S;
  static S probe;
  return static_cast<size_t>(reinterpret_cast<char*>(&(probe.*Member)) -
                             reinterpret_cast<char*>(&probe));
}

template <auto Member,
          class Fn = typename MemberPointer<decltype(Member)>::Type>
struct Recorder;
template <auto Member, class R, class Self, class... A>
struct Recorder<Member, R(CEF_CALLBACK*)(Self*, A...)> {
  static R CEF_CALLBACK Call(Self*, A... arguments) {
    Reaches().push_back(Reach{OffsetOf<Member>(), DescribeAllC(arguments...)});
    (TakeOver(arguments), ...);
    if constexpr (!std::is_void_v<R>) return Answer<R>();
  }
};

// Test-side markers on sample arguments.
template <class T>
struct Req {
  explicit Req(T value) : value(value) {}
  T value;
};
struct Idx {
  explicit Idx(int value) : value(value) {}
  int value;
};

// Lvalues, so that in/out parameters bind to the sample.
template <class T>
T& Plain(T& sample) {
  return sample;
}
template <class T>
T& Plain(Req<T>& sample) {
  return sample.value;
}
inline int& Plain(Idx& sample) { return sample.value; }

template <class T>
T Blank(const Req<T>&) {
  if constexpr (std::is_pointer_v<T>)
    return nullptr;
  else
    return T();
}
inline int Blank(const Idx&) { return -1; }

template <class T>
struct IsMarked : std::false_type {};
template <class T>
struct IsMarked<Req<T>> : std::true_type {};
template <>
struct IsMarked<Idx> : std::true_type {};

template <class Interface>
struct ProxyRow {
  std::string name;
  size_t offset = 0;
  std::function<void(void*, bool)> install;
  std::function<std::string(Interface&)> call;
  std::vector<std::function<std::string(Interface&)>> refused;
  std::string default_result;
  long long default_value = 0;
  std::string seen;
  bool checks_seen = false;
  std::vector<size_t> consulted;

  // The reaches of this row's own member, the consulted ones left aside.
  std::vector<Reach> OwnReaches() const {
    std::vector<Reach> own;
    for (const Reach& reach : Reaches()) {
      bool aside = false;
      for (size_t offset : consulted) aside |= reach.offset == offset;
      if (!aside) own.push_back(reach);
    }
    return own;
  }

  // What the library must see, as described text.
  ProxyRow& Sees(std::string arguments) {
    seen = std::move(arguments);
    checks_seen = true;
    return *this;
  }
  // Another member that the method asks first (a count before an array);
  // reaching it is no fault.
  template <auto Member>
  ProxyRow& Consults() {
    consulted.push_back(OffsetOf<Member>());
    return *this;
  }
  // A non-zero default result.
  template <class V>
  ProxyRow& Default(V value) {
    default_value = static_cast<long long>(value);
    default_result = Describe(value);
    return *this;
  }
};

template <class Result>
std::string DescribeResult(const std::function<Result()>& run) {
  if constexpr (std::is_void_v<Result>) {
    run();
    return "";
  } else {
    return Describe(run());
  }
}

template <class Interface, class Method, class Tuple, size_t... K>
std::string CallWith(Interface& object, Method method, Tuple samples,
                     std::index_sequence<K...>) {
  typedef decltype((object.*method)(Plain(std::get<K>(samples))...)) Result;
  return DescribeResult<Result>([&]() -> Result {
    return (object.*method)(Plain(std::get<K>(samples))...);
  });
}

template <class Interface, class Method, class Tuple, size_t... K>
std::string CallBlanking(Interface& object, Method method, const Tuple& samples,
                         size_t blank, std::index_sequence<K...>) {
  auto pick = [&](auto& sample, size_t index) {
    typedef std::decay_t<decltype(Plain(sample))> T;
    (void)index;
    if constexpr (IsMarked<std::decay_t<decltype(sample)>>::value) {
      if (index == blank) return static_cast<T>(Blank(sample));
    }
    return static_cast<T>(Plain(sample));
  };
  Tuple copy = samples;
  auto values = std::make_tuple(pick(std::get<K>(copy), K)...);
  typedef decltype((object.*method)(std::get<K>(values)...)) Result;
  return DescribeResult<Result>(
      [&]() -> Result { return (object.*method)(std::get<K>(values)...); });
}

// One proxy row: `Member` is the C member, `method` the interface method,
// `samples` its arguments, with Req or Idx around those that are required.
template <auto Member, class Interface, class R, class... P, class... Samples>
ProxyRow<Interface> Row(R (Interface::*method)(P...), Samples... samples) {
  typedef typename MemberPointer<decltype(Member)>::Class S;
  ProxyRow<Interface> row;
  row.offset = OffsetOf<Member>();
  row.name = "member " +
             std::to_string((row.offset - sizeof(cef_base_t)) / sizeof(void*)) +
             " (offset " + std::to_string(row.offset) + ")";
  row.install = [](void* structure, bool present) {
    static_cast<S*>(structure)->*Member =
        present ? &Recorder<Member>::Call : nullptr;
  };
  auto tuple = std::make_tuple(samples...);
  typedef decltype(tuple) Tuple;
  const auto indices = std::index_sequence_for<Samples...>();
  row.call = [method, tuple, indices](Interface& object) {
    return CallWith(object, method, tuple, indices);
  };
  size_t index = 0;
  (
      [&] {
        if constexpr (IsMarked<Samples>::value) {
          const size_t blank = index;
          row.refused.push_back(
              [method, tuple, blank, indices](Interface& object) {
                return CallBlanking(object, method, tuple, blank, indices);
              });
        }
        ++index;
      }(),
      ...);
  (void)index;
  if constexpr (!std::is_void_v<R>)
    row.default_result = Describe(std::decay_t<R>());
  (void)sizeof(Tuple);
  return row;
}

// Rows must cover the structure exactly, in member order.
template <class S, class RowType>
void ExpectCoversStructure(const std::vector<RowType>& rows) {
  const size_t members = (sizeof(S) - sizeof(cef_base_t)) / sizeof(void*);
  ASSERT_EQ(rows.size(), members) << "one row per member";
  for (size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(rows[i].offset, sizeof(cef_base_t) + i * sizeof(void*))
        << "row " << i << " is not the structure's member " << i;
}

// The planned call through a proxy: any declared size, any members absent,
// any required argument left out, any answer.
template <class Proxy>
void PlannedProxyCall(
    const std::vector<ProxyRow<typename Proxy::InterfaceType>>& rows,
    const FuzzPlan& plan) {
  typedef typename Proxy::StructType S;
  const auto& row = rows[plan.row % rows.size()];
  SCOPED_TRACE(row.name);
  const int live = fake::LiveObjects();
  S* structure = fake::NewObject<S>();
  for (size_t i = 0; i < rows.size(); ++i)
    rows[i].install(structure, !((plan.absent >> (i % 64)) & 1));
  BaseOf(structure)->size = sizeof(cef_base_t) +
                            plan.size % (sizeof(S) - sizeof(cef_base_t) +
                                         2 * sizeof(void*) + 1);
  AnswerValue() = plan.answer;
  AnswerNull() = plan.null_answer;
  {
    CefRefPtr<typename Proxy::InterfaceType> proxy = Proxy::Wrap(structure);
    Reaches().clear();
    const size_t variant = plan.refused % (row.refused.size() + 1);
    if (variant == 0)
      row.call(*proxy);
    else
      row.refused[variant - 1](*proxy);
    EXPECT_LE(row.OwnReaches().size(), 1u) << "the member was reached twice";
  }
  AnswerNull() = false;
  EXPECT_EQ(fake::RefsOf(structure), 0) << "the proxy kept a reference";
  EXPECT_EQ(fake::LiveObjects(), live) << "library objects left referenced";
}

template <class Proxy>
void WalkProxy(
    const std::vector<ProxyRow<typename Proxy::InterfaceType>>& rows) {
  typedef typename Proxy::StructType S;
  if (FuzzPlan* plan = ActivePlan()) {
    if (PlanTakesWalk(rows.size())) PlannedProxyCall<Proxy>(rows, *plan);
    return;
  }
  ExpectCoversStructure<S>(rows);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    S* structure = fake::NewObject<S>();
    for (const auto& each : rows) each.install(structure, true);
    CefRefPtr<typename Proxy::InterfaceType> proxy = Proxy::Wrap(structure);
    cef_base_t* base = BaseOf(structure);
    AnswerValue() = row.default_value + 1;

    auto expect_reached = [&](const char* how) {
      Reaches().clear();
      const std::string result = row.call(*proxy);
      const std::vector<Reach> reaches = row.OwnReaches();
      ASSERT_EQ(reaches.size(), 1u) << how;
      EXPECT_EQ(reaches[0].offset, row.offset) << how;
      if (row.checks_seen) {
        EXPECT_EQ(reaches[0].arguments, row.seen) << how;
      }
      if (!row.default_result.empty() || !result.empty()) {
        EXPECT_NE(result, row.default_result)
            << how << ": the answer must not read as the default";
      }
    };
    auto expect_default =
        [&](const char* how,
            const std::function<std::string(typename Proxy::InterfaceType&)>&
                call) {
          Reaches().clear();
          EXPECT_EQ(call(*proxy), row.default_result) << how;
          EXPECT_TRUE(row.OwnReaches().empty())
              << how << ": the library was reached";
        };

    expect_reached("full structure");
    base->size = row.offset;
    expect_default("size ends before the member", row.call);
    base->size = row.offset + sizeof(void*);
    expect_reached("size just covers the member");
    base->size = sizeof(S);
    row.install(structure, false);
    expect_default("null member", row.call);
    row.install(structure, true);
    for (const auto& refused : row.refused)
      expect_default("required argument left out", refused);
    proxy = nullptr;
    EXPECT_EQ(fake::RefsOf(structure), 0) << "the proxy kept a reference";
  }
}

// A proxy over a fresh fake library object.
template <class Proxy>
CefRefPtr<typename Proxy::InterfaceType> NewProxy() {
  return Proxy::Wrap(fake::NewObject<typename Proxy::StructType>());
}

template <class Proxy, class I>
typename Proxy::StructType* StructOf(const CefRefPtr<I>& object) {
  return static_cast<Proxy*>(object.get())->GetStruct();
}

// How the library sees the object behind a proxy, as a row's `.Sees` says.
template <class Proxy, class I>
std::string Seen(const CefRefPtr<I>& object) {
  return "#" + std::to_string(fake::IdOf(StructOf<Proxy>(object)));
}

// ---------------------------------------------------------------------------
// The program side of an adapter walk.

// A recording handler notes each method it reaches, in interface order.
class Recording {
 public:
  struct Note {
    int method;
    std::string arguments;
  };

  template <class... A>
  void Noted(int method, const A&... arguments) {
    notes_.push_back(Note{method, DescribeAll(arguments...)});
  }
  std::vector<Note>& notes() { return notes_; }

 private:
  std::vector<Note> notes_;
};

// What a recording handler answers: never the default.
template <class R>
R Reply() {
  if constexpr (std::is_same_v<R, bool>) {
    return true;
  } else if constexpr (IsCountedPointer<R>::value) {
    return new Counted<typename R::element_type>();
  } else if constexpr (std::is_enum_v<R>) {
    // Valid in every enumeration; a handler whose default is 1 answers
    // something else itself.
    return static_cast<R>(1);
  } else if constexpr (std::is_arithmetic_v<R>) {
    return static_cast<R>(7);
  } else {
    R record;
    std::memset(&record.Get(), 1, sizeof(record.Get()));
    return record;
  }
}

// Sample C arguments for adapter rows. Each call makes its values afresh.
struct Text {
  explicit Text(const char* value) : value(value) {}
  std::string value;
  std::shared_ptr<CefString> holder;
  cef_string_t* Make() {
    holder = std::make_shared<CefString>(value);
    return holder->WritableRecord();
  }
};
template <class S>
struct Object {
  S* Make() { return fake::NewObject<S>(); }
};
template <class T>
struct Value {
  explicit Value(T value) : value(value) {}
  T value;
  T Make() { return value; }
};
template <class T>
Value(T) -> Value<T>;
// Storage the library owns: an out-value, a record, a buffer.
template <class T>
struct Slot {
  Slot() : storage(std::make_shared<T>()) {}
  explicit Slot(T value)
      : storage(std::make_shared<T>(value)), initial(value) {}
  std::shared_ptr<T> storage;
  T initial{};
  T* Make() {
    *storage = initial;
    return storage.get();
  }
};
struct List {
  List(std::initializer_list<const char*> items) : items(items) {}
  std::vector<const char*> items;
  std::shared_ptr<void> handle;
  cef_string_list_t Make() {
    cef_string_list_t list = cef_string_list_alloc();
    for (const char* item : items) {
      CefString text(item);
      cef_string_list_append(list, text.Record());
    }
    handle = std::shared_ptr<void>(list, cef_string_list_free);
    return list;
  }
};

// A sample whose null (or, for Neg, negative) form must be refused.
template <class Sample>
struct Needed {
  Sample sample;
};
template <class Sample>
Needed<Sample> Need(Sample sample) {
  return Needed<Sample>{sample};
}
template <class Sample>
struct Negated {
  Sample sample;
};
template <class Sample>
Negated<Sample> Neg(Sample sample) {
  return Negated<Sample>{sample};
}

// Any pointer argument can be left out; values other than pointers stay.
template <class Sample>
auto MakeArg(Sample& sample, bool blank) {
  auto made = sample.Make();
  if constexpr (std::is_pointer_v<decltype(made)>) {
    if (!blank) return made;
    // The fresh object would never cross; hand back its reference.
    if constexpr (HasInterface<std::remove_pointer_t<decltype(made)>>::value) {
      if (made) {
        cef_base_t* base = BaseOf(made);
        base->release(base);
      }
    }
    return decltype(made)();
  } else {
    return made;
  }
}
template <class Sample>
auto MakeArg(Needed<Sample>& needed, bool blank) {
  return MakeArg(needed.sample, blank);
}
template <class Sample>
auto MakeArg(Negated<Sample>& negated, bool blank) {
  auto made = negated.sample.Make();
  return blank ? static_cast<decltype(made)>(-1) : made;
}

template <class T>
struct IsRefused : std::false_type {};
template <class T>
struct IsRefused<Needed<T>> : std::true_type {};
template <class T>
struct IsRefused<Negated<T>> : std::true_type {};

// An array of fresh library objects, each sent with one reference; its count
// is a separate sample.
template <class S>
struct Objects {
  explicit Objects(size_t count) : count(count) {}
  size_t count;
  std::shared_ptr<std::vector<S*>> made;
  S* const* Make() {
    made = std::make_shared<std::vector<S*>>();
    for (size_t i = 0; i < count; ++i) made->push_back(fake::NewObject<S>());
    return made->data();
  }
};
template <class S>
S* const* MakeArg(Objects<S>& sample, bool blank) {
  S* const* array = sample.Make();
  if (!blank) return array;
  // None of them would cross.
  for (S* each : *sample.made) fake::Release(each);
  return nullptr;
}

template <class R>
std::string DescribeCResult(R result) {
  if constexpr (std::is_pointer_v<R>) {
    if (!result) return "null";
    // The library owns what it is given: dropping it is its release.
    cef_base_t* base = BaseOf(result);
    base->release(base);
    return "structure";
  } else {
    return DescribeC(result);
  }
}

// Fresh C arguments from the samples, those whose bit is set in `blank`
// left out.
template <class Tuple, size_t... K>
auto MakeArguments(Tuple& samples, uint64_t blank, std::index_sequence<K...>) {
  return std::tuple<decltype(MakeArg(std::get<K>(samples), false))...>{
      MakeArg(std::get<K>(samples), ((blank >> K) & 1) != 0)...};
}
inline uint64_t Only(int index) {
  return index < 0 ? 0 : uint64_t{1} << index;
}

template <class S>
struct AdapterRow {
  std::string name;
  size_t offset = 0;
  // Calls the member found in `structure` with `self` (the structure or
  // null); `blank` has a bit set for each argument to leave out.
  std::function<std::string(S*, S*, uint64_t)> call;
  std::vector<int> refusable;
  std::string default_result;
  std::string seen;
  bool checks_seen = false;

  AdapterRow& Sees(std::string arguments) {
    seen = std::move(arguments);
    checks_seen = true;
    return *this;
  }
  template <class V>
  AdapterRow& Default(V value) {
    default_result = DescribeC(value);
    return *this;
  }
};

// One adapter row: `Member` is the C member, `samples` its arguments after
// `self`, with Need or Neg around those that must be refused when missing.
template <auto Member, class... Samples>
AdapterRow<typename MemberPointer<decltype(Member)>::Class> Row(
    Samples... samples) {
  typedef typename MemberPointer<decltype(Member)>::Class S;
  typedef typename FunctionTraits<
      typename MemberPointer<decltype(Member)>::Type>::Result R;
  AdapterRow<S> row;
  row.offset = OffsetOf<Member>();
  row.name = "member " +
             std::to_string((row.offset - sizeof(cef_base_t)) / sizeof(void*)) +
             " (offset " + std::to_string(row.offset) + ")";
  auto tuple = std::make_shared<std::tuple<Samples...>>(samples...);
  row.call = [tuple](S* structure, S* self, uint64_t blank) {
    auto fn = structure->*Member;
    auto arguments =
        MakeArguments(*tuple, blank, std::index_sequence_for<Samples...>());
    return std::apply(
        [&](auto... made) -> std::string {
          if constexpr (std::is_void_v<R>) {
            fn(self, made...);
            return "";
          } else {
            return DescribeCResult(fn(self, made...));
          }
        },
        arguments);
  };
  int index = 0;
  (
      [&] {
        if (IsRefused<Samples>::value) row.refusable.push_back(index);
        ++index;
      }(),
      ...);
  (void)index;
  if constexpr (!std::is_void_v<R>) row.default_result = DescribeC(R());
  return row;
}

// The planned call through an adapter: with or without `self`, any
// arguments left null.
template <class Adapter, class Handler>
void PlannedAdapterCall(
    const std::vector<AdapterRow<typename Adapter::StructType>>& rows,
    const FuzzPlan& plan) {
  typedef typename Adapter::StructType S;
  const auto& row = rows[plan.row % rows.size()];
  SCOPED_TRACE(row.name);
  CefRefPtr<Handler> handler = new Handler();
  const int live = fake::LiveObjects();
  S* structure = Adapter::Wrap(handler);
  row.call(structure, plan.null_self ? nullptr : structure, plan.blank);
  BaseOf(structure)->release(BaseOf(structure));
  EXPECT_TRUE(handler->HasOneRef()) << "the adapter kept a reference";
  EXPECT_EQ(fake::LiveObjects(), live) << "library objects left referenced";
}

// `Handler` records its methods through Recording::Noted with the method's
// index in its interface, and answers with Reply.
template <class Adapter, class Handler>
void WalkAdapter(
    const std::vector<AdapterRow<typename Adapter::StructType>>& rows) {
  typedef typename Adapter::StructType S;
  if (FuzzPlan* plan = ActivePlan()) {
    if (PlanTakesWalk(rows.size()))
      PlannedAdapterCall<Adapter, Handler>(rows, *plan);
    return;
  }
  ExpectCoversStructure<S>(rows);
  CefRefPtr<Handler> handler = new Handler();
  {
    S* structure = Adapter::Wrap(handler);
    ASSERT_NE(structure, nullptr);
    EXPECT_EQ(BaseOf(structure)->size, sizeof(S));
    void* const* slots = reinterpret_cast<void* const*>(
        reinterpret_cast<const char*>(structure) + sizeof(cef_base_t));
    for (size_t i = 0; i < rows.size(); ++i)
      EXPECT_NE(slots[i], nullptr) << "member " << i << " left empty";
    BaseOf(structure)->release(BaseOf(structure));
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& row = rows[i];
    SCOPED_TRACE(row.name);
    S* structure = Adapter::Wrap(handler);
    auto expect_default = [&](const char* how, S* self, int blank) {
      handler->notes().clear();
      EXPECT_EQ(row.call(structure, self, Only(blank)), row.default_result)
          << how;
      EXPECT_TRUE(handler->notes().empty())
          << how << ": the handler was reached";
    };
    expect_default("null self", nullptr, -1);
    for (int blank : row.refusable)
      expect_default("required argument left out", structure, blank);

    handler->notes().clear();
    const std::string result = row.call(structure, structure, 0);
    ASSERT_EQ(handler->notes().size(), 1u) << "the handler was not reached";
    EXPECT_EQ(handler->notes()[0].method, static_cast<int>(i))
        << "member " << i << " reached another method";
    if (row.checks_seen) {
      EXPECT_EQ(handler->notes()[0].arguments, row.seen);
    }
    if (!row.default_result.empty()) {
      EXPECT_NE(result, row.default_result)
          << "the handler's answer must not read as the default";
    }
    BaseOf(structure)->release(BaseOf(structure));
    EXPECT_TRUE(handler->HasOneRef()) << "the adapter kept a reference";
  }
}

}  // namespace walk

#endif  // TESTS_SUPPORT_MEMBER_WALK_H_
