#include "LivingMain.h"

#include "Editors.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QString applicationKey() { return MainObject ? MainObject->AntragIdent : QString(); }

// An imported application may lack its LIVING row; the first write creates it, keyed like the rows
// that creating an application inserts. Without an open application nothing is written.
bool ensureLivingRow()
{
    const QString app = applicationKey();
    if (app.isEmpty())
        return false;
    return store::execute(QStringLiteral("INSERT INTO LIVING (LIV_IDENT, LIV_INDEX_MAINHEADER) SELECT ?, ? "
                                         "WHERE NOT EXISTS (SELECT 1 FROM LIVING WHERE LIV_INDEX_MAINHEADER=?)"),
                          {app, app, app});
}

constexpr int kTextLength = 200;

// A field of the page: its control, caption and column; `amount` fields are MoneyEdits.
struct Field {
    const char* name;
    const char* caption;
    const char* column;
    bool amount;
};

const Field kLandlordFields[] = {
    {"RentNameEdit", "Name", "LIV_RENT_NAME", false},
    {"RentAddressEdit", "Anschrift", "LIV_RENT_ADDRESS", false},
    {"RentBlzEdit", "BLZ", "LIV_RENT_BLZ", false},
    {"RentKtoEdit", "Konto", "LIV_RENT_KTO", false},
    {"RentBankEdit", "Bank", "LIV_RENT_BANK", false},
};

const Field kDwellingFields[] = {
    {"MainSizeEdit", "Gesamtgröße der Wohnung / des Hauses", "LIV_MAIN_BIG", true},
    {"MainShareEdit", "Wohnflächenanteil", "LIV_MAIN_WOHN", true},
    {"MainReadyEdit", "Bezugsfertig seit", "LIV_MAIN_READY", false},
    {"MainUnitsEdit", "Bei Eigentum: Anzahl Wohneinheiten", "LIV_MAIN_MUCH", true},
    {"MainRoomsEdit", "Anzahl der Räume", "LIV_MAIN_ROOMS", true},
    {"MainKitchensEdit", "Anzahl Küchen", "LIV_MAIN_KITCHENS", true},
    {"MainBathsEdit", "Anzahl Bäder", "LIV_MAIN_BATH", true},
};

QString german(const char* text) { return QString::fromUtf8(text); }

QLineEdit* makeField(const Field& f, QWidget* parent)
{
    QLineEdit* edit = f.amount ? new MoneyEdit(parent) : new QLineEdit(parent);
    edit->setObjectName(german(f.name));
    if (!f.amount)
        edit->setMaxLength(kTextLength);
    return edit;
}

QLabel* captionFor(const QString& caption, QWidget* buddy, QWidget* parent, const QString& name = {})
{
    QLabel* l = forms::label(caption, parent, name);
    l->setWordWrap(true);
    l->setBuddy(buddy);
    return l;
}

} // namespace

TLivingMainDlg::TLivingMainDlg(QWidget* parent) : DataDialog(kPanel, QStringLiteral("TLivingMainDlg"), parent)
{
    addPage({QStringLiteral("Kosten für Unterkunft und Heizung"), 27, createPage(), [this] { load(); }});
    createGroups();
    // The first showing starts from empty fields; the loader fills them.
    resetPage();
}

QCheckBox* TLivingMainDlg::box(const char* name) const
{
    auto* b = findChild<QCheckBox*>(german(name));
    Q_ASSERT(b);
    return b;
}

QWidget* TLivingMainDlg::widget(const char* name) const
{
    auto* w = findChild<QWidget*>(german(name));
    Q_ASSERT(w);
    return w;
}

QWidget* TLivingMainDlg::createPage()
{
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet1"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    // Rented flat or own property, with the landlord or the interest on debts.
    QGroupBox* housing = forms::groupBox(QStringLiteral("HousingGroup"), QStringLiteral("Wohnverhältnisse"), page);
    auto* housingLayout = new QVBoxLayout(housing);
    auto* kindRow = new QHBoxLayout;
    auto* rent = forms::checkBox(QStringLiteral("RentBox"), QStringLiteral("Mietwohnung"), housing);
    auto* owner = forms::checkBox(QStringLiteral("OwnerBox"), QStringLiteral("Eigentümer"), housing);
    auto* eines = forms::label(QStringLiteral("eines"), housing, QStringLiteral("EinesLabel"));
    auto* house = forms::checkBox(QStringLiteral("OwnerHouseBox"), QStringLiteral("eigenen Hauses"), housing);
    auto* einer = forms::label(QStringLiteral("/ einer "), housing, QStringLiteral("EinerLabel"));
    auto* flat = forms::checkBox(QStringLiteral("OwnerFlatBox"), QStringLiteral("eigenen Wohnung"), housing);
    for (QWidget* w : {static_cast<QWidget*>(rent), static_cast<QWidget*>(owner), static_cast<QWidget*>(eines),
                       static_cast<QWidget*>(house), static_cast<QWidget*>(einer), static_cast<QWidget*>(flat)})
        kindRow->addWidget(w);
    forms::keepSpace({eines, house, einer, flat});
    kindRow->addStretch(1);
    housingLayout->addLayout(kindRow);

    auto* landlord = new QWidget(housing);
    landlord->setObjectName(QStringLiteral("LandlordPanel"));
    auto* landlordLayout = new QGridLayout(landlord);
    landlordLayout->setContentsMargins(0, 0, 0, 0);
    auto* note1 = forms::question(QStringLiteral("Die Angaben zum Vermieter sind freiwillig:"), landlord,
                                  QStringLiteral("LandlordNote"));
    auto* note2 = forms::question(
        QStringLiteral("Nur, wenn die Überweisung der Miete direkt an den Vermieter erfolgen soll:"), landlord,
        QStringLiteral("TransferNote"));
    landlordLayout->addWidget(note1, 0, 0, 1, 4);
    landlordLayout->addWidget(note2, 1, 0, 1, 4);
    int index = 0;
    for (const Field& f : kLandlordFields) {
        QLineEdit* e = makeField(f, landlord);
        m_texts << e;
        const int row = 2 + (index < 2 ? index : 2 + (index - 2) / 2);
        const int side = index < 2 ? 0 : (index - 2) % 2;
        landlordLayout->addWidget(captionFor(german(f.caption), e, landlord), row, side * 2);
        landlordLayout->addWidget(e, row, side * 2 + 1, 1, index < 2 ? 3 : 1);
        ++index;
    }
    landlordLayout->setColumnStretch(1, 1);
    landlordLayout->setColumnStretch(3, 1);
    housingLayout->addWidget(landlord);

    auto* amounts = new QGridLayout;
    auto* rentAmount = new MoneyEdit(housing);
    rentAmount->setObjectName(QStringLiteral("RentAmountEdit"));
    auto* interest = new MoneyEdit(housing);
    interest->setObjectName(QStringLiteral("OwnerInterestEdit"));
    m_texts << rentAmount << interest;
    amounts->addWidget(captionFor(QStringLiteral("Höhe der Kaltmiete (ohne Garage, Stell- platz und Nebenkosten"),
                                  rentAmount, housing, QStringLiteral("RentAmountLabel")),
                       0, 0);
    amounts->addWidget(rentAmount, 0, 1);
    amounts->addWidget(captionFor(QStringLiteral("hierfür anfallende Schuldzinsen ohne Tilgung"), interest, housing,
                                  QStringLiteral("OwnerInterestLabel")),
                       1, 0);
    amounts->addWidget(interest, 1, 1);
    amounts->setColumnStretch(0, 1);
    housingLayout->addLayout(amounts);
    layout->addWidget(housing);

    // The dwelling.
    QGroupBox* dwelling = forms::groupBox(QStringLiteral("DwellingGroup"), QStringLiteral("Angaben zur Wohnung / zum Haus"), page);
    auto* dwellingLayout = new QGridLayout(dwelling);
    auto* mainBox = forms::checkBox(QStringLiteral("MainBox"), QStringLiteral("Angaben zur Wohnung / zum Haus"), dwelling);
    mainBox->setChecked(true);
    mainBox->setEnabled(false);
    dwellingLayout->addWidget(mainBox, 0, 0, 1, 4);
    index = 0;
    for (const Field& f : kDwellingFields) {
        QLineEdit* e = makeField(f, dwelling);
        m_texts << e;
        const int row = 1 + index / 2;
        const int side = index % 2;
        dwellingLayout->addWidget(captionFor(german(f.caption), e, dwelling), row, side * 2);
        dwellingLayout->addWidget(e, row, side * 2 + 1);
        ++index;
    }
    dwellingLayout->setColumnStretch(0, 2);
    dwellingLayout->setColumnStretch(1, 1);
    dwellingLayout->setColumnStretch(2, 2);
    dwellingLayout->setColumnStretch(3, 1);
    layout->addWidget(dwelling);

    // Heating and further costs.
    QGroupBox* heating = forms::groupBox(QStringLiteral("HeatingGroup"), QStringLiteral("Heizkosten und weitere Kosten"), page);
    auto* grid = new QGridLayout(heating);
    auto* warm = forms::checkBox(QStringLiteral("WarmBox"), QStringLiteral("Angaben zu den Heizkosten"), heating);
    grid->addWidget(warm, 0, 0, 1, 5);
    auto amountEdit = [&](const QString& name) {
        auto* e = new MoneyEdit(heating);
        e->setObjectName(name);
        m_texts << e;
        return e;
    };
    auto* kind = new QLineEdit(heating);
    kind->setObjectName(QStringLiteral("WarmKindEdit"));
    kind->setMaxLength(kTextLength);
    m_texts << kind;
    auto* warmAmount = amountEdit(QStringLiteral("WarmAmountEdit"));
    grid->addWidget(captionFor(QStringLiteral("Heizungsart"), kind, heating, QStringLiteral("WarmKindLabel")), 1, 0);
    grid->addWidget(kind, 1, 1, 1, 2);
    grid->addWidget(captionFor(QStringLiteral("Kosten monatlich"), warmAmount, heating, QStringLiteral("WarmAmountLabel")), 1, 3);
    grid->addWidget(warmAmount, 1, 4);

    auto* flatRate = forms::checkBox(QStringLiteral("WarmFlatRateBox"),
                                     QStringLiteral("Heizkostenpauschale für Zentralheizung"), heating);
    auto* age = new QLineEdit(heating);
    age->setObjectName(QStringLiteral("WarmAgeEdit"));
    age->setMaxLength(kTextLength);
    m_texts << age;
    auto* flatRateAmount = amountEdit(QStringLiteral("WarmFlatRateAmountEdit"));
    grid->addWidget(flatRate, 2, 0);
    auto* ageRow = new QHBoxLayout;
    ageRow->addWidget(captionFor(QStringLiteral(" - Alter ca."), age, heating, QStringLiteral("WarmAgeLabel")));
    ageRow->addWidget(age, 1);
    grid->addLayout(ageRow, 2, 1, 1, 2);
    grid->addWidget(captionFor(QStringLiteral("Kosten monatlich"), flatRateAmount, heating,
                               QStringLiteral("WarmFlatRateAmountLabel")),
                    2, 3);
    grid->addWidget(flatRateAmount, 2, 4);

    auto addQuestion = [&](int row, const QString& text, const QString& name, const QString& yesName,
                           const QString& noName) {
        QLabel* q = forms::label(text, heating, name);
        q->setWordWrap(true);
        auto* yes = forms::checkBox(yesName, QStringLiteral("Ja"), heating);
        auto* no = forms::checkBox(noName, QStringLiteral("Nein"), heating);
        yes->setAccessibleDescription(text);
        no->setAccessibleDescription(text);
        grid->addWidget(q, row, 0, 1, 3);
        grid->addWidget(yes, row, 3);
        grid->addWidget(no, row, 4);
        return new YesNoPair(yes, no, YesNoPair::Exclusive, this);
    };
    m_central = addQuestion(3, QStringLiteral("Wird die Wohnung zentral mit Warmwasser versorgt?"),
                            QStringLiteral("WarmCentralQuestion"), QStringLiteral("WarmCentralYes"),
                            QStringLiteral("WarmCentralNo"));
    m_fuel = addQuestion(4, QStringLiteral("Werden Brennstoffe selbst beschafft?"), QStringLiteral("WarmOwnQuestion"),
                         QStringLiteral("WarmOwnYes"), QStringLiteral("WarmOwnNo"));

    auto addCosts = [&](int row, const QString& boxName, const QString& caption, const QString& amountName,
                        const QString& labelName) {
        auto* b = forms::checkBox(boxName, caption, heating);
        auto* e = amountEdit(amountName);
        grid->addWidget(b, row, 0, 1, 3);
        grid->addWidget(captionFor(QStringLiteral("Kosten monatlich"), e, heating, labelName), row, 3);
        grid->addWidget(e, row, 4);
    };
    addCosts(5, QStringLiteral("OtherCostsBox"), QStringLiteral("Höhe der weiteren Nebenkosten"),
             QStringLiteral("OtherCostsAmountEdit"), QStringLiteral("OtherCostsLabel"));
    addCosts(6, QStringLiteral("AnyCostsBox"), QStringLiteral("Sonstige Wohnkosten"), QStringLiteral("AnyCostsAmountEdit"),
             QStringLiteral("AnyCostsLabel"));
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    layout->addWidget(heating);

    // Further persons in the dwelling.
    QGroupBox* persons = forms::groupBox(QStringLiteral("PersonsGroup"), QStringLiteral("Weitere Personen"), page);
    auto* personsLayout = new QGridLayout(persons);
    auto* yes = forms::checkBox(QStringLiteral("PersonsYes"), QStringLiteral("Ja, Anzahl:"), persons);
    auto* count = new QLineEdit(persons);
    count->setObjectName(QStringLiteral("PersonsCountEdit"));
    count->setMaxLength(kTextLength);
    count->setAccessibleName(QStringLiteral("Anzahl"));
    m_texts << count;
    auto* no = forms::checkBox(QStringLiteral("PersonsNo"), QStringLiteral("Nein"), persons);
    personsLayout->addWidget(yes, 0, 0);
    personsLayout->addWidget(count, 0, 1);
    personsLayout->addWidget(no, 0, 2);
    forms::keepSpace({count});
    m_personsMemo = new QPlainTextEdit(persons);
    m_personsMemo->setObjectName(QStringLiteral("PersonsNameMemo"));
    m_personsMemo->setFixedHeight(70);
    personsLayout->addWidget(
        captionFor(QStringLiteral("Für folgende Personen besteht laut notarieller Urkunde freies Wohnrecht:"),
                   m_personsMemo, persons, QStringLiteral("PersonsNameLabel")),
        1, 0, 1, 4);
    personsLayout->addWidget(m_personsMemo, 2, 0, 1, 4);
    personsLayout->setColumnStretch(3, 1);
    m_persons = new YesNoPair(yes, no, YesNoPair::Exclusive, this);
    layout->addWidget(persons);
    layout->addStretch(1);

    m_rentOwner = new YesNoPair(rent, owner, YesNoPair::Exclusive, this);
    m_houseFlat = new YesNoPair(house, flat, YesNoPair::Exclusive, this);
    return page;
}

void TLivingMainDlg::createGroups()
{
    // The rules, run on every change of a box (also while loading).
    m_rentOwner->onChange([this](bool rentTicked) { RentBoxChange(rentTicked); });
    m_persons->onChange([this](bool yesTicked) { PersonsChange(yesTicked); });
    connect(box("WarmBox"), &QCheckBox::toggled, this, &TLivingMainDlg::WarmBoxChange);
    connect(box("WarmFlatRateBox"), &QCheckBox::toggled, this, &TLivingMainDlg::WarmFlatRateBoxChange);
    connect(box("OtherCostsBox"), &QCheckBox::toggled, this, [this](bool shown) {
        forms::setShown({widget("OtherCostsLabel"), widget("OtherCostsAmountEdit")}, shown);
    });
    connect(box("AnyCostsBox"), &QCheckBox::toggled, this, [this](bool shown) {
        forms::setShown({widget("AnyCostsLabel"), widget("AnyCostsAmountEdit")}, shown);
    });
    const QString table = QStringLiteral("LIVING");
    const QString key = QStringLiteral("LIV_INDEX_MAINHEADER");
    auto group = [&] {
        auto* g = new WriteGroup(table, key, applicationKey, this);
        g->before(ensureLivingRow);
        return g;
    };
    auto edit = [this](const char* name) {
        auto* e = findChild<QLineEdit*>(german(name));
        Q_ASSERT(e);
        return e;
    };
    auto money = [this](const char* name) {
        auto* e = findChild<MoneyEdit*>(german(name));
        Q_ASSERT(e);
        return e;
    };

    // Every box click writes all sixteen answers; LIV_MAIN_YES is always true and LIV_PERSON_YES
    // repeats "Ja, Anzahl:".
    YesNoPair* persons = m_persons;
    WriteGroup* boxes = group();
    boxes->pair(m_rentOwner, QStringLiteral("LIV_RENT_YES"), QStringLiteral("LIV_OWNER_YES"))
        .pair(m_houseFlat, QStringLiteral("LIV_OWNER_HOUSE"), QStringLiteral("LIV_OWNER_WOHN"))
        .value(QStringLiteral("LIV_MAIN_YES"), [] { return true; })
        .flag(box("WarmBox"), QStringLiteral("LIV_WARM_YES"))
        .flag(box("WarmFlatRateBox"), QStringLiteral("LIV_WARM_PAUSCH_YES"))
        .pair(m_central, QStringLiteral("LIV_WARM_CENTRAL_YES"), QStringLiteral("LIV_WARM_CENTRAL_NO"))
        .pair(m_fuel, QStringLiteral("LIV_WARM_OWN_YES"), QStringLiteral("LIV_WARM_OWN_NO"))
        .flag(box("OtherCostsBox"), QStringLiteral("LIV_OTHER_YES"))
        .flag(box("AnyCostsBox"), QStringLiteral("LIV_ANY_YES"))
        .pair(persons, QStringLiteral("LIV_PERSON_MAIN_YES"), QString())
        .value(QStringLiteral("LIV_PERSON_YES"), [persons] { return persons->yes(); })
        .value(QStringLiteral("LIV_PERSON_NO"), [persons] { return persons->no(); });

    WriteGroup* landlord = group();
    for (const Field& f : kLandlordFields)
        landlord->text(edit(f.name), german(f.column));
    landlord->money(money("RentAmountEdit"), QStringLiteral("LIV_RENT_BRUTTO"))
        .money(money("OwnerInterestEdit"), QStringLiteral("LIV_OWNER_BRUTTO"));

    WriteGroup* dwelling = group();
    for (const Field& f : kDwellingFields) {
        if (f.amount)
            dwelling->money(money(f.name), german(f.column));
        else
            dwelling->text(edit(f.name), german(f.column));
    }

    m_heatingGroup = group();
    m_heatingGroup->text(edit("WarmKindEdit"), QStringLiteral("LIV_WARM_NAME"))
        .money(money("WarmAmountEdit"), QStringLiteral("LIV_WARM_BRUTTO"))
        .text(edit("WarmAgeEdit"), QStringLiteral("LIV_WARM_PAUSCH_OLD"))
        .money(money("WarmFlatRateAmountEdit"), QStringLiteral("LIV_WARM_PAUSCH_BRUTTO"))
        .money(money("OtherCostsAmountEdit"), QStringLiteral("LIV_OTHER_BRUTTO"))
        .money(money("AnyCostsAmountEdit"), QStringLiteral("LIV_ANY_BRUTTO"))
        .text(edit("PersonsCountEdit"), QStringLiteral("LIV_PERSON_COUNT"))
        .memo(m_personsMemo, QStringLiteral("LIV_PERSON_NAME"));

    // "Nein" empties the count on screen; storing it too keeps the estimate from counting persons
    // that the page says do not exist.
    connect(persons->noBox(), &QCheckBox::clicked, this, [this, persons] {
        if (persons->no())
            m_heatingGroup->write();
    });
}

void TLivingMainDlg::resetPage()
{
    for (QLineEdit* e : m_texts) {
        if (auto* amount = qobject_cast<MoneyEdit*>(e))
            amount->setValue(0.0);
        else
            e->clear();
    }
    m_personsMemo->clear();

    m_rentOwner->yesBox()->setChecked(true);
    m_rentOwner->noBox()->setChecked(false);
    m_houseFlat->yesBox()->setChecked(false);
    m_houseFlat->noBox()->setChecked(false);
    RentBoxChange(true);
    box("MainBox")->setChecked(true);
    box("WarmBox")->setChecked(true);
    WarmBoxChange(true);
    m_persons->yesBox()->setChecked(false);
    m_persons->noBox()->setChecked(true);
    PersonsChange(false);
}

void TLivingMainDlg::load()
{
    resetPage();
    store::Rows row = store::select(QStringLiteral("SELECT * FROM LIVING WHERE LIV_INDEX_MAINHEADER=?"), {applicationKey()});
    // A missing row loads as the freshly created one: every answer false.
    const bool found = row.next();
    const auto flag = [&row, found](const char* column) { return found && row.flag(german(column)); };

    // "Eigentümer" is set last, so a row with both answers loads as owner.
    m_rentOwner->yesBox()->setChecked(flag("LIV_RENT_YES"));
    m_rentOwner->noBox()->setChecked(flag("LIV_OWNER_YES"));
    if (!m_rentOwner->yes() && !m_rentOwner->no())
        m_rentOwner->yesBox()->setChecked(true);

    m_houseFlat->yesBox()->setChecked(flag("LIV_OWNER_HOUSE"));
    m_houseFlat->noBox()->setChecked(flag("LIV_OWNER_WOHN"));
    box("MainBox")->setChecked(true);

    box("WarmBox")->setChecked(flag("LIV_WARM_YES"));
    box("WarmFlatRateBox")->setChecked(flag("LIV_WARM_PAUSCH_YES"));
    const auto setPair = [&](YesNoPair* pair, const char* yesColumn, const char* noColumn) {
        pair->yesBox()->setChecked(flag(yesColumn));
        pair->noBox()->setChecked(flag(noColumn));
        if (!pair->yes() && !pair->no())
            pair->noBox()->setChecked(true);
    };
    setPair(m_central, "LIV_WARM_CENTRAL_YES", "LIV_WARM_CENTRAL_NO");
    setPair(m_fuel, "LIV_WARM_OWN_YES", "LIV_WARM_OWN_NO");

    box("OtherCostsBox")->setChecked(flag("LIV_OTHER_YES"));
    box("AnyCostsBox")->setChecked(flag("LIV_ANY_YES"));
    setPair(m_persons, "LIV_PERSON_MAIN_YES", "LIV_PERSON_NO");
    if (!found)
        return;

    const auto fill = [&](const char* name, const char* column) {
        if (auto* amount = findChild<MoneyEdit*>(german(name)))
            amount->setValue(row.amount(german(column)));
        else if (auto* edit = findChild<QLineEdit*>(german(name)))
            edit->setText(row.text(german(column)));
    };
    for (const Field& f : kLandlordFields)
        fill(f.name, f.column);
    fill("RentAmountEdit", "LIV_RENT_BRUTTO");
    fill("OwnerInterestEdit", "LIV_OWNER_BRUTTO");
    for (const Field& f : kDwellingFields)
        fill(f.name, f.column);
    fill("WarmKindEdit", "LIV_WARM_NAME");
    fill("WarmAmountEdit", "LIV_WARM_BRUTTO");
    fill("WarmAgeEdit", "LIV_WARM_PAUSCH_OLD");
    fill("WarmFlatRateAmountEdit", "LIV_WARM_PAUSCH_BRUTTO");
    fill("OtherCostsAmountEdit", "LIV_OTHER_BRUTTO");
    fill("AnyCostsAmountEdit", "LIV_ANY_BRUTTO");
    fill("PersonsCountEdit", "LIV_PERSON_COUNT");
    m_personsMemo->setPlainText(row.text(QStringLiteral("LIV_PERSON_NAME")));
}

void TLivingMainDlg::RentBoxChange(bool rent)
{
    if (rent) {
        m_houseFlat->yesBox()->setChecked(false);
        m_houseFlat->noBox()->setChecked(false);
    } else {
        m_houseFlat->yesBox()->setChecked(true);
    }
    forms::setShown({widget("EinesLabel"), m_houseFlat->yesBox(), widget("EinerLabel"), m_houseFlat->noBox(),
                     widget("OwnerInterestLabel"), widget("OwnerInterestEdit")},
                    !rent);
    forms::setShown({widget("LandlordPanel"), widget("RentAmountLabel"), widget("RentAmountEdit")}, rent);
}

void TLivingMainDlg::WarmBoxChange(bool shown)
{
    forms::setShown({widget("WarmKindLabel"), widget("WarmCentralQuestion"), widget("WarmOwnQuestion"),
                     widget("WarmAmountLabel"), box("WarmFlatRateBox"), widget("WarmKindEdit"),
                     widget("WarmAmountEdit"), m_central->yesBox(), m_central->noBox(), m_fuel->yesBox(),
                     m_fuel->noBox(), box("OtherCostsBox"), box("AnyCostsBox")},
                    shown);
    forms::setShown({widget("WarmAgeLabel"), widget("WarmAgeEdit"), widget("WarmFlatRateAmountLabel"),
                     widget("WarmFlatRateAmountEdit"), widget("OtherCostsLabel"), widget("OtherCostsAmountEdit"),
                     widget("AnyCostsLabel"), widget("AnyCostsAmountEdit")},
                    false);
    box("WarmFlatRateBox")->setChecked(false);
    box("OtherCostsBox")->setChecked(false);
    box("AnyCostsBox")->setChecked(false);
    m_central->yesBox()->setChecked(shown);
    m_fuel->noBox()->setChecked(shown);
}

void TLivingMainDlg::WarmFlatRateBoxChange(bool shown)
{
    forms::setShown({widget("WarmAgeLabel"), widget("WarmAgeEdit"), widget("WarmFlatRateAmountLabel"),
                     widget("WarmFlatRateAmountEdit")},
                    shown);
}

void TLivingMainDlg::PersonsChange(bool yes)
{
    if (!yes)
        findChild<QLineEdit*>(QStringLiteral("PersonsCountEdit"))->clear();
    forms::setShown({widget("PersonsCountEdit"), widget("PersonsNameLabel"), m_personsMemo}, yes);
}
