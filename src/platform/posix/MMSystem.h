// winmm stand-in: PlaySoundW, the game's one way of making a sound.
//
// Stands in for: PlaySoundW(sound, module, SND_MEMORY | SND_ASYNC [| SND_NODEFAULT]), which
// plays a whole RIFF/WAVE file held in memory and returns at once, and PlaySoundW(NULL, ...),
// which stops the sound that is playing. Starting a sound cuts off the one playing.
// The file's length comes from its RIFF header (8 bytes plus the RIFF chunk's size), as on
// Windows: the caller's buffer must hold that many bytes, and nothing beyond them is read.
// Anything inside that length, however malformed, is read safely. The call checks the headers
// and copies the file, so the caller may free its buffer at once; decoding and conversion
// happen on a thread of the player's own, which starts the sound when it is ready, unless a
// newer sound or a stop came first. The encodings are those of SDL2's WAV reader: PCM of 8 to
// 32 bits, float, A-law, mu-law, MS and IMA ADPCM, extensible headers.
//
// Leaves out: playing from files, aliases and resources (SND_FILENAME, SND_ALIAS, SND_RESOURCE),
// synchronous play, SND_LOOP, SND_NOSTOP and SND_NOWAIT; those calls return FALSE with
// ERROR_NOT_SUPPORTED. The system's default sound is never played, so SND_NODEFAULT changes
// nothing. Headers that are not a sound SDL2 can read (no "fmt " or "data" chunk, an unknown
// encoding, no channels or more than 8, sample rates below 1 kHz or above 768 kHz) return
// FALSE with ERROR_INVALID_DATA; files of 2 GiB and more and sounds longer than five minutes
// return FALSE with ERROR_NOT_ENOUGH_MEMORY; either leaves the playing sound alone. Data that
// passes the headers but that SDL2 cannot decode is dropped silently, as Windows drops an
// asynchronous sound it cannot play. The module argument is ignored, as Windows ignores it for
// SND_MEMORY.
#pragma once

#include "platform/posix/WinTypes.h"

#define SND_SYNC 0x00000000u
#define SND_ASYNC 0x00000001u
#define SND_NODEFAULT 0x00000002u
#define SND_MEMORY 0x00000004u
#define SND_LOOP 0x00000008u
#define SND_NOSTOP 0x00000010u
#define SND_PURGE 0x00000040u
#define SND_APPLICATION 0x00000080u
#define SND_NOWAIT 0x00002000u
#define SND_ALIAS 0x00010000u
#define SND_FILENAME 0x00020000u
#define SND_RESOURCE 0x00040004u
#define SND_ALIAS_ID 0x00110000u

// TRUE when the sound started (or, for a null sound, when any sound was stopped).
BOOL PlaySoundW(LPCWSTR sound, HMODULE module, DWORD flags);
