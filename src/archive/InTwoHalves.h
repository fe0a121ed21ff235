#pragma once

#include <functional>

// A long read shared by both cores: records [count / 2, count) are read on a thread of its
// own while this thread reads [0, count / 2), each half into a part of its own, which the
// caller then joins in archive order. A RecordScanner takes either half as its range.
namespace InTwoHalves {

using Half = std::function<void(int first, int end)>;

// Runs secondHalf on a second thread and firstHalf on this one, and returns once both
// have ended. An exception of either passes on only then, this thread's before the other's.
void read(int count, const Half& firstHalf, const Half& secondHalf);

} // namespace InTwoHalves
