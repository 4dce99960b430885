// Page 1 of the claims dialog: claims against the last employer and other benefits applied for.
#include "AnspruchMain.h"

#include "FixedGrid.h"
#include "PageBuilder.h"
#include "Application.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kGridRows = 20;

// The owner: one of the household's persons, stored by name; only list entries are taken.
GridColumn ownerColumn(const QString& field)
{
    GridColumn c;
    c.caption = QStringLiteral("Name, Vorname");
    c.field = field;
    c.kind = CellKind::Pick;
    c.width = 170;
    c.persons = true;
    return c;
}

GridColumn textColumn(const QString& caption, const QString& field, int width, int maxLength = 0)
{
    GridColumn c;
    c.caption = caption;
    c.field = field;
    c.width = width;
    c.maxLength = maxLength;
    return c;
}

// One question of the page: its pair, the columns it writes, its grid and where the grid's rows go.
struct Claim {
    QString groupName;
    QString question;
    QString yesColumn;
    QString noColumn;
    QString headerYes; // the MAINHEADER twins
    QString headerNo;
    QString gridName;
    QString buttonPrefix;
    QVector<GridColumn> columns;
    QString table;
    QString prefix; // of the table's columns
};

const Claim& employerClaim()
{
    static const Claim claim{
        QStringLiteral("BossGroup"),
        QStringLiteral("Erheben Sie oder Personen Ihrer Bedarfsgemeinschaft Ansprüche gegen Ihren letzten "
                       "Arbeitgeber?"),
        QStringLiteral("UHM_BOSS_YES"), QStringLiteral("UHM_BOSS_NO"),
        QStringLiteral("BDG_THIRD_YES"), QStringLiteral("BDG_THIRD_NO"),
        QStringLiteral("BossTree"), QStringLiteral("Boss"),
        {
            ownerColumn(QStringLiteral("UHB_OWNER")),
            textColumn(QStringLiteral("Anschrift desArbeitgebers"), QStringLiteral("UHB_COMPNAY"), 230, 200),
            textColumn(QStringLiteral("Grund"), QStringLiteral("UHB_GRUND"), 200, 200),
            textColumn(QStringLiteral("Gericht / AZ"), QStringLiteral("UHB_GERICHT"), 140, 100),
        },
        QStringLiteral("UHBOSS"), QStringLiteral("UHB"),
    };
    return claim;
}

const Claim& benefitsClaim()
{
    static const Claim claim{
        QStringLiteral("HelpGroup"),
        QStringLiteral("Haben Sie oder Personen Ihrer Bedarfsgemeinschaft andere Leistungen beantragt oder "
                       "beabsichtigen Sie, einen entsprechenden Antrag zu stellen?"),
        QStringLiteral("UHM_HELP_YES"), QStringLiteral("UHM_HELP_NO"),
        QStringLiteral("BDG_THIRD_WANTTO_YES"), QStringLiteral("BDG_THIRD_WANTTO_NO"),
        QStringLiteral("HelpTree"), QStringLiteral("Help"),
        {
            ownerColumn(QStringLiteral("UHH_OWNER")),
            textColumn(QStringLiteral("Art der Leistung"), QStringLiteral("UHH_TYPE"), 170),
            textColumn(QStringLiteral("Sozialleistungsträger"), QStringLiteral("UHH_SOURCE"), 170),
            textColumn(QStringLiteral("beantragt am"), QStringLiteral("UHH_FROMDATE"), 110),
            textColumn(QStringLiteral("für die Zeit ab"), QStringLiteral("UHH_STARTDATE"), 110),
        },
        QStringLiteral("UHHELP"), QStringLiteral("UHH"),
    };
    return claim;
}

} // namespace

QWidget* TAnspruchMainDlg::createEmployerPage()
{
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet2"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    const auto addClaim = [&](const Claim& claim, YesNoPair*& pair, FixedGrid*& grid,
                              QVector<QToolButton*>& buttons) {
        QGroupBox* group = forms::groupBox(claim.groupName, QString(), page);
        auto* grid0 = new QGridLayout(group);
        QLabel* question = forms::question(claim.question, group);
        QCheckBox* yes = forms::checkBox(claim.yesColumn, QStringLiteral("Ja"), group);
        QCheckBox* no = forms::checkBox(claim.noColumn, QStringLiteral("Nein"), group);
        yes->setAccessibleDescription(claim.question);
        no->setAccessibleDescription(claim.question);
        grid0->addWidget(question, 0, 0);
        grid0->addWidget(yes, 0, 1, Qt::AlignTop);
        grid0->addWidget(no, 0, 2, Qt::AlignTop);
        grid0->setColumnStretch(0, 1);

        grid = new FixedGrid(kGridRows, claim.columns, group);
        grid->setObjectName(claim.gridName);
        grid->setAccessibleName(claim.question);
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() + 10 * 22 + 4);
        GridStorage storage;
        storage.table = claim.table;
        storage.identColumn = claim.prefix + QStringLiteral("_IDENT");
        storage.applicationColumn = claim.prefix + QStringLiteral("_INDEX_MAINHEADER");
        storage.numberColumn = claim.prefix + QStringLiteral("_NUMBER");
        // The stored rows move up: the k-th row read fills grid row k.
        storage.orderBy = storage.numberColumn;
        storage.application = [this] { return m_employerApplication; };
        grid->setStorage(storage);

        FixedGrid* g = grid;
        QToolButton* clearRow = forms::clearButton(false, claim.buttonPrefix + QStringLiteral("ClearRowButton"),
                                                   QStringLiteral("Inhalt der aktuellen Zeile löschen"), group);
        QToolButton* clearAll = forms::clearButton(true, claim.buttonPrefix + QStringLiteral("ClearAllButton"),
                                                   QStringLiteral("Inhalt der gesamten Tabelle löschen"), group);
        connect(clearRow, &QToolButton::clicked, this, [g] { ClearGridRow(g); });
        connect(clearAll, &QToolButton::clicked, this, [g] { ClearGridAll(g); });
        buttons = {clearRow, clearAll};
        auto* buttonColumn = new QVBoxLayout;
        buttonColumn->addWidget(clearRow);
        buttonColumn->addWidget(clearAll);
        buttonColumn->addStretch(1);
        grid0->addWidget(grid, 1, 0, 1, 3);
        grid0->addLayout(buttonColumn, 1, 3);
        layout->addWidget(group);

        pair = new YesNoPair(yes, no, YesNoPair::Exclusive, this);
        const QVector<QToolButton*> shown = buttons;
        pair->onChange([g, shown](bool answeredYes) {
            g->setVisible(answeredYes);
            for (QToolButton* b : shown)
                b->setVisible(answeredYes);
        });
        // A click writes this question's own answer only, with the constants of the hidden pair.
        const Claim* c = &claim;
        YesNoPair* p = pair;
        (new WriteGroup(QStringLiteral("UHMAIN"), QStringLiteral("UHM_INDEX_MAINHEADER"),
                        [this] { return m_employerApplication; }, this))
            ->before([this] { return store::ensureApplicationRows(m_employerApplication); })
            .pair(pair, claim.yesColumn, claim.noColumn)
            .value(QStringLiteral("UHM_UNTERHALT_YES"), [] { return false; })
            .value(QStringLiteral("UHM_UNTERHALT_NO"), [] { return true; })
            .also([this, c, p] {
                return store::execute(QStringLiteral("UPDATE MAINHEADER SET BDG_UNTERH_YES=0, BDG_UNTERH_NO=1, "
                                                     "%1=?, %2=? WHERE BDG_IDENT=?")
                                          .arg(c->headerYes, c->headerNo),
                                      {p->yes(), p->no(), m_employerApplication});
            });
    };
    addClaim(employerClaim(), m_boss, m_bossTree, m_bossButtons);
    addClaim(benefitsClaim(), m_help, m_helpTree, m_helpButtons);
    layout->addStretch(1);
    return page;
}

void TAnspruchMainDlg::loadEmployerPage()
{
    m_employerApplication = MainObject ? MainObject->AntragIdent : QString();
    m_employerLoaded = true;
    m_boss->set(false, true);
    m_help->set(false, true);
    store::Rows row = store::select(QStringLiteral("SELECT * FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?"),
                                    {m_employerApplication});
    if (row.next()) {
        // A question never answered shows "Nein".
        const auto setPair = [&row](YesNoPair* pair, const QString& yes, const QString& no) {
            const bool y = row.flag(yes);
            pair->set(y, row.flag(no) || !y);
        };
        setPair(m_boss, employerClaim().yesColumn, employerClaim().noColumn);
        setPair(m_help, benefitsClaim().yesColumn, benefitsClaim().noColumn);
    }
    m_bossTree->load();
    m_helpTree->load();
}
