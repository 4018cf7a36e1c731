#pragma once
// The way another thread (the USB transport's worker) writes to a checked-out device. The GUI
// thread attaches the device it checked out; the worker writes through the link. Checking the
// device in, and releasing it, first lets go of every link attached to it: that waits for a write
// in progress to finish, and later writes fail instead of reaching a device that is closed or gone.

#include <cstddef>
#include <cstdint>
#include <mutex>

class TJvHidDevice;

class TJvHidWriteLink {
public:
    TJvHidWriteLink() = default;
    ~TJvHidWriteLink();
    TJvHidWriteLink(const TJvHidWriteLink &) = delete;
    TJvHidWriteLink &operator=(const TJvHidWriteLink &) = delete;

    // GUI thread. A device attached before is let go first; null only lets go.
    void Attach(TJvHidDevice *device);
    // Any thread. When it returns, no write through the link runs any more.
    void Detach() { Attach(nullptr); }
    bool Attached() const;

    // One output report: `reportId`, then `size` bytes of `data`, cut or padded with zeros to the
    // device's output report length. False when no device is attached or the write fails.
    bool WriteReport(std::uint8_t reportId, const void *data, std::size_t size);

private:
    friend class TJvHidDevice;
    // Attach, Detach and a device's release take this first, then the link's own lock.
    static std::mutex &Registry();
    void LetGo();  // with the registry lock held

    mutable std::mutex mutex_;  // held for the whole of a write
    TJvHidDevice *device_ = nullptr;
};
