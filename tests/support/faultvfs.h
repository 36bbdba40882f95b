#pragma once

#include <string>

// Lets a test make the disk under SQLite fail on cue (full, broken, or not
// writable for this user), since a real disk does none of that on demand and
// the program must keep the pool file whole and tell the user when it does.
namespace FaultVfs {

enum class Point
{
    Write,
    Sync,
    Grow
};

// Registers the shim as the process's default VFS (idempotent). Every file
// SQLite opens afterwards goes through it and counts: the pool file, its
// journal, and the temporary files SQLite spills big statements to.
void install();
// From now on the nth call (1-based) of that kind fails with errorCode
// (SQLITE_FULL or SQLITE_IOERR, the latter reported as the extended code of
// the failing call: SQLITE_IOERR_WRITE, _FSYNC or _TRUNCATE). With persist,
// every later call of that kind fails too (a disk that stays full) until
// disarm(). Arming resets the counters. A failing call changes nothing.
// Write is every write, Sync every sync, Grow a write past the end of the
// file or a truncate that lengthens it (a growing write counts as a Write too).
void arm(Point point, int nth, int errorCode, bool persist);
void disarm();
// Calls of that kind since the last arm(), disarm() or resetCounts(), failed
// ones included.
int count(Point point);
void resetCounts();
// True once the armed fault has fired since the last arm().
bool fired();
// Opens this file read-only whatever the caller asks, as the real VFS does
// with a file the user may not write, so that case can be tested even as
// root. The path is compared after SQLite's own canonicalisation. Empty: none.
void setReadOnly(const std::string &path);

} // namespace FaultVfs
