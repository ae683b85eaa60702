#pragma once

#include <array>

// Indexes that painting asks for all the time, looked up once after every load and unload (-1 = absent).
struct SkinIndexes {
    struct Part {
        int Section = -1;
        int BordersMask = -1;
        int GlyphMask = -1;
        int Pattern = -1;
        int HotPattern = -1;
    };
    enum ScrollButton { ScrollBtnTop, ScrollBtnBottom, ScrollBtnLeft, ScrollBtnRight, ScrollSliderV, ScrollSliderH };
    enum Tab { TabTop, TabBottom, TabLeft, TabRight };
    enum ScrollBar { ScrollBar1H, ScrollBar1V, ScrollBar2H, ScrollBar2V };

    int GlobalInfo = -1;
    int BoxChecked = -1, BoxUnchecked = -1, BoxGrayed = -1;
    int RadioChecked = -1, RadioUnchecked = -1, RadioGrayed = -1;
    int SmallChecked = -1, SmallUnchecked = -1, SmallGrayed = -1;
    Part ComboBtn;
    int ComboBoxGlyph = -1;
    std::array<Part, 4> Tabs;
    std::array<Part, 6> ScrollButtons;
    std::array<Part, 4> ScrollBars;
};
