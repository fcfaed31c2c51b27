// Timing helpers for the benchmarks that compare two measurements alternated in one loop.
#pragma once

#include <algorithm>
#include <cstddef>
#include <ctime>
#include <vector>

// This thread's CPU time in seconds: a busy machine adds no waiting to it.
inline double thread_seconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// The q-quantile (0 to 1) of the samples.
inline double quantile(std::vector<double> v, double q) {
    const auto k = static_cast<std::ptrdiff_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + k, v.end());
    return v[static_cast<std::size_t>(k)];
}
