// File names as Windows matches them: a name finds the file whose name differs from it only in
// the case of its letters, so "Data\title.bmp" opens Data/Title.bmp as it does on Windows.
// Letters beyond ASCII must match exactly.
#pragma once

#include <string>

namespace platform {

// The POSIX path (PosixPath) of the Windows path `path`, with every folder and file name that
// does not exist as written replaced by an existing one that differs only in case. When several
// differ only in case, the first in byte order is taken. A name that matches nothing stays as
// written, so a file to be created gets the name the program gave it.
std::string LocatePath(const char16_t* path);

}  // namespace platform
