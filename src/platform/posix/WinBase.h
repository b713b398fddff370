// kernel32 stand-ins: the thread's last error, files, handles and text
// conversion, over POSIX.
//
// Stands in for: GetLastError, SetLastError, CreateFileW (GENERIC_READ or
// GENERIC_WRITE; CREATE_ALWAYS, OPEN_EXISTING or OPEN_ALWAYS), ReadFile,
// WriteFile, GetFileSize, SetFilePointer, CloseHandle, MoveFileExW
// (MOVEFILE_REPLACE_EXISTING, MOVEFILE_WRITE_THROUGH), DeleteFileW and
// WideCharToMultiByte (CP_UTF8 only).
// Leaves out: overlapped I/O, share modes (POSIX has none; the program always
// shares reads), security attributes, template files and file sizes of 4 GiB
// and more (GetFileSize reports no high part).
// Paths arrive as UTF-16 and are opened as UTF-8 with '\' turned into '/', so
// "Data\Jump.wav" opens Data/Jump.wav; as on Windows, a name that differs from
// an existing one only in case names that one ("data\jump.WAV" too).
#pragma once

#include "platform/posix/WinTypes.h"

// Error codes the stand-ins set, with their Win32 values.
#define ERROR_SUCCESS 0u
#define ERROR_FILE_NOT_FOUND 2u
#define ERROR_PATH_NOT_FOUND 3u
#define ERROR_TOO_MANY_OPEN_FILES 4u
#define ERROR_ACCESS_DENIED 5u
#define ERROR_INVALID_HANDLE 6u
#define ERROR_NOT_ENOUGH_MEMORY 8u
#define ERROR_INVALID_DATA 13u
#define ERROR_WRITE_FAULT 29u
#define ERROR_READ_FAULT 30u
#define ERROR_SHARING_VIOLATION 32u
#define ERROR_HANDLE_DISK_FULL 39u
#define ERROR_NOT_SUPPORTED 50u
#define ERROR_FILE_EXISTS 80u
#define ERROR_INVALID_PARAMETER 87u
#define ERROR_DISK_FULL 112u
#define ERROR_INSUFFICIENT_BUFFER 122u
#define ERROR_INVALID_NAME 123u
#define ERROR_NEGATIVE_SEEK 131u
#define ERROR_ALREADY_EXISTS 183u
#define ERROR_FILENAME_EXCED_RANGE 206u
#define ERROR_NO_UNICODE_TRANSLATION 1113u
#define ERROR_INVALID_WINDOW_HANDLE 1400u
#define ERROR_CANNOT_FIND_WND_CLASS 1407u
#define ERROR_CLASS_ALREADY_EXISTS 1410u
#define ERROR_INVALID_INDEX 1413u

#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)))
#define INVALID_FILE_SIZE 0xFFFFFFFFu
#define INVALID_SET_FILE_POINTER 0xFFFFFFFFu

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x00000001u
#define FILE_SHARE_WRITE 0x00000002u
#define CREATE_NEW 1u
#define CREATE_ALWAYS 2u
#define OPEN_EXISTING 3u
#define OPEN_ALWAYS 4u
#define TRUNCATE_EXISTING 5u
#define FILE_ATTRIBUTE_NORMAL 0x00000080u
#define FILE_BEGIN 0u
#define FILE_CURRENT 1u
#define FILE_END 2u

#define MOVEFILE_REPLACE_EXISTING 0x00000001u
#define MOVEFILE_WRITE_THROUGH 0x00000008u

#define CP_UTF8 65001u

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;
struct OVERLAPPED;
using LPOVERLAPPED = OVERLAPPED*;

DWORD GetLastError();
void SetLastError(DWORD errorCode);

// Returns INVALID_HANDLE_VALUE and sets the last error on failure.
HANDLE CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode,
                   LPSECURITY_ATTRIBUTES securityAttributes, DWORD creationDisposition,
                   DWORD flagsAndAttributes, HANDLE templateFile);
// A read at the end of the file succeeds with fewer bytes (0 at the very end).
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead,
              LPOVERLAPPED overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
               LPOVERLAPPED overlapped);
// Returns INVALID_FILE_SIZE on failure; sizeHigh, when given, receives 0.
DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh);
DWORD SetFilePointer(HANDLE file, LONG distanceToMove, PLONG distanceToMoveHigh, DWORD moveMethod);
// Closes any handle the stand-ins hand out (files, threads); FALSE with
// ERROR_INVALID_HANDLE for anything else, including a handle closed before.
BOOL CloseHandle(HANDLE object);

// Renames a file, in one step: at no moment is the new name missing or only
// partly written. An existing file of the new name is replaced only with
// MOVEFILE_REPLACE_EXISTING (else ERROR_ALREADY_EXISTS), and never when it is
// read-only (no write permission for anyone) or a folder (ERROR_ACCESS_DENIED).
// MOVEFILE_WRITE_THROUGH returns only when the file's data and the new name
// are on the disk. Other flags are ERROR_INVALID_PARAMETER.
BOOL MoveFileExW(LPCWSTR existingFileName, LPCWSTR newFileName, DWORD flags);
// Deletes a file; a read-only file or a folder is ERROR_ACCESS_DENIED.
BOOL DeleteFileW(LPCWSTR fileName);

// UTF-16 to UTF-8 (CP_UTF8 only; flags, default char and used-default must be
// 0/null). cchWideChar -1 means NUL-terminated, and the NUL is converted too.
// With cbMultiByte 0 it returns the size needed. Unpaired surrogates become
// U+FFFD. Returns 0 and sets the last error on failure.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wideCharStr, int cchWideChar,
                        LPSTR multiByteStr, int cbMultiByte, LPCSTR defaultChar,
                        BOOL* usedDefaultChar);

// The program's entry point, defined by the program as on Windows; the
// platform's own main() calls it with an empty command line.
extern "C" int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previousInstance, LPWSTR commandLine,
                               int showCommand);
