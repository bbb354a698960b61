#pragma once

#include <cstddef>

// Counts the heap bytes of the whole process through replaced global operator new/delete, so
// a benchmark can show how much a piece of work holds at its peak.
namespace tavu::bench {

// Starts a measurement: the peak is reset to what is held now.
void resetPeak();
// Bytes held at the highest point since resetPeak(), above what was held at that call.
std::size_t peakSinceReset();

} // namespace tavu::bench
