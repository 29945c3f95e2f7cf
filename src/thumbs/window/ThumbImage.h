#pragma once
// TImage: a picture control of the board, a thumbnail or the highlight frame. It shows
// its picture stretched to its own size; a thumbnail whose pixels have not arrived shows
// a plain placeholder, and one whose file turned out damaged a cross. Its mouse presses
// and double clicks go to the handlers the board gives it.

#include <QImage>
#include <QWidget>

#include <functional>

class TImage : public QWidget {
    Q_OBJECT
public:
    using THandler = std::function<void()>;

    explicit TImage(QWidget* parent);

    // The picture shown; a null one shows the placeholder.
    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    // A file that could not be decoded after its header was read.
    void SetDamaged();
    bool Damaged() const { return damaged_; }

    THandler OnMouseDown;
    THandler OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool damaged_ = false;
};
