#pragma once
// The first step of a property write in the control sets: a write of the value held does nothing;
// any other value is stored and the caller repaints, lays out or reports the change.

// Stores `value` in `field` unless they are equal; true when it stored.
template <class T>
bool StoreChanged(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
