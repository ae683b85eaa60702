#pragma once

#include <QString>

// What ties a skinned control to its section of the skin. Section names are kept in upper case; a
// control without one belongs to "UNKNOWN".
class TsCommonData {
public:
    explicit TsCommonData(const QString& section) { SetSkinSection(section); }

    const QString& SkinSection() const { return skinSection_; }
    void SetSkinSection(const QString& section) {
        skinSection_ = section.isEmpty() ? QStringLiteral("UNKNOWN") : section.toUpper();
    }

private:
    QString skinSection_;
};
