#include "VermoegenMain.h"
#include "VermoegenMainPages.h"

#include "FixedGrid.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "YesNoPair.h"

#include <QGroupBox>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QVBoxLayout>

namespace assets {

QString applicationKey() { return MainObject ? MainObject->AntragIdent : QString(); }

namespace {

GridColumn column(const QString& caption, const QString& field, CellKind kind, int width) {
    GridColumn c;
    c.caption = caption;
    c.field = field;
    c.kind = kind;
    c.width = width;
    return c;
}
GridColumn text(const QString& caption, const QString& field, int width = 120) {
    return column(caption, field, CellKind::Text, width);
}
GridColumn money(const QString& caption, const QString& field, int width = 100) {
    return column(caption, field, CellKind::Money, width);
}
GridColumn unit(const QString& caption, const QString& field, const QString& suffix, int width = 90) {
    GridColumn c = column(caption, field, CellKind::Unit, width);
    c.unit = suffix;
    return c;
}
// The owner: one of the application's persons as "Name, Vorname", from the list only.
GridColumn owner(const QString& caption, const QString& field, int width = 150) {
    GridColumn c = column(caption, field, CellKind::Pick, width);
    c.persons = true;
    return c;
}
GridColumn choice(const QString& caption, const QString& field, const QStringList& picks,
                  const QVariantList& codes, int defaultPick, int width = 100) {
    GridColumn c = column(caption, field, CellKind::Choice, width);
    c.picks = picks;
    c.codes = codes;
    c.defaultPick = defaultPick;
    return c;
}
// Entry 0 stores true in `field`, entry 1 true in `noField` (if any); an empty cell stores both false.
GridColumn choicePair(const QString& caption, const QString& field, const QString& noField,
                      const QStringList& picks, int defaultPick, int width = 90) {
    GridColumn c = column(caption, field, CellKind::ChoicePair, width);
    c.noField = noField;
    c.picks = picks;
    c.defaultPick = defaultPick;
    return c;
}
const QStringList kYesNo{QStringLiteral("Ja"), QStringLiteral("Nein")};
constexpr int kNoPick = -1; // the cell starts empty

QVector<AssetPage> buildPages() {
    QVector<AssetPage> pages(13);

    AssetPage& free = pages[0];
    free.title = QStringLiteral("Vermögenswerte - Freistellungsaufträge");
    free.question = QStringLiteral("Haben Sie Freistellungsaufträge erteilt?");
    free.code = QStringLiteral("Free");
    free.answer = QStringLiteral("FREE");

    AssetPage& giro = pages[1];
    giro.title = QStringLiteral("Vermögenswerte - Girokonten");
    giro.question = QStringLiteral("Besitzen Sie Girokonten?");
    giro.code = QStringLiteral("Giro");
    giro.answer = QStringLiteral("GIRO");
    giro.table = QStringLiteral("VERGIRO");
    giro.prefix = QStringLiteral("GRO");
    giro.columns = {owner(QStringLiteral("Kontoinhaber(in)"), QStringLiteral("GRO_OWNER")),
                    text(QStringLiteral("Geldinstitut"), QStringLiteral("GRO_BANK"), 150),
                    text(QStringLiteral("Bankleitzahl"), QStringLiteral("GRO_BLZ"), 100),
                    text(QStringLiteral("Kontonummer"), QStringLiteral("GRO_KTO"), 110),
                    money(QStringLiteral("Kontostand"), QStringLiteral("GRO_BRUTTO"))};
    giro.totalColumn = 4;

    AssetPage& bar = pages[2];
    bar.title = QStringLiteral("Vermögenswerte - Bargeld");
    bar.question = QStringLiteral("Besitzen Sie Bargeld?");
    bar.code = QStringLiteral("Bar");
    bar.answer = QStringLiteral("BAR");
    bar.table = QStringLiteral("VERBAR");
    bar.prefix = QStringLiteral("BAR");
    bar.columns = {owner(QStringLiteral("Inhaber(in)"), QStringLiteral("BAR_OWNER"), 250),
                   money(QStringLiteral("Gesamtbetrag"), QStringLiteral("BAR_BRUTTO"), 150)};
    bar.totalColumn = 1;

    AssetPage& sparb = pages[3];
    sparb.title = QStringLiteral("Vermögenswerte - Sparbücher/ -Konten");
    sparb.question = QStringLiteral("Besitzen Sie Sparbücher / Sparkonten (z.B. Tagesgeldkonten)?");
    sparb.code = QStringLiteral("Sparb");
    sparb.answer = QStringLiteral("SPARB");
    sparb.defaultYes = true;
    sparb.table = QStringLiteral("VERSPARB");
    sparb.prefix = QStringLiteral("SPB");
    GridColumn sparbBlz = text(QStringLiteral("Bankleitzahl"), QStringLiteral("SPB_BLZ"), 100);
    sparbBlz.hidden = true; // present but never filled: stored as a single blank
    sparb.columns = {owner(QStringLiteral("Kontoinhaber(in)"), QStringLiteral("SPB_OWNER")),
                     text(QStringLiteral("Geldinstitut"), QStringLiteral("SPB_BANK"), 150),
                     sparbBlz,
                     text(QStringLiteral("Kontonummer"), QStringLiteral("SPB_KTO"), 110),
                     money(QStringLiteral("Zins im letzten Jahr"), QStringLiteral("SPB_ZINS")),
                     money(QStringLiteral("Gesamtbetrag"), QStringLiteral("SPB_BRUTTO"))};
    sparb.totalColumn = 5;

    AssetPage& akt = pages[4];
    akt.title = QStringLiteral("Vermögenswerte - Sparbriefe / Wertpapiere");
    akt.question = QStringLiteral("Besitzen Sie Sparbriefe / Sonstige Wertpapiere (z.B. Aktien, Fond-Anteile usw.)");
    akt.code = QStringLiteral("Akt");
    akt.answer = QStringLiteral("AKT");
    akt.table = QStringLiteral("VERAKT");
    akt.prefix = QStringLiteral("AKT");
    akt.columns = {owner(QStringLiteral("Inhaber(in)"), QStringLiteral("AKT_OWNER"), 130),
                   text(QStringLiteral("Art der Anlage"), QStringLiteral("AKT_TYPE"), 120),
                   money(QStringLiteral("derzeitiger Wert"), QStringLiteral("AKT_BRUTTO")),
                   money(QStringLiteral("Erträge letztes Jahr"), QStringLiteral("AKT_INPUT")),
                   money(QStringLiteral("Kosten bei vorzeitiger Auflösung"), QStringLiteral("AKT_SOLD")),
                   unit(QStringLiteral("Gutschrift- zinssatz"), QStringLiteral("AKT_ZINSPLUS"), QStringLiteral(" %"), 80),
                   unit(QStringLiteral("Beleihungs- zinssatz"), QStringLiteral("AKT_ZINSMINUS"), QStringLiteral(" %"), 80)};
    akt.totalColumn = 2;

    AssetPage& klv = pages[5];
    klv.title = QStringLiteral("Kapitallebensversicherungen / Private Rentenversicherungen");
    klv.question = QStringLiteral("Besitzen Sie Kapitallebensversicherungen / Private Rentenversicherungen ?");
    klv.code = QStringLiteral("Klv");
    klv.answer = QStringLiteral("KLV");
    klv.table = QStringLiteral("VERKLV");
    klv.prefix = QStringLiteral("KLV");
    GridColumn holder = owner(QStringLiteral("Versicherungs- nehmer"), QStringLiteral("KLV_OWNER"), 130);
    holder.editable = true; // the policy holder may be someone outside the household
    klv.columns = {holder,
                   text(QStringLiteral("Versicherungs- unternehmen"), QStringLiteral("KLV_NAME"), 110),
                   text(QStringLiteral("Vericherungs- nummer"), QStringLiteral("KLV_NUMMER"), 90),
                   money(QStringLiteral("Auszahlungsbetrag bei Rück- oder Verkauf"), QStringLiteral("KLV_BRUTTO")),
                   money(QStringLiteral("bisher eingezahlt"), QStringLiteral("KLV_INPUT"), 90),
                   money(QStringLiteral("Verischerungs- summe"), QStringLiteral("KLV_OUTPUT"), 90),
                   choice(QStringLiteral("Verwertungs- ausschluss beantragt"), QStringLiteral("KLV_ISRENTE"),
                          {QStringLiteral("Nein"), QStringLiteral("Riester-Rente"), QStringLiteral("Altersvorsorge")},
                          {0, 1, 2}, 0, 110)};
    klv.totalColumn = 3;

    AssetPage& bsp = pages[6];
    bsp.title = QStringLiteral("Vermögenswerte - Bausparverträge");
    bsp.question = QStringLiteral("Besitzen Sie Bausparverträge?");
    bsp.code = QStringLiteral("Bsp");
    bsp.answer = QStringLiteral("BSP");
    bsp.table = QStringLiteral("VERBSPV");
    bsp.prefix = QStringLiteral("BSP");
    // The list offers "Nein" first; "Ja" stores BSP_LOCK_YES, "Nein" BSP_LOCK_NO.
    GridColumn lock = choicePair(QStringLiteral("Ja/Nein"), QStringLiteral("BSP_LOCK_NO"),
                                 QStringLiteral("BSP_LOCK_YES"), {QStringLiteral("Nein"), QStringLiteral("Ja")}, 0,
                                 300);
    // The lock column is wide enough for its band's question.
    bsp.columns = {owner(QStringLiteral("Inhaber(in)"), QStringLiteral("BSP_OWNER"), 160),
                   money(QStringLiteral("Guthaben"), QStringLiteral("BSP_BRUTTO"), 110), lock};
    bsp.bands = {{QStringLiteral("Inhaber und Guthaben des Bausparvertrages"), 0, 2},
                 {QStringLiteral("Ist der Bsp-V. zur Sicherung eines Darlehens abgetreten?"), 2, 1}};
    bsp.totalColumn = 1;

    AssetPage& pension = pages[7];
    pension.title = QStringLiteral("Vermögenswerte - Altersvorsorge");
    pension.code = QStringLiteral("RvFree");
    pension.answer = QStringLiteral("RV_FREE");

    AssetPage& bbg = pages[8];
    bbg.title = QStringLiteral("Vermögenswerte - Bebaute Grundstücke");
    bbg.question = QStringLiteral("Sind Sie oder in der Bedarfsgemeinschaft lebende Personen oder beide Eigentümer/in "
                                  "BEBAUTER Grundstücke und/oder Eigentumswohnungen?");
    bbg.code = QStringLiteral("Bbg");
    bbg.answer = QStringLiteral("BBG");
    bbg.table = QStringLiteral("VERBBG");
    bbg.prefix = QStringLiteral("BBG");
    bbg.columns = {owner(QStringLiteral("Name(n) des/der Eigentümer"), QStringLiteral("BBG_OWNER"), 140),
                   unit(QStringLiteral("Grundstück- größe"), QStringLiteral("BBG_GROSS"), QStringLiteral(" qm")),
                   unit(QStringLiteral("Wohn- fläche"), QStringLiteral("BBG_WOHN_MAX"), QStringLiteral(" qm")),
                   unit(QStringLiteral("selbst bewohnt"), QStringLiteral("BBG_WOHN_SELF"), QStringLiteral(" qm")),
                   money(QStringLiteral("Verkehrs- wert"), QStringLiteral("BBG_BRUTTO")),
                   money(QStringLiteral("Miet-/Pacht- einnahmen monatlich"), QStringLiteral("BBG_MIET_INPUT")),
                   money(QStringLiteral("Belastungen"), QStringLiteral("BBG_KREDIT"))};
    bbg.totalColumn = 4;
    bbg.saveTwice = true;

    AssetPage& ubb = pages[9];
    ubb.title = QStringLiteral("Vermögenswerte - Unbebaute Grundstücke");
    ubb.question = QStringLiteral("Sind Sie oder in der Bedarfsgemeinschaft lebende Personen oder beide Eigentümer/in "
                                  "UNBEBAUTER Grundstücke und/oder Eigentumswohnungen?");
    ubb.code = QStringLiteral("Ubb");
    ubb.answer = QStringLiteral("UBB");
    ubb.table = QStringLiteral("VERUBB");
    ubb.prefix = QStringLiteral("UBB");
    ubb.columns = {owner(QStringLiteral("Name(n) des/der Eigentümer"), QStringLiteral("UBB_OWNER"), 180),
                   unit(QStringLiteral("Grundstück- größe"), QStringLiteral("UBB_GROSS"), QStringLiteral(" qm"), 110),
                   money(QStringLiteral("Verkehrs- wert"), QStringLiteral("UBB_BRUTTO"), 110),
                   money(QStringLiteral("Miet-/Pacht- einnahmen monatlich"), QStringLiteral("UBB_MIETIN"), 110),
                   money(QStringLiteral("Belastungen"), QStringLiteral("UBB_KREDIT"), 110)};
    ubb.totalColumn = 2;
    ubb.saveTwice = true;

    AssetPage& kfz = pages[10];
    kfz.title = QStringLiteral("Vermögenswerte - Kraftfahrzeuge");
    kfz.question = QStringLiteral("Sind Sie oder eine in der Bedarfsgemeinschaft lebende Person Eigentümer eines "
                                  "Kraftfahrzeuges");
    kfz.code = QStringLiteral("Kfz");
    kfz.answer = QStringLiteral("KFZ");
    kfz.table = QStringLiteral("VERKFZ");
    kfz.prefix = QStringLiteral("KFZ");
    kfz.columns = {owner(QStringLiteral("Eigentümer(in)"), QStringLiteral("KFZ_OWNER"), 130),
                   text(QStringLiteral("Hersteller"), QStringLiteral("KFZ_HERSTELLER"), 90),
                   text(QStringLiteral("Modell"), QStringLiteral("KFZ_MODELL"), 80),
                   text(QStringLiteral("Kennzeichen"), QStringLiteral("KFZ_KENNZEICHEN"), 90),
                   unit(QStringLiteral("Alter"), QStringLiteral("KFZ_ALTER"), QStringLiteral(" Jahre"), 80),
                   unit(QStringLiteral("Kilometer- stand"), QStringLiteral("KFZ_KMSTAND"), QStringLiteral(" km"), 90),
                   money(QStringLiteral("Geschätzter Wert"), QStringLiteral("KFZ_BRUTTO"), 90),
                   money(QStringLiteral("noch besteh. Verbindlichk."), QStringLiteral("KFZ_KREDIT"), 90)};
    kfz.totalColumn = 6;

    AssetPage& spe = pages[11];
    spe.title = QStringLiteral("Vermögenswerte - Spenden / Schenkungen");
    spe.question = QStringLiteral("Haben Sie oder in der Bedarfsgemeinschaft lebende Personen in den letzten 10 "
                                  "Jahren Vermögen in einer Höhe verschenkt oder gespendet, das die "
                                  "Vermögensfreiheitsgrenze der Bedarfsgemeinschaft überschreitet?");
    spe.code = QStringLiteral("Spe");
    spe.answer = QStringLiteral("SPE");
    spe.defaultYes = true;
    spe.table = QStringLiteral("VERSPE");
    spe.prefix = QStringLiteral("SPE");
    spe.columns = {text(QStringLiteral("Verwendungszweck"), QStringLiteral("SPE_TYPE"), 300),
                   column(QStringLiteral("Zeitpunkt"), QStringLiteral("SPE_DATE"), CellKind::Date, 120),
                   money(QStringLiteral("Höhe"), QStringLiteral("SPE_BRUTTO"), 130)};
    spe.totalColumn = 2;
    spe.rowButtons = false;

    AssetPage& alg = pages[12];
    alg.title = QStringLiteral("Vermögenswerte - Bezug von Arbeitslosengeld");
    alg.question = QStringLiteral("Beziehen Sie oder ein Mitglied Ihrer Bedarfsgemeinschaft Arbeitslosengeld oder "
                                  "bezogen Sie oder ein Mitglied Arbeitslosengeld innerhalb der letzten 2 Jahre?");
    alg.code = QStringLiteral("Alg");
    alg.answer = QStringLiteral("ALG");
    alg.table = QStringLiteral("VERALG");
    alg.prefix = QStringLiteral("ALG");
    alg.columns = {
        owner(QStringLiteral("Name, Vorname"), QStringLiteral("ALG_OWNER"), 110),
        text(QStringLiteral("Kundennummer"), QStringLiteral("ALG_KDNR"), 70),
        column(QStringLiteral("Ende am"), QStringLiteral("ALG_ENDE"), CellKind::DateText, 75),
        choicePair(QStringLiteral("zuletzt bezogen (wöchentl. / tägl.)"), QStringLiteral("ALG_WOCHE"),
                   QStringLiteral("ALG_TAG"), {QStringLiteral("wöchentlich"), QStringLiteral("täglich")}, kNoPick, 80),
        money(QStringLiteral("Höhe"), QStringLiteral("ALG_BRUTTO"), 70),
        choicePair(QStringLiteral("Wurde Wohngeld bezogen?"), QStringLiteral("ALG_WOHN_YES"),
                   QStringLiteral("ALG_WOHN_NO"), kYesNo, kNoPick, 60),
        money(QStringLiteral("Höhe des Wohngeldes"), QStringLiteral("ALG_WOHN_BRUTTO"), 70),
        choicePair(QStringLiteral("Eintritt festgestellt (Ja/Nein)"), QStringLiteral("ALG_SPERR_DUR_YES"), QString(),
                   kYesNo, kNoPick, 65),
        text(QStringLiteral("vom"), QStringLiteral("ALG_SPERR_DUR_FROM"), 65),
        text(QStringLiteral("bis"), QStringLiteral("ALG_SPERR_DUR_UNTIL"), 65),
        choicePair(QStringLiteral("Anspruch erloschen (Ja/Nein)"), QStringLiteral("ALG_SPERR_YES"), QString(), kYesNo,
                   kNoPick, 65),
        column(QStringLiteral("ab"), QStringLiteral("\"ALG-SPERR_ENDE\""), CellKind::DateText, 75)};
    alg.bands = {{QStringLiteral("Personendaten"), 0, 3},
                 {QStringLiteral("Arbeitslosengeldbezug"), 3, 4},
                 {QStringLiteral("Sperrzeit wurde festgestellt"), 7, 5}};
    alg.compact = true;
    return pages;
}

} // namespace

const QVector<AssetPage>& assetPages() {
    static const QVector<AssetPage> pages = buildPages();
    return pages;
}

namespace {

// Shares the list's width among its columns in proportion to their planned widths, each at least as
// wide as the longest word of its caption, so that no page needs a horizontal scroll bar and the
// wrapped captions stay whole.
class ColumnFitter : public QObject {
public:
    explicit ColumnFitter(FixedGrid* grid) : QObject(grid), m_grid(grid) {
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid->horizontalHeader()->setStretchLastSection(false);
        grid->horizontalHeader()->setMinimumSectionSize(20);
        grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_grid->viewport() && event->type() == QEvent::Resize)
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    // What a cell of the column typically shows, and must show whole.
    static QStringList samples(const GridColumn& c) {
        switch (c.kind) {
        case CellKind::Money:
            return {QStringLiteral("9.999,99 €")};
        case CellKind::Unit:
            return {QStringLiteral("999,99") + c.unit};
        case CellKind::Date:
        case CellKind::DateText:
            return {QStringLiteral("00.00.0000")};
        case CellKind::Choice:
        case CellKind::ChoicePair:
            return c.picks;
        case CellKind::Text:
        case CellKind::Pick:
        case CellKind::Integer:
        case CellKind::PersonIdent:
            break;
        }
        return {};
    }

    void fit() {
        const QVector<GridColumn>& columns = m_grid->gridColumns();
        const QFontMetrics metrics(m_grid->horizontalHeader()->font());
        const QFontMetrics cells(m_grid->font());
        QVector<int> least(columns.size(), 0);
        int planned = 0;
        int leastSum = 0;
        for (int c = 0; c < columns.size(); ++c) {
            if (m_grid->isColumnHidden(c))
                continue;
            for (const QString& word : columns.at(c).caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                least[c] = qMax(least[c], metrics.horizontalAdvance(word) + 10);
            for (const QString& sample : samples(columns.at(c)))
                least[c] = qMax(least[c], cells.horizontalAdvance(sample) + 12);
            planned += qMax(columns.at(c).width, least[c]);
            leastSum += least[c];
        }
        const int width = m_grid->viewport()->width();
        if (planned <= 0 || width <= 0)
            return;
        // Too narrow for all of it: every column gives up the same share of its least width.
        if (leastSum > width) {
            for (int c = 0; c < columns.size(); ++c)
                if (!m_grid->isColumnHidden(c))
                    m_grid->setColumnWidth(c, least[c] * width / leastSum);
            return;
        }
        // What is left beyond the least widths goes to the columns in proportion to their plans.
        const int spare = width - leastSum;
        int used = 0;
        int last = -1;
        for (int c = 0; c < columns.size(); ++c) {
            if (m_grid->isColumnHidden(c))
                continue;
            const int share = qMax(columns.at(c).width, least[c]) - least[c];
            const int extra = planned - leastSum > 0 ? spare * share / (planned - leastSum) : spare / columns.size();
            const int w = least[c] + extra;
            m_grid->setColumnWidth(c, w);
            used += w;
            last = c;
        }
        if (last >= 0 && used < width)
            m_grid->setColumnWidth(last, m_grid->columnWidth(last) + width - used);
    }

    FixedGrid* m_grid;
};

} // namespace

void fitColumns(FixedGrid* grid) { new ColumnFitter(grid); }

} // namespace assets

using assets::AssetPage;
using assets::assetPages;

QWidget* TVermoegenMainDlg::createAssetPage(int page) {
    const AssetPage& p = assetPages().at(page);
    QWidget* content = forms::pageContent(QStringLiteral("TabSheet%1").arg(page + 1));
    auto* layout = static_cast<QVBoxLayout*>(content->layout());

    QGroupBox* group = forms::groupBox(p.code + QStringLiteral("Group"), QString(), content);
    auto* row = new QHBoxLayout(group);
    QLabel* questionLabel = forms::question(p.question, group, p.code + QStringLiteral("Question"));
    QCheckBox* yes = forms::checkBox(p.code + QStringLiteral("Yes"), QStringLiteral("Ja"), group);
    QCheckBox* no = forms::checkBox(p.code + QStringLiteral("No"), QStringLiteral("Nein"), group);
    for (QCheckBox* box : {yes, no})
        box->setAccessibleDescription(p.question);
    row->addWidget(questionLabel, 1);
    row->addWidget(yes, 0, Qt::AlignTop);
    row->addWidget(no, 0, Qt::AlignTop);
    layout->addWidget(group);

    auto* panel = new QWidget(content);
    panel->setObjectName(p.code + QStringLiteral("Panel"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(2);
    // The row buttons stand above the list, so that the list has the page's whole width.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    panelLayout->addLayout(buttons);
    auto* grid = new FixedGrid(assets::kGridRows, p.columns, panel);
    grid->setObjectName(p.code + QStringLiteral("Grid"));
    grid->setAccessibleName(p.title);
    if (!p.bands.isEmpty())
        grid->setBands(p.bands);
    if (p.columns.size() > 10) {
        // A dozen columns side by side: a slightly smaller type keeps every caption whole.
        QFont font = grid->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        grid->setFont(font);
        grid->horizontalHeader()->setFont(font);
    }
    assets::fitColumns(grid);
    grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() +
                           assets::kGridRows * grid->verticalHeader()->defaultSectionSize() +
                           2 * grid->frameWidth());
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelLayout->addWidget(grid, 1);
    if (p.rowButtons) {
        auto* clearRow = forms::clearButton(false, p.code + QStringLiteral("ClearRowButton"),
                                            QStringLiteral("Inhalt der aktuellen Zeile löschen"), panel);
        auto* clearAll = forms::clearButton(true, p.code + QStringLiteral("ClearAllButton"),
                                            QStringLiteral("Inhalt der gesamten Tabelle löschen"), panel);
        buttons->addWidget(clearRow);
        buttons->addWidget(clearAll);
        const bool twice = p.saveTwice;
        connect(clearRow, &QToolButton::clicked, this, [grid, twice] {
            ClearGridRow(grid);
            if (twice)
                grid->save(SaveMode::Report);
        });
        connect(clearAll, &QToolButton::clicked, this, [grid, twice] {
            ClearGridAll(grid);
            if (twice)
                grid->save(SaveMode::Report);
        });
    }
    layout->addWidget(panel, 1);
    layout->addStretch(0);

    GridStorage storage;
    storage.table = p.table;
    storage.identColumn = p.prefix + QStringLiteral("_IDENT");
    storage.applicationColumn = p.prefix + QStringLiteral("_INDEX_MAINHEADER");
    storage.numberColumn = p.prefix + QStringLiteral("_NUMBER");
    storage.application = assets::applicationKey;
    if (p.compact)
        storage.orderBy = p.prefix + QStringLiteral("_NUMBER");
    const int key = p.keyColumn;
    // Without an open application no entry is stored (it would belong to none).
    storage.filled = [grid, key](int r) {
        return !grid->loadedApplication().isEmpty() && !grid->text(r, key).trimmed().isEmpty();
    };
    if (p.totalColumn >= 0) {
        storage.totalColumn = p.totalColumn;
        const QString totalColumn = QStringLiteral("VEM_%1_BRUTTO").arg(p.answer);
        storage.writeTotal = [totalColumn](double total) {
            return store::execute(
                QStringLiteral("UPDATE VERMAIN SET %1=? WHERE VEM_INDEX_MAINHEADER=?").arg(totalColumn),
                {total, assets::applicationKey()}, store::OnError::Ignore);
        };
    }
    grid->setStorage(storage);

    auto* pair = new YesNoPair(yes, no, YesNoPair::Exclusive, this);
    pair->onChange([this, page](bool yesTicked) { assetAnswerChange(page, yesTicked); });
    m_answers[page] = pair;
    m_grids[page] = grid;
    m_gridPanels[page] = panel;
    panel->hide();
    return content;
}

void TVermoegenMainDlg::assetAnswerChange(int page, bool yes) {
    // Entries stay stored whatever the answer; only the list comes and goes.
    m_gridPanels.at(page)->setVisible(yes);
    if (page == kAlgPage && yes)
        AlgYesChange();
}

void TVermoegenMainDlg::loadAssetPage(int page) {
    ensureAnswers();
    m_grids.at(page)->load();
}

void TVermoegenMainDlg::AlgYesChange() {
    const QString application = assets::applicationKey();
    if (application.isEmpty())
        return;
    // The one write that reading the answers makes: the household's unemployment-benefit answer
    // follows this page's "Ja". The copy BDG_ALG1_NOCHANGE stays equal to BDG_ALG1_NO.
    store::LoadWrite allowed;
    store::execute(QStringLiteral("UPDATE MAINHEADER SET BDG_ALG1_YES=?, BDG_ALG1_NO=?, BDG_ALG1_NOCHANGE=? "
                                  "WHERE BDG_IDENT=?"),
                   {true, false, false, application}, store::OnError::Ignore);
}

void TVermoegenMainDlg::AlgNoClick() {
    const QString application = assets::applicationKey();
    if (application.isEmpty() || store::isLoading() || !m_answers.at(kAlgPage)->no())
        return;
    FixedGrid* grid = m_grids.at(kAlgPage);
    // No unemployment benefit: its entries, the household's answer and every person's flag go together,
    // or nothing changes.
    const bool done = store::inTransaction([&] {
        return store::execute(QStringLiteral("DELETE FROM VERALG WHERE ALG_INDEX_MAINHEADER=?"), {application}) &&
               store::execute(QStringLiteral("UPDATE MAINHEADER SET BDG_ALG1_YES=?, BDG_ALG1_NO=?, "
                                             "BDG_ALG1_NOCHANGE=? WHERE BDG_IDENT=?"),
                              {false, true, true, application}) &&
               store::execute(QStringLiteral("UPDATE MAINMONEY SET MIP_HAVE_ALG1_YES=? WHERE MIP_INDEX_MAINHEADER=?"),
                              {false, application});
    });
    if (done)
        grid->clearAll();
}
