#pragma once
// The checks of typed time and frame values. Each returns whether the value passed and, when
// it did not, the message the window shows; none changes its argument.
#include <string_view>

#include "subtitle/message.h"

namespace lumora {

/// A TimeCode with hours 0-23, minutes 0-59 and seconds 0-59.
CheckResult CheckTimeCode(std::string_view text);

/// Both texts have the TimeCode form (no range check).
CheckResult CheckTimeCodePair(std::string_view first, std::string_view second);

/// A usable frame number: not empty, no leading "0" unless it is "0" itself.
CheckResult CheckFrameValue(std::string_view text);

/// Both texts are usable frame numbers.
CheckResult CheckFramePair(std::string_view first, std::string_view second);

}  // namespace lumora
