#include "powerlossvfs.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace PowerLossVfs {
namespace {

using Bytes = std::vector<unsigned char>;
constexpr sqlite3_int64 kSector = 512;

struct File;

// One file as SQLite sees it, shared by all its handles: the content now, the
// content at the last sync, and the sectors that changed since.
struct Image
{
    std::string path; // empty: never reaches the disk (temporary or deleted)
    Bytes data;
    Bytes synced;
    std::size_t onDisk = 0; // hash of what this shim last left on disk
    std::set<sqlite3_int64> dirty;
    int refs = 0;
    int shared = 0;         // handles holding SHARED or more
    File *writer = nullptr; // the handle holding RESERVED or more
};

struct File
{
    sqlite3_file base;
    Image *image;
    int lock;
    bool dead;
};

struct State
{
    std::mutex mutex;
    std::map<std::string, Image *> images; // by path, until a delete or reboot
    std::set<File *> handles;
    int operations = 0;
    int cutAt = 0;
    bool cut = false;
} state;

sqlite3_vfs *unixVfs = nullptr;
sqlite3_vfs vfs;

std::optional<Bytes> readDisk(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::size_t hashOf(const Bytes &bytes)
{
    return std::hash<std::string_view>()(
        std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}

bool writeDisk(const std::string &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    return bool(out);
}

// False when a test replaced the file behind SQLite's back (copied another
// over it, say): then the disk is right and the image stale.
bool diskUnchanged(const Image &image)
{
    const std::optional<Bytes> bytes = readDisk(image.path);
    return bytes && hashOf(*bytes) == image.onDisk;
}

// Drops a handle's hold (mutex held). A file closed with unsynced changes
// goes to the disk as it stands (unless the power is off), for code outside
// SQLite to see, but stays known so that a reboot may still tear them.
void release(Image *image)
{
    if (--image->refs > 0)
        return;
    if (image->path.empty()) {
        delete image;
    } else if (image->dirty.empty()) {
        state.images.erase(image->path);
        delete image;
    } else if (!state.cut && writeDisk(image->path, image->data)) {
        image->onDisk = hashOf(image->data);
    }
}

// Forgets a path's image; open handles keep theirs, cut off from the disk.
void forget(std::map<std::string, Image *>::iterator it)
{
    Image *image = it->second;
    state.images.erase(it);
    image->path.clear();
    if (image->refs == 0)
        delete image;
}

// The path's image, unless it belongs to a closed file replaced since.
Image *known(const std::string &path)
{
    const auto it = state.images.find(path);
    if (it == state.images.end())
        return nullptr;
    if (it->second->refs > 0 || diskUnchanged(*it->second))
        return it->second;
    forget(it);
    return nullptr;
}

void resize(Image &image, sqlite3_int64 size)
{
    const auto old = sqlite3_int64(image.data.size());
    for (sqlite3_int64 s = std::min(old, size) / kSector; s * kSector < std::max(old, size); ++s)
        image.dirty.insert(s);
    image.data.resize(size);
}

File &fileOf(sqlite3_file *file)
{
    return *reinterpret_cast<File *>(file);
}

// Counts an operation that changes a file (mutex held); an error once the
// power is off.
int change()
{
    ++state.operations;
    if (state.cutAt > 0 && state.operations >= state.cutAt)
        state.cut = true;
    return state.cut ? SQLITE_IOERR : SQLITE_OK;
}

int fileClose(sqlite3_file *base)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    Image *image = file.image;
    if (file.lock >= SQLITE_LOCK_SHARED)
        --image->shared;
    if (image->writer == &file)
        image->writer = nullptr;
    state.handles.erase(&file);
    release(image);
    return SQLITE_OK;
}

int fileRead(sqlite3_file *base, void *data, int amount, sqlite3_int64 offset)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    if (file.dead || state.cut)
        return SQLITE_IOERR_READ;
    const Bytes &bytes = file.image->data;
    const auto available =
        std::clamp<sqlite3_int64>(sqlite3_int64(bytes.size()) - offset, 0, amount);
    if (available > 0)
        std::memcpy(data, bytes.data() + offset, available);
    if (available == amount)
        return SQLITE_OK;
    // SQLite relies on the missing part reading as zeros.
    std::memset(static_cast<char *>(data) + available, 0, amount - available);
    return SQLITE_IOERR_SHORT_READ;
}

int fileWrite(sqlite3_file *base, const void *data, int amount, sqlite3_int64 offset)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    if (file.dead)
        return SQLITE_IOERR;
    if (const int rc = change(); rc != SQLITE_OK)
        return rc;
    Image &image = *file.image;
    if (offset + amount > sqlite3_int64(image.data.size()))
        resize(image, offset + amount);
    std::memcpy(image.data.data() + offset, data, amount);
    for (sqlite3_int64 s = offset / kSector; s * kSector < offset + amount; ++s)
        image.dirty.insert(s);
    return SQLITE_OK;
}

int fileTruncate(sqlite3_file *base, sqlite3_int64 size)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    if (file.dead)
        return SQLITE_IOERR;
    if (const int rc = change(); rc != SQLITE_OK)
        return rc;
    resize(*file.image, size);
    return SQLITE_OK;
}

int fileSync(sqlite3_file *base, int)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    if (file.dead)
        return SQLITE_IOERR;
    if (const int rc = change(); rc != SQLITE_OK)
        return rc;
    Image &image = *file.image;
    if (!image.path.empty() && !writeDisk(image.path, image.data))
        return SQLITE_IOERR_FSYNC;
    image.dirty.clear();
    image.synced = image.data;
    image.onDisk = hashOf(image.data);
    return SQLITE_OK;
}

int fileSize(sqlite3_file *base, sqlite3_int64 *size)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    if (file.dead || state.cut)
        return SQLITE_IOERR_FSTAT;
    *size = sqlite3_int64(file.image->data.size());
    return SQLITE_OK;
}

// SQLite's five lock levels among this process's handles of one file; SQLite
// asks only for SHARED, RESERVED and EXCLUSIVE, passing PENDING on the way.
int fileLock(sqlite3_file *base, int level)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    Image &image = *file.image;
    if (file.dead || state.cut)
        return SQLITE_IOERR_LOCK;
    if (file.lock >= level)
        return SQLITE_OK;
    if (image.writer && image.writer != &file &&
        (level > SQLITE_LOCK_SHARED || image.writer->lock >= SQLITE_LOCK_PENDING))
        return SQLITE_BUSY;
    if (file.lock == SQLITE_LOCK_NONE) {
        ++image.shared;
        file.lock = SQLITE_LOCK_SHARED;
    }
    if (level == SQLITE_LOCK_SHARED)
        return SQLITE_OK;
    image.writer = &file;
    if (level == SQLITE_LOCK_RESERVED) {
        file.lock = SQLITE_LOCK_RESERVED;
        return SQLITE_OK;
    }
    // PENDING keeps new readers out while the present ones finish.
    file.lock = SQLITE_LOCK_PENDING;
    if (image.shared > 1)
        return SQLITE_BUSY;
    file.lock = SQLITE_LOCK_EXCLUSIVE;
    return SQLITE_OK;
}

int fileUnlock(sqlite3_file *base, int level)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    Image &image = *file.image;
    if (file.lock > SQLITE_LOCK_SHARED && level <= SQLITE_LOCK_SHARED)
        image.writer = nullptr;
    if (file.lock >= SQLITE_LOCK_SHARED && level == SQLITE_LOCK_NONE)
        --image.shared;
    file.lock = std::min(file.lock, level);
    return SQLITE_OK;
}

int fileCheckReserved(sqlite3_file *base, int *out)
{
    std::lock_guard lock(state.mutex);
    File &file = fileOf(base);
    if (file.dead || state.cut)
        return SQLITE_IOERR_CHECKRESERVEDLOCK;
    *out = file.image->writer && file.image->writer != &file;
    return SQLITE_OK;
}

// Version 1: no shared memory (so no WAL) and no memory mapping.
const sqlite3_io_methods methods = {
    1,
    fileClose,
    fileRead,
    fileWrite,
    fileTruncate,
    fileSync,
    fileSize,
    fileLock,
    fileUnlock,
    fileCheckReserved,
    [](sqlite3_file *, int, void *) { return SQLITE_NOTFOUND; },
    [](sqlite3_file *) { return 4096; },
    [](sqlite3_file *) { return SQLITE_IOCAP_POWERSAFE_OVERWRITE; },
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

int vfsOpen(sqlite3_vfs *, const char *name, sqlite3_file *base, int flags, int *outFlags)
{
    base->pMethods = nullptr;
    std::lock_guard lock(state.mutex);
    if (state.cut)
        return SQLITE_IOERR;
    Image *image = nullptr;
    if (!name) {
        image = new Image;
    } else if (Image *found = known(name)) {
        image = found;
    } else {
        std::optional<Bytes> bytes = readDisk(name);
        if (!bytes) {
            if (!(flags & SQLITE_OPEN_CREATE) || !writeDisk(name, {}))
                return SQLITE_CANTOPEN;
            bytes.emplace();
        }
        image = new Image;
        image->path = name;
        image->onDisk = hashOf(*bytes);
        image->data = image->synced = std::move(*bytes);
        state.images[name] = image;
    }
    ++image->refs;
    auto &file = fileOf(base);
    file = File{{&methods}, image, SQLITE_LOCK_NONE, false};
    state.handles.insert(&file);
    if (outFlags)
        *outFlags = flags;
    return SQLITE_OK;
}

// A delete counts as durable at once: SQLite syncs the folder when it matters.
int vfsDelete(sqlite3_vfs *, const char *name, int)
{
    std::lock_guard lock(state.mutex);
    if (const int rc = change(); rc != SQLITE_OK)
        return rc;
    if (auto it = state.images.find(name); it != state.images.end())
        forget(it);
    if (std::remove(name) != 0)
        return errno == ENOENT ? SQLITE_IOERR_DELETE_NOENT : SQLITE_IOERR_DELETE;
    return SQLITE_OK;
}

int vfsAccess(sqlite3_vfs *, const char *name, int flags, int *out)
{
    {
        std::lock_guard lock(state.mutex);
        // As the real VFS, an empty file does not count as existing.
        if (const Image *image = known(name); image && flags == SQLITE_ACCESS_EXISTS) {
            *out = !image->data.empty();
            return SQLITE_OK;
        }
    }
    return unixVfs->xAccess(unixVfs, name, flags, out);
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
        vfs.zName = "quadrix-powerloss";
        vfs.szOsFile = int(sizeof(File));
        vfs.xOpen = vfsOpen;
        vfs.xDelete = vfsDelete;
        vfs.xAccess = vfsAccess;
        sqlite3_vfs_register(&vfs, 1);
    });
}

void cutAt(int nth)
{
    std::lock_guard lock(state.mutex);
    state.operations = 0;
    state.cutAt = nth;
    state.cut = false;
}

int operations()
{
    std::lock_guard lock(state.mutex);
    return state.operations;
}

bool isCut()
{
    std::lock_guard lock(state.mutex);
    return state.cut;
}

void reboot(unsigned seed)
{
    std::lock_guard lock(state.mutex);
    std::mt19937 random(seed);
    while (!state.images.empty()) {
        const auto it = state.images.begin();
        const Image &image = *it->second;
        // A file a test replaced meanwhile stays as the test left it.
        if (diskUnchanged(image)) {
            Bytes disk = image.synced;
            disk.resize(random() % 2 ? image.data.size() : image.synced.size());
            const auto size = sqlite3_int64(disk.size());
            for (const sqlite3_int64 s : image.dirty) {
                if (s * kSector >= size)
                    break;
                if (random() % 2 == 0)
                    continue;
                // The new sector, zeros where the current content is shorter.
                for (sqlite3_int64 i = s * kSector; i < std::min(size, (s + 1) * kSector); ++i)
                    disk[i] = i < sqlite3_int64(image.data.size()) ? image.data[i] : 0;
            }
            writeDisk(image.path, disk);
        }
        forget(it);
    }
    for (File *file : state.handles)
        file->dead = true;
    state.cutAt = 0;
    state.cut = false;
}

} // namespace PowerLossVfs
