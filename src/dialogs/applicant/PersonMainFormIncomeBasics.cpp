#include "DataDialog.h"
#include "Editors.h"
#include "Formats.h"
#include "MoneyInputAny.h"
#include "MoneyInputOne.h"
#include "MoneyOutAny.h"
#include "PersonMainForm.h"
#include "PersonMainFormIncomePages.h"
#include "PersonMainFormPages.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace personform;

namespace {

const QString kTable = QStringLiteral("MAINMONEY");
const QString kPrefix = QStringLiteral("MIP");
constexpr int kDefaultDays = 5;

// The 24 flags in the order of the flag statement.
const char* const kFlagColumns[] = {"MIP_HVAE_NO",
                                    "MIP_HAVE_SELF",
                                    "MIP_HAVE_SOLD",
                                    "MIP_HAVE_RENTE",
                                    "MIP_HAVE_RENTE_G_YES",
                                    "MIP_HVAE_RENTE_G_NO",
                                    "MIP_HAVE_ALG1_YES",
                                    "MIP_HAVE_OTHER_ANY_YES",
                                    "MIP_HAVE_OTHER_ONE_YES",
                                    "MIP_COMPANY_DISTANCE_YES",
                                    "MIP_COMPANY_MORE",
                                    "MIP_KFZ_1",
                                    "MIP_KFZ_2",
                                    "MIP_KFZ_3",
                                    "MIP_KFZ_4",
                                    "MIP_HV_1",
                                    "MIP_HV_2",
                                    "MIP_HV_3",
                                    "MIP_HV_4",
                                    "MIP_RV_1",
                                    "MIP_RV_2",
                                    "MIP_RV_3",
                                    "MIP_RV_4",
                                    "MIP_OTHER_MINUS_YES"};

QString col(const char* name) {
    return QString::fromLatin1(name);
}

QHBoxLayout* line(QGridLayout* grid, int row, int column, int span = -1) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(8);
    grid->addLayout(layout, row, column, 1, span < 0 ? grid->columnCount() - column : span);
    return layout;
}

} // namespace

IncomeBasicsPage::IncomeBasicsPage(TPersonMainFormDlg* dialog, QWidget* content)
    : QObject(content)
    , m_dialog(dialog)
    , m_content(content) {
    m_otherAny = {nullptr,
                  nullptr,
                  nullptr,
                  nullptr,
                  nullptr,
                  nullptr,
                  QStringLiteral("MONEYINANY"),
                  QStringLiteral("MIA"),
                  QStringLiteral("MIA_BRUTTO")};
    m_otherOne = {nullptr,
                  nullptr,
                  nullptr,
                  nullptr,
                  nullptr,
                  nullptr,
                  QStringLiteral("MONEYINONE"),
                  QStringLiteral("MIO"),
                  QStringLiteral("MIO_BRUTTO")};
    m_deductions = {nullptr,
                    nullptr,
                    nullptr,
                    nullptr,
                    nullptr,
                    nullptr,
                    QStringLiteral("MONEYOUTANY"),
                    QStringLiteral("MOT"),
                    QStringLiteral("MOT_BRUTTO")};
}

void IncomeBasicsPage::build() {
    auto* layout = static_cast<QVBoxLayout*>(m_content->layout());
    layout->addWidget(buildKinds(m_content));
    layout->addWidget(buildTravel(m_content));
    layout->addWidget(buildInsurances(m_content));
    layout->addWidget(buildDeductions(m_content));
    layout->addStretch(1);
    connectRules();
    declareWrites();
    {
        store::LoadScope resetting;
        reset();
    }
}

void IncomeBasicsPage::addDetailList(DetailList& list, QWidget* parent, QGridLayout* grid, int row) {
    const QString name = list.box->objectName().chopped(3); // "...Box"
    list.button = income::detailButton(name + QStringLiteral("Button"), parent);
    list.sumLabel = label(QStringLiteral("Summe"), parent, name + QStringLiteral("SumLabel"));
    list.sum = income::sumField(name + QStringLiteral("Sum"), parent);
    list.perLabel = label(QStringLiteral("Monatlich"), parent, name + QStringLiteral("PerLabel"));
    grid->addWidget(list.box, row, 0);
    QHBoxLayout* l = line(grid, row, 1);
    l->addWidget(list.button);
    l->addSpacing(12);
    l->addWidget(list.sumLabel);
    l->addWidget(list.sum);
    l->addWidget(list.perLabel);
    l->addStretch(1);
    connect(list.button, &QPushButton::clicked, this, [this, &list] { openDetails(list); });
}

QWidget* IncomeBasicsPage::buildKinds(QWidget* parent) {
    QGroupBox* box = groupBox(QStringLiteral("IncomeKindsGroup"), QStringLiteral("Einkommen"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    // Two columns: the kind of income, then what it asks for.

    m_noIncome = checkBox(QStringLiteral("NoIncomeBox"), QStringLiteral("Kein Einkommen"), box);
    m_self = checkBox(QStringLiteral("SelfEmployedBox"),
                      QStringLiteral("Einkommen aus einer selbständigen Tätigkeit gemäß beigelegter "
                                     "Sebsteinschätzung"),
                      box);
    m_sold = checkBox(QStringLiteral("EmployedBox"), QStringLiteral("Arbeitsentgelt aus einer Beschäftigung"),
                      box);
    grid->addWidget(m_noIncome, 0, 0, 1, 2);
    grid->addWidget(m_self, 1, 0, 1, 2);
    grid->addWidget(m_sold, 2, 0, 1, 2);

    m_pension = checkBox(QStringLiteral("PensionBox"), QStringLiteral("Rente, Pension"), box);
    m_pensionKind = lineEdit(QStringLiteral("PensionKindEdit"), box, 220);
    m_pensionAmount =
        income::moneyEdit(QStringLiteral("PensionAmountEdit"), QStringLiteral("Höhe der Rente"), box);
    QLabel* kindLabel = label(QStringLiteral("Rentenart"), box, QStringLiteral("PensionKindLabel"));
    QLabel* amountLabel = label(QStringLiteral("Höhe"), box, QStringLiteral("PensionAmountLabel"));
    QLabel* perLabel = label(QStringLiteral("Monatlich"), box, QStringLiteral("PensionPerLabel"));
    kindLabel->setBuddy(m_pensionKind);
    amountLabel->setBuddy(m_pensionAmount);
    grid->addWidget(m_pension, 3, 0);
    QHBoxLayout* pension = line(grid, 3, 1);
    pension->addWidget(kindLabel);
    pension->addWidget(m_pensionKind);
    pension->addSpacing(12);
    pension->addWidget(amountLabel);
    pension->addWidget(m_pensionAmount);
    pension->addWidget(perLabel);
    pension->addStretch(1);
    QLabel* gQuestion = label(QStringLiteral("Schwerbehinderter Ausweis mit Merkkenzeichen G?"), box,
                              QStringLiteral("PensionGLabel"));
    m_gYes = checkBox(QStringLiteral("PensionGYesBox"), QStringLiteral("Ja"), box);
    m_gNo = checkBox(QStringLiteral("PensionGNoBox"), QStringLiteral("Nein"), box);
    m_g = new YesNoPair(m_gYes, m_gNo, YesNoPair::Complementary, this);
    QHBoxLayout* g = line(grid, 4, 1);
    g->addWidget(gQuestion);
    g->addSpacing(8);
    g->addWidget(m_gYes);
    g->addWidget(m_gNo);
    g->addStretch(1);
    m_pensionDetails = {kindLabel, m_pensionKind, amountLabel, m_pensionAmount,
                        perLabel,  gQuestion,     m_gYes,      m_gNo};

    m_alg1 = checkBox(QStringLiteral("Alg1Box"), QStringLiteral("Arbeitslosengeld"), box);
    m_alg1Day = income::moneyEdit(QStringLiteral("Alg1DayEdit"), QStringLiteral("Bemessungsentgeld"), box);
    m_alg1Month = income::moneyEdit(QStringLiteral("Alg1MonthEdit"),
                                    QStringLiteral("Höhe des Arbeitslosengeldes"), box);
    QLabel* dayLabel = label(QStringLiteral("Bemessungsentgeld"), box, QStringLiteral("Alg1DayLabel"));
    QLabel* dailyLabel = label(QStringLiteral("Täglich"), box, QStringLiteral("Alg1DailyLabel"));
    QLabel* monthLabel = label(QStringLiteral("Höhe"), box, QStringLiteral("Alg1MonthLabel"));
    QLabel* monthlyLabel = label(QStringLiteral("Monatlich"), box, QStringLiteral("Alg1MonthlyLabel"));
    dayLabel->setBuddy(m_alg1Day);
    monthLabel->setBuddy(m_alg1Month);
    grid->addWidget(m_alg1, 5, 0);
    QHBoxLayout* alg1 = line(grid, 5, 1);
    alg1->addWidget(dayLabel);
    alg1->addWidget(m_alg1Day);
    alg1->addWidget(dailyLabel);
    alg1->addSpacing(12);
    alg1->addWidget(monthLabel);
    alg1->addWidget(m_alg1Month);
    alg1->addWidget(monthlyLabel);
    alg1->addStretch(1);
    m_alg1Details = {dayLabel, m_alg1Day, dailyLabel, monthLabel, m_alg1Month, monthlyLabel};

    m_otherAny.box = checkBox(QStringLiteral("OtherAnyBox"), QStringLiteral("Sonstiges Einkommen"), box);
    addDetailList(m_otherAny, box, grid, 6);
    m_otherOne.box =
        checkBox(QStringLiteral("OtherOneBox"),
                 QStringLiteral("nicht regelmäßig erzielte Einkommen (z.B. Steuerrückerstattung)"), box);
    addDetailList(m_otherOne, box, grid, 7);
    return box;
}

QWidget* IncomeBasicsPage::buildTravel(QWidget* parent) {
    QGroupBox* box =
        groupBox(QStringLiteral("TravelGroup"), QStringLiteral("Fahrten zur Arbeitsstätte"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    m_car = checkBox(QStringLiteral("CarTravelBox"),
                     QStringLiteral("Bei Fahrt mit KFZ: Kürzeste Straßenverbindung zwischen Wohnung und "
                                    "Arbeitsstätte in Ort"),
                     box);
    m_town = lineEdit(QStringLiteral("CompanyTownEdit"), box, 240);
    grid->addWidget(m_car, 0, 0);
    grid->addWidget(m_town, 0, 1);
    grid->setColumnStretch(2, 1);

    QLabel* distanceLabel =
        label(QStringLiteral("Die einfache Strecke beträgt"), box, QStringLiteral("DistanceLabel"));
    m_distance = new QDoubleSpinBox(box);
    m_distance->setObjectName(QStringLiteral("DistanceEdit"));
    m_distance->setLocale(store::germanLocale());
    m_distance->setRange(0, 99999.99);
    m_distance->setDecimals(2);
    m_distance->setSuffix(QStringLiteral(" km"));
    m_distance->setGroupSeparatorShown(true);
    m_distance->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_distance->setAlignment(Qt::AlignRight);
    m_distance->setFixedWidth(m_distance->fontMetrics().horizontalAdvance(QStringLiteral("00.000,00 km")) +
                              22);
    distanceLabel->setBuddy(m_distance);
    QLabel* daysLabel =
        label(QStringLiteral("zurückgelegt an regelmäßig "), box, QStringLiteral("DaysLabel"));
    m_days = income::spinBox(QStringLiteral("DaysSpin"), 1, 7, box);
    daysLabel->setBuddy(m_days);
    QLabel* weekLabel = label(QStringLiteral("Arbeitstagen je Woche"), box, QStringLiteral("WeekLabel"));
    QHBoxLayout* details = line(grid, 1, 0, 3);
    details->setContentsMargins(24, 0, 0, 0);
    details->addWidget(distanceLabel);
    details->addWidget(m_distance);
    details->addSpacing(12);
    details->addWidget(daysLabel);
    details->addWidget(m_days);
    details->addWidget(weekLabel);
    details->addStretch(1);
    m_carDetails = {m_town, distanceLabel, m_distance, daysLabel, m_days, weekLabel};

    m_more = checkBox(QStringLiteral("HigherCostsBox"),
                      QStringLiteral("Es entstehen höhere Aufwendungen (z.B. Monatskarte für öffentliche "
                                     "Verkehrsmittel)"),
                      box);
    grid->addWidget(m_more, 2, 0, 1, 3);
    return box;
}

IncomeBasicsPage::Insurance IncomeBasicsPage::insuranceRow(const QString& name, const QString& caption,
                                                           QWidget* parent, QGridLayout* grid, int row) {
    Insurance ins;
    ins.row = checkBox(name + QStringLiteral("Box"), caption, parent);
    grid->addWidget(ins.row, row, 0);
    const QString intervals[] = {QStringLiteral("monatlich"), QStringLiteral("1/4 Jährlich"),
                                 QStringLiteral("1/2 Jährlich"), QStringLiteral("Jährlich")};
    for (int i = 0; i < 4; ++i) {
        QCheckBox* b = checkBox(name + QString::number(i + 1) + QStringLiteral("Box"), intervals[i], parent);
        grid->addWidget(b, row, 1 + i);
        ins.intervals << b;
    }
    ins.amountLabel = label(QStringLiteral("Höhe"), parent, name + QStringLiteral("AmountLabel"));
    ins.amount =
        income::moneyEdit(name + QStringLiteral("AmountEdit"), QStringLiteral("Höhe: ") + caption, parent);
    ins.amountLabel->setBuddy(ins.amount);
    ins.perLabel = label(QStringLiteral("Monatlich"), parent, name + QStringLiteral("PerLabel"));
    grid->addWidget(ins.amountLabel, row, 5);
    grid->addWidget(ins.amount, row, 6);
    grid->addWidget(ins.perLabel, row, 7);
    keepSpace({ins.amountLabel, ins.amount, ins.perLabel});
    for (QCheckBox* b : ins.intervals)
        keepSpace({b});
    return ins;
}

QWidget* IncomeBasicsPage::buildInsurances(QWidget* parent) {
    QGroupBox* box = groupBox(QStringLiteral("InsuranceGroup"), QStringLiteral("Versicherungen"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(8, 1);
    m_kfz = insuranceRow(QStringLiteral("Kfz"), QStringLiteral("KFZ Haftpflicht (ohne Teil- und Vollkasko)"),
                         box, grid, 0);
    m_hv = insuranceRow(QStringLiteral("Hv"), QStringLiteral("Weitere Versicherung (z.B. Haftpflicht)"), box,
                        grid, 1);
    m_rv = insuranceRow(QStringLiteral("Rv"),
                        QStringLiteral("Geförderte Altersvorsorge (z.B. Riester-Rente)"), box, grid, 2);
    return box;
}

QWidget* IncomeBasicsPage::buildDeductions(QWidget* parent) {
    QGroupBox* box = groupBox(QStringLiteral("DeductionsGroup"), QStringLiteral("Absetzungen"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(16);
    grid->setColumnStretch(1, 1);
    m_deductions.box = checkBox(QStringLiteral("DeductionsBox"),
                                QStringLiteral("Absetzungsarten / Unterhaltsverpflichtungen"), box);
    addDetailList(m_deductions, box, grid, 0);
    return box;
}

QVector<QCheckBox*> IncomeBasicsPage::flagBoxes() const {
    QVector<QCheckBox*> boxes = {m_noIncome, m_self,         m_sold,         m_pension, m_gYes, m_gNo,
                                 m_alg1,     m_otherAny.box, m_otherOne.box, m_car,     m_more};
    boxes << m_kfz.intervals << m_hv.intervals << m_rv.intervals << m_deductions.box;
    return boxes;
}

void IncomeBasicsPage::connectRules() {
    connect(m_pension, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) {
            m_pensionKind->clear();
            m_pensionAmount->setValue(0);
        }
        m_g->setYes(false);
        showDependents();
    });
    connect(m_alg1, &QCheckBox::toggled, this, [this](bool on) {
        if (!on) {
            // Shown as 0 at once; stored with the next save of the amounts.
            m_alg1Day->setValue(0);
            m_alg1Month->setValue(0);
        }
        showDependents();
    });
    for (QCheckBox* b : {m_otherAny.box, m_otherOne.box, m_deductions.box, m_car})
        connect(b, &QCheckBox::toggled, this, [this] { showDependents(); });
    for (Insurance* ins : {&m_kfz, &m_hv, &m_rv}) {
        connect(ins->row, &QCheckBox::toggled, this, [this, ins](bool on) {
            if (!on) {
                ins->amount->setValue(0);
                for (QCheckBox* b : ins->intervals)
                    b->setChecked(false);
            }
            showDependents();
        });
        for (QCheckBox* b : ins->intervals)
            connect(b, &QCheckBox::toggled, this, [ins, b](bool on) {
                if (!on) return;
                for (QCheckBox* other : ins->intervals)
                    if (other != b) other->setChecked(false);
            });
    }
}

void IncomeBasicsPage::showDependents() {
    for (QWidget* w : m_pensionDetails)
        w->setVisible(m_pension->isChecked());
    for (QWidget* w : m_alg1Details)
        w->setVisible(m_alg1->isChecked());
    for (DetailList* list : {&m_otherAny, &m_otherOne, &m_deductions})
        setShown({list->button, list->sumLabel, list->sum, list->perLabel}, list->box->isChecked());
    for (QWidget* w : m_carDetails)
        w->setVisible(m_car->isChecked());
    for (Insurance* ins : {&m_kfz, &m_hv, &m_rv}) {
        const bool on = ins->row->isChecked();
        for (QCheckBox* b : ins->intervals)
            b->setVisible(on);
        setShown({ins->amountLabel, ins->amount, ins->perLabel}, on);
    }
}

void IncomeBasicsPage::declareWrites() {
    const auto rowKey = [this] { return m_row; };
    const auto findRow = [this] {
        m_row = income::findOrCreateRow(kTable, kPrefix, m_dialog->currentPerson());
        return !m_row.isEmpty();
    };

    // Declared first: a click on the pension box writes its amount before the flags of the same click.
    m_amounts = new WriteGroup(kTable, QStringLiteral("MIP_IDENT"), rowKey, this);
    m_amounts->before(findRow)
        .text(m_pensionKind, QStringLiteral("MIP_HAVE_RENTE_SIGN"))
        .money(m_pensionAmount, QStringLiteral("MIP_HAVE_RENTE_BRUTTO"))
        .money(m_alg1Day, QStringLiteral("MIP_ALG1_DAY_MAX"))
        .money(m_alg1Month, QStringLiteral("MIP_ALG1_DAY_BRUTTO"))
        .text(m_town, QStringLiteral("MIP_COMPANY_TOWN"))
        .value(QStringLiteral("MIP_COMPANY_DISTANCE"), [this] { return m_distance->value(); })
        .value(QStringLiteral("MIP_COMPANY_DAYS"), [this] { return m_days->value(); })
        .money(m_kfz.amount, QStringLiteral("MIP_KFZ_BRUTTO"))
        .money(m_hv.amount, QStringLiteral("MIP_HV_BRUTTO"))
        .money(m_rv.amount, QStringLiteral("MIP_RV_BRUTTO"));
    const auto writeAmounts = [this] {
        if (!store::isLoading()) m_amounts->write();
    };
    connect(m_distance, qOverload<double>(&QDoubleSpinBox::valueChanged), this, writeAmounts);
    connect(m_days, qOverload<int>(&QSpinBox::valueChanged), this, writeAmounts);
    connect(m_pension, &QCheckBox::clicked, this, writeAmounts);
    for (Insurance* ins : {&m_kfz, &m_hv, &m_rv})
        connect(ins->row, &QCheckBox::clicked, this, writeAmounts);

    m_flags = new WriteGroup(kTable, QStringLiteral("MIP_IDENT"), rowKey, this);
    m_flags->before(findRow);
    const QVector<QCheckBox*> boxes = flagBoxes();
    for (int i = 0; i < boxes.size(); ++i)
        m_flags->flag(boxes.at(i), col(kFlagColumns[i]));
}

void IncomeBasicsPage::reset() {
    for (QCheckBox* b : flagBoxes())
        b->setChecked(false);
    for (Insurance* ins : {&m_kfz, &m_hv, &m_rv})
        ins->row->setChecked(false);
    m_g->setYes(false);
    m_pensionKind->clear();
    m_town->clear();
    m_days->setValue(kDefaultDays);
    m_distance->setValue(0);
    for (MoneyEdit* e : {m_pensionAmount, m_alg1Day, m_alg1Month, m_kfz.amount, m_hv.amount, m_rv.amount,
                         m_otherAny.sum, m_otherOne.sum, m_deductions.sum})
        e->setValue(0);
    showDependents();
}

void IncomeBasicsPage::load(const QString& person) {
    reset();
    m_row.clear();
    store::Rows row = store::select(
        QStringLiteral("SELECT * FROM MAINMONEY WHERE MIP_INDEX_MAINHEADER=? AND MIP_INDEX_PERSON=?"),
        {MainObject ? MainObject->AntragIdent : QString(), person});
    if (row.next()) {
        const QVector<QCheckBox*> boxes = flagBoxes();
        for (int i = 0; i < boxes.size(); ++i) {
            if (boxes.at(i) == m_gYes) {
                // The pair always shows one answer: "Nein" unless "Ja" is stored.
                m_g->setYes(row.flag(col(kFlagColumns[i])));
                ++i; // the "Nein" column follows
                continue;
            }
            boxes.at(i)->setChecked(row.flag(col(kFlagColumns[i])));
        }
        m_pensionKind->setText(row.text(QStringLiteral("MIP_HAVE_RENTE_SIGN")));
        m_pensionAmount->setValue(row.amount(QStringLiteral("MIP_HAVE_RENTE_BRUTTO")));
        m_alg1Day->setValue(row.amount(QStringLiteral("MIP_ALG1_DAY_MAX")));
        m_alg1Month->setValue(row.amount(QStringLiteral("MIP_ALG1_DAY_BRUTTO")));
        m_town->setText(row.text(QStringLiteral("MIP_COMPANY_TOWN")));
        m_distance->setValue(row.amount(QStringLiteral("MIP_COMPANY_DISTANCE")));
        // A row made by a click holds no days until its amounts are first written: the page's default.
        const int days = row.integer(QStringLiteral("MIP_COMPANY_DAYS"));
        m_days->setValue(days >= 1 && days <= 7 ? days : kDefaultDays);
        for (auto [ins, column] : {std::pair<Insurance*, const char*>{&m_kfz, "MIP_KFZ_BRUTTO"},
                                   {&m_hv, "MIP_HV_BRUTTO"},
                                   {&m_rv, "MIP_RV_BRUTTO"}}) {
            const double premium = row.amount(col(column));
            ins->amount->setValue(premium);
            ins->row->setChecked(premium > 0);
        }
    }
    for (DetailList* list : {&m_otherAny, &m_otherOne, &m_deductions})
        readSum(*list);
    showDependents();
}

void IncomeBasicsPage::readSum(DetailList& list) {
    list.sum->setValue(income::detailSum(list.table, list.prefix, list.column, m_dialog->currentPerson()));
}

void IncomeBasicsPage::openDetails(DetailList& list) {
    if (m_dialog->currentPerson().isEmpty()) return;
    if (!list.dialog) {
        if (&list == &m_otherAny)
            list.dialog = new TMoneyInputAnyDlg(m_dialog);
        else if (&list == &m_otherOne)
            list.dialog = new TMoneyInputOneDlg(m_dialog);
        else
            list.dialog = new TMoneyOutAnyDlg(m_dialog);
    }
    list.dialog->Show(MainObject->AntragIdent, m_dialog->currentPerson(), m_dialog->currentDisplayName());
    readSum(list);
}
