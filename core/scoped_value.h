// A variable given another value for the length of a scope: the earlier
// value comes back on every way out of it, a return, a refusal or an
// exception alike. Used for a message sink swapped in for one call:
//
//   ScopedValue<MessageSink*> collect(doc.sink, &opened);
#pragma once

#include <utility>

namespace ormix {

template <class T>
class [[nodiscard]] ScopedValue {
public:
    ScopedValue(T& place, T value)
        : place_(place), earlier_(std::exchange(place, std::move(value))) {}
    ~ScopedValue() { place_ = std::move(earlier_); }

    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& place_;
    T earlier_;
};

}  // namespace ormix
