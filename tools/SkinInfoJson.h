#pragma once

#include <QJsonObject>

class SkinContent;

// A loaded skin described for skin authors: the global facts, every section with every field, the
// masks and the patterns, in loading order, under the data model's own field names.
class SkinInfoJson {
public:
    static QJsonObject Describe(const SkinContent& skin);
};
