#include "MainChoice.h"

#include "Messages.h"
#include "ProgramEnd.h"
#include "ShellWidgets.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

TMainChoiceDlg* MainChoiceDlg = nullptr;

namespace {

// The start picture without its "starting" line at the bottom, in a frame of its own.
QPixmap choicePicture(const QPixmap& start) {
    const QRect part(0, 0, start.width(), start.height() * 7 / 8);
    QPixmap framed(part.size());
    framed.fill(Qt::transparent);
    QPainter p(&framed);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(part).adjusted(2, 2, -2, -2), 22, 22);
    p.setClipPath(outline);
    p.drawPixmap(0, 0, start, 0, 0, part.width(), part.height());
    p.setClipping(false);
    p.setPen(QPen(QColor(0, 0, 128), 3));
    p.drawPath(outline);
    p.end();
    return framed.scaledToWidth(200, Qt::SmoothTransformation);
}

} // namespace

TMainChoiceDlg::TMainChoiceDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("MainChoiceDlg"));
    setWindowTitle(QStringLiteral("Nächste Schritte"));
    setFixedSize(506, 294);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(shell::headerStrip(QStringLiteral("Wählen Sie Ihren nächsten Schritt"), this));

    auto* middle = new QWidget(this);
    auto* row = new QHBoxLayout(middle);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(18);
    auto* image = new QLabel(middle);
    image->setObjectName(QStringLiteral("Image1"));
    const QPixmap picture(shell::picture("start.png"));
    if (!picture.isNull()) image->setPixmap(choicePicture(picture));
    row->addWidget(image, 0, Qt::AlignVCenter);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    SpeedButton1 =
        shell::flatButton(QStringLiteral("Neuen Antrag erstellen"), QStringLiteral("SpeedButton1"), middle);
    SpeedButton2 = shell::flatButton(QStringLiteral("Bestehenden Antrag bearbeiten"),
                                     QStringLiteral("SpeedButton2"), middle);
    SpeedButton3 = shell::flatButton(QStringLiteral("Änderungsmitteilung erstellen"),
                                     QStringLiteral("SpeedButton3"), middle);
    for (QPushButton* b : {SpeedButton1, SpeedButton2, SpeedButton3}) {
        b->setMinimumHeight(44);
        buttons->addWidget(b);
    }
    SpeedButton3->setVisible(false);
    auto* hint = new QLabel(
        QStringLiteral("Legen Sie einen weiteren Antrag an oder öffnen Sie einen gespeicherten, um ihn "
                       "weiter auszufüllen, zu prüfen oder auszudrucken."),
        middle);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #55558A;"));
    buttons->addWidget(hint);
    buttons->addStretch(1);
    row->addLayout(buttons, 1);
    layout->addWidget(middle, 1);
    layout->addWidget(shell::footerStrip(shell::footerText(), this));

    connect(SpeedButton1, &QPushButton::clicked, this, [this] { choose(NewApplication); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] { choose(OpenApplication); });
    connect(SpeedButton3, &QPushButton::clicked, this, [this] { choose(ChangeNotice); });
}

int TMainChoiceDlg::AskNextStep() {
    exec();
    return result() == Accepted ? m_step : NoStep;
}

void TMainChoiceDlg::showEvent(QShowEvent* event) {
    m_step = NoStep;
    QDialog::showEvent(event);
    SpeedButton2->setFocus();
}

void TMainChoiceDlg::choose(int step) {
    m_step = step;
    accept();
}

void TMainChoiceDlg::reject() {
    if (!store::Messages::confirmYesCancel(QStringLiteral("Wollen Sie Ihre Arbeit beenden?"))) return;
    QDialog::reject();
    shell::endProgram();
}
