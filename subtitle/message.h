#pragma once
// A message for the message window, produced by the core and shown by the windows.
#include <string>

namespace lumora {

/// One message of the message window: caption, kind ("info", "kerdes" or "hiba") and up to two lines.
struct Message {
  std::string caption;
  std::string kind;
  std::string line1;
  std::string line2;

  friend bool operator==(const Message&, const Message&) = default;
};

/// Outcome of a check: passed, or failed with the message that says why.
struct CheckResult {
  bool ok = true;
  Message message;

  static CheckResult Pass() { return {}; }
  static CheckResult Fail(Message m) { return {false, std::move(m)}; }
  explicit operator bool() const { return ok; }
};

}  // namespace lumora
