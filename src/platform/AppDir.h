#pragma once

#include <QString>

// The folder of the running executable, absolute, with a trailing '/'. Worked out afresh at each call.
QString AppDir();

// Tests point AppDir at a folder of their own; an empty text restores the executable's folder.
void SetAppDirForTesting(const QString& dir);

// File names inside the program use '\' as the stored files and databases do; this turns one into a
// name the file system understands.
QString FileSystemPath(const QString& fileName);
