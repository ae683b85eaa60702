#include "app/RecordCharts.h"

#include <QPluginLoader>

#include "platform/AppDir.h"
#include "platform/Exception.h"

RecordChartsModule& RecordCharts() {
    // The loader keeps the module loaded and hands back the same instance on every call.
    const QString fileName = FileSystemPath(AppDir() + kRecordChartsModule);
    QPluginLoader loader(fileName);
    auto* charts = qobject_cast<RecordChartsModule*>(loader.instance());
    if (charts == nullptr)
        throw Exception(QStringLiteral("无法加载学习记录的图表和打印组件“%1”：%2").arg(fileName, loader.errorString()));
    return *charts;
}
