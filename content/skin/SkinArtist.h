#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

struct TsMaskData;

// Draws the pictures of the skin "s": every slice of the master bitmap by what its key is for, and
// the pictures that the options name by file.
class SkinArtist {
public:
    // The master bitmap big enough for every slice, transparent magenta everywhere else.
    static QImage NewMaster(const QRect& bounds);
    // One slice of the master, drawn by its section and key.
    static void DrawSlice(QImage& master, const TsMaskData& mask);
    // A picture named by the options ("FORMFRAME.BMP", …); null for a name the skin does not use.
    static QImage NamedPicture(const QString& name);
};
