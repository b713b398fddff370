#include "CommandLine.h"

#include <charconv>
#include <limits>

#include "UsageError.h"

namespace {

// The whole of `text` as a decimal number in [0, max]; no sign, no spaces.
std::optional<std::uint64_t> ParseCount(const std::string& text, std::uint64_t max) {
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value > max) return std::nullopt;
  return value;
}

class CArgumentReader {
 public:
  explicit CArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  bool AtEnd() const { return next_ == arguments_.size(); }
  const std::string& Take() { return arguments_[next_++]; }

  const std::string& TakeValueOf(const std::string& option) {
    if (AtEnd()) throw CUsageError(option + " needs a value");
    return Take();
  }

  std::uint64_t TakeCountOf(const std::string& option, std::uint64_t max, const char* what) {
    const std::string& text = TakeValueOf(option);
    std::optional<std::uint64_t> value = ParseCount(text, max);
    if (!value) throw CUsageError("bad " + option + " value '" + text + "': expected " + what);
    return *value;
  }

 private:
  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
};

void RejectRepeat(bool& seen, const std::string& option) {
  if (seen) throw CUsageError(option + " given twice");
  seen = true;
}

}  // namespace

SimOptions ParseCommandLine(const std::vector<std::string>& arguments) {
  SimOptions options;
  bool seenSeed = false, seenInput = false, seenTicks = false, seenTrace = false, seenMap = false;
  CArgumentReader reader(arguments);
  while (!reader.AtEnd()) {
    const std::string& argument = reader.Take();
    if (argument == "--seed") {
      RejectRepeat(seenSeed, argument);
      options.seed = static_cast<std::uint32_t>(reader.TakeCountOf(
          argument, std::numeric_limits<std::uint32_t>::max(), "an unsigned 32-bit integer"));
    } else if (argument == "--input") {
      RejectRepeat(seenInput, argument);
      options.inputPath = reader.TakeValueOf(argument);
    } else if (argument == "--ticks") {
      RejectRepeat(seenTicks, argument);
      options.tickLimit = static_cast<int>(reader.TakeCountOf(
          argument, std::numeric_limits<int>::max(), "a tick count from 0 to 2147483647"));
    } else if (argument == "--trace") {
      RejectRepeat(seenTrace, argument);
      options.trace = true;
    } else if (argument == "--map") {
      RejectRepeat(seenMap, argument);
      options.printMap = true;
    } else {
      throw CUsageError("unknown argument '" + argument + "'");
    }
  }
  if (!seenSeed) throw CUsageError("--seed is required");
  return options;
}

const char* UsageText() {
  return "usage: marrowick-sim --seed S [--input FILE] [--ticks N] [--trace] [--map]";
}
