#include "tlib/WideFormat.h"

#include <algorithm>
#include <string>

namespace tlib {
namespace {

constexpr int maxWidth = 1 << 24;

struct Conversion {
  bool leftAlign = false;
  bool zeroPad = false;
  int width = 0;
  char16_t kind = 0;
};

// Reads the flags, width and conversion letter that follow a '%'.
const char16_t* ParseConversion(const char16_t* cursor, Conversion& conversion) {
  for (;; ++cursor) {
    if (*cursor == u'-') {
      conversion.leftAlign = true;
    } else if (*cursor == u'0') {
      conversion.zeroPad = true;
    } else {
      break;
    }
  }
  for (; *cursor >= u'0' && *cursor <= u'9'; ++cursor) {
    // A width past any text that could be held is capped instead of overflowing.
    if (conversion.width <= maxWidth / 10)
      conversion.width = conversion.width * 10 + (*cursor - u'0');
  }
  conversion.kind = *cursor;
  return *cursor == 0 ? cursor : cursor + 1;
}

std::u16string Digits(unsigned value, unsigned base, bool upperCase) {
  const char16_t* digits = upperCase ? u"0123456789ABCDEF" : u"0123456789abcdef";
  std::u16string text;
  do {
    text.insert(text.begin(), digits[value % base]);
    value /= base;
  } while (value != 0);
  return text;
}

// Pads a converted value to its width; zeros go between the sign and the digits.
std::u16string Pad(std::u16string text, const Conversion& conversion, bool numeric) {
  int missing = conversion.width - static_cast<int>(text.size());
  if (missing <= 0) return text;
  if (conversion.leftAlign) return text + std::u16string(missing, u' ');
  if (conversion.zeroPad && numeric) {
    std::size_t signLength = !text.empty() && text[0] == u'-' ? 1 : 0;
    return text.insert(signLength, std::u16string(missing, u'0'));
  }
  return std::u16string(missing, u' ') + text;
}

std::u16string Convert(const Conversion& conversion, std::va_list& arguments) {
  switch (conversion.kind) {
    case u'd':
    case u'i': {
      int value = va_arg(arguments, int);
      unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : unsigned(value);
      return Pad((value < 0 ? u"-" : u"") + Digits(magnitude, 10, false), conversion, true);
    }
    case u'u': return Pad(Digits(va_arg(arguments, unsigned), 10, false), conversion, true);
    case u'x': return Pad(Digits(va_arg(arguments, unsigned), 16, false), conversion, true);
    case u'X': return Pad(Digits(va_arg(arguments, unsigned), 16, true), conversion, true);
    case u'c': return Pad(std::u16string(1, char16_t(va_arg(arguments, int))), conversion, false);
    case u's': {
      const auto* text = va_arg(arguments, const char16_t*);
      return Pad(text == nullptr ? u"(null)" : text, conversion, false);
    }
    case u'%': return u"%";
    default: return std::u16string();  // an unknown or cut-off conversion prints nothing
  }
}

}  // namespace

int FormatWide(char16_t* buffer, int limit, const char16_t* format, std::va_list arguments) {
  std::va_list walk;
  va_copy(walk, arguments);
  std::u16string text;
  for (const char16_t* cursor = format; *cursor != 0;) {
    if (*cursor != u'%') {
      text += *cursor++;
      continue;
    }
    Conversion conversion;
    cursor = ParseConversion(cursor + 1, conversion);
    text += Convert(conversion, walk);
  }
  va_end(walk);
  if (limit > 0) {
    std::size_t copied = std::min<std::size_t>(text.size(), std::size_t(limit) - 1);
    text.copy(buffer, copied);
    buffer[copied] = 0;
  }
  return static_cast<int>(text.size());
}

}  // namespace tlib
