#include "SkinRender.h"

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <map>

#include "OutputFile.h"
#include "platform/Exception.h"
#include "skin/loading/SkinLoader.h"
#include "skin/raster/ItemPainter.h"

namespace {

// Big enough for any window; a larger size is a typing mistake, not a preview.
constexpr int kMaxSide = 10000;

std::map<QString, QString> ReadOptions(const QStringList& words) {
    static const QStringList known{QStringLiteral("--skin"), QStringLiteral("--section"), QStringLiteral("--state"),
                                   QStringLiteral("--size"), QStringLiteral("--parent"),  QStringLiteral("--out")};
    std::map<QString, QString> options;
    for (qsizetype i = 0; i < words.size(); i += 2) {
        if (!known.contains(words[i]))
            throw Exception(QStringLiteral("未知的选项“%1”。").arg(words[i]));
        if (i + 1 >= words.size())
            throw Exception(QStringLiteral("选项 %1 缺少值。").arg(words[i]));
        if (!options.emplace(words[i], words[i + 1]).second)
            throw Exception(QStringLiteral("选项 %1 重复出现。").arg(words[i]));
    }
    for (const char* required : {"--skin", "--section", "--out"}) {
        if (!options.count(QLatin1String(required)))
            throw Exception(QStringLiteral("缺少选项 %1。").arg(QLatin1String(required)));
    }
    return options;
}

int ReadState(const QString& text) {
    bool ok = false;
    const int state = text.toInt(&ok);
    if (!ok || state < 0)
        throw Exception(QStringLiteral("状态“%1”不是 0 或更大的整数。").arg(text));
    return state;
}

QSize ReadSize(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    const QSize size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxSide || size.height() > kMaxSide)
        throw Exception(QStringLiteral("尺寸“%1”应写作 宽x高，各为 1 到 %2 像素。").arg(text).arg(kMaxSide));
    return size;
}

// Written red first, as colour pickers show it; skin colours keep red in the lowest byte.
int ReadColor(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    if (!pattern.match(text).hasMatch())
        throw Exception(QStringLiteral("颜色“%1”应为六位十六进制数 RRGGBB。").arg(text));
    const int rgb = text.toInt(nullptr, 16);
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

}  // namespace

void SkinRender::Run(const QStringList& words) {
    const std::map<QString, QString> options = ReadOptions(words);
    const auto value = [&](const char* name, const char* fallback) {
        const auto found = options.find(QLatin1String(name));
        return found == options.end() ? QString::fromLatin1(fallback) : found->second;
    };
    const int state = ReadState(value("--state", "0"));
    const QSize size = ReadSize(value("--size", "75x25"));
    const int parent = ReadColor(value("--parent", "FFFFFF"));

    QStringList warnings;
    const SkinContent skin = SkinLoader::FromPath(value("--skin", ""), warnings);
    // Controls keep their section names in upper case.
    const QString section = value("--section", "").toUpper();
    const SectionLook look = SectionLook::For(skin, section);
    if (look.SectionIdx < 0)
        throw Exception(QStringLiteral("皮肤中没有段“%1”。").arg(section));

    QImage picture(size, QImage::Format_RGB888);
    picture.fill(Pixels::ToQColor(parent));
    BackgroundInfo background;
    background.PlainColor = parent;
    ItemPainter::PaintItem(skin, look, background, true, state, picture, {0, 0}, picture.rect());

    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    OutputFile::Write(value("--out", ""), png.data());
}
