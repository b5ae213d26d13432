// The monitors' own brightness, as their DDC/CI answers: each physical
// monitor behind a display, and the one thread that talks to them. A call
// takes 40 ms to seconds, so the windows' thread never makes one: it hands
// wishes to the work on that thread and hears back when the work tells it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/types.h"

namespace dv {

// One physical monitor, released when it goes. Its calls are made on the
// worker's thread alone.
class MonitorPanel {
   public:
    virtual ~MonitorPanel() = default;
    // The range of brightness the monitor reports, and where it stands in it
    // now; nothing when it does not answer.
    struct Reading {
        unsigned minimum = 0, current = 0, maximum = 0;
    };
    virtual std::optional<Reading> Read() = 0;
    // False when the monitor did not take it.
    virtual bool Write(unsigned value) = 0;
};

// A critical section both threads share.
class Lockable {
   public:
    virtual void Lock() = 0;
    virtual void Unlock() = 0;

   protected:
    ~Lockable() = default;
};

class Locked {
   public:
    explicit Locked(Lockable& l) : l_(l) { l_.Lock(); }
    ~Locked() { l_.Unlock(); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

   private:
    Lockable& l_;
};

// What the work may do on the worker's thread.
class MonitorThread : public Lockable {
   public:
    // The physical monitors behind display `m` (one, or more where displays
    // are cloned); none where it has none the system can reach.
    virtual std::vector<std::unique_ptr<MonitorPanel>> OpenPanels(const Monitor& m) = 0;
    // The system's tick count, in milliseconds.
    virtual std::uint64_t Tick() = 0;
    // The work has news: MonitorWork::Deliver runs on the windows' thread
    // soon after.
    virtual void TellWindows() = 0;

   protected:
    ~MonitorThread() = default;
};

// The work the thread does, written by the program.
class MonitorWork {
   public:
    virtual ~MonitorWork() = default;
    // Runs on the worker's thread when woken, or when the wait it asked for
    // last is over: does what is due, and says how many milliseconds until
    // something is due again (kIdle: nothing until woken).
    static constexpr unsigned kIdle = 0xFFFFFFFF;
    virtual unsigned Work(MonitorThread& thread) = 0;
    // Runs on the windows' thread after TellWindows; `lock` is the one the
    // thread holds around its exchanges with the work.
    virtual void Deliver(Lockable& lock) = 0;
};

// The thread, as its owner on the windows' thread holds it. When it goes,
// the thread ends after the call it is in, keeping the work until then;
// the work's Deliver is not called again.
class MonitorWorker : public Lockable {
   public:
    virtual ~MonitorWorker() = default;
    // Something is due now.
    virtual void Wake() = 0;
    // Waits at most `ms` until the work has nothing due (it answered kIdle
    // and nothing woke it since), delivering its news meanwhile; false when
    // it still had something to do.
    virtual bool WaitIdle(unsigned ms) = 0;
};

}  // namespace dv
