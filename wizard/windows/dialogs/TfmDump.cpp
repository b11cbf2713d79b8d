#include "TfmDump.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "wizard/controller/Apputil.h"
#include "wizard/windows/dialogs/TfmDebug.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/LogLocationGroup.h"
#include "wizard/windows/widgets/ProductHeader.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

// The support address as a link; a click writes a mail with the report's subject.
QLabel* SupportLink(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName("lblSupport");
    label->setText(
        QString("<a href=\"mail\" style=\"color:#0000ff;\">%1</a>").arg(kSupportAddress));
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated, [] { OpenSupportMail(); });
    return label;
}

} // namespace

TfmDump::TfmDump(AppSettings& settings, QWidget* mainWindow)
    : QDialog(mainWindow), m_settings(settings), m_main(mainWindow) {
    setObjectName("fmDump");
    setWindowTitle("Handle Corvane Exception");
    pHeader = new CxProductHeader(this);
    auto* sorry = new QLabel("We're sorry that an unhandled exception occurred  in Corvane.", this);
    sorry->setObjectName("lblSorry");
    lblSupport = SupportLink(this);
    gbDebugInfo = new CxLogLocationGroup(
        "It is very appreciated if you can include the debug information in your error report.",
        this);
    btnDebug = Named<QPushButton>("btnDebug", "&Debug Options", this);
    btnOK = Named<QPushButton>("btnOK", "&OK", this);
    btnOK->setDefault(true);
    btnExit = Named<QPushButton>("btnExit", "Quit Corvane", this);

    auto* contact = new QHBoxLayout;
    contact->addWidget(new QLabel("Please contact us at:", this));
    contact->addWidget(lblSupport);
    contact->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnDebug);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnExit);
    QVBoxLayout* body = DialogBody(this, pHeader);
    body->addWidget(sorry);
    body->addLayout(contact);
    body->addWidget(gbDebugInfo);
    body->addLayout(buttons);
    setFixedSize(600, sizeHint().height());

    connect(btnDebug, &QPushButton::clicked, this, &TfmDump::btnDebugClick_);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnExit, &QPushButton::clicked, this, &TfmDump::btnExitClick_);
}

void TfmDump::btnDebugClick_() {
    TfmDebug options(m_settings, m_main ? m_main.data() : this);
    prompts::Exec(options);
}

void TfmDump::btnExitClick_() {
    reject();
    if (m_main)
        QMetaObject::invokeMethod(m_main.data(), &QWidget::close, Qt::QueuedConnection);
}
