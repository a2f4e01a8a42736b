#include "bench/win32/CallTimer.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace pivlon::bench {
namespace {

constexpr double kBatchSeconds = 0.05;
constexpr int kBatches = 7;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double SecondsFor(const std::function<void()>& call, long long calls) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    for (long long i = 0; i < calls; ++i)
        call();
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

}  // namespace

double MicrosecondsPerCall(const std::function<void()>& call) {
    const double once = SecondsFor(call, 1);
    const long long calls = std::max(1LL, static_cast<long long>(kBatchSeconds / once));
    std::vector<double> perCall;
    for (int batch = 0; batch < kBatches; ++batch)
        perCall.push_back(SecondsFor(call, calls) / static_cast<double>(calls));
    std::nth_element(perCall.begin(), perCall.begin() + kBatches / 2, perCall.end());
    return perCall[kBatches / 2] * 1e6;
}

}  // namespace pivlon::bench
