#include "UnfallBehandlung.h"

#include "FixedGrid.h"

#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

TUnfallBehandlungDlg::TUnfallBehandlungDlg(QWidget* parent)
    : UnfallDetailDialog(QStringLiteral("TUnfallBehandlungDlg"), QStringLiteral("Unfall Behandlungen"),
                         QStringLiteral("Unfallbehandlungen von "), parent) {
    auto* note = new QLabel(
        QStringLiteral("Geben Sie hier die Namen der behandelnden Ärtze/Kliniken und deren Anschriften an:"), this);
    note->setObjectName(QStringLiteral("NoteLabel"));
    note->setWordWrap(true);
    body()->addWidget(note);

    m_grid = new FixedGrid(kRows,
                           {{QStringLiteral("Name des Arztes, der Klinik"), QStringLiteral("UNH_ARZT"), CellKind::Text, 300},
                            {QStringLiteral("Anschrift"), QStringLiteral("UNH_ADDRESS"), CellKind::Text, 360}},
                           this);
    m_grid->setObjectName(QStringLiteral("DetailGrid"));
    note->setBuddy(m_grid);
    body()->addWidget(m_grid, 1);

    GridStorage storage;
    storage.table = QStringLiteral("UNFHEALTH");
    storage.identColumn = QStringLiteral("UNH_IDENT");
    storage.applicationColumn = QStringLiteral("UNH_INDEX_MAINHEADER");
    storage.personColumn = QStringLiteral("UNH_INDEX_PERSON");
    storage.numberColumn = QStringLiteral("UNH_NUMBER");
    // The stored numbers give only the order: the rows come back packed from the top.
    storage.orderBy = QStringLiteral("UNH_NUMBER");
    storage.application = [this] { return application(); };
    storage.person = [this] { return person(); };
    m_grid->setStorage(storage);

    // All twenty rows in view, without a scroll bar.
    m_grid->setMinimumHeight(m_grid->horizontalHeader()->sizeHint().height() +
                             kRows * m_grid->verticalHeader()->defaultSectionSize() + 2 * m_grid->frameWidth());
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setMinimumWidth(m_grid->verticalHeader()->sizeHint().width() + 660 + 2 * m_grid->frameWidth());
    resize(sizeHint());
}

void TUnfallBehandlungDlg::reset() {
    m_grid->clearAll();
}

void TUnfallBehandlungDlg::load() {
    m_grid->load();
    m_grid->setCurrentCell(0, 0);
    m_grid->setFocus();
}

bool TUnfallBehandlungDlg::write() {
    return true; // done() writes the list, for "Schließen" as for every other way of closing
}

void TUnfallBehandlungDlg::done(int result) {
    if (isVisible() && !m_grid->save(SaveMode::Report)) return;
    UnfallDetailDialog::done(result);
}
