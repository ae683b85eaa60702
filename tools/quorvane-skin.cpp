// A tool for skin authors:
//   quorvane-skin pack DIR OUT.asz      packs "Options.dat" and the pictures of a folder
//   quorvane-skin unpack FILE.asz DIR   writes a package's entries into a folder
//   quorvane-skin info SKIN             loads a package or skin folder as the program does; prints JSON
//   quorvane-skin render --skin SKIN --section NAME [--state N] [--size WxH] [--parent RRGGBB] --out FILE.png
//                                       paints one item of a section as a control of that size would be
// A skin that cannot be read or loaded is reported on standard error with exit status 1. Every file is written
// whole beside its name and renamed over it (OutputFile).
#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <cstdio>

#include "OutputFile.h"
#include "SkinInfoJson.h"
#include "SkinRender.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinLoader.h"
#include "skin/loading/TacSkinConvertor.h"

namespace {

const QString kOptions = QStringLiteral("Options.dat");

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

void Pack(const QString& folder, const QString& output) {
    const QDir dir(folder);
    if (!QFileInfo(dir.filePath(kOptions)).isFile())
        throw SkinError(QStringLiteral("文件夹 %1 中没有 Options.dat。").arg(folder));
    // Options first, then the pictures in name order, so that the same folder always packs the same.
    std::vector<TacSkinConvertor::SourceEntry> entries{{kOptions, SkinLoader::ReadFile(dir.filePath(kOptions))}};
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (name != kOptions)
            entries.push_back({name, SkinLoader::ReadFile(dir.filePath(name))});
    }
    OutputFile::Write(output, TacSkinConvertor::Pack(entries));
}

// A stored name is written only as a plain file name inside the target folder.
void CheckEntryName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.contains(u'/') ||
        name.contains(u'\\') || name.contains(QChar(0))) {
        throw SkinError(QStringLiteral("皮肤包中的条目名“%1”不是普通文件名，已拒绝解包。").arg(name));
    }
}

void Unpack(const QString& package, const QString& folder) {
    TacSkinConvertor convertor;
    convertor.Unpack(SkinLoader::ReadFile(package));
    for (const TacImageItem& entry : convertor.Entries)
        CheckEntryName(entry.Name);
    if (!QDir().mkpath(folder))
        throw SkinError(QStringLiteral("无法创建文件夹 %1。").arg(folder));
    const QDir dir(folder);
    if (convertor.OptionsText)
        OutputFile::Write(dir.filePath(kOptions), *convertor.OptionsText);
    for (const TacImageItem& entry : convertor.Entries)
        OutputFile::Write(dir.filePath(entry.Name), entry.Bytes);
}

void Info(const QString& skin) {
    QStringList warnings;
    const SkinContent content = SkinLoader::FromPath(skin, warnings);
    for (const QString& warning : warnings)
        Print(stderr, warning);
    Print(stdout, QString::fromUtf8(QJsonDocument(SkinInfoJson::Describe(content)).toJson(QJsonDocument::Indented)));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    const bool known = (command == QLatin1String("pack") && args.size() == 3) ||
                       (command == QLatin1String("unpack") && args.size() == 3) ||
                       (command == QLatin1String("info") && args.size() == 2) || command == QLatin1String("render");
    if (!known) {
        Print(stderr, QStringLiteral("usage: quorvane-skin pack DIR OUT.asz | unpack FILE.asz DIR | info SKIN\n"
                                     "       quorvane-skin render --skin SKIN --section NAME [--state N] "
                                     "[--size WxH] [--parent RRGGBB] --out FILE.png"));
        return 2;
    }
    try {
        if (command == QLatin1String("pack"))
            Pack(args[1], args[2]);
        else if (command == QLatin1String("unpack"))
            Unpack(args[1], args[2]);
        else if (command == QLatin1String("info"))
            Info(args[1]);
        else
            SkinRender::Run(args.mid(1));
    } catch (const Exception& error) {
        Print(stderr, QStringLiteral("quorvane-skin: ") + error.Message());
        return 1;
    } catch (const std::exception& error) {
        Print(stderr,
              QStringLiteral("quorvane-skin: 意外的错误，操作没有完成。\n") + QString::fromLocal8Bit(error.what()));
        return 1;
    }
    return 0;
}
