#include "ResultMainNew.h"

#include "EstimateCaptions.h"
#include "EstimateReport.h"
#include "Messages.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace estimate;

namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kLightYellow(251, 255, 204);

// Bands above groups of columns ("Mehrbedarf durch" over three columns), following the columns'
// positions as they are resized or scrolled.
class BandHeader : public QWidget {
public:
    struct Band {
        int first;
        int last;
        QString text;
    };
    BandHeader(QTableWidget* table, QVector<Band> bands, QWidget* parent)
        : QWidget(parent)
        , m_table(table)
        , m_bands(std::move(bands)) {
        setFixedHeight(fontMetrics().height() + 8);
        connect(table->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { update(); });
        connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QHeaderView* h = m_table->horizontalHeader();
        const int offset = m_table->frameWidth();
        for (const Band& b : m_bands) {
            const int x = offset + h->sectionViewportPosition(b.first);
            const int right = offset + h->sectionViewportPosition(b.last) + h->sectionSize(b.last);
            const QRect r(x, 0, right - x - 1, height() - 1);
            p.fillRect(r, palette().color(QPalette::Button));
            p.setPen(palette().color(QPalette::Mid));
            p.drawRect(r);
            p.setPen(palette().color(QPalette::ButtonText));
            p.drawText(r, Qt::AlignCenter, b.text);
        }
    }

private:
    QTableWidget* m_table;
    QVector<Band> m_bands;
};

QTableWidget* grid(const QString& name, const QStringList& columns, const QList<int>& widths,
                   QWidget* parent) {
    auto* t = new QTableWidget(0, columns.size(), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(columns);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    for (int c = 0; c < widths.size(); ++c)
        t->setColumnWidth(c, widths[c]);
    t->horizontalHeader()->setStretchLastSection(false);
    return t;
}

// A grid is as wide as its columns, so that its total label stands at its right edge.
void fitWidth(QTableWidget* t) {
    int w = 2 * t->frameWidth();
    for (int c = 0; c < t->columnCount(); ++c)
        if (!t->isColumnHidden(c)) w += t->columnWidth(c);
    t->setFixedWidth(w);
}

// A grid inside the scroll box shows all its rows; the scroll box scrolls, not the grid.
void fitHeight(QTableWidget* t) {
    int h = t->horizontalHeader()->height() + 2 * t->frameWidth();
    for (int r = 0; r < t->rowCount(); ++r)
        h += t->rowHeight(r);
    t->setFixedHeight(h);
}

void setText(QTableWidget* t, int row, int column, const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    QTableWidgetItem* item = t->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        t->setItem(row, column, item);
    }
    item->setText(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
}

void setMoney(QTableWidget* t, int row, int column, double amount) {
    setText(t, row, column, formatMoney(amount, true), Qt::AlignRight);
}

// A grid with fixed rows: captions in column 0, figures in column 1.
QTableWidget* captionGrid(const QString& name, const QString& heading, const QStringList& rows,
                          int captionWidth, QWidget* parent) {
    QTableWidget* t = grid(name, {heading, QStringLiteral("Betrag")}, {captionWidth, 110}, parent);
    t->setRowCount(rows.size());
    for (int r = 0; r < rows.size(); ++r)
        setText(t, r, 0, rows[r]);
    return t;
}

void colourRow(QTableWidget* t, int row, const QColor& colour) {
    for (int c = 0; c < t->columnCount(); ++c) {
        if (!t->item(row, c)) setText(t, row, c, QString());
        t->item(row, c)->setBackground(colour);
    }
}

// The household's row "Gesamt" stands out from the persons' rows.
void boldRow(QTableWidget* t, int row) {
    for (int c = 0; c < t->columnCount(); ++c) {
        if (QTableWidgetItem* item = t->item(row, c)) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
    }
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: bold; color: navy; margin-top: 10px;"));
    return l;
}

QLabel* totalLabel(const QString& name, QWidget* parent) {
    auto* l = new QLabel(formatMoney(0), parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 13px;"));
    return l;
}

QString typeText(int type) {
    switch (type) {
    case Applicant:
        return QStringLiteral("Antragsteller(in)");
    case Partner:
        return QStringLiteral("Partner(in)");
    default:
        return QStringLiteral("Weitere Person");
    }
}

} // namespace

TResultMainNewDlg::TResultMainNewDlg(QWidget* parent)
    : DataDialog(Panel, QStringLiteral("ResultMainNewDlg"), Frame{false, false}, parent) {
    setWindowTitle(QStringLiteral("Voraussichtliche Leistungen"));
    if (auto* header = findChild<QFrame*>(QStringLiteral("HeaderPanel"))) {
        auto* warning = new QLabel(captions::warning(), header);
        warning->setObjectName(QStringLiteral("Label2"));
        warning->setWordWrap(true);
        warning->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0); font-weight: bold;"));
        if (auto* row = qobject_cast<QBoxLayout*>(header->layout())) row->addWidget(warning, 3);
    }

    PageControl1 = new QStackedWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto* results = new QWidget(PageControl1);
    results->setObjectName(QStringLiteral("TabSheet1"));
    auto* waiting = new QLabel(captions::waiting(), PageControl1);
    waiting->setObjectName(QStringLiteral("TabSheet2"));
    waiting->setAlignment(Qt::AlignCenter);
    waiting->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: navy;"));
    PageControl1->addWidget(results);
    PageControl1->addWidget(waiting);

    auto* layout = new QVBoxLayout(results);
    layout->setContentsMargins(16, 8, 16, 16);
    const QStringList sections = captions::sections();
    // Each section: its heading, then its grids with the total label below their right edge.
    const auto addSection = [&](int index, QWidget* body, QLabel* total) {
        layout->addWidget(heading(sections[index], results));
        auto* box = new QWidget(results);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(0, 0, 0, 0);
        boxLayout->addWidget(body);
        boxLayout->addWidget(total);
        box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
        layout->addWidget(box, 0, Qt::AlignLeft);
    };

    PersonTree = grid(QStringLiteral("PersonTree"),
                      captions::personColumns() << QStringLiteral("PRS_IDENT") << QStringLiteral("PRS_TYPE"),
                      {260, 100, 60, 110}, results);
    PersonTree->setColumnHidden(4, true);
    PersonTree->setColumnHidden(5, true);
    rSatzSumme = totalLabel(QStringLiteral("rSatzSumme"), results);
    addSection(0, PersonTree, rSatzSumme);

    auto* needs = new QWidget(results);
    auto* needsLayout = new QVBoxLayout(needs);
    needsLayout->setContentsMargins(0, 0, 0, 0);
    needsLayout->setSpacing(0);
    MorePowerTree = grid(QStringLiteral("MorePowerTree"), captions::additionalNeedColumns(),
                         {260, 110, 110, 110, 320, 90, 100}, needs);
    const QStringList bands = captions::additionalNeedBands();
    needsLayout->addWidget(new BandHeader(MorePowerTree, {{1, 3, bands[0]}, {4, 5, bands[1]}}, needs));
    needsLayout->addWidget(MorePowerTree);
    MorePowerSumme = totalLabel(QStringLiteral("MorePowerSumme"), results);
    addSection(1, needs, MorePowerSumme);

    auto* housing = new QWidget(results);
    auto* housingLayout = new QGridLayout(housing);
    housingLayout->setContentsMargins(0, 0, 0, 0);
    auto* levelRow = new QHBoxLayout;
    auto* levelPrompt = new QLabel(captions::rentLevelPrompt(), housing);
    ComboBox1 = new QComboBox(housing);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(captions::rentLevels());
    auto* levelNote = new QLabel(captions::rentLevelNote(), housing);
    levelNote->setStyleSheet(QStringLiteral("font-style: italic;"));
    levelRow->addWidget(levelPrompt);
    levelRow->addWidget(ComboBox1);
    levelRow->addSpacing(12);
    levelRow->addWidget(levelNote, 1);
    housingLayout->addLayout(levelRow, 0, 0, 1, 2);
    MainLiv = captionGrid(QStringLiteral("MainLiv"), captions::householdHeading(), captions::householdRows(),
                          200, housing);
    MainLiv->setHorizontalHeaderLabels({captions::householdHeading(), QString()});
    ColdLiv =
        captionGrid(QStringLiteral("ColdLiv"), captions::rentHeading(), captions::rentRows(), 470, housing);
    colourRow(ColdLiv, 4, kLightYellow);
    HotLiv = captionGrid(QStringLiteral("HotLiv"), captions::heatingHeading(), captions::heatingRows(), 470,
                         housing);
    colourRow(HotLiv, 6, kLightYellow);
    housingLayout->addWidget(MainLiv, 1, 0, Qt::AlignTop);
    housingLayout->addWidget(ColdLiv, 1, 1, Qt::AlignTop);
    housingLayout->addWidget(HotLiv, 2, 1, Qt::AlignTop);
    LivingLevel = grid(QStringLiteral("LivingLevel"), captions::rentLevels(), {}, housing);
    LivingLevel->hide();
    LivingCost = totalLabel(QStringLiteral("LivingCost"), results);
    addSection(2, housing, LivingCost);

    AlgTree = captionGrid(QStringLiteral("AlgTree"), QStringLiteral("Bezeichnung"),
                          captions::supplementRows(), 470, results);
    colourRow(AlgTree, 6, kLightYellow);
    ALGSumme = totalLabel(QStringLiteral("ALGSumme"), results);
    addSection(3, AlgTree, ALGSumme);

    EkTree = grid(QStringLiteral("EkTree"), captions::incomeColumns(), {260, 130, 130, 110, 130}, results);
    EKSumme = totalLabel(QStringLiteral("EKSumme"), results);
    addSection(4, EkTree, EKSumme);

    VermTree = grid(QStringLiteral("VermTree"), captions::assetColumns(), {260, 130, 130, 110, 130}, results);
    VermSumme = totalLabel(QStringLiteral("VermSumme"), results);
    addSection(5, VermTree, VermSumme);

    auto* summary = new QWidget(results);
    auto* summaryLayout = new QHBoxLayout(summary);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    ResultTree = captionGrid(QStringLiteral("ResultTree"), QStringLiteral("Bezeichnung"),
                             captions::resultRows(), 330, summary);
    for (int r = 0; r < 4; ++r)
        colourRow(ResultTree, r, kGreen);
    colourRow(ResultTree, 4, kRed);
    colourRow(ResultTree, 5, kRed);
    colourRow(ResultTree, 6, palette().color(QPalette::Button));
    auto* note = new QLabel(captions::note(), summary);
    note->setObjectName(QStringLiteral("Label3"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    note->setStyleSheet(QStringLiteral("font-style: italic;"));
    note->setFixedWidth(420);
    summaryLayout->addWidget(ResultTree, 0, Qt::AlignTop);
    summaryLayout->addSpacing(12);
    summaryLayout->addWidget(note, 0, Qt::AlignTop);
    REsultSumme = totalLabel(QStringLiteral("REsultSumme"), results);
    REsultSumme->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 16px; color: navy;"));
    addSection(6, summary, REsultSumme);
    layout->addStretch(1);

    for (QTableWidget* t : {MainLiv, ColdLiv, HotLiv, AlgTree, ResultTree})
        fitHeight(t);
    for (QTableWidget* t :
         {PersonTree, MorePowerTree, MainLiv, ColdLiv, HotLiv, AlgTree, EkTree, VermTree, ResultTree})
        fitWidth(t);

    addPage({captions::title(), 0, PageControl1, [this] {
                 PageControl1->setCurrentIndex(1);
                 if (isVisible()) repaint();
                 ComputeEstimate();
                 PageControl1->setCurrentIndex(0);
                 if (isVisible()) repaint();
             }});

    connect(ComboBox1, qOverload<int>(&QComboBox::activated), this, &TResultMainNewDlg::ComboBox1Click);
    clearFigures();
}

void TResultMainNewDlg::ShowPage(int index) {
    DataDialog::ShowPage(index);
}

void TResultMainNewDlg::setComputationDay(const QDate& day) {
    m_day = day;
}

QComboBox* TResultMainNewDlg::dietChoice(int row) const {
    return qobject_cast<QComboBox*>(MorePowerTree->cellWidget(row, 4));
}

void TResultMainNewDlg::ComputeEstimate() {
    m_run.reset();
    clearFigures();
    const QString application = MainObject ? MainObject->AntragIdent : QString();
    QString error;
    bool databaseFailed = false;
    std::optional<EstimateRun> run =
        RunEstimate(application, m_day.isValid() ? m_day : QDate::currentDate(), &error, &databaseFailed);
    if (!run) {
        if (databaseFailed)
            store::reportDatabaseError(error);
        else
            store::Messages::error(error);
        return;
    }
    // Every computation starts at "Mietstufe 1" and without diets.
    m_run = std::move(run);
    buildRows();
    showFigures();
    if (!m_run->result.complete) store::Messages::information(m_run->result.problems.join(QLatin1Char('\n')));
}

void TResultMainNewDlg::ComboBox1Click(int level) {
    if (!m_run) return;
    m_run->input.rentLevel = level;
    m_run->recompute();
    showFigures();
}

void TResultMainNewDlg::MopTypeChange(int row, int diet) {
    if (!m_run || row < 0 || row >= int(m_run->result.additionalNeeds.size())) return;
    m_run->input.dietByPerson[m_run->result.additionalNeeds[row].ident] = diet;
    m_run->recompute();
    showFigures();
}

void TResultMainNewDlg::clearFigures() {
    PersonTree->setRowCount(0);
    MorePowerTree->setRowCount(0);
    EkTree->setRowCount(0);
    VermTree->setRowCount(0);
    for (QTableWidget* t : {MainLiv, ColdLiv, HotLiv, AlgTree, ResultTree})
        for (int r = 0; r < t->rowCount(); ++r)
            setText(t, r, 1, QString(), Qt::AlignRight);
    setText(AlgTree, 0, 0, captions::supplementRows().first());
    for (QLabel* l : {rSatzSumme, MorePowerSumme, LivingCost, ALGSumme, EKSumme, VermSumme})
        l->setText(formatMoney(0));
    REsultSumme->setText(formatMoney(0));
    {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(0);
    }
    for (QTableWidget* t : {PersonTree, MorePowerTree, EkTree, VermTree})
        fitHeight(t);
}

void TResultMainNewDlg::buildRows() {
    const EstimateResult& r = m_run->result;
    PersonTree->setRowCount(int(r.persons.size()));
    MorePowerTree->setRowCount(int(r.additionalNeeds.size()));
    QStringList diets;
    for (const Diet& d : m_run->set.diets)
        diets << d.text;
    for (int row = 0; row < MorePowerTree->rowCount(); ++row) {
        auto* choice = new QComboBox(MorePowerTree);
        choice->setObjectName(QStringLiteral("MopType%1").arg(row));
        choice->addItems(diets);
        choice->setMaxVisibleItems(20);
        choice->view()->setMinimumWidth(300);
        MorePowerTree->setCellWidget(row, 4, choice);
        connect(choice, qOverload<int>(&QComboBox::activated), this,
                [this, row](int diet) { MopTypeChange(row, diet); });
    }
    EkTree->setRowCount(int(r.income.size()));
    VermTree->setRowCount(int(r.assets.size()));

    // The rent ceilings in force, one row per household size and one for each further person.
    LivingLevel->setRowCount(RentTableSizes + 1);
    for (int size = 0; size <= RentTableSizes; ++size)
        for (int level = 0; level < RentLevelCount; ++level)
            setMoney(LivingLevel, size, level,
                     size < RentTableSizes ? m_run->set.rentCeilings[size][level]
                                           : m_run->set.rentCeilingFurtherPerson[level]);
    for (QTableWidget* t : {PersonTree, MorePowerTree, EkTree, VermTree})
        fitHeight(t);
}

void TResultMainNewDlg::showFigures() {
    const EstimateResult& r = m_run->result;
    for (int row = 0; row < int(r.persons.size()); ++row) {
        const PersonRate& p = r.persons[row];
        setText(PersonTree, row, 0, p.name);
        setText(PersonTree, row, 1, formatDate(p.birthDate), Qt::AlignCenter);
        setText(PersonTree, row, 2, p.age ? QString::number(*p.age) : QString(), Qt::AlignRight);
        setMoney(PersonTree, row, 3, p.rate);
        setText(PersonTree, row, 4, p.ident);
        setText(PersonTree, row, 5, typeText(p.type));
        PersonTree->item(row, 0)->setToolTip(typeText(p.type));
    }
    rSatzSumme->setText(formatMoney(r.ratesTotal));

    for (int row = 0; row < int(r.additionalNeeds.size()); ++row) {
        const AdditionalNeed& a = r.additionalNeeds[row];
        setText(MorePowerTree, row, 0, a.name);
        setMoney(MorePowerTree, row, 1, a.pregnancy);
        setMoney(MorePowerTree, row, 2, a.singleParent);
        setMoney(MorePowerTree, row, 3, a.disability);
        if (QComboBox* choice = dietChoice(row)) {
            const QSignalBlocker block(choice);
            choice->setCurrentIndex(a.dietIndex);
        }
        setMoney(MorePowerTree, row, 5, a.diet);
        setMoney(MorePowerTree, row, 6, a.total);
    }
    MorePowerSumme->setText(formatMoney(r.additionalNeedsTotal));

    for (int row = 0; row < 5; ++row)
        setText(MainLiv, row, 1, formatNumber(r.housing.household[row]), Qt::AlignRight);
    for (int row = 0; row < 5; ++row)
        setMoney(ColdLiv, row, 1, r.housing.rent[row]);
    for (int row = 0; row < 7; ++row)
        setMoney(HotLiv, row, 1, r.housing.heating[row]);
    {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(m_run->input.rentLevel);
    }
    LivingCost->setText(formatMoney(r.housing.total));

    setText(AlgTree, 0, 0, r.supplement.firstCaption);
    for (int row = 0; row < 8; ++row)
        setMoney(AlgTree, row, 1, r.supplement.rows[row]);
    ALGSumme->setText(formatMoney(r.supplement.rows[6]));

    for (int row = 0; row < int(r.income.size()); ++row) {
        const IncomeRow& i = r.income[row];
        setText(EkTree, row, 0, i.name);
        setMoney(EkTree, row, 1, i.income);
        setMoney(EkTree, row, 2, i.deductions);
        setMoney(EkTree, row, 3, i.exemption);
        setMoney(EkTree, row, 4, i.counted);
    }
    boldRow(EkTree, EkTree->rowCount() - 1);
    EKSumme->setText(formatMoney(r.income.back().counted));

    for (int row = 0; row < int(r.assets.size()); ++row) {
        const AssetRow& a = r.assets[row];
        setText(VermTree, row, 0, a.name);
        setMoney(VermTree, row, 1, a.assets);
        setMoney(VermTree, row, 2, a.deductions);
        setMoney(VermTree, row, 3, a.allowance);
        setMoney(VermTree, row, 4, a.counted);
    }
    boldRow(VermTree, VermTree->rowCount() - 1);
    VermSumme->setText(formatMoney(r.assets.back().counted));

    for (int row = 0; row < 7; ++row)
        setMoney(ResultTree, row, 1, r.result[row]);
    // An incomplete estimate shows no expected benefit, only that it could not be computed.
    if (!r.complete) setText(ResultTree, ResultBenefit, 1, QStringLiteral("–"), Qt::AlignRight);
    REsultSumme->setText(resultLabel(r));
    if (!r.complete)
        REsultSumme->setToolTip(r.problems.join(QLatin1Char('\n')));
    else
        REsultSumme->setToolTip(QString());
}
