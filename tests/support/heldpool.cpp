#include "heldpool.h"

#include <QThreadPool>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace testsupport {

HeldPool::HeldPool()
{
    QThreadPool *pool = QThreadPool::globalInstance();
    m_tasks = pool->maxThreadCount();
    for (int i = 0; i < m_tasks; ++i) {
        pool->start([this] {
            m_started.release();
            m_gate.acquire();
        });
    }
    m_started.acquire(m_tasks);
}

HeldPool::~HeldPool()
{
    release();
    QThreadPool::globalInstance()->waitForDone();
}

void HeldPool::release()
{
    if (!m_released)
        m_gate.release(m_tasks);
    m_released = true;
}

bool HeldPool::finisheswhileheld(const std::function<void()> &step, int watchdogms)
{
    std::mutex mutex;
    std::condition_variable changed;
    bool returned = false;
    bool letgo = false;
    std::thread watchdog([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!changed.wait_for(lock, std::chrono::milliseconds(watchdogms), [&] { return returned; })) {
            letgo = true;
            m_gate.release(m_tasks);
        }
    });
    step();
    {
        std::lock_guard<std::mutex> lock(mutex);
        returned = true;
    }
    changed.notify_all();
    watchdog.join();
    // The watchdog let the pool go already; it is not let go twice.
    if (letgo)
        m_released = true;
    return !letgo && !m_released;
}

} // namespace testsupport
