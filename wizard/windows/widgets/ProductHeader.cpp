#include "ProductHeader.h"

#include <QHBoxLayout>

#include "wizard/controller/Apputil.h"
#include "wizard/windows/widgets/ImageLink.h"

CxProductHeader::CxProductHeader(QWidget* parent) : QWidget(parent) {
    setObjectName("pHeader");
    setAttribute(Qt::WA_StyledBackground);
    imgIcon = new CxImageLink(":/vxln/icon.svg", QSize(48, 48), this);
    imgIcon->setObjectName("imgIcon");
    imgIcon->setAccessibleName("Corvane home page");
    imgText = new CxImageLink(":/vxln/name.svg", QSize(240, 44), this);
    imgText->setObjectName("imgText");
    imgText->setAccessibleName("Corvane for Lotus Notes home page");
    connect(imgIcon, &CxImageLink::clicked, [] { OpenHomePage(); });
    connect(imgText, &CxImageLink::clicked, [] { OpenHomePage(); });

    m_row = new QHBoxLayout(this);
    m_row->setContentsMargins(12, 8, 12, 8);
    m_row->setSpacing(10);
    m_row->addWidget(imgIcon);
    m_row->addWidget(imgText);
    m_row->addStretch(1);
}
