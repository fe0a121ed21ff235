#pragma once

#include <QString>

#include <functional>

// Pushes a file's written bytes out of the system's write cache onto the device, so that
// a stick pulled out after "saved" still holds them. Every writer of the program's files
// calls this before it reports success.
namespace DiskSync {

// fdatasync on the open descriptor; false when the device refused the bytes.
bool flushToDevice(int descriptor);

// Makes a rename inside folder durable; false when the folder cannot be synced. Folders
// that cannot be opened for syncing (other platforms) count as synced.
bool flushFolder(const QString& folder);

// Replaces the flush for tests, which fake a failure or record when it happens; an empty
// function restores the real one.
void setFlushForTesting(std::function<bool(int descriptor)> flush);

} // namespace DiskSync
