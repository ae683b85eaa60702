#include "skin/loading/TsSkinData.h"

const std::vector<TsSkinData::IntegerKey>& TsSkinData::IntegerKeys() {
    static const std::vector<IntegerKey> keys = {
        {"SHADOW1COLOR", &TsSkinData::Shadow1Color, 0, "Shadow1Color"},
        {"SHADOW1OFFSET", &TsSkinData::Shadow1Offset, 0, "Shadow1Offset"},
        {"SHADOW1BLUR", &TsSkinData::Shadow1Blur, -1, "Shadow1Blur"},
        {"SHADOW1TRANSPARENCY", &TsSkinData::Shadow1Transparency, 0, "Shadow1Transparency"},
        {"BORDERCOLOR", &TsSkinData::BorderColor, 0, "BorderColor"},
        {"BISPACE", &TsSkinData::BISpace, 0, "BISpace"},
        {"BIVALIGN", &TsSkinData::BIVAlign, 0, "BIVAlign"},
        {"BIRIGHT", &TsSkinData::BIRight, 0, "BIRight"},
        {"BILEFT", &TsSkinData::BILeft, 0, "BILeft"},
        {"BICONCLOSEGLOW", &TsSkinData::BICloseGlow, 0, "BICloseGlow"},
        {"BICONCLOSEGLOWMARGIN", &TsSkinData::BICloseGlowMargin, 0, "BICloseGlowMargin"},
        {"BICONMAXGLOW", &TsSkinData::BIMaxGlow, 0, "BIMaxGlow"},
        {"BICONMAXGLOWMARGIN", &TsSkinData::BIMaxGlowMargin, 0, "BIMaxGlowMargin"},
        {"BICONMINGLOW", &TsSkinData::BIMinGlow, 0, "BIMinGlow"},
        {"BICONMINGLOWMARGIN", &TsSkinData::BIMinGlowMargin, 0, "BIMinGlowMargin"},
    };
    return keys;
}
