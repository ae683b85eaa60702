// Feeds arbitrary bytes to the skin loader: as a package (unpacking, then the options parser, the
// mask rules and every other loader over its entries), and as a loose options text (the parser and
// the mask rules alone). A load may fail only with SkinError.
#include <QCoreApplication>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "skin/loading/SkinError.h"
#include "skin/loading/SkinLoader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Picture decoders are found through the application object.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList warnings;
    try {
        if (bytes.startsWith("ASzf")) {
            SkinContent skin = SkinLoader::FromPackage(bytes, QStringLiteral("/nonexistent/"), {}, warnings);
            skin.RebuildCachedIndexes();
        } else {
            SkinLoader::FromFolder(bytes, QStringLiteral("/nonexistent/"), {}, warnings);
        }
    } catch (const SkinError&) {
        // A clean refusal is the expected outcome for most inputs.
    }
    return 0;
}
