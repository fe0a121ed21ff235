// Lays the password file with the first-access password into the program folder given as
// the only argument, unless a password file is already there.
#include "access/PasswordFile.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <exception>
#include <stdexcept>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>/\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(folder + PasswordFile::fileName()))
        return 0;
    try {
        if (!QDir().mkpath(folder))
            throw std::runtime_error("cannot create the program folder");
        // Named by the launcher's help topic; the program itself has no built-in password.
        PasswordFile::storeNew(folder, PasswordFile::firstPassword());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", argv[0], failure.what());
        return 1;
    }
    return 0;
}
