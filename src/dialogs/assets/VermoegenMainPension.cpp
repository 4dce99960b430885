#include "VermoegenMain.h"
#include "VermoegenMainPages.h"

#include "FixedGrid.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "YesNoPair.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The columns of the exemption-orders table.
enum FreeColumn { FreeName, FreeCount, FreePerson, FreeType };

// A question with its "Ja" and "Nein" on one line of `grid`.
YesNoPair* questionRow(QGridLayout* grid, int row, const QString& text, const QString& code,
                       YesNoPair::Form form, QWidget* parent, QLabel** caption = nullptr) {
    QLabel* label = forms::question(text, parent, code + QStringLiteral("Label"));
    QCheckBox* yes = forms::checkBox(code + QStringLiteral("Yes"), QStringLiteral("Ja"), parent);
    QCheckBox* no = forms::checkBox(code + QStringLiteral("No"), QStringLiteral("Nein"), parent);
    for (QCheckBox* box : {yes, no})
        box->setAccessibleDescription(text);
    grid->addWidget(label, row, 0);
    grid->addWidget(yes, row, 1, Qt::AlignTop);
    grid->addWidget(no, row, 2, Qt::AlignTop);
    if (caption)
        *caption = label;
    return new YesNoPair(yes, no, form, parent);
}

} // namespace

// ---- Page 0: exemption orders --------------------------------------------------------------------

QWidget* TVermoegenMainDlg::createFreePage() {
    QWidget* content = forms::pageContent(QStringLiteral("TabSheet1"));
    auto* layout = static_cast<QVBoxLayout*>(content->layout());
    QGroupBox* group = forms::groupBox(QStringLiteral("FreeGroup"), QString(), content);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(0, 1);
    YesNoPair* pair = questionRow(grid, 0, assets::assetPages().at(kFreePage).question, QStringLiteral("Free"),
                                  YesNoPair::Exclusive, group);
    layout->addWidget(group);

    m_freePanel = new QWidget(content);
    m_freePanel->setObjectName(QStringLiteral("FreePanel"));
    auto* panel = new QVBoxLayout(m_freePanel);
    panel->setContentsMargins(0, 0, 0, 0);
    m_freeGrid = new QTableWidget(0, 4, m_freePanel);
    m_freeGrid->setObjectName(QStringLiteral("FreeGrid"));
    m_freeGrid->setAccessibleName(QStringLiteral("Freistellungsaufträge je Person"));
    m_freeGrid->setHorizontalHeaderLabels(
        {QStringLiteral("Name, Vorname"), QStringLiteral("Anzahl"), QStringLiteral("PRS_IDENT"), QStringLiteral("PRS_TYPE")});
    m_freeGrid->setColumnHidden(FreePerson, true);
    m_freeGrid->setColumnHidden(FreeType, true);
    m_freeGrid->horizontalHeader()->setSectionResizeMode(FreeName, QHeaderView::Stretch);
    m_freeGrid->setColumnWidth(FreeCount, 120);
    m_freeGrid->verticalHeader()->setDefaultSectionSize(26);
    m_freeGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_freeGrid->setMinimumHeight(260);
    panel->addWidget(m_freeGrid);

    auto* joint = new QHBoxLayout;
    QLabel* jointLabel = forms::label(QStringLiteral("Antragsteller(in) und Partner(in) gemeinsam"), m_freePanel,
                                      QStringLiteral("FreeJointLabel"));
    m_freeJoint = new QSpinBox(m_freePanel);
    m_freeJoint->setObjectName(QStringLiteral("FreeJointEdit"));
    m_freeJoint->setRange(0, 999);
    jointLabel->setBuddy(m_freeJoint);
    joint->addWidget(jointLabel);
    joint->addWidget(m_freeJoint);
    joint->addStretch(1);
    panel->addLayout(joint);
    layout->addWidget(m_freePanel, 1);
    layout->addStretch(0);

    // Written on every change a user makes, and once more when the field is left.
    connect(m_freeJoint, qOverload<int>(&QSpinBox::valueChanged), this, [this] {
        if (!store::isLoading() && !m_freeLoading)
            FreeJointSave();
    });
    connect(m_freeJoint, &QSpinBox::editingFinished, this, [this] {
        if (!store::isLoading() && !m_freeLoading)
            FreeJointSave();
    });

    pair->onChange([this](bool yes) { FreeAnswerChange(yes); });
    m_answers[kFreePage] = pair;
    return content;
}

void TVermoegenMainDlg::FreeAnswerChange(bool yes) { m_freePanel->setVisible(yes); }

void TVermoegenMainDlg::loadFreePage() {
    ensureAnswers();
    m_freeLoading = true;
    // The count fields of the last reading go at once, not later: no change may reach a row that is gone.
    for (int row = 0; row < m_freeGrid->rowCount(); ++row)
        delete m_freeGrid->cellWidget(row, FreeCount);
    m_freeGrid->setRowCount(0);
    store::Rows persons = store::select(
        QStringLiteral("SELECT PRS_IDENT, PRS_NAME, PRS_VNAME, PRS_TYPE, FRA_COUNT FROM PERSON "
                       "LEFT JOIN VERFREE ON FRA_INDEX_PERSON=PRS_IDENT "
                       "WHERE PRS_INDEX_MAINHEADER=? ORDER BY PRS_NUMBER, PRS_TYPE"),
        {assets::applicationKey()});
    while (persons.next()) {
        const int row = m_freeGrid->rowCount();
        m_freeGrid->insertRow(row);
        m_freeGrid->setItem(row, FreeName,
                            new QTableWidgetItem(persons.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") +
                                                 persons.text(QStringLiteral("PRS_VNAME"))));
        m_freeGrid->setItem(row, FreePerson, new QTableWidgetItem(persons.text(QStringLiteral("PRS_IDENT"))));
        m_freeGrid->setItem(row, FreeType,
                            new QTableWidgetItem(QString::number(persons.integer(QStringLiteral("PRS_TYPE")))));
        auto* count = new QSpinBox(m_freeGrid);
        count->setObjectName(QStringLiteral("FreeCount%1").arg(row));
        count->setRange(0, 999);
        count->setAccessibleName(QStringLiteral("Anzahl ") + m_freeGrid->item(row, FreeName)->text());
        count->setValue(persons.integer(QStringLiteral("FRA_COUNT")));
        m_freeGrid->setItem(row, FreeCount, new QTableWidgetItem);
        m_freeGrid->setCellWidget(row, FreeCount, count);
        connect(count, qOverload<int>(&QSpinBox::valueChanged), this, [this, row](int value) {
            if (!store::isLoading() && !m_freeLoading)
                FreeCountChange(row, value);
        });
    }
    m_freeLoading = false;
}

void TVermoegenMainDlg::FreeCountChange(int row, int count) {
    const QString person = m_freeGrid->item(row, FreePerson)->text();
    if (assets::applicationKey().isEmpty() || person.isEmpty())
        return;
    // A count that cannot be stored is said at once; the field keeps what the user typed.
    const QVariant existing =
        store::selectValue(QStringLiteral("SELECT FRA_IDENT FROM VERFREE WHERE FRA_INDEX_PERSON=?"), {person});
    const bool stored =
        existing.isValid()
            ? store::execute(QStringLiteral("UPDATE VERFREE SET FRA_COUNT=? WHERE FRA_INDEX_PERSON=?"), {count, person})
            : store::execute(QStringLiteral("INSERT INTO VERFREE (FRA_IDENT, FRA_INDEX_PERSON, FRA_COUNT) VALUES (?, ?, ?)"),
                             {TMainObject::NewRowIdent(), person, count});
    if (stored)
        FreeJointSave();
}

bool TVermoegenMainDlg::FreeJointSave() {
    const QString application = assets::applicationKey();
    if (application.isEmpty() || m_answersFor != application)
        return false;
    // The applicant's and the partner's counts are found by their type, wherever the numbering puts them.
    int applicant = 0;
    int partner = 0;
    bool applicantSeen = false;
    bool partnerSeen = false;
    for (int row = 0; row < m_freeGrid->rowCount(); ++row) {
        const int type = m_freeGrid->item(row, FreeType)->text().toInt();
        const auto* spin = qobject_cast<QSpinBox*>(m_freeGrid->cellWidget(row, FreeCount));
        const int count = spin ? spin->value() : 0;
        if (type == 0 && !applicantSeen) {
            applicant = count;
            applicantSeen = true;
        } else if (type == 1 && !partnerSeen) {
            partner = count;
            partnerSeen = true;
        }
    }
    return store::execute(QStringLiteral("UPDATE VERMAIN SET VEM_FREE_MAINPERSON=?, VEM_FREE_PARTNER=?, VEM_FREE_ALL=? "
                                         "WHERE VEM_INDEX_MAINHEADER=?"),
                          {applicant, partner, m_freeJoint->value(), application});
}

// ---- Page 7: retirement provision ----------------------------------------------------------------

QWidget* TVermoegenMainDlg::createPensionPage() {
    QWidget* content = forms::pageContent(QStringLiteral("TabSheet8"));
    auto* layout = static_cast<QVBoxLayout*>(content->layout());

    QGroupBox* group = forms::groupBox(QStringLiteral("RvFreeGroup"), QString(), content);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(0, 1);
    YesNoPair* exempt = questionRow(grid, 0,
                                    QStringLiteral("Sind Sie oder in der Bedarfsgemeinschaft lebende Personen von der "
                                                   "Rentenversicherungspflicht befreit?"),
                                    QStringLiteral("RvFree"), YesNoPair::Exclusive, group);
    m_rvRentePanel = new QWidget(group);
    m_rvRentePanel->setObjectName(QStringLiteral("RvRentePanel"));
    auto* rente = new QGridLayout(m_rvRentePanel);
    rente->setContentsMargins(24, 0, 0, 0);
    rente->setColumnStretch(0, 1);
    m_rvRente = questionRow(rente, 0, QStringLiteral("Dienen die vorangegangenen Geldanlagen der Alterssicherung?"),
                            QStringLiteral("RvRente"), YesNoPair::Exclusive, m_rvRentePanel);
    grid->addWidget(m_rvRentePanel, 1, 0, 1, 3);
    layout->addWidget(group);

    auto* listRow = new QHBoxLayout;
    GridColumn person;
    person.caption = QStringLiteral("Personen");
    person.field = QStringLiteral("RVP_INDEX_PERSON");
    person.kind = CellKind::PersonIdent;
    person.width = 300;
    m_rvPersonGrid = new FixedGrid(assets::kGridRows, {person}, content);
    m_rvPersonGrid->setObjectName(QStringLiteral("RvPersonGrid"));
    m_rvPersonGrid->setAccessibleName(QStringLiteral("Von der Rentenversicherungspflicht befreite Personen"));
    m_rvPersonGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_rvPersonGrid->setMinimumHeight(220);
    m_rvPersonGrid->setMaximumWidth(520);
    listRow->addWidget(m_rvPersonGrid, 1);
    auto* side = new QVBoxLayout;
    auto* clearRow = forms::clearButton(false, QStringLiteral("RvPersonClearRowButton"),
                                        QStringLiteral("Inhalt der aktuellen Zeile löschen"), content);
    auto* clearAll = forms::clearButton(true, QStringLiteral("RvPersonClearAllButton"),
                                        QStringLiteral("Inhalt der gesamten Tabelle löschen"), content);
    side->addWidget(clearRow);
    side->addWidget(clearAll);
    side->addStretch(1);
    listRow->addLayout(side);
    listRow->addStretch(1);
    layout->addLayout(listRow, 1);
    connect(clearRow, &QToolButton::clicked, this, [this] { ClearGridRow(m_rvPersonGrid); });
    connect(clearAll, &QToolButton::clicked, this, [this] { ClearGridAll(m_rvPersonGrid); });

    QGroupBox* taxGroup = forms::groupBox(QStringLiteral("RvTaxGroup"), QString(), content);
    auto* tax = new QGridLayout(taxGroup);
    tax->setColumnStretch(0, 1);
    m_rvTax = questionRow(tax, 0,
                          QStringLiteral("Verfügen Sie oder in der Bedarfsgemeinschaft lebene Personen über steuerlich "
                                         "gefördertes Altersvorsorgevermögen?"),
                          QStringLiteral("RvTax"), YesNoPair::Complementary, taxGroup);
    layout->addWidget(taxGroup);
    layout->addStretch(0);

    exempt->onChange([this](bool yes) { RvFreeChange(yes); });
    m_rvRente->onChange([this](bool yes) { RvRenteChange(yes); });
    m_answers[kPensionPage] = exempt;
    setupPensionList();
    return content;
}

void TVermoegenMainDlg::RvFreeChange(bool yes) {
    m_rvRentePanel->setVisible(yes);
    m_rvRente->noBox()->setChecked(true);
    m_rvPersonGrid->hide();
}

void TVermoegenMainDlg::RvRenteChange(bool yes) {
    // The list belongs to exempt persons only, also when the stored answers say otherwise.
    m_rvPersonGrid->setVisible(yes && m_answers.at(kPensionPage)->yes());
}

void TVermoegenMainDlg::setupPensionList() {
    GridStorage storage;
    storage.table = QStringLiteral("VERRVPERSON");
    storage.identColumn = QStringLiteral("RVP_IDENT");
    storage.applicationColumn = QStringLiteral("RVP_INDEX_MAINHEADER");
    storage.numberColumn = QStringLiteral("RVP_NUMBER");
    storage.application = assets::applicationKey;
    storage.filled = [this](int row) { return !m_rvPersonGrid->text(row, 0).trimmed().isEmpty(); };
    storage.customSave = [this](FixedGrid& grid) { return savePensionList(grid); };
    storage.customLoad = [this](FixedGrid& grid) { loadPensionList(grid); };
    m_rvPersonGrid->setStorage(storage);
}

bool TVermoegenMainDlg::savePensionList(FixedGrid& grid) {
    // Runs inside the grid's one transaction: the list and the names in VERMAIN change together.
    // Always for the application the list was read for, whichever is open now.
    const QString application = grid.loadedApplication();
    if (application.isEmpty())
        return true; // nothing belongs to no application
    if (!store::execute(QStringLiteral("DELETE FROM VERRVPERSON WHERE RVP_INDEX_MAINHEADER=?"), {application},
                        store::OnError::Ignore))
        return false;
    for (int row = 0; row < grid.rowCount(); ++row) {
        const QString person = grid.text(row, 0).trimmed();
        if (person.isEmpty())
            continue;
        if (!store::execute(QStringLiteral("INSERT INTO VERRVPERSON (RVP_IDENT, RVP_INDEX_MAINHEADER, "
                                           "RVP_INDEX_PERSON, RVP_NUMBER) VALUES (?, ?, ?, ?)"),
                            {TMainObject::NewRowIdent(), application, person, row}, store::OnError::Ignore))
            return false;
    }
    return store::execute(QStringLiteral("UPDATE VERMAIN SET VEM_RV_FREE_OWNER=? WHERE VEM_INDEX_MAINHEADER=?"),
                          {storedPensionOwners(application), application}, store::OnError::Ignore);
}

void TVermoegenMainDlg::loadPensionList(FixedGrid& grid) {
    // Rows 0, 1, … in stored order; a person deleted since is left out.
    store::Rows rows = store::select(QStringLiteral("SELECT RVP_INDEX_PERSON FROM VERRVPERSON "
                                                    "JOIN PERSON ON PRS_IDENT=RVP_INDEX_PERSON "
                                                    "WHERE RVP_INDEX_MAINHEADER=? ORDER BY RVP_NUMBER"),
                                     {grid.loadedApplication()});
    int row = 0;
    while (rows.next() && row < grid.rowCount())
        grid.setCell(row++, 0, rows.text(QStringLiteral("RVP_INDEX_PERSON")));
}

QString TVermoegenMainDlg::storedPensionOwners(const QString& application) {
    store::Rows rows = store::select(QStringLiteral("SELECT PRS_NAME, PRS_VNAME FROM VERRVPERSON "
                                                    "JOIN PERSON ON PRS_IDENT=RVP_INDEX_PERSON "
                                                    "WHERE RVP_INDEX_MAINHEADER=? ORDER BY RVP_NUMBER"),
                                     {application});
    QString names;
    while (rows.next())
        names += rows.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") + rows.text(QStringLiteral("PRS_VNAME")) +
                 QStringLiteral(" / ");
    return names.isEmpty() ? QStringLiteral(" ") : names;
}

void TVermoegenMainDlg::loadPensionPage() {
    ensureAnswers();
    m_rvPersonGrid->load();
}
