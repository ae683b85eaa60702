#pragma once

#include <QString>
#include <QUrl>

// The rules by which the browser window stays on the learner's machine, and the pages of our own that
// it shows. Shared by the window and the engine's module; nothing here touches the engine.

// Whether the engine may fetch `url`: local files and what a page makes in memory. Everything else
// would leave the machine.
bool IsLocalRequest(const QUrl& url);

// Whether a page may read the file `url` names: only files inside one of `readableFolders` (absolute
// paths ending in '/'), wherever links lead, and no other file of the machine. Other schemes are
// IsLocalRequest's to judge.
bool IsReadableFile(const QUrl& url, const QStringList& readableFolders);

// Whether `url` names a Flash movie on disk, which the browser cannot show itself.
bool IsFlashMovie(const QUrl& url);

// The page in the player folder that hosts one movie, and the address that makes it play `movie`.
QString PlayerPageFile(const QString& playerFolder);
QUrl PlayerPageUrl(const QString& playerFolder, const QUrl& movie);

// The page shown in place of a file that is not there, naming it.
QString MissingFilePage(const QString& fileName);
