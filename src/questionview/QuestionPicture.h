#pragma once

#include <QImage>
#include <QString>

// Loads the picture of a question: AppDir + "image\" + the name in column bmp. The extension, in any case,
// chooses the decoder: bmp, jpg, jpeg, png or ico. Banks made on Windows name their pictures without
// regard to case, so a name that does not match exactly is looked up case-insensitively in image\.
// Raises Exception with "Unknown picture file extension (.ext)" for other extensions (metafiles get a
// message of their own), and "Cannot open file "<path>". <reason>" when the file cannot be read or
// decoded.
QImage LoadQuestionPicture(const QString& bmp);
