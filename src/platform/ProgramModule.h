#pragma once

#include <QPluginLoader>
#include <QString>

#include "platform/AppDir.h"
#include "platform/Exception.h"

// The instance of the plugin module `name` in the program folder, loaded at the first call and kept loaded: the
// loader hands back the same instance on every call. Raises Exception with `failure`, its %1 the module's file and
// %2 the loader's reason, when the module cannot be loaded or is not an `Interface`.
template <typename Interface>
Interface& LoadProgramModule(const QString& name, const QString& failure) {
    const QString fileName = FileSystemPath(AppDir() + name);
    QPluginLoader loader(fileName);
    auto* instance = qobject_cast<Interface*>(loader.instance());
    if (instance == nullptr)
        throw Exception(failure.arg(fileName, loader.errorString()));
    return *instance;
}
