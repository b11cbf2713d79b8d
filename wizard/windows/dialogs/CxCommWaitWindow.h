// The box shown while a helper host loads records: what is being done, the
// seconds so far and a row of moving squares. It reads the helper's status
// file every 100 ms and shows its first line.
#pragma once
#include <memory>

#include <QFont>
#include <QTimer>
#include <QWidget>

#include "wizard/windows/dialogs/WaitText.h"

class CxCommWaitWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTimerId = 10000;
    static constexpr int kTickMs = 100;

    explicit CxCommWaitWindow(std::shared_ptr<CxWaitText> shared);

    // Squares that fit a client area of this width.
    static int SlotCount(int clientWidth);
    // Inside the thin border.
    QRect ClientRect() const;

    void OnTimer(int id);
    int TickCount() const { return m_nTick; }
    int ElapsedMs() const { return m_nElapsed; }
    // The text of the last paint.
    const QString& ShownText() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnCreate();
    void OnTick_();
    void ReadStatusLine_();
    void OnPaint(QPainter& painter, const QSize& client);

    std::shared_ptr<CxWaitText> m_shared;
    QTimer m_timer;
    QFont m_boldFont;
    QFont m_normalFont;
    QString m_shown;
    int m_nTick = 0;
    int m_nElapsed = 0;
};
