#include "DataDialog.h"
#include "Editors.h"
#include "PersonMainForm.h"
#include "PersonMainFormIncomePages.h"
#include "PersonMainFormPages.h"
#include "ServerObjects.h"
#include "SoldInputAny.h"
#include "SoldMoneyInOne.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace personform;

namespace {

const QString kTable = QStringLiteral("SOLDMONEY");
const QString kPrefix = QStringLiteral("SDL");

// No year is stored as none.
QVariant yearValue(const QSpinBox* spin) {
    return spin->value() == 0 ? QVariant(QMetaType(QMetaType::Int)) : QVariant(spin->value());
}

const QStringList& months() {
    static const QStringList list = {QString(),
                                     QStringLiteral("Januar"),
                                     QStringLiteral("Februar"),
                                     QStringLiteral("März"),
                                     QStringLiteral("April"),
                                     QStringLiteral("Mai"),
                                     QStringLiteral("Juni"),
                                     QStringLiteral("Juli"),
                                     QStringLiteral("August"),
                                     QStringLiteral("September"),
                                     QStringLiteral("Oktober"),
                                     QStringLiteral("November"),
                                     QStringLiteral("Dezember")};
    return list;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(8);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretch) layout->addStretch(1);
    return layout;
}

} // namespace

EmploymentPage::EmploymentPage(TPersonMainFormDlg* dialog, QWidget* content)
    : QObject(content)
    , m_dialog(dialog)
    , m_content(content) {}

void EmploymentPage::build() {
    auto* layout = static_cast<QVBoxLayout*>(m_content->layout());
    m_note = income::notApplicableNote(QStringLiteral("EmploymentNotApplicableLabel"), m_content);
    layout->addWidget(m_note);
    m_controls = new QWidget(m_content);
    m_controls->setObjectName(QStringLiteral("EmploymentControls"));
    auto* controls = new QVBoxLayout(m_controls);
    controls->setContentsMargins(0, 0, 0, 0);
    controls->setSpacing(12);
    controls->addWidget(buildPeriod(m_controls));
    controls->addWidget(buildPay(m_controls));
    controls->addWidget(buildFurther(m_controls));
    controls->addWidget(buildEmployer(m_controls));
    layout->addWidget(m_controls);
    layout->addStretch(1);

    declareWrites();
    {
        store::LoadScope resetting;
        reset();
    }
    m_controls->hide();
}

QWidget* EmploymentPage::buildPeriod(QWidget* parent) {
    QGroupBox* box =
        groupBox(QStringLiteral("PayPeriodGroup"), QStringLiteral("Bescheinigter Zeitraum"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    m_monthBox = checkBox(QStringLiteral("PayMonthBox"),
                          QStringLiteral("letzter abgerechneter, vollständiger Monat"), box);
    m_month = new QComboBox(box);
    m_month->setObjectName(QStringLiteral("PayMonthCombo"));
    m_month->addItems(months());
    m_month->setMinimumWidth(140);
    m_monthYear = income::yearSpin(QStringLiteral("PayMonthYearSpin"), box);
    grid->addWidget(m_monthBox, 0, 0);
    grid->addLayout(row({m_month, m_monthYear}), 0, 1);
    m_monthDetails = {m_month, m_monthYear};

    m_partBox = checkBox(QStringLiteral("PayPartBox"), QStringLiteral("letzter Teilmonat"), box);
    QLabel* fromLabel = label(QStringLiteral("von"), box, QStringLiteral("PayPartFromLabel"));
    QLabel* untilLabel = label(QStringLiteral("bis"), box, QStringLiteral("PayPartUntilLabel"));
    m_partFrom = dateEdit(QStringLiteral("PayPartFromEdit"), box);
    m_partUntil = dateEdit(QStringLiteral("PayPartUntilEdit"), box);
    warnWhenNoDate(m_partFrom, QStringLiteral("von"));
    warnWhenNoDate(m_partUntil, QStringLiteral("bis"));
    m_partYear = income::yearSpin(QStringLiteral("PayPartYearSpin"), box);
    grid->addWidget(m_partBox, 1, 0);
    grid->addLayout(row({fromLabel, m_partFrom, untilLabel, m_partUntil, m_partYear}), 1, 1);
    m_partDetails = {fromLabel, m_partFrom, untilLabel, m_partUntil, m_partYear};
    m_period = new YesNoPair(m_monthBox, m_partBox, YesNoPair::Exclusive, this);
    m_period->onChange([this](bool wholeMonth) {
        for (QWidget* w : m_monthDetails)
            w->setVisible(wholeMonth);
        for (QWidget* w : m_partDetails)
            w->setVisible(!wholeMonth);
    });
    return box;
}

QWidget* EmploymentPage::buildPay(QWidget* parent) {
    QGroupBox* box = groupBox(QStringLiteral("PayGroup"), QStringLiteral("Arbeitsentgelt"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(2, 1);
    const auto amountRow = [&](int r, const QString& caption, MoneyEdit* edit, QLayout* after = nullptr) {
        QLabel* l = label(caption, box);
        l->setBuddy(edit);
        grid->addWidget(l, r, 0);
        grid->addWidget(edit, r, 1);
        if (after) grid->addLayout(after, r, 2);
    };

    m_gross = income::moneyEdit(QStringLiteral("GrossEdit"), QStringLiteral("Bruttoarbeitsentgelt"), box);
    amountRow(0, QStringLiteral("Nachweis über die Höhe des Arbeitsentgelts - Bruttoarbeitsentgelt"), m_gross,
              row({label(QStringLiteral("Monatlich"), box)}));

    m_svYes = checkBox(QStringLiteral("SvYesBox"), QStringLiteral("Ja"), box);
    m_svNo = checkBox(QStringLiteral("SvNoBox"), QStringLiteral("Nein"), box);
    m_svAmount = income::moneyEdit(QStringLiteral("SvAmountEdit"),
                                   QStringLiteral("sozialversicherungspflichtiges Entgeld"), box);
    QLabel* svLabel =
        label(QStringLiteral("sozialversicherungspflichtiges Entgeld"), box, QStringLiteral("SvAmountLabel"));
    QLabel* svPer = label(QStringLiteral("Monatlich"), box, QStringLiteral("SvPerLabel"));
    svLabel->setBuddy(m_svAmount);
    grid->addWidget(label(QStringLiteral("Liegt Sozialversicherungspflicht vor?"), box), 1, 0);
    grid->addLayout(row({m_svYes, m_svNo}), 1, 1);
    QHBoxLayout* sv = row({svLabel, m_svAmount, svPer});
    sv->insertSpacing(0, 16);
    grid->addLayout(sv, 1, 2);
    m_svDetails = {svLabel, m_svAmount, svPer};
    m_sv = new YesNoPair(m_svYes, m_svNo, YesNoPair::Exclusive, this);
    m_sv->onChange([this](bool yes) {
        for (QWidget* w : m_svDetails)
            w->setVisible(yes);
    });

    m_minus = income::moneyEdit(QStringLiteral("MinusAmountEdit"), QStringLiteral("Abzüge"), box);
    m_taxClass = lineEdit(QStringLiteral("TaxClassEdit"), box, 60);
    m_taxClass->setMaximumWidth(90);
    QLabel* taxLabel = label(QStringLiteral("maßgebliche Lohnsteuerklasse"), box);
    taxLabel->setBuddy(m_taxClass);
    QHBoxLayout* tax = row({taxLabel, m_taxClass});
    tax->insertSpacing(0, 16);
    amountRow(2, QStringLiteral("Abzüge (Steuern, Pflichtbeiträge zur Sozialvericherung u.ä.) "), m_minus,
              tax);

    m_subsidy = income::moneyEdit(QStringLiteral("SubsidyAmountEdit"),
                                  QStringLiteral("Beitragszuschuss des Arbeitgebers"), box);
    amountRow(3,
              QStringLiteral("Bei freiwillig Versicherten: Beitragszuschuss des Arbeitgebers zur "
                             "Sozialversicherung:"),
              m_subsidy);
    m_net = income::moneyEdit(QStringLiteral("NetAmountEdit"), QStringLiteral("Nettoarbeitsentgelt"), box);
    amountRow(4, QStringLiteral("Nettoarbeitsentgelt"), m_net);

    m_payDay = income::spinBox(QStringLiteral("PayDaySpin"), 1, 31, box);
    m_inMonth = checkBox(QStringLiteral("PayInMonthBox"), QStringLiteral("des laufenden Monats"), box);
    m_nextMonth = checkBox(QStringLiteral("PayNextMonthBox"), QStringLiteral("des Folgemonats"), box);
    m_due = new YesNoPair(m_inMonth, m_nextMonth, YesNoPair::Complementary, this);
    QLabel* dueLabel = label(QStringLiteral("Die Auszahlung ist/war fällig am"), box);
    dueLabel->setBuddy(m_payDay);
    grid->addWidget(dueLabel, 5, 0);
    grid->addWidget(m_payDay, 5, 1);
    grid->addLayout(row({m_inMonth, m_nextMonth}), 5, 2);
    return box;
}

QWidget* EmploymentPage::buildFurther(QWidget* parent) {
    QGroupBox* box =
        groupBox(QStringLiteral("FurtherGroup"), QStringLiteral("Weitere Leistungen und Angaben"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(2, 1);

    m_furtherButton = income::detailButton(QStringLiteral("FurtherButton"), box);
    m_furtherSum = income::sumField(QStringLiteral("FurtherSum"), box);
    grid->addWidget(label(QStringLiteral("Weitere laufende Leistungen"), box), 0, 0);
    // Both lists' buttons and sums in one column, the one-off answer before them.
    grid->addLayout(row({m_furtherButton, label(QStringLiteral("Summe"), box), m_furtherSum,
                         label(QStringLiteral("Monatlich"), box)}),
                    0, 2);

    m_oneYes = checkBox(QStringLiteral("OneOffYesBox"), QStringLiteral("Ja"), box);
    m_oneNo = checkBox(QStringLiteral("OneOffNoBox"), QStringLiteral("Nein"), box);
    m_oneButton = income::detailButton(QStringLiteral("OneOffButton"), box);
    m_oneSum = income::sumField(QStringLiteral("OneOffSum"), box);
    QLabel* oneSumLabel = label(QStringLiteral("Summe"), box, QStringLiteral("OneOffSumLabel"));
    QLabel* onePer = label(QStringLiteral("Netto"), box, QStringLiteral("OneOffPerLabel"));
    QLabel* oneQuestion = label(
        QStringLiteral("Einmalzahlungen im oben bescheinigten Zeitraum oder den kommenden 6 Monaten"), box);
    oneQuestion->setWordWrap(true);
    grid->addWidget(oneQuestion, 1, 0);
    grid->addLayout(row({m_oneYes, m_oneNo}), 1, 1);
    QHBoxLayout* one = row({m_oneButton, oneSumLabel, m_oneSum, onePer});
    grid->addLayout(one, 1, 2);
    m_oneDetails = {m_oneButton, oneSumLabel, m_oneSum, onePer};
    m_one = new YesNoPair(m_oneYes, m_oneNo, YesNoPair::Exclusive, this);
    m_one->onChange([this](bool yes) {
        for (QWidget* w : m_oneDetails)
            w->setVisible(yes);
    });

    m_start = lineEdit(QStringLiteral("StartEdit"), box, 160);
    grid->addWidget(label(QStringLiteral("Die Beschäftigung wird ausgeübt seit"), box), 2, 0);
    grid->addWidget(m_start, 2, 1, 1, 2, Qt::AlignLeft);

    m_evenYes = checkBox(QStringLiteral("EvenYesBox"), QStringLiteral("Ja"), box);
    m_evenNo = checkBox(QStringLiteral("EvenNoBox"), QStringLiteral("Nein"), box);
    m_even = new YesNoPair(m_evenYes, m_evenNo, YesNoPair::Complementary, this);
    grid->addWidget(label(QStringLiteral("Das Einkommen ist monatlich gleich hoch"), box), 3, 0);
    grid->addLayout(row({m_evenYes, m_evenNo}), 3, 1);

    m_memo = new QPlainTextEdit(box);
    m_memo->setObjectName(QStringLiteral("MemoEdit"));
    m_memo->setTabChangesFocus(true);
    m_memo->setFixedHeight(70);
    QLabel* memoLabel = label(QStringLiteral("Ergänzende Mitteilungen"), box);
    grid->addWidget(memoLabel, 4, 0, Qt::AlignTop);
    grid->addWidget(m_memo, 4, 1, 1, 2);

    connect(m_furtherButton, &QPushButton::clicked, this, [this] { openFurther(); });
    connect(m_oneButton, &QPushButton::clicked, this, [this] { openOneOff(); });
    return box;
}

QWidget* EmploymentPage::buildEmployer(QWidget* parent) {
    QGroupBox* box = groupBox(QStringLiteral("EmployerGroup"),
                              QStringLiteral("Für Rückfragen und Schriftwechsel"), parent);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    const auto field = [&](QLineEdit*& edit, const QString& name, const QString& caption, int r, int c) {
        edit = lineEdit(name, box, 160);
        QLabel* l = label(caption, box);
        l->setBuddy(edit);
        grid->addWidget(l, r, c * 2);
        grid->addWidget(edit, r, c * 2 + 1);
    };
    field(m_company, QStringLiteral("EmployerCompanyEdit"), QStringLiteral("Firma"), 0, 0);
    field(m_street, QStringLiteral("EmployerStreetEdit"), QStringLiteral("Straße"), 0, 1);
    field(m_zip, QStringLiteral("EmployerZipEdit"), QStringLiteral("PLZ"), 0, 2);
    field(m_town, QStringLiteral("EmployerTownEdit"), QStringLiteral("Ort"), 0, 3);
    field(m_name, QStringLiteral("EmployerNameEdit"), QStringLiteral("Name"), 1, 0);
    field(m_firstName, QStringLiteral("EmployerFirstNameEdit"), QStringLiteral("Vorname"), 1, 1);
    field(m_phone, QStringLiteral("EmployerPhoneEdit"), QStringLiteral("Durchwahl"), 1, 2);
    field(m_reference, QStringLiteral("EmployerReferenceEdit"), QStringLiteral("Geschäftszeichen"), 1, 3);
    for (int c = 1; c < 8; c += 2)
        grid->setColumnStretch(c, 1);
    return box;
}

void EmploymentPage::declareWrites() {
    const auto rowKey = [this] { return m_row; };
    const auto findRow = [this] {
        m_row = income::findOrCreateRow(kTable, kPrefix, m_dialog->currentPerson());
        return !m_row.isEmpty();
    };
    m_flags = new WriteGroup(kTable, QStringLiteral("SDL_IDENT"), rowKey, this);
    m_flags->before(findRow)
        .flag(m_monthBox, QStringLiteral("SDL_MONTH_YES"))
        .flag(m_partBox, QStringLiteral("SDL_INTERVAL_YES"))
        .flag(m_svYes, QStringLiteral("SDL_SV_YES"))
        .flag(m_svNo, QStringLiteral("SDL_SV_NO"))
        .flag(m_inMonth, QStringLiteral("SDL_PAY_INMONTH"))
        .flag(m_nextMonth, QStringLiteral("SDL_PAY_NEXTMONTH"))
        .flag(m_oneYes, QStringLiteral("SDL_ONE_YES"))
        .flag(m_oneNo, QStringLiteral("SDL_ONE_NO"))
        .flag(m_evenYes, QStringLiteral("SDL_EVEN_YES"))
        .flag(m_evenNo, QStringLiteral("SDL_EVEN_NO"));

    const auto dateValue = [this](DateEdit* edit, const QString& column) {
        return income::dateFieldValue(edit, kTable, QStringLiteral("SDL_IDENT"), m_row, column);
    };
    m_values = new WriteGroup(kTable, QStringLiteral("SDL_IDENT"), rowKey, this);
    m_values->before(findRow)
        .comboText(m_month, QStringLiteral("SDL_MONTH_SIGN"))
        .value(QStringLiteral("SDL_MONTH_YEAR"), [this] { return yearValue(m_monthYear); })
        .value(QStringLiteral("SDL_INTERVAL_FROM"),
               [this, dateValue] { return dateValue(m_partFrom, QStringLiteral("SDL_INTERVAL_FROM")); })
        .value(QStringLiteral("SDL_INTERVAL_UNTIL"),
               [this, dateValue] { return dateValue(m_partUntil, QStringLiteral("SDL_INTERVAL_UNTIL")); })
        .value(QStringLiteral("SDL_INTERVAL_YEAR"), [this] { return yearValue(m_partYear); })
        .money(m_gross, QStringLiteral("SDL_BRUTTO"))
        .money(m_svAmount, QStringLiteral("SDL_SV_BRUTTO"))
        .money(m_minus, QStringLiteral("SDL_MINUS_BRUTTO"))
        .text(m_taxClass, QStringLiteral("SDL_MINUS_TAX"))
        .money(m_subsidy, QStringLiteral("SDL_PSV_BRUTTO"))
        .money(m_net, QStringLiteral("SDL_NETTO"))
        .value(QStringLiteral("SDL_PAY_DAY"), [this] { return m_payDay->value(); })
        .value(QStringLiteral("SDL_PLUS_BRUTTO"), [this] { return m_furtherSum->value(); })
        .value(QStringLiteral("SDL_PLUS_SIGN"), [] { return store::textValue(QString()); })
        .text(m_start, QStringLiteral("SDL_START"))
        .memo(m_memo, QStringLiteral("SDL_MEMO"))
        .text(m_company, QStringLiteral("SDL_COMPANY_SIGN"))
        .text(m_zip, QStringLiteral("SDL_COMPANY_ZIP"))
        .text(m_town, QStringLiteral("SDL_COMPANY_TOWN"))
        .text(m_street, QStringLiteral("SDL_COMPANY_STREET"))
        .text(m_phone, QStringLiteral("SDL_COMPANY_PHONE"))
        .text(m_name, QStringLiteral("SDL_COMPANY_NAME"))
        .text(m_firstName, QStringLiteral("SDL_COMPANY_VNAME"))
        .text(m_reference, QStringLiteral("SDL_COMPANY_WORKSIGN"));
    const auto writeValues = [this] {
        if (!store::isLoading()) m_values->write();
    };
    connect(m_partFrom, &DateEdit::dateEdited, this, writeValues);
    connect(m_partUntil, &DateEdit::dateEdited, this, writeValues);
    for (QSpinBox* spin : {m_monthYear, m_partYear, m_payDay})
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, writeValues);
}

void EmploymentPage::reset() {
    m_period->set(true, false);
    m_sv->set(true, false);
    m_due->setYes(true);
    m_one->set(false, true);
    m_even->setYes(true);
    m_month->setCurrentIndex(0);
    m_monthYear->setValue(0);
    m_partFrom->setDate({});
    m_partUntil->setDate({});
    m_partYear->setValue(0);
    for (MoneyEdit* e : {m_gross, m_svAmount, m_minus, m_subsidy, m_net, m_furtherSum, m_oneSum})
        e->setValue(0);
    m_payDay->setValue(1);
    for (QLineEdit* e :
         {m_taxClass, m_start, m_company, m_street, m_zip, m_town, m_name, m_firstName, m_phone, m_reference})
        e->clear();
    m_memo->clear();
}

void EmploymentPage::load(const QString& person, bool applies) {
    m_controls->setVisible(applies);
    m_note->setVisible(!applies);
    reset();
    m_row.clear();
    store::Rows row = store::select(
        QStringLiteral("SELECT * FROM SOLDMONEY WHERE SDL_INDEX_MAINHEADER=? AND SDL_INDEX_PERSON=?"),
        {MainObject ? MainObject->AntragIdent : QString(), person});
    const bool found = row.next();
    // The ten boxes take their columns in this order even without a row (then all false), the pair
    // rules running after each: without a row no period, social-insurance or one-off answer is given,
    // while the due month and the equal income, whose pairs always show one answer, read "Ja".
    const auto flag = [&](const char* column) { return found && row.flag(QString::fromLatin1(column)); };
    m_monthBox->setChecked(flag("SDL_MONTH_YES"));
    m_partBox->setChecked(flag("SDL_INTERVAL_YES"));
    m_svYes->setChecked(flag("SDL_SV_YES"));
    m_svNo->setChecked(flag("SDL_SV_NO"));
    m_inMonth->setChecked(flag("SDL_PAY_INMONTH"));
    m_nextMonth->setChecked(flag("SDL_PAY_NEXTMONTH"));
    m_oneYes->setChecked(flag("SDL_ONE_YES"));
    m_oneNo->setChecked(flag("SDL_ONE_NO"));
    m_evenYes->setChecked(flag("SDL_EVEN_YES"));
    m_evenNo->setChecked(flag("SDL_EVEN_NO"));
    if (found) {
        m_month->setCurrentIndex(qMax(0, months().indexOf(row.text(QStringLiteral("SDL_MONTH_SIGN")))));
        // A row made by a click has never held the values: they keep the page's defaults.
        const auto integer = [&](const char* column, QSpinBox* spin) {
            const QVariant v = row.value(QString::fromLatin1(column));
            if (!v.isNull()) spin->setValue(v.toInt());
        };
        integer("SDL_MONTH_YEAR", m_monthYear);
        integer("SDL_INTERVAL_YEAR", m_partYear);
        integer("SDL_PAY_DAY", m_payDay);
        m_partFrom->setDate(income::readDateText(row.text(QStringLiteral("SDL_INTERVAL_FROM"))));
        m_partUntil->setDate(income::readDateText(row.text(QStringLiteral("SDL_INTERVAL_UNTIL"))));
        m_gross->setValue(row.amount(QStringLiteral("SDL_BRUTTO")));
        m_svAmount->setValue(row.amount(QStringLiteral("SDL_SV_BRUTTO")));
        m_minus->setValue(row.amount(QStringLiteral("SDL_MINUS_BRUTTO")));
        m_subsidy->setValue(row.amount(QStringLiteral("SDL_PSV_BRUTTO")));
        m_net->setValue(row.amount(QStringLiteral("SDL_NETTO")));
        m_taxClass->setText(row.text(QStringLiteral("SDL_MINUS_TAX")));
        m_start->setText(row.text(QStringLiteral("SDL_START")));
        m_memo->setPlainText(row.text(QStringLiteral("SDL_MEMO")));
        m_company->setText(row.text(QStringLiteral("SDL_COMPANY_SIGN")));
        m_street->setText(row.text(QStringLiteral("SDL_COMPANY_STREET")));
        m_zip->setText(row.text(QStringLiteral("SDL_COMPANY_ZIP")));
        m_town->setText(row.text(QStringLiteral("SDL_COMPANY_TOWN")));
        m_name->setText(row.text(QStringLiteral("SDL_COMPANY_NAME")));
        m_firstName->setText(row.text(QStringLiteral("SDL_COMPANY_VNAME")));
        m_phone->setText(row.text(QStringLiteral("SDL_COMPANY_PHONE")));
        m_reference->setText(row.text(QStringLiteral("SDL_COMPANY_WORKSIGN")));
    }
    readSums();
}

void EmploymentPage::readSums() {
    const QString person = m_dialog->currentPerson();
    m_furtherSum->setValue(income::detailSum(QStringLiteral("SOLDMONEYINANY"), QStringLiteral("SMA"),
                                             QStringLiteral("SMA_BRUTTO"), person));
    m_oneSum->setValue(income::detailSum(QStringLiteral("SOLDMONEYINONE"), QStringLiteral("SMO"),
                                         QStringLiteral("SMO_NETTO"), person));
}

void EmploymentPage::openFurther() {
    if (m_dialog->currentPerson().isEmpty()) return;
    if (!m_furtherDialog) m_furtherDialog = new TSoldInputAnyDlg(m_dialog);
    m_furtherDialog->Show(MainObject->AntragIdent, m_dialog->currentPerson(), m_dialog->currentDisplayName());
    readSums();
    // The pay statement keeps a copy of this sum; it must not wait for the next typed value to be right.
    m_values->write();
}

void EmploymentPage::openOneOff() {
    if (m_dialog->currentPerson().isEmpty()) return;
    if (!m_oneDialog) m_oneDialog = new TSoldMoneyInOneDlg(m_dialog);
    m_oneDialog->Show(MainObject->AntragIdent, m_dialog->currentPerson(), m_dialog->currentDisplayName());
    readSums();
}
