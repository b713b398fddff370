// kernel32 thread stand-ins over the C++ thread library.
//
// Stands in for: CreateThread and WaitForSingleObject on thread handles; the
// handles are closed with CloseHandle (WinBase.h), which neither stops nor
// waits for the thread.
// Leaves out: suspended creation (dwCreationFlags must be 0), stack sizes (the
// default stack is used), exit codes, and waiting on anything but a thread.
#pragma once

#include "platform/posix/WinBase.h"

#define INFINITE 0xFFFFFFFFu
#define WAIT_OBJECT_0 0x00000000u
#define WAIT_TIMEOUT 0x00000102u
#define WAIT_FAILED 0xFFFFFFFFu

using LPTHREAD_START_ROUTINE = DWORD(WINAPI*)(LPVOID);

// The thread runs at once. Null with ERROR_INVALID_PARAMETER for a missing
// routine or non-zero flags, ERROR_NOT_ENOUGH_MEMORY when no thread can be made.
HANDLE CreateThread(LPSECURITY_ATTRIBUTES threadAttributes, SIZE_T stackSize,
                    LPTHREAD_START_ROUTINE startAddress, LPVOID parameter, DWORD creationFlags,
                    LPDWORD threadId);
// WAIT_OBJECT_0 once the thread's routine has returned, WAIT_TIMEOUT when the
// time ran out first, WAIT_FAILED with ERROR_INVALID_HANDLE for anything but a
// live thread handle.
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
