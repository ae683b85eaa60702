#pragma once

class OptionsStore;
class PictureSource;
class SkinContent;

// The second loader of a skin: every value naming a JPEG. A picture of at least 90000 pixels becomes a
// pattern, tiled as it is; a smaller one becomes a texture mask of its own.
class PatternLoader {
public:
    static constexpr int kMinPatternPixels = 90000;

    static void Load(const OptionsStore& options, const PictureSource& pictures, SkinContent& skin);
};
