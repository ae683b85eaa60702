#pragma once

#include <QString>
#include <QStringList>
#include <exception>
#include <optional>

#include "skin/loading/SkinContent.h"
#include "skin/loading/SkinLoader.h"

// A skin read by name: from its package "<name>.asz" in the directory, else from the folder of that name.
struct FetchedSkin {
    bool Packed = false;
    QStringList Warnings;
    std::optional<SkinContent> Content;  // nothing when neither package nor folder exists
    std::exception_ptr Error;            // a skin that exists but cannot be read
};

namespace SkinFetch {

// Reads the skin `name` of `directory`; `resolved` is the directory made absolute, where a folder is looked for.
FetchedSkin Load(const QString& directory, const QString& name, const QString& resolved, SkinLoader::Settings settings);
// Starts reading that skin, with the default colour settings, on a worker thread; a load started before and
// not taken is dropped.
void Start(const QString& directory, const QString& name, const QString& resolved);
// The started load of that skin, once it is done, when it was started for the same settings; nothing
// otherwise (a load for another skin is dropped).
std::optional<FetchedSkin> Take(const QString& directory, const QString& name, SkinLoader::Settings settings);

}  // namespace SkinFetch
