#include "skin/loading/GradientStep.h"

#include <QStringList>
#include <algorithm>

#include "skin/loading/SkinNumbers.h"

TsGradArray ParseGradientData(const QString& data, const QString& where) {
    const QStringList parts = data.split(u';', Qt::SkipEmptyParts);
    TsGradArray steps;
    for (qsizetype i = 0; i + 5 <= parts.size(); i += 5) {
        GradientStep step;
        step.FromColor = SkinNumbers::Require(parts[i], where);
        step.ToColor = SkinNumbers::Require(parts[i + 1], where);
        // The share is a byte that never exceeds the whole surface.
        step.Share = std::clamp(SkinNumbers::Require(parts[i + 2], where), 0, 100);
        step.Direction = SkinNumbers::Require(parts[i + 3], where);
        steps.push_back(step);
    }
    return steps;
}
