#pragma once
// The progress gauge of a bulk pass: divisor = total / 100 (truncated); after each step the
// gauge shows done / divisor when the divisor is above 0. The callback hears only changes
// from what the gauge shows, starting at 0.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>

namespace lumora {

/// Receives the gauge value, 0 to 100, each time it changes.
using ProgressCallback = std::function<void(int gauge)>;

class ProgressGauge {
 public:
  ProgressGauge(std::int64_t total, ProgressCallback callback)
      : divisor_(total / 100), callback_(std::move(callback)) {}

  /// Shows done / divisor, at most 100 (a count that runs past the total cannot overfill it).
  void Show(std::int64_t done) {
    if (done < next_ || divisor_ <= 0 || !callback_) return;  // called per line: one compare
    const int value = static_cast<int>(std::min<std::int64_t>(done / divisor_, 100));
    next_ = value >= 100 ? std::numeric_limits<std::int64_t>::max() : (value + 1) * divisor_;
    if (value == last_) return;
    last_ = value;
    callback_(value);
  }

 private:
  std::int64_t divisor_;
  ProgressCallback callback_;
  int last_ = 0;  // the gauge starts at 0
  std::int64_t next_ = 0;  // the first count that can change the gauge
};

}  // namespace lumora
