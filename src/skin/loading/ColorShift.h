#pragma once

class SkinContent;

// Turns a loaded skin's hues by `hueOffset` degrees and scales its saturation by `saturation` per cent
// (-100 grey … +100 double), in section colours and in every picture. Transparent magenta and
// "no colour" values stay as they are.
class ColorShift {
public:
    static void Apply(SkinContent& skin, int hueOffset, int saturation);
    // One colour, red in the lowest byte.
    static int Shift(int color, int hueOffset, int saturation);
};
