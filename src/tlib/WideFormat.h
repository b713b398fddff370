// printf-style formatting into UTF-16, the formatter behind TException and
// TString::Format. Conversions: %d %i %u %x %X %c %s (UTF-16 text) and %%, with
// the flags '-' and '0' and a decimal width, as C's printf has them for int
// arguments.
#pragma once

#include <cstdarg>

namespace tlib {

// Formats into `buffer`, writing at most limit - 1 units and a terminating NUL
// (nothing when limit is 0, so a null buffer may measure). Returns the number
// of units the whole text needs, without the terminator, as vsnwprintf does.
int FormatWide(char16_t* buffer, int limit, const char16_t* format, std::va_list arguments);

}  // namespace tlib
