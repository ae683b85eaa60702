#pragma once

class QImage;
class QSize;
class QString;
class QTextCursor;
class TsMemo;

// Pictures inside the text of a memo. A memo lays out plain text; once pictures are allowed in it, a picture
// inserted at a cursor shows on the text's line at its own size.
namespace MemoPictures {

void Allow(TsMemo* memo);
// Inserts `picture` under `name`, made smaller to fit `largest` where it is larger. One name shows one picture.
void Insert(QTextCursor& cursor, const QString& name, const QImage& picture, const QSize& largest);

}  // namespace MemoPictures
