#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <optional>

class TacSkinConvertor;

// Where the pictures named by a skin's options come from: the entries of an unpacked package, or the
// files of the skin's folder.
class PictureSource {
public:
    // From a package: entries are found by their upper-cased name.
    explicit PictureSource(const TacSkinConvertor& package);
    // From a folder: a name without ":" is taken inside `skinFolder` (which ends in a separator).
    explicit PictureSource(QString skinFolder);

    // The bytes of the entry whose upper-cased name equals `name`, or of the file `name`.
    std::optional<QByteArray> Bytes(const QString& name) const;
    // The picture decoded, or a null image when it is missing or unreadable. A picture beyond the bounds
    // of SkinLimits, alone or with those decoded before it, throws SkinError; a file beyond them too.
    QImage Picture(const QString& name, const char* format = nullptr) const;

private:
    std::optional<QByteArray> FileBytes(const QString& name) const;
    static void CheckSize(const QString& name, QSize size);

    const TacSkinConvertor* package_ = nullptr;
    QHash<QString, qsizetype> entryByUpperName_;
    QString skinFolder_;
    mutable qint64 pixelsDecoded_ = 0;  // by this source so far
};
