// shift and fps: the timing passes of the editor, on files.
#include <ostream>

#include "cli/commands.h"
#include "cli/rewrite.h"
#include "timing/frame_rate_change.h"
#include "timing/time_shift.h"

namespace lumora::cli {

int Shift(const Arguments& arguments, Streams streams) {
  Rewrite rewrite;
  if (const int status = rewrite.Read(arguments.files[0], streams); status != kDone) return status;
  // A leading "-" is the sign box's "-": the value itself is checked as the shift field's text.
  std::string_view value = *arguments.Option("--by");
  const bool earlier = value.starts_with('-');
  if (earlier) value.remove_prefix(1);
  const ShiftAllResult result = ShiftAllRows(rewrite.table, rewrite.mode, value, earlier ? "-" : "+");
  if (result.outcome != ShiftOutcome::Shifted) {
    PrintMessage(streams.err, result.message);
    return kWrongUsage;
  }
  return rewrite.Write(arguments.files[1], streams);
}

int Fps(const Arguments& arguments, Streams streams) {
  Rewrite rewrite;
  if (const int status = rewrite.Read(arguments.files[0], streams); status != kDone) return status;
  const FrameRateChangeResult result =
      ConvertFrameRate(rewrite.table, rewrite.mode, *arguments.Option("--from"), *arguments.Option("--to"));
  if (!result.converted) {
    PrintMessage(streams.err, result.message);
    return kWrongUsage;
  }
  return rewrite.Write(arguments.files[1], streams);
}

}  // namespace lumora::cli
