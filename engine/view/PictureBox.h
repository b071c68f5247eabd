#pragma once
// A picture that reports presses and drags with a button held in its own pixel coordinates: the
// syringe drawing ("frm_Kolben") and the piston ("pic_Schieber").
#include <QPixmap>
#include <QWidget>

namespace vozavero {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QPixmap& picture, QWidget* parent = nullptr);
    const QPixmap& picture() const { return picture_; }

signals:
    /// A mouse press, or a move with a button held, at x, y in this widget's pixels.
    void pointer(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Touches and pen strokes act as mouse presses and drags (see PointerInput.h).
    bool event(QEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace vozavero
