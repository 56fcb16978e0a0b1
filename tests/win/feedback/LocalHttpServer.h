// A one-thread HTTP server on 127.0.0.1 for the library's update questions.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_win {

class LocalHttpServer {
public:
    // Answer: each request gets `response` (raw bytes, status line included), then the
    // connection is closed. Silent: requests are read and never answered. Trickle: the head of
    // `response` at once, then its body one byte every kTrickleStepMs (the client keeps reading,
    // each read well inside its time-outs) until Release(), then the rest at once.
    enum class Mode { Answer, Silent, Trickle };
    static constexpr unsigned long kTrickleStepMs = 200;

    LocalHttpServer(Mode mode, std::string response);
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;
    ~LocalHttpServer();

    bool Started() const { return m_port != 0; }
    unsigned short Port() const { return m_port; }
    std::vector<std::string> Requests(); // request heads received so far
    // True once a request head has come in, waiting at most timeoutMs.
    bool WaitForRequest(unsigned long timeoutMs) const;
    // True once an answer was sent and the client then closed the connection: the client is
    // done with it. Waits at most timeoutMs.
    bool WaitForAnswerTaken(unsigned long timeoutMs) const;
    // Trickle: send the rest of the body now.
    void Release() const { ::SetEvent(m_releaseEvent); }

    // A 200 answer carrying body.
    static std::string Ok(const std::string& body);
    // A port on 127.0.0.1 that nothing listens on.
    static unsigned short ClosedPort();

private:
    void Serve() noexcept;
    void Handle(SOCKET client);

    Mode m_mode;
    std::string m_response;
    SOCKET m_listener = INVALID_SOCKET;
    HANDLE m_acceptEvent = nullptr;
    HANDLE m_stopEvent = nullptr;
    HANDLE m_requestEvent = nullptr; // manual reset, both
    HANDLE m_takenEvent = nullptr;
    HANDLE m_releaseEvent = nullptr;
    unsigned short m_port = 0;
    std::mutex m_lock;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

} // namespace testing_win
