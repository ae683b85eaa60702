#include "browse/LocalOnlyInterceptor.h"

#include "browse/LocalContent.h"

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl& url = info.requestUrl();
    if (!IsLocalRequest(url) || (readableFolders_ && !IsReadableFile(url, *readableFolders_)))
        info.block(true);
}
