#pragma once
// Waits that hold the user's input back while the windows keep painting: the lamp test, a
// synchronous sound. Clicks made meanwhile are queued and handled afterwards, in order.
// Never sleep on the GUI thread instead.
#include <functional>

namespace HeldWait {

// Waits `ms` milliseconds of elapsed time.
void forMs(int ms);

// Waits until `done` returns true (checked every few milliseconds) or `timeoutMs` passes
// (a negative timeout waits without limit).
void until(const std::function<bool()>& done, int timeoutMs = -1);

// True while a held wait runs (possibly nested).
bool active();

// Runs `action` once the outermost held wait has ended, from the event loop; at once (queued)
// when none runs. Used for requests that must wait their turn, such as closing the panel.
void afterWait(std::function<void()> action);

// Takes over the holding of the user's input during waits. Without one, the wait's event loop
// leaves all input queued; the GUI installs one that judges each click as it is made.
class InputHolder {
  public:
    virtual ~InputHolder() = default;
    // The outermost wait begins: from now on the holder receives the user's input. False when
    // it cannot take it; the input then stays queued.
    virtual bool holdStarted() = 0;
    // It has ended: the holder hands back what it kept, oldest first, to be handled next.
    virtual void holdEnded() = 0;
};

// The holder for every later wait; nullptr goes back to leaving input queued.
void setInputHolder(InputHolder* holder);

// Keeps the time of the waits instead of the clock: a program that renders the windows on a
// time of its own (a recording) lets its time run on during each wait. Without one, waits
// run on elapsed time.
class Clock {
  public:
    virtual ~Clock() = default;
    // Lets time run on until `done` returns true or `timeoutMs` of this clock's time have
    // passed (a negative timeout: no limit).
    virtual void waitUntil(const std::function<bool()>& done, int timeoutMs) = 0;
};

// The clock of every later wait; nullptr goes back to elapsed time.
void setClock(Clock* clock);

} // namespace HeldWait
