#pragma once
// The property write of the graphics set: a value that differs from the stored one is stored and
// reported; the same value changes nothing.

#include <utility>

// Stores `value` in `field` and calls `changed` when they differ; returns whether they did.
template <class T, class V, class F>
bool SetChangedValue(T &field, V &&value, F &&changed)
{
    if (field == value)
        return false;
    field = std::forward<V>(value);
    changed();
    return true;
}
