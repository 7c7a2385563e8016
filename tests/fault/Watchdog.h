#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Ends the test program when a step outlasts its time, so that a read that blocks or runs away
// fails the suite at once instead of hanging it. The step is over when the watchdog goes.
class Watchdog
{
public:
    explicit Watchdog(const char *step, std::chrono::milliseconds limit = std::chrono::seconds(3))
        : m_thread([this, step, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, limit, [this] { return m_over; })) {
                  std::fprintf(stderr, "FAIL!  : %s did not end within %lld ms\n", step,
                               static_cast<long long>(limit.count()));
                  std::fflush(stderr);
                  std::_Exit(3);
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_over = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_over = false;
    std::thread m_thread; // last, so that it starts once the rest is built
};
