#include "browse/LocalOnlyInterceptor.h"

#include "browse/LocalContent.h"

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!IsLocalRequest(info.requestUrl()))
        info.block(true);
}
