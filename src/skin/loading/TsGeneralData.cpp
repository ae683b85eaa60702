#include "skin/loading/TsGeneralData.h"

const std::vector<TsGeneralData::Key<int>>& TsGeneralData::IntegerKeys() {
    static const std::vector<Key<int>> keys = {
        {"COLOR", &TsGeneralData::Color, "Color", true},
        {"FONTCOLOR", &TsGeneralData::FontColor, "FontColor", true},
        {"TCLEFT", &TsGeneralData::TCLeft, "TCLeft", true},
        {"TCTOP", &TsGeneralData::TCTop, "TCTop", true},
        {"TCRIGHT", &TsGeneralData::TCRight, "TCRight", true},
        {"TCBOTTOM", &TsGeneralData::TCBottom, "TCBottom", true},
        {"HOTFONTCOLOR", &TsGeneralData::HotFontColor, "HotFontColor", true},
        {"HOTTCLEFT", &TsGeneralData::HotTCLeft, "HotTCLeft", true},
        {"HOTTCTOP", &TsGeneralData::HotTCTop, "HotTCTop", true},
        {"HOTTCRIGHT", &TsGeneralData::HotTCRight, "HotTCRight", true},
        {"HOTTCBOTTOM", &TsGeneralData::HotTCBottom, "HotTCBottom", true},
        {"GLOW", &TsGeneralData::GlowCount, "GlowCount"},
        {"GLOWMARGIN", &TsGeneralData::GlowMargin, "GlowMargin"},
        {"TRANSPARENCY", &TsGeneralData::Transparency, "Transparency"},
        {"GRADIENTPERCENT", &TsGeneralData::GradientPercent, "GradientPercent"},
        {"IMAGEPERCENT", &TsGeneralData::ImagePercent, "ImagePercent"},
        {"FADINGITERATIONS", &TsGeneralData::FadingIterations, "FadingIterations"},
        {"HOTCOLOR", &TsGeneralData::HotColor, "HotColor", true},
        {"HOTTRANSPARENCY", &TsGeneralData::HotTransparency, "HotTransparency"},
        {"HOTGRADIENTPERCENT", &TsGeneralData::HotGradientPercent, "HotGradientPercent"},
        {"HOTIMAGEPERCENT", &TsGeneralData::HotImagePercent, "HotImagePercent"},
    };
    return keys;
}

const std::vector<TsGeneralData::Key<bool>>& TsGeneralData::BooleanKeys() {
    static const std::vector<Key<bool>> keys = {
        {"GIVEOWNFONT", &TsGeneralData::GiveOwnFont, "GiveOwnFont"},
        {"RESERVEDBOOLEAN", &TsGeneralData::ReservedBoolean, "ReservedBoolean"},
        {"SHOWFOCUS", &TsGeneralData::ShowFocus, "ShowFocus"},
        {"FADINGENABLED", &TsGeneralData::FadingEnabled, "FadingEnabled"},
    };
    return keys;
}

const std::vector<TsGeneralData::Key<QString>>& TsGeneralData::StringKeys() {
    static const std::vector<Key<QString>> keys = {
        {"GRADIENTDATA", &TsGeneralData::GradientData, "GradientData"},
        {"HOTGRADIENTDATA", &TsGeneralData::HotGradientData, "HotGradientData"},
    };
    return keys;
}
