#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture box: shows one picture, optionally centred, optionally with the colour of its bottom-left
// pixel left out so that the parent shows through, optionally sized to the picture. The modes are set
// before the picture: the box keeps only the prepared picture, not a second copy of the original.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    void SetCenter(bool center) { center_ = center; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    void SetPicture(QImage picture);
    // The picture as shown: with the transparent colour made transparent.
    QImage Picture() const { return shown_.toImage(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap shown_;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};
