#pragma once

#include <QStringList>

#include "TestSupport.h"

// Runs `program` as on a full disk: the shell that starts it allows it files of no size at all and ignores the
// signal that would end it at the limit, so that every write of a file fails with an error for the program to
// handle (EFBIG, or what the database makes of it).
inline ProcessRun RunOnFullDisk(const QString& program, const QStringList& arguments) {
    return RunProcess(
        QStringLiteral("/bin/sh"),
        QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -f 0; trap '' XFSZ; exec \"$0\" \"$@\""), program} +
            arguments);
}
