#include "platform/posix/PathCase.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/posix/Utf.h"

namespace platform {
namespace {

bool Exists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](unsigned char x, unsigned char y) { return lower(x) == lower(y); });
}

// The entry of `folder` that differs from `name` only in case, first in byte order.
std::optional<std::string> EntryIgnoringCase(const std::string& folder, const std::string& name) {
  struct Close {
    void operator()(DIR* listing) const { ::closedir(listing); }
  };
  std::unique_ptr<DIR, Close> listing(::opendir(folder.c_str()));
  if (listing == nullptr) return std::nullopt;
  std::optional<std::string> found;
  while (const dirent* entry = ::readdir(listing.get())) {
    const std::string candidate = entry->d_name;
    if (SameIgnoringCase(candidate, name) && (!found || candidate < *found)) found = candidate;
  }
  return found;
}

bool IsPlainName(const std::string& name) { return !name.empty() && name != "." && name != ".."; }

}  // namespace

std::string LocatePath(const char16_t* path) {
  const std::string written = PosixPath(path);
  if (written.empty() || Exists(written)) return written;
  // Name by name: what exists as written stays, and so does what matches nothing. After the
  // first name `located` is never empty unless the path starts at the root.
  std::string located;
  std::size_t start = 0;
  for (bool first = true; start <= written.size(); first = false) {
    const std::size_t end = std::min(written.find('/', start), written.size());
    const std::string name = written.substr(start, end - start);
    const std::string folder = first ? "." : located.empty() ? "/" : located;
    auto inFolder = [&](const std::string& entry) { return first ? entry : located + '/' + entry; };
    std::string next = inFolder(name);
    if (IsPlainName(name) && !Exists(next)) {
      if (std::optional<std::string> entry = EntryIgnoringCase(folder, name))
        next = inFolder(*entry);
    }
    located = std::move(next);
    start = end + 1;
  }
  return located;
}

}  // namespace platform
