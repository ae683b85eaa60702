#pragma once

#include <QImage>
#include <QString>
#include <vector>

// A large background picture, tiled rather than sliced. Names are kept in upper case.
struct TsPatternData {
    QImage Photo;
    QString SectionName;
    QString PropertyName;
};
using TsPatternArray = std::vector<TsPatternData>;
