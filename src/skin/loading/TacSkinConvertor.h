#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// One picture of a packed skin, unpacked.
struct TacImageItem {
    QString Name;           // as stored
    bool IsBitmap = false;  // the upper-cased extension is ".BMP"
    QByteArray Bytes;
};
using TacImageItems = std::vector<TacImageItem>;

// Unpacks a skin package (".asz"): the magic "ASzf", a signed 32-bit entry count, then per entry a
// name length, the name, the unpacked size and one zlib stream. There is no packed length: an entry
// ends where its zlib stream ends. Sizes beyond the bounds of SkinLimits are refused as damage.
class TacSkinConvertor {
public:
    static inline const QString kNotPackedMessage = QStringLiteral("Loaded data is not packed Brimstal file");

    int PictureCount = 0;
    TacImageItems Entries;
    std::optional<QByteArray> OptionsText;  // the entry "Options.dat", when the package has one

    // Replaces what the convertor held with the package's entries. Throws SkinError when the package
    // is not one or is damaged; the convertor is then empty.
    void Unpack(const QByteArray& package);
    void Clear();

    // The bytes of a package holding the given entries, each packed as one zlib stream.
    struct SourceEntry {
        QString Name;
        QByteArray Bytes;
    };
    static QByteArray Pack(const std::vector<SourceEntry>& entries);

private:
    void UnpackEntries(const QByteArray& package);
};
