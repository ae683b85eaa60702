#pragma once

#include <vector>

#include "skin/loading/TsMaskData.h"

class OptionsStore;
class PictureSource;
class SkinContent;

// The first loader of a skin: the master bitmap, then every value of the options that describes an
// image slice, in file order. The first character of a value tells its form:
//   "!"  a picture of its own:      !NAME.BMP!images!masktype!imgtype[!left!top!right!bottom]
//   "@"  a glyph in the master:     @LLLL,TTTT,RRRR,BBBB,I,M
//   "^"  a border in the master:    ^LLLL,TTTT,RRRR,BBBB,mmmm,mmmm,mmmm,mmmm,I,M,P,W
//   "~"  a texture in the master:   ~LLLL,TTTT,RRRR,BBBB,PP,M
//   "#"  anywhere: a free-form slice of the master  #(left, top, right, bottom)(images, masktype[, width[, mode]])
//   otherwise a name containing ".BMP": a whole picture of three states with a mask row.
class MaskLoader {
public:
    // Replaces the content's master bitmap and masks, each slice fitted to its picture. A number that is
    // not one, or a master bitmap that is named but missing or unreadable, throws SkinError.
    static void Load(const OptionsStore& options, const PictureSource& pictures, SkinContent& skin);
    // Every mask as the options write it, without the master bitmap: what the skin's own drawing tool
    // needs to know where to draw.
    static std::vector<TsMaskData> ReadMasks(const OptionsStore& options, const PictureSource& pictures);
};
