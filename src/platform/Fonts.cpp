#include "platform/Fonts.h"

#include <array>
#include <filesystem>
#include <system_error>

#include <QtGlobal>

namespace {
struct FaceMapping {
    const char16_t* design;
    const char* face;
    const char* bitmapFace;  // the face to use where the bitmaps are, for sizes bitmapFrom..bitmapTo
    int bitmapFrom;
    int bitmapTo;
};

constexpr std::array kFaces{
    FaceMapping{u"宋体", "AR PL UMing CN", "AR PL UMing CN", 11, 16},
    FaceMapping{u"黑体", "WenQuanYi Zen Hei", "WenQuanYi Zen Hei", 0, -1},
    FaceMapping{u"MS Sans Serif", "WenQuanYi Zen Hei", "AR PL UMing CN", 11, 16},
};
}  // namespace

QFont MakeFont(const QString& family, int pixelSize) {
    QFont font;
    font.setFamily(family);
    font.setPixelSize(pixelSize);
    for (const FaceMapping& mapping : kFaces) {
        if (family != QString::fromUtf16(mapping.design))
            continue;
        const bool bitmap = pixelSize >= mapping.bitmapFrom && pixelSize <= mapping.bitmapTo;
        font.setFamily(QString::fromLatin1(bitmap ? mapping.bitmapFace : mapping.face));
        // Set either way: a font left without a strategy would take the parent's, and a bitmap face's
        // NoAntialias would spread to the outline faces of the controls inside it.
        font.setStyleStrategy(bitmap ? QFont::NoAntialias : QFont::PreferAntialias);
    }
    return font;
}

QString DesignFamily(const QFont& font) {
    for (const FaceMapping& mapping : kFaces) {
        if (font.family() == QLatin1String(mapping.face) || font.family() == QLatin1String(mapping.bitmapFace)) {
            return QString::fromUtf16(mapping.design);
        }
    }
    return font.family();
}

void UseProgramFontConfiguration() {
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
        return;
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return;
    const std::filesystem::path configuration = executable.parent_path() / "fonts.conf";
    // Without the file fontconfig would find no fonts at all: then the system's configuration stays.
    if (std::filesystem::exists(configuration, error))
        qputenv("FONTCONFIG_FILE", configuration.string().c_str());
}
