#include "IncomeDetailDialog.h"

#include "PageBuilder.h"
#include "ServerObjects.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

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
    auto* clearRow = forms::clearButton(false, QStringLiteral("ClearRowButton"),
                                 QStringLiteral("Inhalt der aktuellen Zeile löschen"), this);
    auto* clearAll = forms::clearButton(true, QStringLiteral("ClearAllButton"),
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

    connect(clearRow, &QToolButton::clicked, this, [this] { ClearGridRow(m_grid); });
    connect(clearAll, &QToolButton::clicked, this, [this] { ClearGridAll(m_grid); });
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
    // A list that could not be stored keeps the dialog open with the entries as typed: the user has
    // been told and can try again or clear the rows; the stored list is still the one from before.
    if (isVisible() && !m_grid->save(SaveMode::Report)) return;
    QDialog::done(result);
}
