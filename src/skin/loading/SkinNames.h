#pragma once

#include <QString>

// Names of skin sections and section keys that more than one part of the engine looks up; each is
// spelled here once.
namespace SkinNames {

// Sections.
inline const QString GlobalInfo = QStringLiteral("GLOBALINFO");
inline const QString Unknown = QStringLiteral("UNKNOWN");
inline const QString Form = QStringLiteral("FORM");
inline const QString FormTitle = QStringLiteral("FORMTITLE");
inline const QString Edit = QStringLiteral("EDIT");

// Keys of a section.
inline const QString Pattern = QStringLiteral("PATTERN");
inline const QString HotPattern = QStringLiteral("HOTPATTERN");
inline const QString BordersMask = QStringLiteral("BORDERSMASK");
inline const QString ParentClass = QStringLiteral("PARENTCLASS");
inline const QString Author = QStringLiteral("AUTHOR");
inline const QString Description = QStringLiteral("DESCRIPTION");

}  // namespace SkinNames
