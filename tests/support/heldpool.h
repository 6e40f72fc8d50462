#pragma once
// Keeping every thread of Qt's global thread pool busy, to show that a step
// does all its work on the calling thread: anything the step hands to the
// pool waits until the pool is let go, so the step cannot finish before.
#include <QSemaphore>

#include <functional>

namespace testsupport {

class HeldPool
{
public:
    // Starts one blocking task on every thread the global pool may run and
    // waits until each has started.
    HeldPool();
    // Lets the pool go and waits until its tasks have ended.
    ~HeldPool();

    // Runs step on the calling thread while the pool is held. True when the
    // step returned with the pool still held. A step that has not returned
    // after watchdogms (it waits for the pool, or it is very slow) gets the
    // pool let go so that it can end, and the answer is false. Nothing here
    // is timed otherwise.
    bool finisheswhileheld(const std::function<void()> &step, int watchdogms = 60000);

    HeldPool(const HeldPool &) = delete;
    HeldPool &operator=(const HeldPool &) = delete;

private:
    void release();

    QSemaphore m_started;
    QSemaphore m_gate;
    int m_tasks = 0;
    bool m_released = false;
};

} // namespace testsupport
