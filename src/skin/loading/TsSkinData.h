#pragma once

#include <QString>
#include <vector>

// What a skin says about itself as a whole (section "GLOBALINFO"), and where its loose files are.
struct TsSkinData {
    QString SkinFolder;
    bool SkinReady = false;  // painting treats the skin as absent while this is false
    double Version = 0;
    QString Author;
    QString Description;
    int Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    int BorderColor = 0;
    int BISpace = 0;
    int BIVAlign = 0;
    int BIRight = 0;
    int BILeft = 0;
    int BICloseGlow = 0, BICloseGlowMargin = 0;
    int BIMaxGlow = 0, BIMaxGlowMargin = 0;
    int BIMinGlow = 0, BIMinGlowMargin = 0;

    // The integer facts and their keys, declared once for the loader and for listings.
    struct IntegerKey {
        const char* OptionKey;
        int TsSkinData::*Field;
        int Default;
        const char* FieldName;
    };
    static const std::vector<IntegerKey>& IntegerKeys();
};
