#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures whose format is known beforehand (by name, or by the file's extension) are read by that format's
// own reader. Guessing from the contents loads every image plugin of the system to let each have a look, so
// that is left for the pictures the named reader cannot read.
QImage ReadImageAs(const QString& path, const QByteArray& format);
QImage ImageFromBytesAs(const QByteArray& bytes, const QByteArray& format);
