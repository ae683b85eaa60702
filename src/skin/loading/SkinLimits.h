#pragma once

#include <QtGlobal>
#include <cstddef>

// What one skin may ask of the machine. A skin is a few hundred kilobytes of pictures and a text of some
// tens; the bounds leave room many times over, and a skin beyond them is refused before anything of its
// size is reserved.
namespace SkinLimits {

// A package file, and everything its entries unpack to together.
constexpr qint64 kPackageBytes = 64 * 1024 * 1024;
// One entry of a package, or one picture file of a skin folder.
constexpr qint64 kEntryBytes = 32 * 1024 * 1024;
// The options text, packed or loose.
constexpr qint64 kOptionsBytes = 1024 * 1024;
constexpr std::size_t kSections = 10000;
// One decoded picture, and all the pictures one load decodes together.
constexpr qint64 kPicturePixels = 16 * 1024 * 1024;
constexpr qint64 kLoadPixels = 48 * 1024 * 1024;
// A glow window lies this much at most outside or inside its control's edge.
constexpr int kGlowMargin = 100;
// A label's shadow lies at most this far from its text, and is blurred in at most this many passes.
constexpr int kShadowReach = 32;

}  // namespace SkinLimits
