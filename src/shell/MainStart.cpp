#include "MainStart.h"

#include "ShellWidgets.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>

TMainStartDlg* MainStartDlg = nullptr;

TMainStartDlg::TMainStartDlg(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , Timer1(new QTimer(this))
    , m_picture(shell::picture("start.png")) {
    setObjectName(QStringLiteral("MainStartDlg"));
    setWindowTitle(QStringLiteral("Velmora"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TMainStartDlg::Timer1Timer);
    if (m_picture.isNull()) {
        // Without its picture the screen still says what is starting.
        resize(480, 320);
        return;
    }
    setFixedSize(m_picture.size());
    setMask(m_picture.mask());
}

void TMainStartDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) move(owner->geometry().center() - rect().center());
    Timer1->start();
}

void TMainStartDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_picture.isNull()) {
        p.drawPixmap(0, 0, m_picture);
        return;
    }
    p.fillRect(rect(), QColor(shell::kBarRed, shell::kBarGreen, shell::kBarBlue));
    p.setPen(QColor(0, 0, 128));
    QFont f = font();
    f.setPixelSize(48);
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Velmora"));
}

void TMainStartDlg::Timer1Timer() {
    accept();
}

void TMainStartDlg::done(int result) {
    Timer1->stop();
    QDialog::done(result);
}

void TMainStartDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}
