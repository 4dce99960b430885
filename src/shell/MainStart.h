#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>

// The start screen: a borderless window in the outline of its picture, closed by its timer.
class TMainStartDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMainStartDlg(QWidget* parent = nullptr);

    QTimer* Timer1;

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;
    // The start screen goes by itself; Escape does not shorten it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap m_picture;
};

extern TMainStartDlg* MainStartDlg;
