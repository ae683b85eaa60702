#pragma once

#include <QString>
#include <vector>

#include "skin/loading/GradientStep.h"

// One section of a skin: how one kind of surface ("BUTTON", "EDIT", "FORM", …) looks. Colours are
// 24-bit with red in the lowest byte; -1 means "none" for the text contour colours.
struct TsGeneralData {
    QString ParentClass;
    QString Name;
    int Color = 16777215;
    int FontColor = 0;
    int TCLeft = -1, TCTop = -1, TCRight = -1, TCBottom = -1;
    int HotFontColor = 0;
    int HotTCLeft = -1, HotTCTop = -1, HotTCRight = -1, HotTCBottom = -1;
    bool GiveOwnFont = false;
    int GlowCount = 0;
    int GlowMargin = 0;
    bool ReservedBoolean = false;
    int Transparency = 0;
    int GradientPercent = 0;
    QString GradientData = QStringLiteral(" ");
    TsGradArray GradientSteps;
    int ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int FadingIterations = 5;
    int HotColor = 16777215;
    int HotTransparency = 0;
    int HotGradientPercent = 0;
    QString HotGradientData;
    TsGradArray HotGradientSteps;
    int HotImagePercent = 0;
    int BorderMaskIndex = -1;
    int ImgTopLeft = -1, ImgTopRight = -1, ImgBottomLeft = -1, ImgBottomRight = -1;

    // The keys of the options text, declared once for the loader and for everything that lists the
    // fields. Defaults are those of a freshly made record.
    template <typename T>
    struct Key {
        const char* OptionKey;
        T TsGeneralData::*Field;
        const char* FieldName;
        bool IsColor = false;
    };
    static const std::vector<Key<int>>& IntegerKeys();
    static const std::vector<Key<bool>>& BooleanKeys();
    static const std::vector<Key<QString>>& StringKeys();
};
using TsGeneralDataArray = std::vector<TsGeneralData>;
