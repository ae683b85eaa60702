#include "browse/LocalContent.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace {
const QString kMovieKey = QStringLiteral("movie");
}

bool IsLocalRequest(const QUrl& url) {
    static const QStringList local = {QStringLiteral("file"), QStringLiteral("data"), QStringLiteral("blob"),
                                      QStringLiteral("about")};
    return local.contains(url.scheme(), Qt::CaseInsensitive);
}

bool IsReadableFile(const QUrl& url, const QStringList& readableFolders) {
    if (!url.isLocalFile()) {
        return true;
    }
    // Links are followed on both sides, so neither a link inside a folder nor ".." leads out of it.
    const auto resolved = [](const QString& path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
    };
    const QString file = resolved(url.toLocalFile());
    return std::any_of(readableFolders.begin(), readableFolders.end(),
                       [&](const QString& folder) { return file.startsWith(resolved(folder) + u'/'); });
}

bool IsFlashMovie(const QUrl& url) {
    return url.isLocalFile() && url.path().endsWith(QLatin1String(".swf"), Qt::CaseInsensitive);
}

QString PlayerPageFile(const QString& playerFolder) {
    return playerFolder + QStringLiteral("player.htm");
}

QUrl PlayerPageUrl(const QString& playerFolder, const QUrl& movie) {
    QUrl page = QUrl::fromLocalFile(PlayerPageFile(playerFolder));
    page.setQuery(kMovieKey + '=' + QString::fromLatin1(QUrl::toPercentEncoding(movie.toString(QUrl::FullyEncoded))));
    return page;
}

QString MissingFilePage(const QString& fileName) {
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>找不到文件</title><style>"
               "body{margin:0;font-family:sans-serif;background:#f4f6f9;color:#1d2733}"
               "main{max-width:36em;margin:12vh auto;padding:2em 2.5em;background:#fff;border-top:6px solid #c0392b;"
               "box-shadow:0 2px 8px rgba(0,0,0,.12)}"
               "h1{font-size:1.4em;margin:0 0 .8em}code{display:block;padding:.6em;background:#f0f0f0;"
               "word-break:break-all}</style></head><body><main><h1>找不到要打开的文件</h1>"
               "<p>本窗口要显示的文件不存在：</p><code>%1</code>"
               "<p>请检查本程序的文件夹是否完整，必要时重新安装本程序。</p></main></body></html>")
        .arg(fileName.toHtmlEscaped());
}
