#pragma once

#include <QWebEngineUrlRequestInterceptor>
#include <optional>

#include <QStringList>

// Blocks every request of the engine that would leave the learner's machine (IsLocalRequest) and,
// given readable folders, every file outside them (IsReadableFile). The profile's interceptor guards
// the schemes of every page; each page's own adds its folders.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    LocalOnlyInterceptor(std::optional<QStringList> readableFolders, QObject* parent)
        : QWebEngineUrlRequestInterceptor(parent), readableFolders_(std::move(readableFolders)) {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    std::optional<QStringList> readableFolders_;
};
