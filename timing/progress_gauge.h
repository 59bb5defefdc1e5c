#pragma once
// The progress gauge of a pass over many rows.
#include <algorithm>
#include <cstddef>
#include <functional>

namespace lumora {

/// Receives the gauge value, 0 to 100.
using ProgressCallback = std::function<void(int gauge)>;

/// Divisor = base ÷ 100, truncated; after each row the gauge is rows done ÷ divisor (at most
/// 100) when the divisor is above 0, so with fewer than 100 rows it stays at 0. The callback hears
/// a value only when it differs from the last one (the gauge starts at 0).
class PassProgress {
 public:
  PassProgress(std::size_t base, const ProgressCallback& callback) : divisor_(base / 100), callback_(callback) {}

  void RowDone() {
    ++done_;
    if (divisor_ == 0) return;
    const int gauge = static_cast<int>(std::min<std::size_t>(done_ / divisor_, 100));
    if (gauge == shown_) return;
    shown_ = gauge;
    if (callback_) callback_(gauge);
  }

 private:
  std::size_t divisor_;
  std::size_t done_ = 0;
  int shown_ = 0;
  const ProgressCallback& callback_;
};

}  // namespace lumora
