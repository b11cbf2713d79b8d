// A picture that opens something when clicked: the product icon and name.
#pragma once
#include <QLabel>

class CxImageLink : public QLabel {
    Q_OBJECT
public:
    // `resource` is an SVG drawn at `size`.
    CxImageLink(const QString& resource, const QSize& size, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The product's pictures, drawn from the resources.
QPixmap ProductPicture(const QString& resource, const QSize& size);
