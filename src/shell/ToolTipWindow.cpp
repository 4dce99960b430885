#include "ToolTipWindow.h"

#include "DataDialog.h"
#include "ServerObjects.h"
#include "Settings.h"
#include "ShellWidgets.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TToolTipWindowDlg* ToolTipWindowDlg = nullptr;

TToolTipWindowDlg::TToolTipWindowDlg(QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("ToolTipWindowDlg"));
    setWindowTitle(QStringLiteral("Hilfe"));
    // It comes up beside the data dialogs without taking the keyboard from them.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(400, 657);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QFrame* header = shell::headerStrip(QStringLiteral("Ausfüllhinweise"), this);
    CheckBox1 = new QCheckBox(QStringLiteral("nicht mehr automatisch öffnen"), header);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setStyleSheet(QStringLiteral("color: navy;"));
    static_cast<QHBoxLayout*>(header->layout())->addWidget(CheckBox1);
    layout->addWidget(header);

    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenLinks(false);
    WebBrowser1->setFrameShape(QFrame::NoFrame);
    auto* body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(8, 6, 4, 4);
    bodyLayout->addWidget(WebBrowser1);
    layout->addWidget(body, 1);

    connect(CheckBox1, &QCheckBox::clicked, this, [this](bool checked) {
        if (MainObject && !MainObject->UserIdent.isEmpty())
            store::writeSetting(QStringLiteral("HELP"), MainObject->UserIdent,
                                checked ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void TToolTipWindowDlg::loadUserChoice() {
    const QString user = MainObject ? MainObject->UserIdent : QString();
    if (user == m_user) return;
    m_user = user;
    CheckBox1->setChecked(!user.isEmpty() &&
                          store::readSetting(QStringLiteral("HELP"), user) == QStringLiteral("1"));
}

void TToolTipWindowDlg::placeBesideForm() {
    // At the right edge of the main window, over the margin of the pages rather than their fields.
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (!owner) return;
    const QRect frame = owner->geometry();
    const int height = qMin(657, frame.height());
    setGeometry(frame.right() - width() + 1, frame.top() + (frame.height() - height) / 2, width(), height);
}

void TToolTipWindowDlg::ShowHelpAuto(int number) {
    loadUserChoice();
    if (CheckBox1->isChecked()) return;
    ShowHelp(number);
}

void TToolTipWindowDlg::ShowHelp(int number) {
    m_number = number;
    store::showHelpFile(WebBrowser1, number);
    loadUserChoice();
    if (!isVisible()) placeBesideForm();
    show();
    raise();
}
