#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// A picture box: shows one picture, optionally centred, optionally with the colour of its bottom-left
// pixel left out so that the parent shows through, optionally sized to the picture.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    void SetCenter(bool center);
    void SetTransparent(bool transparent);
    void SetAutoSize(bool autoSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Prepare();

    QImage picture_;
    QPixmap shown_;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};
