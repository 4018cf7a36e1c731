#pragma once
// The window messages that the transports send to their owner window, the failure codes they
// report, and the kinds of traffic line they log.

#include <cstdint>

// WM_USER (1024) + 335 ...
enum TransportMessage : std::uint32_t {
    WM_DEVICE_BYTE = 1359,       // posted: a received byte, 0 (bare transports only)
    WM_DEVICE_FRAME = 1360,      // sent and waited for: address of the frame (const BSTM *), round trip in ms
    WM_DEVICE_ERROR = 1361,      // posted: LinkError, detail byte
    WM_DEVICE_FRAME_ALT = 1362,  // kept for its number; the transports deliver every frame as 1360
};

enum LinkError : std::uint32_t {
    LINK_ERR_TIMEOUT = 0,      // no answer after the resends, the frame could not be written, or
                               // the send queue is full behind it; detail: its address byte
    LINK_ERR_COMM_EVENT = 1,   // serial: the port failed (hang-up or read error); detail: the
                               // frame's source byte; the worker ends
    LINK_ERR_THREAD_STOP = 5,  // Close waited 5000 ms for the worker; detail 0
    LINK_ERR_WAIT = 6,         // the worker's wait failed; detail: the frame's address byte; the
                               // worker ends
};

// Traffic lines for the raw-traffic monitor.
enum class TrafficLine : std::uint8_t { ComWrite, ComRead, UsbWrite, NetWrite };
