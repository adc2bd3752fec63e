#include "ImagePhoto.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

ImagePhoto::ImagePhoto(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImagePhoto::setImage(const QImage& image) {
    image_ = image;
    update();
}

void ImagePhoto::effacer() {
    image_ = QImage();
    update();
}

void ImagePhoto::paintEvent(QPaintEvent* event) {
    if (image_.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter peintre(this);
    if (image_.size() == size()) {
        peintre.drawImage(event->rect(), image_, event->rect());
        return;
    }
    // Only the exposed part of a zoomed photo is scaled.
    const QRectF cible = QRectF(event->rect()).intersected(QRectF(rect()));
    const double sx = double(image_.width()) / width();
    const double sy = double(image_.height()) / height();
    const QRectF source(cible.x() * sx, cible.y() * sy, cible.width() * sx, cible.height() * sy);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform);
    peintre.drawImage(cible, image_, source);
}

void ImagePhoto::mousePressEvent(QMouseEvent* event) {
    appuye_ = true;
    emit appui(event->button(), event->position().toPoint());
}

void ImagePhoto::mouseMoveEvent(QMouseEvent* event) {
    emit deplacement(event->position().toPoint());
}

void ImagePhoto::mouseReleaseEvent(QMouseEvent* event) {
    emit relache(event->button(), event->position().toPoint());
    // A click is a press and a release of the left button over the photo.
    if (appuye_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clic();
    appuye_ = false;
}

void ImagePhoto::mouseDoubleClickEvent(QMouseEvent*) {
    appuye_ = false;
    emit doubleClic();
}
