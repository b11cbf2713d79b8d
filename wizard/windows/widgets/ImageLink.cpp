#include "ImageLink.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

QPixmap ProductPicture(const QString& resource, const QSize& size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

CxImageLink::CxImageLink(const QString& resource, const QSize& size, QWidget* parent)
    : QLabel(parent) {
    setPixmap(ProductPicture(resource, size));
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
}

void CxImageLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
