#include "faultvfs.h"

#include <sqlite3.h>

#include <array>
#include <mutex>
#include <vector>

namespace FaultVfs {
namespace {

// SQLite allocates szOsFile bytes per file: this header, then the real file.
struct File
{
    sqlite3_file base;
    sqlite3_file *real;
};

// Guarded by a mutex: the program may back up on another thread.
struct State
{
    std::mutex mutex;
    std::array<int, 3> counts{};
    bool armed = false;
    Point point = Point::Write;
    int nth = 0;
    int code = 0;
    bool persist = false;
    bool fired = false;
    std::string readOnly;
} state;

sqlite3_vfs *unixVfs = nullptr;
sqlite3_vfs vfs;

sqlite3_file *real(sqlite3_file *file)
{
    return reinterpret_cast<File *>(file)->real;
}

// Counts a call (mutex held); true when this one is to fail.
bool trips(Point point)
{
    const int n = ++state.counts[int(point)];
    const bool fails =
        state.armed && state.point == point && (n == state.nth || (state.persist && n > state.nth));
    state.fired = state.fired || fails;
    return fails;
}

int failure(int ioerr)
{
    return state.code == SQLITE_IOERR ? ioerr : state.code;
}

int fileWrite(sqlite3_file *file, const void *data, int amount, sqlite3_int64 offset)
{
    sqlite3_file *r = real(file);
    sqlite3_int64 size = 0;
    if (const int rc = r->pMethods->xFileSize(r, &size); rc != SQLITE_OK)
        return rc;
    {
        std::lock_guard lock(state.mutex);
        const bool grows = offset + amount > size && trips(Point::Grow);
        if (trips(Point::Write) || grows)
            return failure(SQLITE_IOERR_WRITE);
    }
    return r->pMethods->xWrite(r, data, amount, offset);
}

int fileTruncate(sqlite3_file *file, sqlite3_int64 size)
{
    sqlite3_file *r = real(file);
    sqlite3_int64 current = 0;
    if (const int rc = r->pMethods->xFileSize(r, &current); rc != SQLITE_OK)
        return rc;
    if (size > current) {
        std::lock_guard lock(state.mutex);
        if (trips(Point::Grow))
            return failure(SQLITE_IOERR_TRUNCATE);
    }
    return r->pMethods->xTruncate(r, size);
}

int fileSync(sqlite3_file *file, int flags)
{
    {
        std::lock_guard lock(state.mutex);
        if (trips(Point::Sync))
            return failure(SQLITE_IOERR_FSYNC);
    }
    return real(file)->pMethods->xSync(real(file), flags);
}

// Everything but writes, truncates and syncs goes straight to the real file.
const sqlite3_io_methods methods = {
    3,
    [](sqlite3_file *f) { return real(f)->pMethods->xClose(real(f)); },
    [](sqlite3_file *f, void *data, int amount, sqlite3_int64 offset) {
        return real(f)->pMethods->xRead(real(f), data, amount, offset);
    },
    fileWrite,
    fileTruncate,
    fileSync,
    [](sqlite3_file *f, sqlite3_int64 *size) {
        return real(f)->pMethods->xFileSize(real(f), size);
    },
    [](sqlite3_file *f, int level) { return real(f)->pMethods->xLock(real(f), level); },
    [](sqlite3_file *f, int level) { return real(f)->pMethods->xUnlock(real(f), level); },
    [](sqlite3_file *f, int *out) { return real(f)->pMethods->xCheckReservedLock(real(f), out); },
    [](sqlite3_file *f, int op, void *arg) {
        return real(f)->pMethods->xFileControl(real(f), op, arg);
    },
    [](sqlite3_file *f) { return real(f)->pMethods->xSectorSize(real(f)); },
    [](sqlite3_file *f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); },
    [](sqlite3_file *f, int page, int size, int extend, void volatile **out) {
        return real(f)->pMethods->xShmMap(real(f), page, size, extend, out);
    },
    [](sqlite3_file *f, int offset, int n, int flags) {
        return real(f)->pMethods->xShmLock(real(f), offset, n, flags);
    },
    [](sqlite3_file *f) { real(f)->pMethods->xShmBarrier(real(f)); },
    [](sqlite3_file *f, int deleteFlag) {
        return real(f)->pMethods->xShmUnmap(real(f), deleteFlag);
    },
    [](sqlite3_file *f, sqlite3_int64 offset, int amount, void **out) {
        return real(f)->pMethods->xFetch(real(f), offset, amount, out);
    },
    [](sqlite3_file *f, sqlite3_int64 offset, void *page) {
        return real(f)->pMethods->xUnfetch(real(f), offset, page);
    },
};

int vfsOpen(sqlite3_vfs *, const char *name, sqlite3_file *base, int flags, int *outFlags)
{
    auto *file = reinterpret_cast<File *>(base);
    file->real = reinterpret_cast<sqlite3_file *>(file + 1);
    bool readOnly = false;
    {
        std::lock_guard lock(state.mutex);
        readOnly = name && !state.readOnly.empty() && state.readOnly == name;
    }
    // The real VFS then reports SQLITE_OPEN_READONLY in outFlags itself.
    if (readOnly)
        flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE)) |
                SQLITE_OPEN_READONLY;
    const int rc = unixVfs->xOpen(unixVfs, name, file->real, flags, outFlags);
    // SQLite closes a file whose methods are set even when the open failed.
    base->pMethods = file->real->pMethods ? &methods : nullptr;
    return rc;
}

} // namespace

void install()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // A copy of the real VFS forwards everything not overridden here.
        unixVfs = sqlite3_vfs_find("unix");
        vfs = *unixVfs;
        vfs.pNext = nullptr;
        vfs.zName = "quadrix-fault";
        vfs.szOsFile = int(sizeof(File)) + unixVfs->szOsFile;
        vfs.xOpen = vfsOpen;
        sqlite3_vfs_register(&vfs, 1);
    });
}

void arm(Point point, int nth, int errorCode, bool persist)
{
    std::lock_guard lock(state.mutex);
    state.armed = true;
    state.point = point;
    state.nth = nth;
    state.code = errorCode;
    state.persist = persist;
    state.fired = false;
    state.counts.fill(0);
}

void disarm()
{
    std::lock_guard lock(state.mutex);
    state.armed = false;
    state.counts.fill(0);
}

int count(Point point)
{
    std::lock_guard lock(state.mutex);
    return state.counts[int(point)];
}

void resetCounts()
{
    std::lock_guard lock(state.mutex);
    state.counts.fill(0);
}

bool fired()
{
    std::lock_guard lock(state.mutex);
    return state.fired;
}

void setReadOnly(const std::string &path)
{
    install();
    std::string full;
    if (!path.empty()) {
        std::vector<char> buffer(unixVfs->mxPathname + 1);
        if (unixVfs->xFullPathname(unixVfs, path.c_str(), int(buffer.size()), buffer.data()) ==
            SQLITE_OK)
            full = buffer.data();
        else
            full = path;
    }
    std::lock_guard lock(state.mutex);
    state.readOnly = full;
}

} // namespace FaultVfs
