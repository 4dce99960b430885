#include "MemberHelpDetails.h"

#include "Editors.h"
#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The answer boxes in the order of their columns; "HousingNo" has none, and the two meal-payment
// columns are bound against their names: MHM_FOOT_PAY_YES holds the "Nein" box, MHM_FOOT_PAY_NO the
// "Ja," box.
struct Answer {
    const char* box;
    const char* column;
};

const Answer kAnswers[] = {
    {"MoneyYes", "MHM_MONEY_YES"},
    {"MoneyNo", "MHM_MONEY_NO"},
    {"MoneyMonthBox", "MHM_MONEY_MONTH"},
    {"MoneyWeekBox", "MHM_MONEY_WEEK"},
    {"MoneyDayBox", "MHM_MONEY_DAY"},
    {"HousingYes", "MHM_PERSON_OWNER_YES"},
    {"HousingNo", ""},
    {"HousingFreeYes", "MHM_PERSON_MONEY_YES"},
    {"HousingFreeNo", "MHM_PERSON_MONEY_NO"},
    {"ExceedsYes", "MHM_PERSON_MONEY_TOMUCH_YES"},
    {"ExceedsNo", "MHM_PERSON_MONEY_TOMUCH_NO"},
    {"MealsYes", "MHM_FOOT_YES"},
    {"MealsNo", "MHM_FOOT_NO"},
    {"FullBoardYes", "MHM_FOOT_FULL_YES"},
    {"FullBoardNo", "MHM_FOOT_FULL_NO"},
    {"PartialYes", "MHM_FOOT_PART_YES"},
    {"PartialNo", "MHM_FOOT_PART_NO"},
    {"BreakfastBox", "MHM_FOOT_PART_FRUEH"},
    {"LunchBox", "MHM_FOOT_PART_MITTAG"},
    {"DinnerBox", "MHM_FOOT_PART_ABEND"},
    {"PayNo", "MHM_FOOT_PAY_YES"},
    {"PayYes", "MHM_FOOT_PAY_NO"},
    {"OtherYes", "MHM_OTHER_YES"},
    {"OtherNo", "MHM_OTHER_NO"},
};

QString german(const char* text) { return QString::fromUtf8(text); }

} // namespace

TMemberHelpDetailsDlg::TMemberHelpDetailsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TMemberHelpDetailsDlg"));
    setWindowTitle(QStringLiteral("Hilfeleistungen"));
    setModal(true);
    createControls();
    createRules();

    m_answers = new WriteGroup(QStringLiteral("MEMBERHELP"), QStringLiteral("MHM_INDEX_PERSON"),
                               [this] { return m_person; }, this);
    m_answers->before([this] { return ensureRow(); });
    for (const Answer& a : kAnswers)
        m_answers->flag(box(german(a.box)), german(a.column));
    reset();
}

void TMemberHelpDetailsDlg::createControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    m_title = forms::label(QString(), this, QStringLiteral("TitleLabel"));
    m_title->setStyleSheet(QStringLiteral("color: navy; font-size: 16px; font-weight: bold; font-style: italic;"));
    layout->addWidget(m_title);

    QGridLayout* grid = nullptr;
    QWidget* group = nullptr;
    auto section = [&](const QString& name, const QString& questionText, const QString& yesName,
                       const QString& yesCaption, const QString& noName) {
        // Four framed questions; the dialog must fit a 768 pixel high screen, so the frames stay tight.
        auto* g = new QFrame(this);
        g->setObjectName(name);
        g->setStyleSheet(QStringLiteral("#%1 { background: rgba(255,255,255,200); border: 1px solid #9a9acd; "
                                        "border-radius: 4px; }")
                             .arg(name));
        grid = new QGridLayout(g);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->setVerticalSpacing(3);
        grid->setColumnStretch(5, 1);
        group = g;
        QLabel* q = forms::question(questionText, g, name + QStringLiteral("Question"));
        grid->addWidget(q, 0, 0, 1, 6);
        auto* yes = forms::checkBox(yesName, yesCaption, g);
        auto* no = forms::checkBox(noName, QStringLiteral("Nein"), g);
        yes->setAccessibleDescription(questionText);
        no->setAccessibleDescription(questionText);
        m_boxes.insert(yesName, yes);
        m_boxes.insert(noName, no);
        grid->addWidget(yes, 1, 0);
        grid->addWidget(no, 1, 1);
        layout->addWidget(g);
    };
    auto addBox = [&](const QString& name, const QString& caption, int row, int column) {
        auto* b = forms::checkBox(name, caption, group);
        m_boxes.insert(name, b);
        m_parts.insert(name, b);
        grid->addWidget(b, row, column);
        return b;
    };
    auto addLabel = [&](const QString& name, const QString& caption, int row, int column, int span = 1) {
        QLabel* l = forms::label(caption, group, name);
        l->setWordWrap(true);
        m_parts.insert(name, l);
        grid->addWidget(l, row, column, 1, span);
        return l;
    };
    auto addAmount = [&](const QString& name, QLabel* caption, int row, int column) {
        auto* e = new MoneyEdit(group);
        e->setObjectName(name);
        e->setMaximumWidth(140);
        caption->setBuddy(e);
        m_parts.insert(name, e);
        grid->addWidget(e, row, column);
        return e;
    };

    section(QStringLiteral("MoneyGroup"),
            QStringLiteral("Erhält die gewählte, hilfebedürftige  Person von mindestens einer der genannten Personen "
                           "Geldleistungen?"),
            QStringLiteral("MoneyYes"), QStringLiteral("Ja,"), QStringLiteral("MoneyNo"));
    addBox(QStringLiteral("MoneyMonthBox"), QStringLiteral("monatlich"), 1, 2);
    addBox(QStringLiteral("MoneyWeekBox"), QStringLiteral("wöchentlich"), 1, 3);
    addBox(QStringLiteral("MoneyDayBox"), QStringLiteral("täglich"), 1, 4);
    m_moneyAmount = addAmount(QStringLiteral("MoneyAmountEdit"),
                              addLabel(QStringLiteral("MoneyAmountLabel"), QStringLiteral("in Höhe von "), 2, 2), 2, 3);

    section(QStringLiteral("HousingGroup"),
            QStringLiteral("Sind die verwandten/verschwägerten Personen Eigentümer oder Mieter der Wohnung?"),
            QStringLiteral("HousingYes"), QStringLiteral("Ja,"), QStringLiteral("HousingNo"));
    addLabel(QStringLiteral("HousingFreeLabel"), QStringLiteral("die Unterkunft wird unentgeldlich zur Verfügung gestellt"),
             2, 0, 3);
    addBox(QStringLiteral("HousingFreeYes"), QStringLiteral("Ja"), 2, 3);
    addBox(QStringLiteral("HousingFreeNo"), QStringLiteral("Nein,"), 2, 4);
    m_housingPayment = addAmount(
        QStringLiteral("HousingPaymentEdit"),
        addLabel(QStringLiteral("HousingPaymentLabel"), QStringLiteral("die Höhe der monatlichen Zahlung beträgt "), 3, 0, 3),
        3, 3);
    addLabel(QStringLiteral("ExceedsQuestion"),
             QStringLiteral("Übersteigt der genannte Betrag IHREN Anteil an den Gesamtkosten für Unterkunft und Heizung?"),
             4, 0, 6);
    addBox(QStringLiteral("ExceedsYes"), QStringLiteral("Ja,"), 5, 0);
    addBox(QStringLiteral("ExceedsNo"), QStringLiteral("Nein"), 5, 1);
    m_totalCosts = addAmount(QStringLiteral("TotalCostsEdit"),
                             addLabel(QStringLiteral("TotalCostsLabel"), QStringLiteral("die Geamtkosten betragen"), 5, 2),
                             5, 3);

    section(QStringLiteral("MealsGroup"),
            QStringLiteral("Erhalten Sie durch die verwandten/verschwägerten Personen Verpflegung?"),
            QStringLiteral("MealsYes"), QStringLiteral("Ja,"), QStringLiteral("MealsNo"));
    addLabel(QStringLiteral("FullBoardLabel"),
             QStringLiteral("es wird volle Verpflegung (Frühstück, Mittagessen, Abendessen) zur Verfügung gestellt"), 2, 0,
             3);
    addBox(QStringLiteral("FullBoardYes"), QStringLiteral("Ja"), 2, 3);
    addBox(QStringLiteral("FullBoardNo"), QStringLiteral("Nein"), 2, 4);
    addLabel(QStringLiteral("PartialLabel"), QStringLiteral("es wird teilweise Verpflegung zur Verfügung gestellt"), 3, 0,
             6);
    addBox(QStringLiteral("PartialYes"), QStringLiteral("Ja:"), 4, 0);
    addBox(QStringLiteral("BreakfastBox"), QStringLiteral("Frühstück"), 4, 1);
    addBox(QStringLiteral("LunchBox"), QStringLiteral("Mittagessen"), 4, 2);
    addBox(QStringLiteral("DinnerBox"), QStringLiteral("Abendessen"), 4, 3);
    addBox(QStringLiteral("PartialNo"), QStringLiteral("Nein"), 4, 4);
    addLabel(QStringLiteral("PayQuestion"), QStringLiteral("Bezahlen Sie diese?"), 5, 0);
    addBox(QStringLiteral("PayYes"), QStringLiteral("Ja,"), 5, 1);
    m_payAmount = addAmount(QStringLiteral("PayAmountEdit"),
                            addLabel(QStringLiteral("PayAmountLabel"), QStringLiteral("monatlich in Höhe von"), 5, 2), 5, 3);
    addBox(QStringLiteral("PayNo"), QStringLiteral("Nein"), 5, 4);

    section(QStringLiteral("OtherGroup"),
            QStringLiteral("Werden weitere Leistungen erbracht (z.b. Kleidung)? Wenn ja, werden diese regelmäßig order in "
                           "bestimmten Abständen erbracht?"),
            QStringLiteral("OtherYes"), QStringLiteral("Ja:"), QStringLiteral("OtherNo"));
    m_otherMemo = new QPlainTextEdit(group);
    m_otherMemo->setObjectName(QStringLiteral("OtherMemo"));
    m_otherMemo->setAccessibleName(QStringLiteral("Weitere Leistungen"));
    m_otherMemo->setFixedHeight(48);
    m_parts.insert(QStringLiteral("OtherMemo"), m_otherMemo);
    grid->addWidget(m_otherMemo, 2, 0, 1, 6);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setAutoDefault(false);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(760, sizeHint().height());
}

void TMemberHelpDetailsDlg::untick(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        box(german(name))->setChecked(false);
}

void TMemberHelpDetailsDlg::display(std::initializer_list<const char*> names, bool shown)
{
    for (const char* name : names)
        part(german(name))->setVisible(shown);
}

void TMemberHelpDetailsDlg::tickWithRule(const QString& name)
{
    QCheckBox* b = box(name);
    if (b->isChecked())
        m_rules.value(name)();
    else
        b->setChecked(true);
}

// The rules run when a box becomes ticked, by the user or by reading; unticking runs nothing. They
// call one another, so each one is written out as the form describes it.
void TMemberHelpDetailsDlg::createRules()
{
    const auto tick = [this](const char* name) { box(german(name))->setChecked(true); };
    const auto rule = [this](const char* name, std::function<void()> body) { m_rules.insert(german(name), body); };

    rule("MoneyYes", [=] {
        untick({"MoneyNo", "MoneyWeekBox", "MoneyDayBox"});
        tick("MoneyMonthBox");
        display({"MoneyMonthBox", "MoneyWeekBox", "MoneyDayBox", "MoneyAmountLabel", "MoneyAmountEdit"}, true);
        m_moneyAmount->setValue(0);
    });
    rule("MoneyNo", [=] {
        untick({"MoneyYes", "MoneyMonthBox", "MoneyWeekBox", "MoneyDayBox"});
        display({"MoneyMonthBox", "MoneyWeekBox", "MoneyDayBox", "MoneyAmountLabel", "MoneyAmountEdit"}, false);
        m_moneyAmount->setValue(0);
    });
    rule("MoneyMonthBox", [=] { untick({"MoneyWeekBox", "MoneyDayBox"}); });
    rule("MoneyWeekBox", [=] { untick({"MoneyMonthBox", "MoneyDayBox"}); });
    rule("MoneyDayBox", [=] { untick({"MoneyMonthBox", "MoneyWeekBox"}); });

    rule("HousingYes", [=] {
        untick({"HousingNo"});
        display({"HousingFreeLabel", "HousingFreeYes", "HousingFreeNo"}, true);
        tick("HousingFreeYes");
        untick({"HousingFreeNo", "ExceedsYes", "ExceedsNo"});
        display({"HousingPaymentLabel", "ExceedsQuestion", "TotalCostsLabel", "HousingPaymentEdit", "TotalCostsEdit",
              "ExceedsYes", "ExceedsNo"},
             false);
        m_housingPayment->clear();
        m_totalCosts->clear();
    });
    rule("HousingNo", [=] {
        untick({"HousingYes", "HousingFreeYes", "HousingFreeNo", "ExceedsYes", "ExceedsNo"});
        display({"HousingFreeLabel", "HousingFreeYes", "HousingFreeNo", "HousingPaymentLabel", "ExceedsQuestion",
              "TotalCostsLabel", "HousingPaymentEdit", "TotalCostsEdit", "ExceedsYes", "ExceedsNo"},
             false);
    });
    rule("HousingFreeYes", [=] {
        display({"HousingPaymentLabel", "ExceedsQuestion", "TotalCostsLabel", "HousingPaymentEdit", "TotalCostsEdit"},
             false);
        m_housingPayment->clear();
        m_totalCosts->clear();
        untick({"HousingFreeNo", "ExceedsYes", "ExceedsNo"});
        display({"ExceedsYes", "ExceedsNo"}, false);
    });
    rule("HousingFreeNo", [=] {
        display({"HousingPaymentLabel", "HousingPaymentEdit", "ExceedsQuestion"}, true);
        m_housingPayment->setValue(0);
        display({"TotalCostsLabel", "TotalCostsEdit"}, false);
        m_totalCosts->setValue(0);
        untick({"HousingFreeYes", "ExceedsYes"});
        tick("ExceedsNo");
        display({"ExceedsYes", "ExceedsNo"}, true);
    });
    rule("ExceedsYes", [=] {
        untick({"ExceedsNo"});
        display({"TotalCostsLabel", "TotalCostsEdit"}, true);
        m_totalCosts->setValue(0);
    });
    rule("ExceedsNo", [=] {
        untick({"ExceedsYes"});
        display({"TotalCostsLabel", "TotalCostsEdit"}, false);
        m_totalCosts->setValue(0);
    });

    rule("MealsYes", [=] {
        untick({"MealsNo"});
        display({"FullBoardLabel", "PayQuestion"}, true);
        display({"PartialLabel", "PayAmountLabel", "PayAmountEdit"}, false);
        m_payAmount->clear();
        tickWithRule(QStringLiteral("FullBoardYes"));
        untick({"FullBoardNo", "PartialYes", "BreakfastBox", "LunchBox", "DinnerBox", "PartialNo"});
        display({"FullBoardYes", "FullBoardNo"}, true);
        display({"PartialYes", "PartialNo", "BreakfastBox", "LunchBox", "DinnerBox"}, false);
        tick("PayNo");
        untick({"PayYes"});
        display({"PayYes", "PayNo"}, true);
    });
    rule("MealsNo", [=] {
        untick({"MealsYes", "FullBoardYes", "FullBoardNo", "PartialYes", "PartialNo", "BreakfastBox", "LunchBox",
                "DinnerBox", "PayYes", "PayNo"});
        display({"FullBoardLabel", "FullBoardYes", "FullBoardNo", "PartialLabel", "PartialYes", "PartialNo", "BreakfastBox",
              "LunchBox", "DinnerBox", "PayQuestion", "PayYes", "PayNo", "PayAmountLabel", "PayAmountEdit"},
             false);
        m_payAmount->clear();
    });
    rule("FullBoardYes", [=] {
        untick({"FullBoardNo"});
        display({"PartialLabel"}, false);
        tickWithRule(QStringLiteral("PartialYes"));
        untick({"BreakfastBox", "LunchBox", "DinnerBox", "PartialNo"});
        display({"PartialYes", "PartialNo", "BreakfastBox", "LunchBox", "DinnerBox"}, false);
    });
    rule("FullBoardNo", [=] {
        untick({"FullBoardYes"});
        display({"PartialLabel"}, true);
        tickWithRule(QStringLiteral("PartialYes"));
        tick("BreakfastBox");
        untick({"LunchBox", "DinnerBox", "PartialNo"});
        display({"PartialYes", "PartialNo", "BreakfastBox", "LunchBox", "DinnerBox"}, true);
    });
    rule("PartialYes", [=] {
        display({"BreakfastBox", "LunchBox", "DinnerBox"}, true);
        tick("BreakfastBox");
        untick({"LunchBox", "DinnerBox", "PartialNo"});
    });
    rule("PartialNo", [=] {
        untick({"PartialYes", "BreakfastBox", "LunchBox", "DinnerBox"});
        display({"BreakfastBox", "LunchBox", "DinnerBox"}, false);
        tickWithRule(QStringLiteral("MealsNo"));
    });
    const auto allMeals = [=] {
        if (box(QStringLiteral("BreakfastBox"))->isChecked() && box(QStringLiteral("LunchBox"))->isChecked() &&
            box(QStringLiteral("DinnerBox"))->isChecked())
            tickWithRule(QStringLiteral("FullBoardYes"));
    };
    rule("BreakfastBox", allMeals);
    rule("LunchBox", allMeals);
    rule("DinnerBox", allMeals);
    rule("PayNo", [=] {
        untick({"PayYes"});
        display({"PayAmountLabel", "PayAmountEdit"}, false);
        m_payAmount->setValue(0);
    });
    rule("PayYes", [=] {
        untick({"PayNo"});
        display({"PayAmountLabel", "PayAmountEdit"}, true);
        m_payAmount->setValue(0);
    });
    rule("OtherYes", [=] {
        untick({"OtherNo"});
        display({"OtherMemo"}, true);
    });
    rule("OtherNo", [=] {
        untick({"OtherYes"});
        display({"OtherMemo"}, false);
    });

    for (auto it = m_rules.cbegin(); it != m_rules.cend(); ++it) {
        const QString name = it.key();
        connect(box(name), &QCheckBox::toggled, this, [this, name](bool checked) {
            if (checked)
                m_rules.value(name)();
        });
    }
}

void TMemberHelpDetailsDlg::reset()
{
    for (QCheckBox* b : m_boxes)
        b->setChecked(false);
    for (const char* no : {"MoneyNo", "HousingNo", "MealsNo", "OtherNo"})
        box(german(no))->setChecked(true);
    m_moneyAmount->setValue(0);
    m_housingPayment->clear();
    m_totalCosts->clear();
    m_payAmount->clear();
    m_otherMemo->clear();
}

void TMemberHelpDetailsDlg::read()
{
    store::Rows row = store::select(QStringLiteral("SELECT * FROM MEMBERHELP WHERE MHM_INDEX_PERSON=?"), {m_person});
    if (!row.next())
        return;
    // In the order of the form, each box set from its column with its rules running; "Nein" of the
    // housing question is the negation of its "Ja,".
    for (const Answer& a : kAnswers) {
        const QString name = german(a.box);
        const bool value = name == QLatin1String("HousingNo") ? !row.flag(QStringLiteral("MHM_PERSON_OWNER_YES"))
                                                               : row.flag(german(a.column));
        box(name)->setChecked(value);
    }
    // After the boxes, whose rules reset the amounts.
    m_moneyAmount->setValue(row.amount(QStringLiteral("MHM_MONEY_BRUTTO")));
    m_housingPayment->setValue(row.amount(QStringLiteral("MHM_PERSON_MONEY_BRUTTO")));
    m_totalCosts->setValue(row.amount(QStringLiteral("MHM_PERSON_MONEY_TOMUCH_BRUTTO")));
    m_payAmount->setValue(row.amount(QStringLiteral("MHM_FOOT_PAY_BRUTTO")));
    m_otherMemo->setPlainText(row.text(QStringLiteral("MHM_OTHER_DESCRIP")));
}

int TMemberHelpDetailsDlg::Show(const QString& application, const QString& person, const QString& displayName)
{
    m_application = application;
    m_person = person;
    m_title->setText(QStringLiteral("Zuwendungsdetails von ") + displayName);
    {
        store::LoadScope loading;
        reset();
        read();
    }
    return exec();
}

// The community dialog creates the row when the person is said to receive support; a person who has
// none yet (an imported application) gets it here rather than losing the answers.
bool TMemberHelpDetailsDlg::ensureRow()
{
    if (m_application.isEmpty() || m_person.isEmpty())
        return false;
    return store::execute(
        QStringLiteral("INSERT INTO MEMBERHELP (MHM_IDENT, MHM_INDEX_MAINHEADER, MHM_INDEX_PERSON) SELECT ?, ?, ? "
                       "WHERE NOT EXISTS (SELECT 1 FROM MEMBERHELP WHERE MHM_INDEX_PERSON=?)"),
        {TMainObject::NewRowIdent(), m_application, m_person, m_person});
}

bool TMemberHelpDetailsDlg::writeAmounts()
{
    if (!ensureRow())
        return false;
    return store::execute(QStringLiteral("UPDATE MEMBERHELP SET MHM_MONEY_BRUTTO=?, MHM_PERSON_MONEY_BRUTTO=?, "
                                         "MHM_PERSON_MONEY_TOMUCH_BRUTTO=?, MHM_FOOT_PAY_BRUTTO=?, MHM_OTHER_DESCRIP=? "
                                         "WHERE MHM_INDEX_PERSON=?"),
                          {m_moneyAmount->value(), m_housingPayment->value(), m_totalCosts->value(),
                           m_payAmount->value(), store::textValue(m_otherMemo->toPlainText()), m_person});
}

void TMemberHelpDetailsDlg::done(int)
{
    // Every way of closing ends here, the window's close button and Escape included, and each one
    // counts as closing with OK; closing is never refused, a failed write has been reported.
    if (isVisible())
        writeAmounts();
    QDialog::done(QDialog::Accepted);
}
