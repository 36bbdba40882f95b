#pragma once

// Lets a test cut the power under SQLite at any file operation and restart
// the machine, to show that a save interrupted anywhere leaves the pool file
// either as before or as after, never damaged. While SQLite has a file open,
// the disk holds what a restart would keep for sure (the synced content), so
// code outside SQLite sees that; what SQLite wrote since is held in memory, as
// are SQLite's temporary files. A file closed with unsynced changes (SQLite
// shrinks a file after a commit without syncing it) is written out as it
// stands, though a reboot may still tear those changes; a closed file that a
// test replaces on disk is taken as the test left it.
namespace PowerLossVfs {

// Registers the shim as the process's default VFS (idempotent).
void install();
// The power fails at the nth file operation counted from now (writes, syncs,
// truncates, deletes; 1-based): that operation and everything after it
// (reads, locks and opens too) fail with SQLITE_IOERR and change nothing.
// 0 = never.
void cutAt(int nth);
// Operations counted since the last cutAt().
int operations();
bool isCut();
// Restores power, as a machine restarting: for every file, what was synced
// survives; each 512-byte sector written since that file's last sync is,
// chosen by the seed, the old content or the new (a torn write), and the file
// size is the synced one or the new one. Handles still open from before stay
// dead (every call but closing fails with SQLITE_IOERR), so the program's old
// connection can be closed; files opened afterwards see the restored content.
void reboot(unsigned seed);

} // namespace PowerLossVfs
