#pragma once

#include <QByteArray>
#include <QString>

// What the core tests share for the files they prepare and read back.
namespace FileTest {
// Replaces the file's content; fails the current test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
// The file's content; empty when it cannot be read.
QByteArray readFile(const QString& path);
// Root ignores file permissions, so the read-only cases skip themselves under root.
bool runningAsRoot();
} // namespace FileTest
