#pragma once
// Saving a file so that it is either wholly replaced or left as it was: the bytes go to a temporary
// file in the same folder, which is flushed and then renamed over the target.

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

}  // namespace os
