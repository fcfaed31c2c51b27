// Timing helpers for the benchmarks that compare two measurements alternated in one loop.
#pragma once

#include <benchmark/benchmark.h>

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

// Reports the medians of both sides in microseconds under their names, and the ratio of the
// measured median to the baseline's with the measured quartiles over the same baseline as its
// spread.
inline void report_ratio(benchmark::State& state, const char* baseline_name,
                         const std::vector<double>& baseline, const char* measured_name,
                         const std::vector<double>& measured) {
    const double base = quantile(baseline, 0.5);
    state.counters[baseline_name] = base * 1e6;
    state.counters[measured_name] = quantile(measured, 0.5) * 1e6;
    state.counters["ratio"] = quantile(measured, 0.5) / base;
    state.counters["ratio_q1"] = quantile(measured, 0.25) / base;
    state.counters["ratio_q3"] = quantile(measured, 0.75) / base;
}
