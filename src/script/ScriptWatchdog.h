#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace cellvex {

// Stops a script that outlives its time budget: while it exists, a thread
// waits for the budget and then calls `stop` (the engine's interrupt, which
// may be called from any thread). Destroying it ends the wait at once.
class ScriptWatchdog
{
public:
    ScriptWatchdog(int budgetMs, std::function<void()> stop)
        : m_stop(std::move(stop)), m_thread([this, budgetMs] {
              std::unique_lock<std::mutex> lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::milliseconds(budgetMs),
                                   [this] { return m_finished; })) {
                  m_fired = true;
                  m_stop();
              }
          })
    {
    }
    ~ScriptWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    ScriptWatchdog(const ScriptWatchdog &) = delete;
    ScriptWatchdog &operator=(const ScriptWatchdog &) = delete;

    bool fired()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_fired;
    }

private:
    std::function<void()> m_stop;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_fired = false;
    std::thread m_thread;
};

} // namespace cellvex
