#pragma once

#include <exception>
#include <functional>

// What long work hears from the one who runs it, wherever it runs: how far it has come,
// and whether to stop.
namespace Job {

// Called with the share done, 0 to 1.
using Progress = std::function<void(double done)>;
// Asked now and then; true stops the work.
using Cancelled = std::function<bool()>;

// Thrown by work that stops at a cancel by unwinding, so that whatever it holds is put back
// on the way out.
class CancelledError : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

// Throws CancelledError when cancelled is set and says so.
inline void stopIfCancelled(const Cancelled& cancelled)
{
    if (cancelled && cancelled())
        throw CancelledError();
}

} // namespace Job
