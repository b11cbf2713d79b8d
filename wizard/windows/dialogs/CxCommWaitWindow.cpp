#include "CxCommWaitWindow.h"

#include <QPainter>
#include <QPixmap>

#include "common/lotus/exchange/CxLNStatusFile.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"

namespace {

const QColor kSquareColour(0, 128, 192);
const int kWidth = 480;
const int kHeight = 150;

QFont WaitFont(int weight) {
    QFont font("Verdana");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace

CxCommWaitWindow::CxCommWaitWindow(std::shared_ptr<CxWaitText> shared)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_shared(std::move(shared)) {
    setObjectName("CommWaitWindow");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    setFixedSize(kWidth, kHeight);
    CentreOnScreen(this);
    OnCreate();
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &CxCommWaitWindow::OnTick_);
    m_timer.start();
}

int CxCommWaitWindow::SlotCount(int clientWidth) {
    return (clientWidth - 40) / 25 + 1;
}

QRect CxCommWaitWindow::ClientRect() const {
    return rect().adjusted(1, 1, -1, -1);
}

void CxCommWaitWindow::OnCreate() {
    m_nTick = 0;
    m_boldFont = WaitFont(700);
    m_normalFont = WaitFont(400);
}

void CxCommWaitWindow::OnTick_() {
    m_nElapsed += kTickMs;
    OnTimer(kTimerId);
}

void CxCommWaitWindow::ReadStatusLine_() {
    char line[1024];
    if (LNReadStatusLine(m_shared->StatusFile().c_str(), line, sizeof line) && line[0])
        m_shared->SetText(line);
}

void CxCommWaitWindow::OnTimer(int id) {
    if (id != kTimerId)
        return;
    ++m_nTick;
    ReadStatusLine_();
    repaint();
}

void CxCommWaitWindow::paintEvent(QPaintEvent*) {
    const QRect client = ClientRect();
    QPixmap buffer(client.size());
    {
        QPainter painter(&buffer);
        OnPaint(painter, client.size());
    }
    QPainter window(this);
    window.setPen(QColor(0x80, 0x80, 0x80));
    window.drawRect(rect().adjusted(0, 0, -1, -1));
    window.drawPixmap(client.topLeft(), buffer);
}

void CxCommWaitWindow::OnPaint(QPainter& painter, const QSize& client) {
    painter.fillRect(QRect(QPoint(0, 0), client), Qt::white);
    painter.setPen(Qt::black);
    m_shown = FromAnsi(m_shared->Text().c_str());
    const int width = client.width();

    painter.setFont(m_boldFont);
    painter.drawText(QRect(20, 0, width - 20, 50), Qt::AlignVCenter | Qt::TextSingleLine, m_shown);
    painter.drawText(QRect(20, 30, width - 20, 50), Qt::AlignVCenter | Qt::TextSingleLine,
                     "Time Elapsed:");
    painter.setFont(m_normalFont);
    painter.drawText(QRect(140, 30, width - 140, 50), Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::asprintf("%d seconds", m_nElapsed / 1000));

    const int shown = m_nTick % SlotCount(width);
    for (int i = 0; i < shown; ++i)
        painter.fillRect(20 + 25 * i, 100, 20, 12, kSquareColour);
}
