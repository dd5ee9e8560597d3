#include "WindowTimers.h"

#include <QTimer>

#include <exception>

namespace platform {

WindowTimers::WindowTimers(std::function<void(unsigned id)> onTimer)
    : m_onTimer(std::move(onTimer)) {}

WindowTimers::~WindowTimers() = default;

void WindowTimers::SetTimer(unsigned id, int periodMs) {
    auto& timer = m_timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        // As for any handler: an exception ends this tick, not the program.
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] {
            try {
                m_onTimer(id);
            } catch (const std::exception&) {
            }
        });
    }
    timer->start(periodMs);
}

void WindowTimers::KillTimer(unsigned id) {
    if (auto it = m_timers.find(id); it != m_timers.end())
        it->second->stop();
}

bool WindowTimers::IsRunning(unsigned id) const {
    auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

}  // namespace platform
