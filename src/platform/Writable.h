#pragma once

#include <QString>

// Whether this user may write the file or folder `path`. Permission bits that grant no writing at all mean
// read-only for everyone: root passes every access() test, and a rename that replaces a file needs only its
// folder's permission, so without this check a read-only file would be silently replaced.
bool Writable(const QString& path);
