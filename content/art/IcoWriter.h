#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes a Windows icon file holding each image PNG-compressed, which every current Windows reads.
class IcoWriter {
public:
    static bool write(const QString& path, const QList<QImage>& images);
};
