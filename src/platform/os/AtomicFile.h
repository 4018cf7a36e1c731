#pragma once
// Saving a file so that it is either wholly replaced or left as it was: the bytes go to a temporary
// file in the same folder, which is flushed and then renamed over the target.
//
// The temporary is hidden and named after its target, ".<name>.<16 hex digits>.trovtmp", and its
// writer holds an exclusive lock on it until the rename. A save that was killed half-way leaves
// its temporary behind unlocked; the next save of the same target removes every such leftover of
// that target (never one still locked by a writer, never a file named otherwise).

#include <cstddef>
#include <string>

namespace os {

// True on success. On failure the target is untouched, the temporary removed, and `error` (when
// given) says what failed, with the system's reason.
bool WriteFileAtomic(const std::string &path, const void *data, std::size_t size, std::string *error = nullptr);
inline bool WriteFileAtomic(const std::string &path, const std::string &bytes, std::string *error = nullptr)
{
    return WriteFileAtomic(path, bytes.data(), bytes.size(), error);
}

// Whether `entry` (a name in the target's folder) is a temporary of a save of `target` (the
// target's own name, without folder).
bool IsSaveTemporaryOf(const std::string &entry, const std::string &target);

}  // namespace os
