#pragma once
// Numbered window timers: SetTimer/KillTimer with the identifiers the windows
// use, delivered to one handler on the owning thread.
#include <functional>
#include <map>
#include <memory>

class QTimer;

namespace platform {

class WindowTimers {
public:
    explicit WindowTimers(std::function<void(unsigned id)> onTimer);
    ~WindowTimers();
    WindowTimers(const WindowTimers&) = delete;
    WindowTimers& operator=(const WindowTimers&) = delete;

    // Starts the timer, or restarts it with the new period when it runs.
    void SetTimer(unsigned id, int periodMs);
    void KillTimer(unsigned id);
    bool IsRunning(unsigned id) const;

private:
    std::function<void(unsigned)> m_onTimer;
    std::map<unsigned, std::unique_ptr<QTimer>> m_timers;
};

}  // namespace platform
