#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Blocks every request of the engine that would leave the learner's machine (IsLocalRequest).
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
