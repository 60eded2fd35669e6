#pragma once
// What the benchmarks share for their figures: a duration in seconds, the median of a
// run's timings, and the timings as one line.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline double seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

inline double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// "0.312 0.298 0.305": each timing in seconds, in the order taken.
inline std::string timingsText(const std::vector<double>& v) {
  std::string out;
  char one[32];
  for (double s : v) {
    std::snprintf(one, sizeof one, "%s%.3f", out.empty() ? "" : " ", s);
    out += one;
  }
  return out;
}

}  // namespace bench
