#include "IncomeDetailDialog.h"

#include "ServerObjects.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A small table with a red cross over one row or over all of it: the two clear buttons.
QIcon clearIcon(bool wholeTable) {
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 110), 1));
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(3, 3, 22, 22);
    for (int y = 9; y < 25; y += 5)
        p.drawLine(3, y, 25, y);
    p.drawLine(11, 3, 11, 25);
    const QRectF crossed = wholeTable ? QRectF(3, 3, 22, 22) : QRectF(3, 14, 22, 5);
    p.fillRect(crossed, QColor(255, 210, 210, 170));
    p.setPen(QPen(QColor(190, 0, 0), 2.4));
    const QRectF c = wholeTable ? QRectF(7, 7, 14, 14) : QRectF(9, 11.5, 10, 10);
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
    return QIcon(pixmap);
}

QToolButton* clearButton(bool wholeTable, const QString& name, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(clearIcon(wholeTable));
    b->setIconSize(QSize(28, 28));
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

IncomeDetailDialog::IncomeDetailDialog(const IncomeDetailKind& kind, QWidget* parent)
    : QDialog(parent)
    , m_kind(kind) {
    setObjectName(kind.objectName);
    setWindowTitle(kind.caption);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("TitleLabel"));
    m_title->setStyleSheet(
        QStringLiteral("color: navy; font-size: 16px; font-weight: bold; font-style: italic;"));
    layout->addWidget(m_title);

    auto* note = new QLabel(kind.note, this);
    note->setObjectName(QStringLiteral("NoteLabel"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* middle = new QHBoxLayout;
    m_grid = new FixedGrid(kRows, kind.columns, this);
    m_grid->setObjectName(QStringLiteral("DetailGrid"));
    note->setBuddy(m_grid);
    middle->addWidget(m_grid, 1);

    auto* side = new QVBoxLayout;
    auto* clearRow = clearButton(false, QStringLiteral("ClearRowButton"),
                                 QStringLiteral("Inhalt der aktuellen Zeile löschen"), this);
    auto* clearAll = clearButton(true, QStringLiteral("ClearAllButton"),
                                 QStringLiteral("Inhalt der gesamten Tabelle löschen"), this);
    side->addWidget(clearRow);
    side->addWidget(clearAll);
    side->addStretch(1);
    middle->addLayout(side);
    layout->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(false);
    close->setAutoDefault(false); // Enter belongs to the grid's cell editors
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(clearRow, &QToolButton::clicked, this, [this] { MainObject->ClearGridRow(m_grid); });
    connect(clearAll, &QToolButton::clicked, this, [this] { MainObject->ClearGridAll(m_grid); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // All twenty rows in view, without a scroll bar.
    m_grid->setMinimumHeight(m_grid->horizontalHeader()->sizeHint().height() +
                             kRows * m_grid->verticalHeader()->defaultSectionSize() +
                             2 * m_grid->frameWidth());
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = m_grid->verticalHeader()->sizeHint().width() + 2 * m_grid->frameWidth();
    for (const GridColumn& c : kind.columns)
        width += c.width;
    m_grid->setMinimumWidth(width);
    resize(sizeHint());

    const QString p = kind.prefix;
    GridStorage storage;
    storage.table = kind.table;
    storage.identColumn = p + QStringLiteral("_IDENT");
    storage.applicationColumn = p + QStringLiteral("_INDEX_MAINHEADER");
    storage.personColumn = p + QStringLiteral("_INDEX_PERSON");
    storage.application = [this] { return m_application; };
    storage.person = [this] { return m_person; };
    storage.orderBy = p + QStringLiteral("_SIGN");
    const int deciding = kind.decidingColumn;
    storage.filled = [this, deciding](int row) { return m_grid->amount(row, deciding) > 0; };
    m_grid->setStorage(storage);
}

int IncomeDetailDialog::Show(const QString& application, const QString& person, const QString& displayName) {
    m_application = application;
    m_person = person;
    m_title->setText(m_kind.titlePrefix + displayName);
    m_grid->load();
    m_grid->setCurrentCell(0, 0);
    m_grid->setFocus();
    return exec();
}

void IncomeDetailDialog::done(int result) {
    // Closing is never refused; a failed rewrite leaves the list as it was before (grid saves are guarded).
    if (isVisible()) m_grid->save();
    QDialog::done(result);
}
