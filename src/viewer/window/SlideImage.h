#pragma once
// The slide show's picture control: it draws the picture it holds stretched to its own
// bounds. The show hands it a copy already reduced to those bounds at the screen's device
// pixels, so a paint only copies.

#include <QImage>
#include <QWidget>

class TSlideImage : public QWidget {
public:
    explicit TSlideImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
