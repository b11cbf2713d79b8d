#include "ProductStyle.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QStyleFactory>

void ApplyProductStyle(QApplication& app) {
    Q_INIT_RESOURCE(vxln);
    app.setStyle(QStyleFactory::create("Fusion"));
    QFont font("Verdana");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    app.setFont(font);
    QFile sheet(":/vxln/vxln.qss");
    if (sheet.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}
