#pragma once
// Fetches one web page.
#include <cstddef>
#include <string>

class CQospiderApp {
public:
    static constexpr long kTimeoutSeconds = 10;
    static constexpr std::size_t kMaxBodyBytes = 1 << 20;

    explicit CQospiderApp(long timeoutSeconds = kTimeoutSeconds) : m_timeoutSeconds(timeoutSeconds) {}

    // The body of the page at `url`, or "" when nothing usable came: a network
    // failure, a time-out, a non-2xx answer or a body over kMaxBodyBytes.
    // Proxies come from the usual environment variables.
    std::string FetchPage(const std::string& url);

private:
    long m_timeoutSeconds;
};
