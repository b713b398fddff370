#include "InputScript.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>

#include "UsageError.h"

namespace {

std::optional<int> ParseInt(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

bool IsIgnored(const std::vector<std::string>& words) {
  return words.empty() || words[0][0] == '#';
}

std::vector<std::string> SplitWords(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// Parses the words of one event line; `where` prefixes every complaint.
class CLineParser {
 public:
  CLineParser(const std::vector<std::string>& words, std::string where)
      : words_(words), where_(std::move(where)) {}

  InputEvent Parse(int previousTick) const {
    InputEvent event{ParseTick(previousTick), InputEvent::Kind::Click};
    const std::string& verb = Word(1, "an event: mouse, key or click");
    if (verb == "mouse") {
      ExpectWordCount(4, "T mouse X Y");
      event.kind = InputEvent::Kind::Mouse;
      event.x = ParseCoordinate(2);
      event.y = ParseCoordinate(3);
    } else if (verb == "key") {
      ExpectWordCount(4, "T key A down|up");
      event.kind = ParseKeyTransition();
    } else if (verb == "click") {
      ExpectWordCount(2, "T click");
    } else {
      Fail("unknown event '" + verb + "' (expected mouse, key or click)");
    }
    return event;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw CUsageError(where_ + what); }

  const std::string& Word(std::size_t index, const std::string& expected) const {
    if (index >= words_.size()) Fail("missing " + expected);
    return words_[index];
  }

  void ExpectWordCount(std::size_t count, const std::string& form) const {
    if (words_.size() != count) Fail("expected '" + form + "'");
  }

  int ParseTick(int previousTick) const {
    std::optional<int> tick = ParseInt(words_[0]);
    if (!tick || *tick < 1) Fail("bad tick '" + words_[0] + "' (ticks count from 1)");
    if (*tick < previousTick) {
      Fail("tick " + words_[0] + " comes after tick " + std::to_string(previousTick));
    }
    return *tick;
  }

  int ParseCoordinate(std::size_t index) const {
    std::optional<int> value = ParseInt(words_[index]);
    if (!value) Fail("bad coordinate '" + words_[index] + "' (expected an integer)");
    return *value;
  }

  InputEvent::Kind ParseKeyTransition() const {
    if (words_[2] != "A") Fail("unknown key '" + words_[2] + "' (only A is read)");
    if (words_[3] == "down") return InputEvent::Kind::KeyDown;
    if (words_[3] == "up") return InputEvent::Kind::KeyUp;
    Fail("bad key state '" + words_[3] + "' (expected down or up)");
  }

  const std::vector<std::string>& words_;
  std::string where_;
};

}  // namespace

std::vector<InputEvent> ParseInputScript(std::istream& script, const std::string& scriptName) {
  std::vector<InputEvent> events;
  int lineNumber = 0;
  int previousTick = 1;
  for (std::string line; std::getline(script, line);) {
    ++lineNumber;
    const std::vector<std::string> words = SplitWords(line);
    if (IsIgnored(words)) continue;
    const std::string where = scriptName + ":" + std::to_string(lineNumber) + ": ";
    events.push_back(CLineParser(words, where).Parse(previousTick));
    previousTick = events.back().tick;
  }
  return events;
}

std::vector<InputEvent> LoadInputScript(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw CUsageError("cannot read input script '" + path + "'");
  return ParseInputScript(file, path);
}
