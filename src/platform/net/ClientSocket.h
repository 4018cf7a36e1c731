#pragma once
// A non-blocking TCP client in the manner of the window framework's client socket: set Address
// (dotted IPv4; no name lookup) and Port, make it Active, and it connects in the background. Its
// notifications (connecting, connected, data to read, error, disconnected) arrive on the GUI
// thread, in that order. The GUI thread's event loop (the Qt application's) watches the socket
// itself, so arriving bytes wake the GUI thread directly and OnRead runs at once from the loop;
// the other notifications come through the window messages. SendBuf may be called from any
// thread; ReceiveBuf takes what has arrived, on the GUI thread (normally inside OnRead, which comes
// again while bytes are left).
//
// An error notification passes its code by reference: a handler that sets it to 0 has dealt with
// it; otherwise the socket raises ESocketError from the notification (the framework shows it).

#include "platform/runtime/Exception.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace net {

T_DECLARE_EXCEPTION(ESocketError, Exception);

enum class ErrorEvent { General, Send, Receive, Connect, Disconnect };

class ClientSocket {
public:
    using NotifyEvent = std::function<void(ClientSocket &)>;
    using ErrorEventHandler = std::function<void(ClientSocket &, ErrorEvent, int &errorCode)>;

    ClientSocket();  // GUI thread
    ~ClientSocket();
    ClientSocket(const ClientSocket &) = delete;
    ClientSocket &operator=(const ClientSocket &) = delete;

    void SetAddress(const std::string &address) { address_ = address; }
    const std::string &Address() const { return address_; }
    void SetPort(std::uint16_t port) { port_ = port; }
    std::uint16_t Port() const { return port_; }

    // True while connecting or connected. Making it active starts connecting (OnConnecting
    // follows); making it inactive closes the connection at once (OnDisconnect follows when it
    // was connected). GUI thread.
    bool Active() const;
    void SetActive(bool active);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    bool Connected() const;

    // Any thread: sends what the socket takes without waiting; the count sent, or -1 (not
    // connected, or the send failed: an error notification follows).
    int SendBuf(const void *bytes, int count);
    // GUI thread: bytes waiting to be taken, and taking at most `size` of them.
    int ReceiveLength() const;
    int ReceiveBuf(void *buffer, int size);
    // The peer's dotted address while connected, else empty.
    std::string RemoteAddress() const;

    NotifyEvent OnConnecting, OnConnect, OnRead, OnDisconnect;
    ErrorEventHandler OnError;

    struct Shared;  // state shared with the notification window and the readiness watchers

private:
    void Notify(unsigned kind, int code);
    void Stop();

    std::string address_;
    std::uint16_t port_ = 0;
    std::shared_ptr<Shared> shared_;
};

}  // namespace net
