#pragma once
// Progress of the timing passes: the bulk-pass gauge rule of ProgressGauge, reported to a callback.
#include <functional>

#include "subtitle/progress_gauge.h"

namespace lumora {

/// Receives the gauge value, 0 to 100, each time it changes (divisor = rows ÷ 100, truncated;
/// rows done ÷ divisor when the divisor is above 0).
using ProgressCallback = std::function<void(int gauge)>;

}  // namespace lumora
