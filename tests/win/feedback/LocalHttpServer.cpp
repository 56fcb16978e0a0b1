#include "win/feedback/LocalHttpServer.h"

#include <ws2tcpip.h>

namespace testing_win {

namespace {

// Winsock stays up for the whole test program.
bool StartWinsock() {
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

SOCKET BoundListener(unsigned short& port) {
    port = 0;
    if (!StartWinsock())
        return INVALID_SOCKET;
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return s;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(s, 8) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::closesocket(s);
        return INVALID_SOCKET;
    }
    port = ntohs(address.sin_port);
    return s;
}

} // namespace

LocalHttpServer::LocalHttpServer(Mode mode, std::string response)
    : m_mode(mode), m_response(std::move(response)) {
    unsigned short port = 0;
    m_listener = BoundListener(port);
    m_acceptEvent = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_stopEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_requestEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_takenEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_releaseEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_listener == INVALID_SOCKET || m_acceptEvent == nullptr || m_stopEvent == nullptr ||
        m_requestEvent == nullptr || m_takenEvent == nullptr || m_releaseEvent == nullptr ||
        ::WSAEventSelect(m_listener, m_acceptEvent, FD_ACCEPT) != 0)
        return;
    m_port = port;
    m_thread = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    if (m_stopEvent != nullptr)
        ::SetEvent(m_stopEvent);
    if (m_thread.joinable())
        m_thread.join();
    if (m_listener != INVALID_SOCKET)
        ::closesocket(m_listener);
    if (m_acceptEvent != nullptr)
        ::CloseHandle(m_acceptEvent);
    for (const HANDLE event : {m_stopEvent, m_requestEvent, m_takenEvent, m_releaseEvent})
        if (event != nullptr)
            ::CloseHandle(event);
}

bool LocalHttpServer::WaitForRequest(unsigned long timeoutMs) const {
    return Started() && ::WaitForSingleObject(m_requestEvent, timeoutMs) == WAIT_OBJECT_0;
}

bool LocalHttpServer::WaitForAnswerTaken(unsigned long timeoutMs) const {
    return Started() && ::WaitForSingleObject(m_takenEvent, timeoutMs) == WAIT_OBJECT_0;
}

std::vector<std::string> LocalHttpServer::Requests() {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_requests;
}

std::string LocalHttpServer::Ok(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

unsigned short LocalHttpServer::ClosedPort() {
    unsigned short port = 0;
    const SOCKET s = BoundListener(port);
    if (s != INVALID_SOCKET)
        ::closesocket(s);
    return port;
}

void LocalHttpServer::Serve() noexcept {
    const HANDLE events[2] = {m_stopEvent, m_acceptEvent};
    while (::WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        const SOCKET client = ::accept(m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            continue;
        try {
            Handle(client);
        } catch (...) {
        }
        ::closesocket(client);
    }
}

void LocalHttpServer::Handle(SOCKET client) {
    // The accepted socket inherits the listener's event selection: make it blocking again.
    ::WSAEventSelect(client, nullptr, 0);
    u_long blocking = 0;
    ::ioctlsocket(client, FIONBIO, &blocking);
    // Generous: the client sends its request at once, however loaded the machine is.
    DWORD timeoutMs = 30000;
    ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs),
                 sizeof timeoutMs);

    std::string head;
    char buffer[2048];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        const int n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_requests.push_back(head);
    }
    ::SetEvent(m_requestEvent);
    if (m_mode == Mode::Silent) {
        // Hold the connection open without a word until the client gives up or the test ends;
        // far longer than any test's bound, so a client without a time-out is caught.
        HANDLE closed = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (closed != nullptr && ::WSAEventSelect(client, closed, FD_CLOSE) == 0) {
            const HANDLE events[2] = {m_stopEvent, closed};
            ::WaitForMultipleObjects(2, events, FALSE, 120000);
        }
        if (closed != nullptr)
            ::CloseHandle(closed);
        return;
    }
    const auto sendAll = [client](const char* data, std::size_t size) {
        for (std::size_t sent = 0; sent < size;) {
            const int n = ::send(client, data + sent, static_cast<int>(size - sent), 0);
            if (n <= 0)
                return false;
            sent += static_cast<std::size_t>(n);
        }
        return true;
    };
    if (m_mode == Mode::Trickle) {
        const std::size_t head = m_response.find("\r\n\r\n");
        std::size_t at = head == std::string::npos ? m_response.size() : head + 4;
        bool open = sendAll(m_response.data(), at);
        const HANDLE events[2] = {m_stopEvent, m_releaseEvent};
        while (open && at < m_response.size() &&
               ::WaitForMultipleObjects(2, events, FALSE, kTrickleStepMs) == WAIT_TIMEOUT)
            open = sendAll(m_response.data() + at++, 1);
        if (open && ::WaitForSingleObject(m_releaseEvent, 0) == WAIT_OBJECT_0)
            sendAll(m_response.data() + at, m_response.size() - at);
    } else {
        sendAll(m_response.data(), m_response.size());
    }
    ::shutdown(client, SD_SEND);
    // The client closes its end when it is done with the answer (or drops it on an error).
    while (::recv(client, buffer, sizeof buffer, 0) > 0) {
    }
    ::SetEvent(m_takenEvent);
}

} // namespace testing_win
