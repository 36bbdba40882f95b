#pragma once

class QString;

// What the program writes outside the engine (a backup's name, a saved PDF)
// is on the disk only once synced: a file's contents by the file, a name
// given or taken in a folder by the folder.
namespace Durable {

// Syncs the file or folder at path; false when it could not be opened or synced.
bool sync(const QString &path);

} // namespace Durable
