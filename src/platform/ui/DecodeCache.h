#pragma once
// Pictures decoded so far, by the bytes they were decoded from: a window shows the same few button
// and thumb pictures on hundreds of controls, and each would otherwise decode them again. What is
// kept shares its pixels with every holder until one of them changes its copy (QImage copies on
// write). The keys are copies of their own: bytes a caller only lends (QByteArray::fromRawData) may
// change or go after the call. Bounded: past `maxBytes` of keys and pixels it starts again empty.
// Thread-safe.

#include <QByteArray>

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

template <class Decoded>
class TDecodeCache {
public:
    // `kind` tells apart the same bytes read by different decoders.
    using Key = std::pair<QByteArray, QByteArray>;  // kind, bytes

    explicit TDecodeCache(std::int64_t maxBytes) : maxBytes_(maxBytes) {}

    std::optional<Decoded> Find(const QByteArray &kind, const QByteArray &bytes) const
    {
        std::lock_guard lock(mutex_);
        const auto it = entries_.find(Key(kind, bytes));
        if (it == entries_.end())
            return std::nullopt;
        return it->second;
    }
    // Keeps `decoded`, which holds `pixelBytes` of pixels; a picture too large to be often shared
    // is not kept.
    void Add(const QByteArray &kind, const QByteArray &bytes, const Decoded &decoded, std::int64_t pixelBytes)
    {
        const std::int64_t cost = bytes.size() + pixelBytes;
        if (cost > maxBytes_ / 8)
            return;
        std::lock_guard lock(mutex_);
        if (bytes_ + cost > maxBytes_) {
            entries_.clear();
            bytes_ = 0;
        }
        if (entries_.emplace(Key(Owned(kind), Owned(bytes)), decoded).second)
            bytes_ += cost;
    }

private:
    static QByteArray Owned(const QByteArray &bytes) { return QByteArray(bytes.constData(), bytes.size()); }

    const std::int64_t maxBytes_;
    mutable std::mutex mutex_;
    std::map<Key, Decoded> entries_;
    std::int64_t bytes_ = 0;
};
