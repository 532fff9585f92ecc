#ifndef ZARN_CONTROLWAITS_H
#define ZARN_CONTROLWAITS_H

#include <chrono>
#include <mutex>

#include "communication/robotcontrolservices.h"

// Completion waits of the controller services. A caller notes the wait's
// completion count before it sends its request and afterwards waits until the
// count has moved. The wait's mutex is not held while the request is in
// flight: the receive thread, which must deliver the answer, can always take
// it to signal, and a completion that overtakes the answer is counted rather
// than lost. Spurious wake-ups do not end the wait.
namespace controlwaits {

typedef std::chrono::steady_clock Clock;

inline unsigned long completionsNow(RobotControlServices::EventWait& wait)
{
    std::lock_guard<std::timed_mutex> lock(wait.mutex);
    return wait.completions;
}

// True when a completion arrived after `seen` was taken, false at the deadline.
inline bool awaitCompletionAfter(RobotControlServices::EventWait& wait, unsigned long seen, Clock::time_point deadline)
{
    std::unique_lock<std::timed_mutex> lock(wait.mutex);
    return wait.condition.wait_until(lock, deadline, [&wait, seen] { return wait.completions != seen; });
}

}  // namespace controlwaits

#endif  // ZARN_CONTROLWAITS_H
