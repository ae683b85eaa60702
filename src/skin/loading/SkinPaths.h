#pragma once

#include <QString>

// The path rules of skin lookup. They work on text with "\" as separator, as the stored settings of
// a skin manager are written; FileSystemPath turns the result into a real path.
namespace SkinPaths {

// "" stays ""; a trailing "\" stays; a trailing "/" becomes "\"; a lone drive letter gets ":\";
// anything else gets "\".
QString IncludeBackslash(const QString& path);

// The folder that holds the skins: `directory` taken relative to `executableFolder` (which ends in a
// separator) when it starts with "..", ".\" or "./", or when it is neither absolute nor a share.
// No separator is added at the end.
QString ResolveSkinDirectory(const QString& directory, const QString& executableFolder);

}  // namespace SkinPaths
