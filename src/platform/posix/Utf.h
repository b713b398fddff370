// UTF-16 to UTF-8, shared by the stand-ins that hand text to POSIX and SDL.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Converts exactly `length` units; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const char16_t* text, std::size_t length);

// The same for NUL-terminated text; null gives "".
std::string Utf16ToUtf8(const char16_t* text);

// A Windows path as POSIX takes it: UTF-8, with the folder separator '\'
// turned into '/', so "Data\Jump.wav" names Data/Jump.wav.
std::string PosixPath(const char16_t* path);

}  // namespace platform
