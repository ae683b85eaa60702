#include "platform/GbkText.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Exception.h"

namespace {

constexpr const char* kCharset = "GB18030";

// Runs input through one iconv conversion. Input that cannot be converted is skipped one unit
// (unitSize bytes) at a time, each skipped unit adding `replacement` to the output, so one bad spot
// never ends the conversion.
QByteArray Convert(const char* toCharset, const char* fromCharset, const QByteArray& input, qsizetype unitSize,
                   const QByteArray& replacement) {
    const iconv_t opened = iconv_open(toCharset, fromCharset);
    // iconv_open reports failure as the address (iconv_t)-1.
    if (reinterpret_cast<intptr_t>(opened) == -1) {
        // Only a broken C library installation lacks these converters.
        throw Exception(QString("No text conversion from %1 to %2").arg(fromCharset, toCharset));
    }
    const std::unique_ptr<void, int (*)(iconv_t)> cd(opened, iconv_close);
    QByteArray output;
    char buffer[4096];
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const bool failed = iconv(cd.get(), &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1);
        // E2BIG only means the buffer is full; it is drained here and the next round carries on.
        const bool badInput = failed && errno != E2BIG;
        output.append(buffer, out - buffer);
        if (badInput) {
            // EILSEQ (a bad sequence) or EINVAL (a sequence cut short by the end of the input).
            const size_t skip = std::min(inLeft, static_cast<size_t>(unitSize));
            in += skip;
            inLeft -= skip;
            output.append(replacement);
        }
    }
    return output;
}

}  // namespace

QByteArray EncodeGbk(const QString& text) {
    // wchar_t is one UCS-4 code point on this platform, so a skipped unit is exactly one character.
    const std::wstring wide = text.toStdWString();
    const QByteArray input(reinterpret_cast<const char*>(wide.data()),
                           static_cast<qsizetype>(wide.size() * sizeof(wchar_t)));
    return Convert(kCharset, "WCHAR_T", input, sizeof(wchar_t), "?");
}

QString DecodeGbk(const QByteArray& bytes) {
    return QString::fromUtf8(Convert("UTF-8", kCharset, bytes, 1, QString(QChar::ReplacementCharacter).toUtf8()));
}
