#include "diskshim.h"

#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace DiskShim {
namespace {

constexpr sqlite3_int64 kSector = 512;

// SQLite allocates szOsFile bytes per file: this header, then the real file.
struct File
{
    sqlite3_file base;
    sqlite3_file *real;
    std::string path; // empty for SQLite's nameless temporary files
    int generation;   // of the power supply it was opened under
    bool syncsFolder; // a new journal: its first sync syncs its folder too
};

// What a power cut takes back from one file: the bytes each sector written
// since the last sync held before, and the size at that sync.
struct Unsynced
{
    sqlite3_int64 syncedSize = 0;
    std::map<sqlite3_int64, std::string> before;
};

// Guarded by the mutex: the program backs up on a thread of its own.
struct State
{
    std::mutex mutex;
    std::array<int, 3> counts{};
    bool armed = false, persist = false, failed = false;
    Point point = Point::Write;
    int nth = 0, code = 0;
    std::string readOnly;
    int operations = 0, cutAt = 0, generation = 0;
    bool cut = false;
    std::map<std::string, Unsynced> unsynced;
    // The bytes of files deleted since the last sync of a folder (the tests
    // use one at a time): a power cut brings them back.
    std::map<std::string, std::string> deleted;
} state;

sqlite3_vfs *unixVfs = nullptr;
sqlite3_vfs vfs;

const auto shim = [](sqlite3_file *file) { return reinterpret_cast<File *>(file); };
const auto real = [](sqlite3_file *file) { return shim(file)->real; };

// Counts a call of a failure point (mutex held); true when it is to fail.
bool trips(Point point)
{
    const int n = ++state.counts[int(point)];
    const bool fails =
        state.armed && state.point == point && (n == state.nth || (state.persist && n > state.nth));
    state.failed = state.failed || fails;
    return fails;
}

// The armed code, SQLITE_IOERR as the call's own extended code.
const auto failure = [](int ioerr) { return state.code == SQLITE_IOERR ? ioerr : state.code; };

// Counts an operation on a named file (a delete when file is null) that a
// power cut can stop (mutex held); false once the power is off.
bool powered(File *file)
{
    if (state.cut || (file && file->generation != state.generation))
        return false;
    if (file && file->path.empty())
        return true;
    state.cut = ++state.operations == state.cutAt;
    return !state.cut;
}

// Keeps what the sectors in [from, to) held before their first change since
// the last sync (mutex held).
void remember(File *file, sqlite3_int64 from, sqlite3_int64 to)
{
    if (file->path.empty())
        return;
    const auto [it, fresh] = state.unsynced.try_emplace(file->path);
    sqlite3_file *r = file->real;
    if (fresh)
        r->pMethods->xFileSize(r, &it->second.syncedSize);
    for (sqlite3_int64 sector = from / kSector; sector * kSector < to; ++sector) {
        // Zeros first: a short read leaves them.
        const auto [old, added] = it->second.before.try_emplace(sector, kSector, '\0');
        if (added)
            r->pMethods->xRead(r, old->second.data(), int(kSector), sector * kSector);
    }
}

int fileWrite(sqlite3_file *file, const void *data, int amount, sqlite3_int64 offset)
{
    sqlite3_file *r = real(file);
    sqlite3_int64 size = 0;
    if (const int rc = r->pMethods->xFileSize(r, &size); rc != SQLITE_OK)
        return rc;
    std::lock_guard lock(state.mutex);
    const bool grows = offset + amount > size && trips(Point::Grow);
    if (trips(Point::Write) || grows)
        return failure(SQLITE_IOERR_WRITE);
    if (!powered(shim(file)))
        return SQLITE_IOERR_WRITE;
    remember(shim(file), offset, offset + amount);
    return r->pMethods->xWrite(r, data, amount, offset);
}

int fileTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    sqlite3_file *r = real(file);
    sqlite3_int64 current = 0;
    if (const int rc = r->pMethods->xFileSize(r, &current); rc != SQLITE_OK)
        return rc;
    std::lock_guard lock(state.mutex);
    if (size > current && trips(Point::Grow))
        return failure(SQLITE_IOERR_TRUNCATE);
    if (!powered(shim(file)))
        return SQLITE_IOERR_TRUNCATE;
    remember(shim(file), size, current);
    return r->pMethods->xTruncate(r, size);
}

int fileSync(sqlite3_file *file, int flags)
{
    std::lock_guard lock(state.mutex);
    if (trips(Point::Sync))
        return failure(SQLITE_IOERR_FSYNC);
    if (!powered(shim(file)))
        return SQLITE_IOERR_FSYNC;
    state.unsynced.erase(shim(file)->path);
    const int rc = real(file)->pMethods->xSync(real(file), flags);
    if (rc == SQLITE_OK && std::exchange(shim(file)->syncsFolder, false))
        state.deleted.clear();
    return rc;
}

// Any other call of a dead handle (one opened before the last reboot, or
// any once the power is off) fails as the disk would.
template <auto Method, typename... Args> int passed(sqlite3_file *file, Args... args)
{
    {
        std::lock_guard lock(state.mutex);
        if (state.cut || shim(file)->generation != state.generation)
            return SQLITE_IOERR;
    }
    return (real(file)->pMethods->*Method)(real(file), args...);
}

int fileClose(sqlite3_file *file)
{
    const int rc = real(file)->pMethods->xClose(real(file));
    shim(file)->path.~basic_string();
    return rc;
}

// Version 1: rollback journals only, no shared memory, no mapping.
const sqlite3_io_methods methods = {
    1, fileClose, passed<&sqlite3_io_methods::xRead, void *, int, sqlite3_int64>, fileWrite,
    fileTruncate, fileSync, passed<&sqlite3_io_methods::xFileSize, sqlite3_int64 *>,
    passed<&sqlite3_io_methods::xLock, int>,
    // Letting go of a lock always works, so a dead connection can close.
    [](sqlite3_file *f, int level) { return real(f)->pMethods->xUnlock(real(f), level); },
    passed<&sqlite3_io_methods::xCheckReservedLock, int *>,
    [](sqlite3_file *f, int op, void *arg) {
        return real(f)->pMethods->xFileControl(real(f), op, arg);
    },
    [](sqlite3_file *f) { return real(f)->pMethods->xSectorSize(real(f)); },
    [](sqlite3_file *f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); }, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr};

int vfsOpen(sqlite3_vfs *, const char *name, sqlite3_file *base, int flags, int *outFlags)
{
    File *file = shim(base);
    file->real = reinterpret_cast<sqlite3_file *>(file + 1);
    base->pMethods = nullptr;
    {
        std::lock_guard lock(state.mutex);
        if (state.cut)
            return SQLITE_IOERR;
        // A new journal in a read-only folder: what SQLite's unix file
        // system reports when it may not create one.
        const std::string named = name ? name : "";
        const bool journal = (flags & SQLITE_OPEN_CREATE) && (flags & SQLITE_OPEN_MAIN_JOURNAL);
        if (journal && named.substr(0, named.rfind('/')) == state.readOnly)
            return SQLITE_READONLY_DIRECTORY;
        new (&file->path) std::string(named);
        file->generation = state.generation;
        // As the unix file system of SQLite does for a journal it creates.
        file->syncsFolder = journal;
        // The real file system then reports SQLITE_OPEN_READONLY itself.
        if (name && state.readOnly == name)
            flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
    }
    const int rc = unixVfs->xOpen(unixVfs, name, file->real, flags, outFlags);
    // SQLite closes a file whose methods are set, even when the open failed.
    if (file->real->pMethods)
        base->pMethods = &methods;
    else
        file->path.~basic_string();
    return rc;
}

int vfsDelete(sqlite3_vfs *, const char *name, int syncDir)
{
    {
        std::lock_guard lock(state.mutex);
        if (!powered(nullptr))
            return SQLITE_IOERR_DELETE;
        state.unsynced.erase(name);
        if (syncDir)
            state.deleted.clear();
        else if (std::ifstream file{name, std::ios::binary})
            state.deleted[name] = std::string(std::istreambuf_iterator<char>(file), {});
    }
    return unixVfs->xDelete(unixVfs, name, syncDir);
}

} // namespace

void install()
{
    static std::once_flag once;
    std::call_once(once, [] {
        unixVfs = sqlite3_vfs_find("unix");
        vfs = *unixVfs;
        vfs.pNext = nullptr;
        vfs.zName = "quadrix-disk";
        vfs.szOsFile = int(sizeof(File)) + unixVfs->szOsFile;
        vfs.xOpen = vfsOpen;
        vfs.xDelete = vfsDelete;
        sqlite3_vfs_register(&vfs, 1);
    });
}

void failAt(Point point, int nth, int errorCode, bool persist)
{
    std::lock_guard lock(state.mutex);
    state.armed = true;
    state.point = point;
    state.nth = nth;
    state.code = errorCode;
    state.persist = persist;
    state.failed = false;
    state.counts.fill(0);
}

void heal()
{
    std::lock_guard lock(state.mutex);
    state.armed = false;
}

void setReadOnly(const std::string &path)
{
    std::lock_guard lock(state.mutex);
    state.readOnly = path; // absolute and canonical, as SQLite names it
}

void cutPowerAt(int nth)
{
    std::lock_guard lock(state.mutex);
    state.operations = 0;
    state.cutAt = nth;
    state.cut = false;
    // What was deleted before has long reached the disk.
    state.deleted.clear();
}

Status status()
{
    std::lock_guard lock(state.mutex);
    return {state.failed, state.operations, state.cut};
}

void reboot(unsigned seed, bool processOnly)
{
    std::lock_guard lock(state.mutex);
    std::mt19937 random(seed);
    for (const auto &[path, bytes] : state.deleted)
        if (!processOnly && std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size()))
            state.unsynced.erase(path); // as deleted, not as made again since
    state.deleted.clear();
    for (const auto &[path, unsynced] : state.unsynced) {
        if (processOnly)
            break;
        const int fd = ::open(path.c_str(), O_WRONLY);
        if (fd < 0)
            continue;
        for (const auto &[sector, bytes] : unsynced.before)
            if (random() % 2 &&
                ::pwrite(fd, bytes.data(), bytes.size(), sector * kSector) != ssize_t(bytes.size()))
                break;
        if (random() % 2 && ::ftruncate(fd, unsynced.syncedSize) != 0)
            std::perror("restoring the size before a power cut");
        ::close(fd);
    }
    state.unsynced.clear();
    ++state.generation;
    state.cut = false;
    state.cutAt = 0;
}

} // namespace DiskShim
