#pragma once

#include <QImage>
#include <QWidget>

// The photo of the main window (objectName "Image1"). It draws its picture stretched over its own
// rectangle, which may be larger than the window while zoomed: only the visible part is drawn.
// Mouse events are handed on as signals, positions in pixels relative to the photo.
class ImagePhoto : public QWidget {
    Q_OBJECT
public:
    explicit ImagePhoto(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    void effacer();

signals:
    void appui(Qt::MouseButton bouton, QPoint position);
    void deplacement(QPoint position);
    void relache(Qt::MouseButton bouton, QPoint position);
    void clic();
    void doubleClic();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool appuye_ = false;
};
