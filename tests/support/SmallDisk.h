#pragma once

#include <QString>

// A 64 KiB file system mounted over a folder for the length of a test, so that a test can
// fill it to the last byte. Mounting needs root; elsewhere mounted() is false and the test
// skips. What the folder held stays hidden beneath until the file system goes.
class SmallDisk final {
public:
    explicit SmallDisk(const QString& folder);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    // Fills the disk to its last byte with a file of its own, "filler".
    void fill() const;

private:
    QString m_folder;
    bool m_mounted = false;
};
