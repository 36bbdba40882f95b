#pragma once

#include <string>

// A disk that fails on cue under SQLite: full, broken, read-only even for
// root, or losing its power. A real disk does none of that on demand, and the
// program must keep the pool file whole and tell the user whenever it does.
// The shim wraps the real file system and is the process's default, so the
// program's own connection goes through it.
namespace DiskShim {

enum class Point
{
    Write,
    Sync,
    Grow // a write past the end of the file or a truncate that lengthens it
};

// Registers the shim as the default (once).
void install();

// From now on the nth call of that kind (1-based) fails with errorCode
// (SQLITE_FULL, or SQLITE_IOERR given as the extended code of the call) and
// changes nothing; with persist, every later one too (a disk that stays
// full). A growing write is a Write as well.
void failAt(Point point, int nth, int errorCode, bool persist);
// The disk is sound again.
void heal();

// Opens this file (its canonical path) read-only whatever SQLite asks, as
// the real file system does for a file the user may not write; for a
// folder, refuses to create a journal in it. Empty: none.
void setReadOnly(const std::string &path);

// The power fails at the nth write, truncate, sync or delete of a named file
// from now on (0: never): that one and everything after it fail and change
// nothing. Files deleted before count as gone for good.
void cutPowerAt(int nth);

// What happened since failAt() and cutPowerAt(): whether the armed failure
// came, the operations a power cut counts, and whether the power went.
struct Status
{
    bool failed;
    int operations;
    bool powerCut;
};
Status status();
// The machine restarts: what was synced stays; each 512-byte sector written
// since its file's last sync holds, chosen by the seed, the old bytes or the
// new (a torn write), and the file has its synced size or its new one. A
// file deleted since its folder was last synced is back.
// Handles opened before stay dead (only closing them works). With
// processOnly, the program was killed and the machine kept running: every
// write stays, synced or not.
void reboot(unsigned seed, bool processOnly = false);

} // namespace DiskShim
