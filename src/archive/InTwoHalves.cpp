#include "archive/InTwoHalves.h"

#include <exception>
#include <thread>

namespace InTwoHalves {

void read(int count, const Half& firstHalf, const Half& secondHalf)
{
    const int half = count / 2;
    std::exception_ptr secondFailed;
    std::thread other([&] {
        try {
            secondHalf(half, count);
        } catch (...) {
            secondFailed = std::current_exception();
        }
    });
    try {
        firstHalf(0, half);
    } catch (...) {
        other.join();
        throw;
    }
    other.join();
    if (secondFailed)
        std::rethrow_exception(secondFailed);
}

} // namespace InTwoHalves
