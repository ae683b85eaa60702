#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "skin/loading/SkinContent.h"
#include "skin/loading/SkinLimits.h"

class OptionsStore;
class PictureSource;

// Turns a skin, packed or loose, into a new SkinContent: masks, then patterns, then sections. Any
// fault of the skin throws SkinError and leaves nothing behind; so does a load that runs out of memory.
class SkinLoader {
public:
    struct Settings {
        int HueOffset = 0;
        int Saturation = 0;
    };

    // A package read into memory; `skinFolder` is where loose files would be (it ends in a separator).
    static SkinContent FromPackage(const QByteArray& package, const QString& skinFolder, const Settings& settings,
                                   QStringList& warnings);
    // A skin folder whose "Options.dat" holds `optionsText`; pictures are read from `skinFolder`.
    static SkinContent FromFolder(const QByteArray& optionsText, const QString& skinFolder, const Settings& settings,
                                  QStringList& warnings);

    // The whole file, or a SkinError saying why it cannot be read or that it is larger than `limit`.
    static QByteArray ReadFile(const QString& path, qint64 limit = SkinLimits::kPackageBytes);

    // Reads the package file or the folder holding "Options.dat" (as skin authors name a skin).
    static SkinContent FromPath(const QString& path, QStringList& warnings);

private:
    static SkinContent Build(const OptionsStore& options, const PictureSource& pictures, const QString& skinFolder,
                             const Settings& settings, QStringList& warnings);
};
