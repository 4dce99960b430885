#include "OpenAntrag.h"

#include "Application.h"
#include "Messages.h"
#include "ProgramEnd.h"
#include "ShellWidgets.h"
#include "Sql.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TOpenAntragDlg* OpenAntragDlg = nullptr;

namespace {

QLabel* text(const QString& s, QWidget* parent) {
    auto* label = new QLabel(s, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #1A1A40;"));
    return label;
}

QPushButton* forwardButton(const QString& objectName, QWidget* parent) {
    QPushButton* b = shell::flatButton(QStringLiteral("Weiter"), objectName, parent);
    b->setIcon(QIcon(shell::picture("forward.png")));
    b->setIconSize(QSize(20, 20));
    b->setLayoutDirection(Qt::RightToLeft);
    b->setMinimumWidth(120);
    return b;
}

} // namespace

TOpenAntragDlg::TOpenAntragDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("OpenAntragDlg"));
    setWindowTitle(QStringLiteral("Nächste Schritte"));
    setFixedSize(506, 294);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(shell::headerStrip(QString(), this, &Label1));
    Label1->setObjectName(QStringLiteral("Label1"));

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(PageControl1, 1);

    auto* page0 = new QWidget(PageControl1);
    page0->setObjectName(QStringLiteral("TabSheet1"));
    auto* p0 = new QVBoxLayout(page0);
    p0->setContentsMargins(18, 12, 18, 10);
    p0->setSpacing(6);
    p0->addWidget(
        text(QStringLiteral("Velmora kann mehrere Anträge verwalten. Um die einzelnen Anträge unterscheiden "
                            "und auswählen zu können, müssen Sie jedem Antrag eine eindeutige Bezeichnung "
                            "zuweisen."),
             page0));
    p0->addSpacing(8);
    auto* nameLabel = new QLabel(QStringLiteral("Neue Bezeichnung"), page0);
    nameLabel->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));
    p0->addWidget(nameLabel);
    Edit1 = new QLineEdit(page0);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(50);
    Edit1->setToolTip(QStringLiteral("Tragen Sie hier die Bezeichnung für Ihren Antrag ein."));
    shell::styleField(Edit1);
    p0->addWidget(Edit1);
    p0->addStretch(1);
    SpeedButton3 = shell::flatButton(QStringLiteral("Abbruch"), QStringLiteral("SpeedButton3"), page0);
    SpeedButton1 = forwardButton(QStringLiteral("SpeedButton1"), page0);
    SpeedButton1->setToolTip(
        QStringLiteral("Bezeichnung übernehmen und mit dem Ausfüllen des Antrages beginnen"));
    auto* row0 = new QHBoxLayout;
    row0->addWidget(SpeedButton3);
    row0->addStretch(1);
    row0->addWidget(SpeedButton1);
    p0->addLayout(row0);
    PageControl1->addWidget(page0);

    auto* page1 = new QWidget(PageControl1);
    page1->setObjectName(QStringLiteral("TabSheet2"));
    auto* p1 = new QVBoxLayout(page1);
    p1->setContentsMargins(18, 12, 18, 10);
    p1->setSpacing(6);
    auto* listLabel = new QLabel(QStringLiteral("Wählen Sie Ihren Antrag aus"), page1);
    listLabel->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));
    p1->addWidget(listLabel);
    MainList = new QListWidget(page1);
    MainList->setObjectName(QStringLiteral("MainList"));
    MainList->setFixedHeight(4 * 22 + 6);
    MainList->setStyleSheet(
        QStringLiteral("QListWidget { background: rgb(%1,%2,%3); border: 1px solid #7070B0; }"
                       "QListWidget::item { height: 22px; }"
                       "QListWidget::item:selected { background: navy; color: white; }")
            .arg(shell::kBarRed)
            .arg(shell::kBarGreen)
            .arg(shell::kBarBlue));
    p1->addWidget(MainList);
    p1->addStretch(1);
    SpeedButton4 = shell::flatButton(QStringLiteral("Zurück"), QStringLiteral("SpeedButton4"), page1);
    SpeedButton4->setIcon(QIcon(shell::picture("back.png")));
    SpeedButton4->setIconSize(QSize(20, 20));
    SpeedButton2 = forwardButton(QStringLiteral("SpeedButton2"), page1);
    auto* row1 = new QHBoxLayout;
    row1->addWidget(SpeedButton4);
    row1->addStretch(1);
    row1->addWidget(SpeedButton2);
    p1->addLayout(row1);
    PageControl1->addWidget(page1);

    layout->addWidget(shell::footerStrip(shell::footerText(), this));

    connect(SpeedButton1, &QPushButton::clicked, this, &TOpenAntragDlg::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TOpenAntragDlg::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TOpenAntragDlg::SpeedButton3Click);
    connect(SpeedButton4, &QPushButton::clicked, this, &TOpenAntragDlg::SpeedButton4Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &TOpenAntragDlg::SpeedButton1Click);
    connect(MainList, &QListWidget::itemActivated, this, &TOpenAntragDlg::SpeedButton2Click);
}

bool TOpenAntragDlg::ExecuteMode(int mode) {
    setMode(mode);
    return exec() == Accepted;
}

void TOpenAntragDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TOpenAntragDlg::FormActivate() {
    if (m_mode == Create) {
        Label1->setText(QStringLiteral("Vergeben Sie eine Bezeichnung"));
        PageControl1->setCurrentIndex(0);
        Edit1->clear();
        Edit1->setFocus();
        return;
    }
    Label1->setText(QStringLiteral("Wählen Sie einen Antrag aus"));
    PageControl1->setCurrentIndex(1);
    MainList->clear();
    store::Rows rows =
        store::select(QStringLiteral("SELECT BDG_IDENT, BDG_SIGN FROM MAINHEADER ORDER BY BDG_SIGN"));
    while (rows.next()) {
        auto* item = new QListWidgetItem(rows.text(QStringLiteral("BDG_SIGN")), MainList);
        item->setData(Qt::UserRole, rows.text(QStringLiteral("BDG_IDENT")));
    }
    if (MainList->count() > 0) MainList->setCurrentRow(0);
    MainList->setFocus();
}

void TOpenAntragDlg::SpeedButton1Click() {
    switch (store::createApplication(Edit1->text().trimmed())) {
    case store::CreateResult::Created:
        accept();
        return;
    case store::CreateResult::EmptyName:
        store::Messages::information(QStringLiteral("Sie müssen eine Bezeichnung angeben!"));
        break;
    case store::CreateResult::DuplicateName:
        store::Messages::information(QStringLiteral("Ein Antrag mit dieser Bezeichnung existiert bereits!\n"
                                                    "Wählen Sie eine andere Bezeichnung."));
        break;
    case store::CreateResult::Failed:
        // The error display has shown why; what was typed stays for another try.
        return;
    }
    FormActivate();
}

void TOpenAntragDlg::SpeedButton2Click() {
    QListWidgetItem* item = MainList->currentItem() ? MainList->currentItem() : MainList->item(0);
    if (!item || !store::openApplication(item->data(Qt::UserRole).toString())) return;
    accept();
}

void TOpenAntragDlg::SpeedButton3Click() {
    QDialog::done(Rejected);
    shell::endProgram();
}

void TOpenAntragDlg::SpeedButton4Click() {
    reject();
}
