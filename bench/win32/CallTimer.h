#pragma once

#include <functional>

namespace pivlon::bench {

// Times a call with the performance counter: after one call to warm up, batches of
// calls long enough to time well; the median batch gives the time of one call, so
// that another program's burst on the shared machine does not count.
double MicrosecondsPerCall(const std::function<void()>& call);

}  // namespace pivlon::bench
