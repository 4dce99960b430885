#include "DisclaimMain.h"

#include "DataDialog.h"
#include "Paths.h"
#include "ProgramEnd.h"
#include "ShellWidgets.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

TDisclaimMainDlg* DisclaimMainDlg = nullptr;

TDisclaimMainDlg::TDisclaimMainDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DisclaimMainDlg"));
    setWindowTitle(QStringLiteral("Wichtiger Hinweis"));
    setFixedSize(777, 623);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(shell::headerStrip(QStringLiteral("Wichtiger Hinweis"), this));

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenLinks(false);
    WebBrowser1->setFrameShape(QFrame::NoFrame);
    auto* middle = new QWidget(this);
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(14, 10, 14, 6);
    middleLayout->addWidget(WebBrowser1);
    layout->addWidget(middle, 1);

    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(14, 6, 14, 10);
    SpeedButton1 = shell::flatButton(QStringLiteral("Abbrechen"), QStringLiteral("SpeedButton1"), buttons);
    SpeedButton2 =
        shell::flatButton(QStringLiteral("Einverstanden"), QStringLiteral("SpeedButton2"), buttons);
    SpeedButton1->setMinimumWidth(140);
    SpeedButton2->setMinimumWidth(180);
    row->addWidget(SpeedButton1);
    row->addStretch(1);
    row->addWidget(SpeedButton2);
    row->addStretch(1);
    // Balances the left button so that "Einverstanden" sits in the middle.
    row->addSpacing(140);
    layout->addWidget(buttons);
    layout->addWidget(shell::footerStrip(
        QStringLiteral(
            "Mit „Einverstanden“ oder der Eingabetaste bestätigen Sie, dass Sie den Hinweis gelesen haben."),
        this));

    connect(SpeedButton1, &QPushButton::clicked, this, &TDisclaimMainDlg::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TDisclaimMainDlg::SpeedButton2Click);

    // The dialog sees every key before its controls do.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

void TDisclaimMainDlg::FormActivate() {
    store::showTooltipsFile(WebBrowser1, QStringLiteral("Disclaim.htm"));
}

void TDisclaimMainDlg::SpeedButton1Click() {
    reject();
    shell::endProgram();
}

void TDisclaimMainDlg::SpeedButton2Click() {
    accept();
}

bool TDisclaimMainDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SpeedButton2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDisclaimMainDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    SpeedButton2->setFocus();
    FormActivate();
}
