#pragma once

#include <QString>

// Names of skin sections and section keys that more than one part of the program looks up, the engine or
// the windows that give their controls a section; each is spelled here once.
namespace SkinNames {

// Sections.
inline const QString GlobalInfo = QStringLiteral("GLOBALINFO");
inline const QString Unknown = QStringLiteral("UNKNOWN");
inline const QString Form = QStringLiteral("FORM");
inline const QString FormTitle = QStringLiteral("FORMTITLE");
inline const QString Edit = QStringLiteral("EDIT");
inline const QString Panel = QStringLiteral("PANEL");
inline const QString Toolbar = QStringLiteral("TOOLBAR");
inline const QString Button = QStringLiteral("BUTTON");
inline const QString ButtonBig = QStringLiteral("BUTTON_BIG");
inline const QString ButtonHuge = QStringLiteral("BUTTON_HUGE");
inline const QString ToolButton = QStringLiteral("TOOLBUTTON");
// A button that looks like a link: its caption is underlined while hot.
inline const QString WebButton = QStringLiteral("WEBBUTTON");

// Keys of a section.
inline const QString Pattern = QStringLiteral("PATTERN");
inline const QString HotPattern = QStringLiteral("HOTPATTERN");
inline const QString BordersMask = QStringLiteral("BORDERSMASK");
inline const QString ParentClass = QStringLiteral("PARENTCLASS");
inline const QString Author = QStringLiteral("AUTHOR");
inline const QString Description = QStringLiteral("DESCRIPTION");

}  // namespace SkinNames
