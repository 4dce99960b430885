#include "Editors.h"
#include "PersonMainForm.h"
#include "PersonMainFormPages.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace personform;

namespace {

// The six exemption answers in the order of the boxes (subsidy, then notices, each health, care, pension).
// The pension subsidy has a column of its own.
const char* const kExemptionColumns[] = {"PRS_KV_NO_PKV_KKV",     "PRS_KV_NO_PKV_PPV",
                                         "PRS_KV_NO_PKV_RV",      "PRS_KV_NO_PKV_KKV_FRM",
                                         "PRS_KV_NO_PKV_PPV_FRM", "PRS_KV_NO_PKV_RV_FRM"};

QString col(const char* name) {
    return QString::fromLatin1(name);
}

QVariant blank() {
    return store::textValue(QString());
}

// The block of a related person on page 2: names, birth date, compulsory insurance and fund.
struct RelativeBlock {
    QWidget* widget;
    QLineEdit* name;
    QLineEdit* firstName;
    DateEdit* birthday;
    QCheckBox* kvYes;
    QCheckBox* kvNo;
    QVector<QWidget*> fund;
    QLineEdit* kvSign;
    QLineEdit* kvNumber;
};

RelativeBlock relativeBlock(const QString& prefix, QWidget* parent) {
    RelativeBlock b;
    b.widget = new QWidget(parent);
    b.widget->setObjectName(prefix + QStringLiteral("Block"));
    auto* grid = new QGridLayout(b.widget);
    grid->setContentsMargins(24, 4, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    b.name = lineEdit(prefix + QStringLiteral("Name"), b.widget, 200);
    b.firstName = lineEdit(prefix + QStringLiteral("FirstName"), b.widget, 200);
    b.birthday = dateEdit(prefix + QStringLiteral("Birthday"), b.widget);
    warnWhenNoDate(b.birthday, QStringLiteral("Geburtsdatum"));
    b.kvYes = checkBox(prefix + QStringLiteral("KvYes"), QStringLiteral("Ja"), b.widget);
    b.kvNo = checkBox(prefix + QStringLiteral("KvNo"), QStringLiteral("Nein"), b.widget);
    b.kvSign = lineEdit(prefix + QStringLiteral("KvSign"), b.widget, 260);
    b.kvNumber = lineEdit(prefix + QStringLiteral("KvNumber"), b.widget, 160);
    QLabel* signLabel =
        label(QStringLiteral("Name und Sitz der KK"), b.widget, prefix + QStringLiteral("KvSignLabel"));
    QLabel* numberLabel =
        label(QStringLiteral("Krankenversicherten-Nr."), b.widget, prefix + QStringLiteral("KvNumberLabel"));
    b.fund = {signLabel, b.kvSign, numberLabel, b.kvNumber};

    grid->addWidget(label(QStringLiteral("Name"), b.widget), 0, 0);
    grid->addWidget(b.name, 0, 1);
    grid->addWidget(label(QStringLiteral("Vorname"), b.widget), 0, 2);
    grid->addWidget(b.firstName, 0, 3);
    grid->addWidget(label(QStringLiteral("Geburtsdatum"), b.widget), 0, 4);
    grid->addWidget(b.birthday, 0, 5);
    auto* kv = new QHBoxLayout;
    kv->addWidget(b.kvYes);
    kv->addWidget(b.kvNo);
    kv->addStretch(1);
    grid->addWidget(label(QStringLiteral("Pflichtversichert"), b.widget), 1, 0);
    grid->addLayout(kv, 1, 1);
    grid->addWidget(signLabel, 2, 0);
    grid->addWidget(b.kvSign, 2, 1);
    grid->addWidget(numberLabel, 2, 2);
    grid->addWidget(b.kvNumber, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(6, 1);
    return b;
}

} // namespace

InsurancePages::InsurancePages(TPersonMainFormDlg* dialog)
    : QObject(dialog)
    , m_dialog(dialog) {}

QWidget* InsurancePages::createHealth() {
    QWidget* page = pageContent(QStringLiteral("HealthPage"));
    QGroupBox* box = groupBox(QStringLiteral("HealthGroup"), QStringLiteral("Krankenversicherung"), page);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(
        question(QStringLiteral("Ich bin in einer gesetzlichen Krankenkasse (KK) pflicht- famielien- "
                                "oder freiwillig versichert"),
                 box));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(0, 16);
    layout->addLayout(grid);

    QCheckBox* yes =
        checkBox(QStringLiteral("KvYes"), QStringLiteral("Ja, Name und Sitz der Versicherung:"), box);
    QCheckBox* no = checkBox(QStringLiteral("KvNo"), QStringLiteral("Nein, ich war"), box);
    m_kv = new YesNoPair(yes, no, YesNoPair::Complementary, this);
    m_kvSignYes = lineEdit(QStringLiteral("KvSignYes"), box, 260);
    m_kvNumberYesLabel =
        label(QStringLiteral("Krankenversicherten-Nr."), box, QStringLiteral("KvNumberYesLabel"));
    m_kvNumberYes = lineEdit(QStringLiteral("KvNumberYes"), box, 160);
    m_kvLast = checkBox(QStringLiteral("KvLast"), QStringLiteral("zuletzt Krankenversichert bei"), box);
    m_kvNever = checkBox(QStringLiteral("KvNever"), QStringLiteral("bisher nicht Krankenversichert"), box);
    m_kvPrivate =
        checkBox(QStringLiteral("KvPrivate"), QStringLiteral("bisher privat krankenersichert"), box);
    m_kvSignLast = lineEdit(QStringLiteral("KvSignLast"), box, 260);
    m_kvNumberLastLabel =
        label(QStringLiteral("Krankenversicherten-Nr."), box, QStringLiteral("KvNumberLastLabel"));
    m_kvNumberLast = lineEdit(QStringLiteral("KvNumberLast"), box, 160);
    m_exemption1 = exemptionRows(1, box);
    keepSpace({m_kvSignYes, m_kvNumberYesLabel, m_kvNumberYes});

    grid->addWidget(yes, 0, 0, 1, 2);
    grid->addWidget(m_kvSignYes, 0, 2);
    grid->addWidget(m_kvNumberYesLabel, 0, 3);
    grid->addWidget(m_kvNumberYes, 0, 4);
    grid->addWidget(no, 1, 0, 1, 2);
    grid->addWidget(m_kvLast, 2, 1);
    grid->addWidget(m_kvSignLast, 2, 2);
    grid->addWidget(m_kvNumberLastLabel, 2, 3);
    grid->addWidget(m_kvNumberLast, 2, 4);
    grid->addWidget(m_kvNever, 3, 1);
    grid->addWidget(m_kvPrivate, 4, 1);
    grid->addWidget(m_exemption1.widget, 5, 1, 1, 4);
    grid->setColumnStretch(2, 1);

    static_cast<QVBoxLayout*>(page->layout())->addWidget(box);
    static_cast<QVBoxLayout*>(page->layout())->addStretch(1);
    tabChain({yes, m_kvSignYes, m_kvNumberYes, no, m_kvLast, m_kvSignLast, m_kvNumberLast, m_kvNever,
              m_kvPrivate, m_exemption1.boxes.first()});

    m_kv->onChange([this](bool insured) {
        if (insured) {
            for (QCheckBox* b : {m_kvLast, m_kvNever, m_kvPrivate})
                b->setChecked(false);
            for (QCheckBox* b : m_exemption1.boxes)
                b->setChecked(false);
            setShown({m_kvLast, m_kvNever, m_kvPrivate, m_kvSignLast, m_kvNumberLastLabel, m_kvNumberLast,
                      m_exemption1.widget},
                     false);
        } else {
            setShown({m_kvLast, m_kvNever, m_kvPrivate}, true);
            m_kvLast->setChecked(true);
            setShown({m_kvSignLast, m_kvNumberLastLabel, m_kvNumberLast}, true);
            m_exemption1.widget->hide();
        }
        setShown({m_kvSignYes, m_kvNumberYesLabel, m_kvNumberYes}, insured);
    });
    // The three former-member answers exclude each other; unticking one changes nothing else.
    const auto exclusive = [this](QCheckBox* ticked) {
        for (QCheckBox* b : {m_kvLast, m_kvNever, m_kvPrivate})
            if (b != ticked) b->setChecked(false);
        setShown({m_kvSignLast, m_kvNumberLastLabel, m_kvNumberLast}, ticked == m_kvLast);
        m_exemption1.widget->setVisible(ticked == m_kvPrivate);
    };
    for (QCheckBox* b : {m_kvLast, m_kvNever, m_kvPrivate})
        connect(b, &QCheckBox::toggled, this, [exclusive, b](bool on) {
            if (on) exclusive(b);
        });
    connect(m_kvNever, &QCheckBox::toggled, this, [this] {
        if (!store::isLoading()) healthNeverChanged();
    });
    // Both places show the one fund name and number of the person.
    for (auto [a, b] : {std::pair{m_kvSignYes, m_kvSignLast}, std::pair{m_kvNumberYes, m_kvNumberLast}}) {
        connect(a, &QLineEdit::textChanged, b, [b = b](const QString& t) {
            if (b->text() != t) b->setText(t);
        });
        connect(b, &QLineEdit::textChanged, a, [a = a](const QString& t) {
            if (a->text() != t) a->setText(t);
        });
    }
    return page;
}

QWidget* InsurancePages::createRelatives() {
    QWidget* page = pageContent(QStringLiteral("RelativesPage"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());

    QGroupBox* splitBox =
        groupBox(QStringLiteral("SplitGroup"), QStringLiteral("Dauernd getrennt lebender Partner"), page);
    auto* splitLayout = new QVBoxLayout(splitBox);
    splitLayout->addWidget(question(
        QStringLiteral("Sind Sie von Ihrem Ehepartner/eingetragenem Partner dauernd getrennt lebend?"),
        splitBox));
    QCheckBox* splitYes =
        checkBox(QStringLiteral("SplitYes"), QStringLiteral("Ja, Angaben zum Partner:"), splitBox);
    QCheckBox* splitNo = checkBox(QStringLiteral("SplitNo"), QStringLiteral("Nein"), splitBox);
    auto* splitAnswers = new QHBoxLayout;
    splitAnswers->addWidget(splitYes);
    splitAnswers->addWidget(splitNo);
    splitAnswers->addStretch(1);
    splitLayout->addLayout(splitAnswers);
    RelativeBlock split = relativeBlock(QStringLiteral("Split"), splitBox);
    splitLayout->addWidget(split.widget);
    m_split = new YesNoPair(splitYes, splitNo, YesNoPair::Complementary, this);
    m_splitBlock = split.widget;
    m_splitName = split.name;
    m_splitFirstName = split.firstName;
    m_splitBirthday = split.birthday;
    m_splitKv = new YesNoPair(split.kvYes, split.kvNo, YesNoPair::Complementary, this);
    m_splitFund = split.fund;
    m_splitKvSign = split.kvSign;
    m_splitKvNumber = split.kvNumber;

    QGroupBox* mainBox =
        groupBox(QStringLiteral("MainInsuredGroup"), QStringLiteral("Hauptversicherte Person"), page);
    auto* mainLayout = new QVBoxLayout(mainBox);
    m_ageQuestion = question(QString(), mainBox, QStringLiteral("AgeQuestion"));
    setAgeLimit(23);
    mainLayout->addWidget(m_ageQuestion);
    QCheckBox* ageYes = checkBox(QStringLiteral("AgeYes"), QStringLiteral("Ja"), mainBox);
    QCheckBox* ageNo = checkBox(QStringLiteral("AgeNo"),
                                QStringLiteral("Nein, Angaben zur Hauptversicherten Person:"), mainBox);
    auto* ageAnswers = new QHBoxLayout;
    ageAnswers->addWidget(ageYes);
    ageAnswers->addWidget(ageNo);
    ageAnswers->addStretch(1);
    mainLayout->addLayout(ageAnswers);
    RelativeBlock insured = relativeBlock(QStringLiteral("Main"), mainBox);
    mainLayout->addWidget(insured.widget);
    m_age = new YesNoPair(ageYes, ageNo, YesNoPair::Complementary, this);
    m_mainBlock = insured.widget;
    m_mainName = insured.name;
    m_mainFirstName = insured.firstName;
    m_mainBirthday = insured.birthday;
    m_mainKv = new YesNoPair(insured.kvYes, insured.kvNo, YesNoPair::Complementary, this);
    m_mainFund = insured.fund;
    m_mainKvSign = insured.kvSign;
    m_mainKvNumber = insured.kvNumber;

    layout->addWidget(splitBox);
    layout->addWidget(mainBox);
    layout->addStretch(1);

    m_split->onChange([this](bool separated) {
        m_splitBlock->setVisible(separated);
        m_splitKv->setYes(true);
    });
    m_splitKv->onChange([this](bool compulsory) {
        for (QWidget* w : m_splitFund)
            w->setVisible(compulsory);
    });
    m_age->onChange([this](bool reached) {
        m_mainBlock->setVisible(!reached);
        m_mainKv->setYes(true);
    });
    m_mainKv->onChange([this](bool compulsory) {
        for (QWidget* w : m_mainFund)
            w->setVisible(compulsory);
    });
    return page;
}

QWidget* InsurancePages::createPension() {
    QWidget* page = pageContent(QStringLiteral("PensionPage"));
    QGroupBox* box = groupBox(QStringLiteral("PensionGroup"), QStringLiteral("Rentenversicherung"), page);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(question(QStringLiteral("Sind Sie gesetzlich Rentenversichert?"), box));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(0, 16);
    layout->addLayout(grid);

    QCheckBox* yes = checkBox(QStringLiteral("RvYes"), QStringLiteral("Ja, bei"), box);
    QCheckBox* no = checkBox(QStringLiteral("RvNo"), QStringLiteral("Nein"), box);
    m_rv = new YesNoPair(yes, no, YesNoPair::Complementary, this);
    QCheckBox* bund = checkBox(QStringLiteral("RvBund"), QStringLiteral("Deutsche RV-Bund"), box);
    QCheckBox* knapp =
        checkBox(QStringLiteral("RvKnapp"), QStringLiteral("Deutsche RV-Knappschaft-Bahn-See"), box);
    m_rvInsurer = new YesNoPair(bund, knapp, YesNoPair::Complementary, this);
    m_rvNumberLabel = label(QStringLiteral("Rentenversicherten-Nr."), box, QStringLiteral("RvNumberLabel"));
    m_rvNumber = lineEdit(QStringLiteral("RvNumber"), box, 180);
    m_rvNever = checkBox(QStringLiteral("RvNever"), QStringLiteral("bisher nicht Rentenversichert"), box);
    m_rvApplied = checkBox(QStringLiteral("RvApplied"),
                           QStringLiteral("Rentenversicherungsnummer wurde beantragt"), box);
    m_rvToApply = checkBox(
        QStringLiteral("RvToApply"),
        QStringLiteral("Rentenversicherungsnummer soll beantragt werden, Geburtsort/Geburtsland:"), box);
    m_rvPlace = lineEdit(QStringLiteral("RvPlace"), box, 220);
    m_rvExempt = checkBox(
        QStringLiteral("RvExempt"),
        QStringLiteral("von der Rentenversicherungspflicht befreit und/oder privat versichert"), box);
    m_exemption3 = exemptionRows(3, box);
    keepSpace({bund, knapp, m_rvNumberLabel, m_rvNumber});

    auto* insurers = new QHBoxLayout;
    insurers->setSpacing(14);
    for (QWidget* w : {static_cast<QWidget*>(bund), static_cast<QWidget*>(knapp),
                       static_cast<QWidget*>(m_rvNumberLabel), static_cast<QWidget*>(m_rvNumber)})
        insurers->addWidget(w);
    insurers->addStretch(1);
    grid->addWidget(yes, 0, 0, 1, 2);
    grid->addLayout(insurers, 0, 2);
    grid->addWidget(no, 1, 0, 1, 2);
    grid->addWidget(m_rvNever, 2, 1, 1, 2);
    grid->addWidget(m_rvApplied, 3, 1, 1, 2);
    auto* toApply = new QHBoxLayout;
    toApply->addWidget(m_rvToApply);
    toApply->addWidget(m_rvPlace);
    toApply->addStretch(1);
    grid->addLayout(toApply, 4, 1, 1, 2);
    grid->addWidget(m_rvExempt, 5, 1, 1, 2);
    grid->addWidget(m_exemption3.widget, 6, 1, 1, 2);
    grid->setColumnStretch(2, 1);

    static_cast<QVBoxLayout*>(page->layout())->addWidget(box);
    static_cast<QVBoxLayout*>(page->layout())->addStretch(1);
    tabChain({yes, bund, knapp, m_rvNumber, no, m_rvNever, m_rvApplied, m_rvToApply, m_rvPlace, m_rvExempt,
              m_exemption3.boxes.first()});

    m_rv->onChange([this](bool insured) {
        if (insured) m_rvInsurer->setYes(true);
        m_rvNever->setChecked(true);
        m_rvPlace->clear();
        m_rvNumber->clear();
        setShown({m_rvInsurer->yesBox(), m_rvInsurer->noBox(), m_rvNumberLabel, m_rvNumber}, insured);
        setShown({m_rvNever, m_rvApplied, m_rvToApply, m_rvExempt}, !insured);
        setShown({m_rvPlace, m_exemption3.widget}, false);
    });
    // The four answers of "Nein" exclude each other; unticking one changes nothing else.
    for (QCheckBox* ticked : {m_rvNever, m_rvApplied, m_rvToApply, m_rvExempt})
        connect(ticked, &QCheckBox::toggled, this, [this, ticked](bool on) {
            if (!on) return;
            for (QCheckBox* b : {m_rvNever, m_rvApplied, m_rvToApply, m_rvExempt})
                if (b != ticked) b->setChecked(false);
            if (ticked != m_rvToApply) m_rvPlace->clear();
            m_rvPlace->setVisible(ticked == m_rvToApply);
            m_exemption3.widget->setVisible(ticked == m_rvExempt);
        });
    // The exemption answers of pages 1 and 3 are one set of answers shown in two places.
    for (int i = 0; i < m_exemption1.boxes.size(); ++i) {
        QCheckBox* a = m_exemption1.boxes.at(i);
        QCheckBox* b = m_exemption3.boxes.at(i);
        connect(a, &QCheckBox::toggled, b, &QCheckBox::setChecked);
        connect(b, &QCheckBox::toggled, a, &QCheckBox::setChecked);
    }
    declareWrites();
    return page;
}

void InsurancePages::setAgeLimit(int years) {
    m_ageQuestion->setText(
        QStringLiteral(
            "Angaben, wenn das %1. Lebensjahr noch nicht vollendet ist. Ist das %1. Lebensjahr vollendet?")
            .arg(years));
}

void InsurancePages::healthNeverChanged() {
    // Never insured has no fund; whatever the two places held goes, on screen and in the row.
    for (QLineEdit* e : {m_kvSignYes, m_kvNumberYes, m_kvSignLast, m_kvNumberLast})
        e->clear();
    store::execute(QStringLiteral("UPDATE PERSON SET PRS_KV_SIGN=?, PRS_KV_NUMBER=? WHERE PRS_IDENT=?"),
                   {blank(), blank(), m_dialog->currentPerson()});
}

void InsurancePages::declareWrites() {
    const auto key = [d = m_dialog] { return d->currentPerson(); };
    const auto group = [this, key] {
        return new WriteGroup(QStringLiteral("PERSON"), QStringLiteral("PRS_IDENT"), key, this);
    };
    const auto onEdit = [](std::initializer_list<QLineEdit*> edits, WriteGroup* g) {
        for (QLineEdit* e : edits)
            QObject::connect(e, &QLineEdit::textEdited, g, [g] { g->write(); });
    };

    // page 1: the flags of every box, a box ticked in either place counting as ticked
    WriteGroup* health = group();
    health->pair(m_kv, QStringLiteral("PRS_KV_YES"), QStringLiteral("PRS_KV_NO"))
        .flag(m_kvLast, QStringLiteral("PRS_KV_NO_LAST_YES"))
        .flag(m_kvNever, QStringLiteral("PRS_KV_NO_NEVER"))
        .flag(m_kvPrivate, QStringLiteral("PRS_KV_NO_PKV_YES"));
    for (int i = 0; i < m_exemption1.boxes.size(); ++i) {
        QCheckBox* a = m_exemption1.boxes.at(i);
        QCheckBox* b = m_exemption3.boxes.at(i);
        health->value(col(kExemptionColumns[i]), [a, b] { return a->isChecked() || b->isChecked(); });
        for (QCheckBox* box : {a, b})
            connect(box, &QCheckBox::clicked, health, [health] { health->write(); });
    }
    WriteGroup* fund = group();
    fund->before([this] { return m_kv->yes() || (m_kv->no() && m_kvLast->isChecked()); })
        .value(QStringLiteral("PRS_KV_SIGN"),
               [this] { return store::textValue(m_kv->yes() ? m_kvSignYes->text() : m_kvSignLast->text()); })
        .value(QStringLiteral("PRS_KV_NUMBER"), [this] {
            return store::textValue(m_kv->yes() ? m_kvNumberYes->text() : m_kvNumberLast->text());
        });
    onEdit({m_kvSignYes, m_kvNumberYes, m_kvSignLast, m_kvNumberLast}, fund);

    // page 2: a closed block and a fund that no longer applies are emptied, on screen and in the row
    group()
        ->pair(m_split, QStringLiteral("PSR_SPLIT_YES"), QStringLiteral("PRS_SPLIT_NO"))
        .pair(m_splitKv, QStringLiteral("PRS_SPLIT_KV_YES"), QStringLiteral("PRS_SPLIT_KV_NO"))
        .also([this] {
            const QString person = m_dialog->currentPerson();
            if (m_split->no()) {
                for (QLineEdit* e : {m_splitName, m_splitFirstName, m_splitKvSign, m_splitKvNumber})
                    e->clear();
                m_splitBirthday->setDate(QDate());
                if (!store::execute(
                        QStringLiteral("UPDATE PERSON SET PRS_SPLIT_NAME=?, PRS_SPLIT_VNAME=?, "
                                       "PRS_SPLIT_KV_SIGN=?, PRS_SPLIT_KV_NUMBER=?, PRS_SPLIT_BIRTHDAY=? "
                                       "WHERE PRS_IDENT=?"),
                        {blank(), blank(), blank(), blank(), store::dateValue(QDate()), person}))
                    return false;
            }
            if (m_splitKv->no()) {
                m_splitKvSign->clear();
                m_splitKvNumber->clear();
                return store::execute(
                    QStringLiteral("UPDATE PERSON SET PRS_SPLIT_KV_SIGN=?, PRS_SPLIT_KV_NUMBER=? "
                                   "WHERE PRS_IDENT=?"),
                    {blank(), blank(), person});
            }
            return true;
        });
    group()
        ->text(m_splitName, QStringLiteral("PRS_SPLIT_NAME"))
        .text(m_splitFirstName, QStringLiteral("PRS_SPLIT_VNAME"))
        .text(m_splitKvSign, QStringLiteral("PRS_SPLIT_KV_SIGN"))
        .text(m_splitKvNumber, QStringLiteral("PRS_SPLIT_KV_NUMBER"));
    group()->date(m_splitBirthday, QStringLiteral("PRS_SPLIT_BIRTHDAY"));

    group()
        ->pair(m_age, QStringLiteral("PRS_23_YES"), QStringLiteral("PRS_23_NO"))
        .pair(m_mainKv, QStringLiteral("PRS_23_KV_YES"), QStringLiteral("PRS_23_KV_NO"))
        .also([this] {
            const QString person = m_dialog->currentPerson();
            if (m_age->yes()) {
                for (QLineEdit* e : {m_mainName, m_mainFirstName, m_mainKvSign, m_mainKvNumber})
                    e->clear();
                m_mainBirthday->setDate(QDate());
                if (!store::execute(
                        QStringLiteral("UPDATE PERSON SET PRS_23_YES_NAME=?, PRS_23_YES_VNAME=?, "
                                       "PRS_23_KV_YES_NAME=?, PRS_23_YES_NUMBER=?, PRS_23_YES_BIRTHDAY=? "
                                       "WHERE PRS_IDENT=?"),
                        {blank(), blank(), blank(), blank(), store::dateValue(QDate()), person}))
                    return false;
            }
            if (m_mainKv->no()) {
                m_mainKvSign->clear();
                m_mainKvNumber->clear();
                return store::execute(
                    QStringLiteral("UPDATE PERSON SET PRS_23_KV_YES_NAME=?, PRS_23_YES_NUMBER=? "
                                   "WHERE PRS_IDENT=?"),
                    {blank(), blank(), person});
            }
            return true;
        });
    group()
        ->text(m_mainName, QStringLiteral("PRS_23_YES_NAME"))
        .text(m_mainFirstName, QStringLiteral("PRS_23_YES_VNAME"))
        .text(m_mainKvSign, QStringLiteral("PRS_23_KV_YES_NAME"))
        .text(m_mainKvNumber, QStringLiteral("PRS_23_YES_NUMBER"));
    group()->date(m_mainBirthday, QStringLiteral("PRS_23_YES_BIRTHDAY"));

    // page 3: the answers of the side not chosen are written false
    WriteGroup* pension = group();
    const auto yesSide = [this](QCheckBox* b) { return [this, b] { return m_rv->yes() && b->isChecked(); }; };
    const auto noSide = [this](QCheckBox* b) { return [this, b] { return m_rv->no() && b->isChecked(); }; };
    pension->pair(m_rv, QStringLiteral("PRS_RV_YES"), QStringLiteral("PRS_RV_NO"))
        .value(QStringLiteral("PRS_RV_YES_RVBUND"), yesSide(m_rvInsurer->yesBox()))
        .value(QStringLiteral("PRS_RV_YES_RVKNAPP"), yesSide(m_rvInsurer->noBox()))
        .value(QStringLiteral("PRS_RV_NO_ANTRAG_IS"), noSide(m_rvApplied))
        .value(QStringLiteral("PRS_RV_NO_ANTRAG_WANT"), noSide(m_rvToApply))
        .value(QStringLiteral("PRS_RV_NO_MUSTNOT"), noSide(m_rvExempt))
        .value(QStringLiteral("PRS_RV_NO_NEVER"), noSide(m_rvNever));
    connect(m_rvInsurer, &YesNoPair::clicked, pension, [pension] { pension->write(); });
    for (QCheckBox* b : {m_rvNever, m_rvApplied, m_rvToApply, m_rvExempt})
        connect(b, &QCheckBox::clicked, pension, [pension] { pension->write(); });
    group()
        ->text(m_rvNumber, QStringLiteral("PRS_RV_YES_NUMBER"))
        .text(m_rvPlace, QStringLiteral("PRS_RV_NO_ANTRAG_STATE"));
}

void InsurancePages::reset() {
    for (QLineEdit* e : {m_kvSignYes, m_kvNumberYes, m_kvSignLast, m_kvNumberLast, m_splitName,
                         m_splitFirstName, m_splitKvSign, m_splitKvNumber, m_mainName, m_mainFirstName,
                         m_mainKvSign, m_mainKvNumber, m_rvNumber, m_rvPlace})
        e->clear();
    for (DateEdit* e : {m_splitBirthday, m_mainBirthday})
        e->setDate(QDate());
    m_kv->setYes(true);
    m_split->setYes(false);
    m_splitKv->setYes(true);
    m_age->setYes(true);
    m_mainKv->setYes(true);
    m_rv->setYes(true);
    m_rvInsurer->setYes(true);
}

void InsurancePages::load(const store::Rows& row) {
    const auto flag = [&row](const char* column) { return row.flag(col(column)); };
    const auto text = [&row](const char* column) { return row.text(col(column)); };
    // Each question starts from its default; a stored answer then ticks its box and the rules follow.
    const auto answer = [](YesNoPair* pair, bool yes, bool no) {
        if (yes) pair->setYes(true);
        if (no) pair->setYes(false);
    };

    m_kv->setYes(true);
    answer(m_kv, flag("PRS_KV_YES"), flag("PRS_KV_NO"));
    if (flag("PRS_KV_NO_LAST_YES")) m_kvLast->setChecked(true);
    if (flag("PRS_KV_NO_NEVER")) m_kvNever->setChecked(true);
    if (flag("PRS_KV_NO_PKV_YES")) m_kvPrivate->setChecked(true);
    for (int i = 0; i < m_exemption1.boxes.size(); ++i) {
        m_exemption1.boxes.at(i)->setChecked(flag(kExemptionColumns[i]));
        m_exemption3.boxes.at(i)->setChecked(flag(kExemptionColumns[i]));
    }
    m_kvSignYes->setText(text("PRS_KV_SIGN"));
    m_kvNumberYes->setText(text("PRS_KV_NUMBER"));

    m_split->setYes(false);
    m_splitKv->setYes(true);
    m_splitBirthday->setDate(QDate());
    answer(m_split, flag("PSR_SPLIT_YES"), flag("PRS_SPLIT_NO"));
    answer(m_splitKv, flag("PRS_SPLIT_KV_YES"), flag("PRS_SPLIT_KV_NO"));
    m_splitName->setText(text("PRS_SPLIT_NAME"));
    m_splitFirstName->setText(text("PRS_SPLIT_VNAME"));
    m_splitKvSign->setText(text("PRS_SPLIT_KV_SIGN"));
    m_splitKvNumber->setText(text("PRS_SPLIT_KV_NUMBER"));
    m_splitBirthday->setDate(row.date(QStringLiteral("PRS_SPLIT_BIRTHDAY")));

    m_age->setYes(true);
    m_mainKv->setYes(true);
    m_mainBirthday->setDate(QDate());
    answer(m_age, flag("PRS_23_YES"), flag("PRS_23_NO"));
    answer(m_mainKv, flag("PRS_23_KV_YES"), flag("PRS_23_KV_NO"));
    m_mainName->setText(text("PRS_23_YES_NAME"));
    m_mainFirstName->setText(text("PRS_23_YES_VNAME"));
    m_mainKvSign->setText(text("PRS_23_KV_YES_NAME"));
    m_mainKvNumber->setText(text("PRS_23_YES_NUMBER"));
    m_mainBirthday->setDate(row.date(QStringLiteral("PRS_23_YES_BIRTHDAY")));

    m_rv->setYes(true);
    answer(m_rv, flag("PRS_RV_YES"), flag("PRS_RV_NO"));
    answer(m_rvInsurer, flag("PRS_RV_YES_RVBUND"), flag("PRS_RV_YES_RVKNAPP"));
    const std::pair<const char*, QCheckBox*> pensionAnswers[] = {{"PRS_RV_NO_ANTRAG_IS", m_rvApplied},
                                                                 {"PRS_RV_NO_ANTRAG_WANT", m_rvToApply},
                                                                 {"PRS_RV_NO_MUSTNOT", m_rvExempt},
                                                                 {"PRS_RV_NO_NEVER", m_rvNever}};
    for (const auto& [column, box] : pensionAnswers)
        if (flag(column)) box->setChecked(true);
    m_rvNumber->setText(text("PRS_RV_YES_NUMBER"));
    m_rvPlace->setText(text("PRS_RV_NO_ANTRAG_STATE"));
}
