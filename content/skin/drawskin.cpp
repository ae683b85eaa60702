// Makes the skin "s" from its options text: draws the master bitmap slices where the options place
// them and the pictures they name, and writes everything into one folder ready to pack.
//   drawskin SOURCE_OPTIONS OUTPUT_DIR
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <cstdio>

#include "SkinArtist.h"
#include "platform/GbkText.h"
#include "skin/loading/MaskLoader.h"
#include "skin/loading/OptionsStore.h"
#include "skin/loading/PictureSource.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "drawskin: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The names of pictures in the options, however they are written ("!NAME.PNG!…", "name.bmp", "NAME.JPG").
QStringList NamedPictures(const OptionsStore& options) {
    static const QRegularExpression picture(QStringLiteral("([A-Za-z0-9_]+\\.(BMP|PNG|JPG))"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const OptionsStore::Section& section : options.Sections()) {
        for (const OptionsStore::Line& line : section.Lines) {
            const QRegularExpressionMatch match = picture.match(line.Value);
            if (match.hasMatch() && !names.contains(match.captured(1).toUpper()))
                names << match.captured(1).toUpper();
        }
    }
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return Fail(QStringLiteral("usage: drawskin SOURCE_OPTIONS OUTPUT_DIR"));
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(source.fileName()));
    const QString text = QString::fromUtf8(source.readAll());
    const QByteArray gbk =
        EncodeGbk(QString(text).replace(QRegularExpression(QStringLiteral("\r?\n")), QStringLiteral("\r\n")));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral(".")))
        return Fail(QStringLiteral("cannot create %1").arg(out.path()));

    const OptionsStore options = OptionsStore::Parse(gbk);
    // The slices of the master bitmap, as the loader reads them (pictures of their own are not there yet).
    const std::vector<TsMaskData> slices =
        MaskLoader::ReadMasks(options, PictureSource(out.filePath(QStringLiteral("no-pictures/"))));
    QRect bounds;
    for (const TsMaskData& mask : slices)
        bounds |= QRect(mask.Slice.Left, mask.Slice.Top, mask.Slice.Width(), mask.Slice.Height());
    QImage master = SkinArtist::NewMaster(bounds);
    for (const TsMaskData& mask : slices)
        SkinArtist::DrawSlice(master, mask);

    const QString masterName = options.ReadString(QStringLiteral("GLOBALINFO"), QStringLiteral("MASTERBITMAP"), {});
    for (const QString& name : NamedPictures(options)) {
        const QImage picture = name == masterName ? master : SkinArtist::NamedPicture(name);
        if (picture.isNull())
            return Fail(QStringLiteral("the options name %1, which drawskin does not draw").arg(name));
        if (!picture.save(out.filePath(name)))
            return Fail(QStringLiteral("cannot write %1").arg(out.filePath(name)));
    }
    QFile written(out.filePath(QStringLiteral("Options.dat")));
    if (!written.open(QIODevice::WriteOnly) || written.write(gbk) != gbk.size())
        return Fail(QStringLiteral("cannot write %1").arg(written.fileName()));
    return 0;
}
