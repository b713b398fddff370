// kernel32 file calls over POSIX file descriptors (see WinBase.h).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <algorithm>
#include <climits>
#include <string>

#include "platform/posix/CallFailures.h"
#include "platform/posix/KernelObject.h"
#include "platform/posix/PathCase.h"
#include "platform/posix/WinBase.h"

namespace platform {
namespace {

class FileObject final : public KernelObject {
 public:
  explicit FileObject(int descriptor) : descriptor_(descriptor) {}
  ~FileObject() override { ::close(descriptor_); }
  int Descriptor() const { return descriptor_; }

 private:
  int descriptor_;
};

DWORD ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case ENOSPC: return ERROR_DISK_FULL;
    case EEXIST: return ERROR_FILE_EXISTS;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    default: return ERROR_ACCESS_DENIED;
  }
}

int OpenFlags(DWORD desiredAccess, DWORD creationDisposition) {
  bool reading = (desiredAccess & GENERIC_READ) != 0;
  bool writing = (desiredAccess & GENERIC_WRITE) != 0;
  int flags = O_CLOEXEC;
  if (reading && writing) {
    flags |= O_RDWR;
  } else if (writing) {
    flags |= O_WRONLY;
  } else {
    flags |= O_RDONLY;
  }
  switch (creationDisposition) {
    case CREATE_NEW: return flags | O_CREAT | O_EXCL;
    case CREATE_ALWAYS: return flags | O_CREAT | O_TRUNC;
    case OPEN_EXISTING: return flags;
    case OPEN_ALWAYS: return flags | O_CREAT;
    case TRUNCATE_EXISTING: return flags | O_TRUNC;
    default: return -1;
  }
}

// Opens the file; `existed` tells whether it was there before, as Windows
// reports it after CREATE_ALWAYS and OPEN_ALWAYS. A file that may be created
// is first opened as an existing one, then made new if it was missing, and
// tried again if another process made it in between.
int OpenNoting(const std::string& path, int flags, bool& existed) {
  existed = false;
  if ((flags & O_CREAT) == 0 || (flags & O_EXCL) != 0) return ::open(path.c_str(), flags, 0666);
  for (;;) {
    int descriptor = ::open(path.c_str(), flags & ~O_CREAT);
    if (descriptor >= 0 || errno != ENOENT) {
      existed = descriptor >= 0;
      return descriptor;
    }
    descriptor = ::open(path.c_str(), flags | O_EXCL, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
}

bool IsNotDirectory(int descriptor) {
  struct stat status {};
  return ::fstat(descriptor, &status) == 0 && !S_ISDIR(status.st_mode);
}

// Windows neither replaces nor deletes a read-only file or a folder; a file
// that nobody may write to stands in for the read-only attribute.
bool IsProtected(const struct stat& status) {
  return S_ISDIR(status.st_mode) || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Makes what `path` names (a file, or a folder's list of names) durable.
bool SyncToDisk(const std::string& path, int openFlags) {
  int descriptor = ::open(path.c_str(), openFlags | O_CLOEXEC);
  if (descriptor < 0) return false;
  bool synced = ::fsync(descriptor) == 0;
  int error = errno;
  ::close(descriptor);
  errno = error;
  return synced;
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The name as a POSIX path, or "" with the last error set.
std::string CheckedPath(LPCWSTR fileName) {
  if (fileName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return {};
  }
  std::string path = LocatePath(fileName);
  if (path.empty()) SetLastError(ERROR_PATH_NOT_FOUND);
  return path;
}

BOOL FailWithErrno() {
  SetLastError(ErrorFromErrno(errno));
  return FALSE;
}

// May `to` be taken over by a moved file? Sets the last error when not.
bool MayReplace(const std::string& to, DWORD flags) {
  struct stat target {};
  if (::lstat(to.c_str(), &target) != 0) return true;
  if ((flags & MOVEFILE_REPLACE_EXISTING) == 0) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return false;
  }
  if (IsProtected(target)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return true;
}

}  // namespace
}  // namespace platform

using platform::FileObject;
using platform::KernelObject;

HANDLE CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD /*shareMode*/,
                   LPSECURITY_ATTRIBUTES /*securityAttributes*/, DWORD creationDisposition,
                   DWORD /*flagsAndAttributes*/, HANDLE /*templateFile*/) {
  if (platform::TakeArrangedFailure("CreateFileW")) return INVALID_HANDLE_VALUE;
  int flags = platform::OpenFlags(desiredAccess, creationDisposition);
  if (fileName == nullptr || flags == -1) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  std::string path = platform::LocatePath(fileName);
  if (path.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  bool existed = false;
  int descriptor = platform::OpenNoting(path, flags, existed);
  if (descriptor < 0) {
    SetLastError(platform::ErrorFromErrno(errno));
    return INVALID_HANDLE_VALUE;
  }
  if (!platform::IsNotDirectory(descriptor)) {
    ::close(descriptor);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return KernelObject::Register(new FileObject(descriptor));
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead,
              LPOVERLAPPED /*overlapped*/) {
  if (bytesRead != nullptr) *bytesRead = 0;
  if (platform::TakeArrangedFailure("ReadFile")) return FALSE;
  auto* object = KernelObject::From<FileObject>(file);
  if (object == nullptr) return FALSE;
  if (buffer == nullptr && bytesToRead > 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD total = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (total < bytesToRead) {
    ssize_t got = ::read(object->Descriptor(), bytes + total,
                         std::min<std::size_t>(bytesToRead - total, SSIZE_MAX));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      SetLastError(errno == EBADF ? ERROR_ACCESS_DENIED : ERROR_READ_FAULT);
      if (bytesRead != nullptr) *bytesRead = total;
      return FALSE;
    }
    if (got == 0) break;  // end of file: success with fewer bytes
    total += static_cast<DWORD>(got);
  }
  if (bytesRead != nullptr) *bytesRead = total;
  return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
               LPOVERLAPPED /*overlapped*/) {
  if (bytesWritten != nullptr) *bytesWritten = 0;
  if (platform::TakeArrangedFailure("WriteFile")) return FALSE;
  auto* object = KernelObject::From<FileObject>(file);
  if (object == nullptr) return FALSE;
  if (buffer == nullptr && bytesToWrite > 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD total = 0;
  const auto* bytes = static_cast<const char*>(buffer);
  while (total < bytesToWrite) {
    ssize_t put = ::write(object->Descriptor(), bytes + total,
                          std::min<std::size_t>(bytesToWrite - total, SSIZE_MAX));
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) {
      SetLastError(errno == EBADF ? ERROR_ACCESS_DENIED : platform::ErrorFromErrno(errno));
      if (bytesWritten != nullptr) *bytesWritten = total;
      return FALSE;
    }
    total += static_cast<DWORD>(put);
  }
  if (bytesWritten != nullptr) *bytesWritten = total;
  return TRUE;
}

DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh) {
  if (platform::TakeArrangedFailure("GetFileSize")) return INVALID_FILE_SIZE;
  auto* object = KernelObject::From<FileObject>(file);
  if (object == nullptr) return INVALID_FILE_SIZE;
  struct stat status {};
  if (::fstat(object->Descriptor(), &status) != 0) {
    SetLastError(platform::ErrorFromErrno(errno));
    return INVALID_FILE_SIZE;
  }
  auto size = static_cast<std::uint64_t>(status.st_size);
  if (fileSizeHigh != nullptr) *fileSizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size);
}

DWORD SetFilePointer(HANDLE file, LONG distanceToMove, PLONG distanceToMoveHigh, DWORD moveMethod) {
  if (platform::TakeArrangedFailure("SetFilePointer")) return INVALID_SET_FILE_POINTER;
  auto* object = KernelObject::From<FileObject>(file);
  if (object == nullptr) return INVALID_SET_FILE_POINTER;
  static const int whence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (moveMethod > FILE_END) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  std::int64_t distance =
      distanceToMoveHigh != nullptr
          ? (std::int64_t(*distanceToMoveHigh) << 32) | std::uint32_t(distanceToMove)
          : std::int64_t(distanceToMove);
  off_t position = ::lseek(object->Descriptor(), distance, whence[moveMethod]);
  if (position < 0) {
    SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : platform::ErrorFromErrno(errno));
    return INVALID_SET_FILE_POINTER;
  }
  if (distanceToMoveHigh != nullptr) *distanceToMoveHigh = LONG(std::uint64_t(position) >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(position);
}

BOOL MoveFileExW(LPCWSTR existingFileName, LPCWSTR newFileName, DWORD flags) {
  if (platform::TakeArrangedFailure("MoveFileExW")) return FALSE;
  if ((flags & ~(MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::string from = platform::CheckedPath(existingFileName);
  if (from.empty()) return FALSE;
  std::string to = platform::CheckedPath(newFileName);
  if (to.empty() || !platform::MayReplace(to, flags)) return FALSE;
  bool writeThrough = (flags & MOVEFILE_WRITE_THROUGH) != 0;
  if (writeThrough && !platform::SyncToDisk(from, O_RDONLY)) return platform::FailWithErrno();
  if (::rename(from.c_str(), to.c_str()) != 0) return platform::FailWithErrno();
  if (writeThrough && !platform::SyncToDisk(platform::FolderOf(to), O_RDONLY | O_DIRECTORY)) {
    return platform::FailWithErrno();
  }
  return TRUE;
}

BOOL DeleteFileW(LPCWSTR fileName) {
  if (platform::TakeArrangedFailure("DeleteFileW")) return FALSE;
  std::string path = platform::CheckedPath(fileName);
  if (path.empty()) return FALSE;
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return platform::FailWithErrno();
  if (platform::IsProtected(status)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (::unlink(path.c_str()) != 0) return platform::FailWithErrno();
  return TRUE;
}
