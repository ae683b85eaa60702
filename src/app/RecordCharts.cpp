#include "app/RecordCharts.h"

#include "platform/ProgramModule.h"

RecordChartsModule& RecordCharts() {
    return LoadProgramModule<RecordChartsModule>(kRecordChartsModule,
                                                 QStringLiteral("无法加载学习记录的图表和打印组件“%1”：%2"));
}
