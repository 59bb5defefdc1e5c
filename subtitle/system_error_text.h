#pragma once
// The system's reason for a failed file operation, in Hungarian words for the message window.
#include <string>

namespace lumora {

/// The reason for an errno value (or kNotRegularFile), as a short Hungarian sentence.
std::string SystemErrorText(int error);

}  // namespace lumora
