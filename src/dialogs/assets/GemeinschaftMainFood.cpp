// Page 2 of the community dialog: additional need for costly nutrition, per person.
#include "GemeinschaftMain.h"

#include "PageBuilder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

QWidget* TGemeinschaftMainDlg::createFoodPage()
{
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet3"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    QGroupBox* group = forms::groupBox(QStringLiteral("MoreFootGroup"), QStringLiteral("Kostenaufwändige Ernährung"), page);
    auto* g = new QVBoxLayout(group);

    const QString question = QStringLiteral("Wird für eine oder mehrere in der Bedarfsgemeinschaft lebenden Personen "
                                            "Mehrbedarf wegen kostenaufwändiger Ernährung geltend gemacht?");
    g->addWidget(forms::question(question, group, QStringLiteral("MoreFootQuestion")));
    auto* answers = new QHBoxLayout;
    auto* yes = forms::checkBox(QStringLiteral("MoreFootYes"), QStringLiteral("Ja"), group);
    auto* no = forms::checkBox(QStringLiteral("MoreFootNo"), QStringLiteral("Nein"), group);
    yes->setAccessibleDescription(question);
    no->setAccessibleDescription(question);
    answers->addWidget(yes);
    answers->addWidget(no);
    answers->addStretch(1);
    g->addLayout(answers);

    m_moreFootCaption = forms::label(
        QStringLiteral("Wählen Sie nacheinander die entsprechende Person aus und beantworten Sie die weiter unten "
                       "stehenden Fragen:"),
        group, QStringLiteral("MoreFootCaption"));
    m_moreFootCaption->setWordWrap(true);
    g->addWidget(m_moreFootCaption);
    m_moreFootPersonList = new QTreeWidget(group);
    m_moreFootPersonList->setObjectName(QStringLiteral("MoreFootPersonList"));
    m_moreFootPersonList->setColumnCount(2);
    m_moreFootPersonList->setHeaderLabels({QStringLiteral("Name, Vorname"), QString()});
    m_moreFootPersonList->setColumnHidden(1, true);
    m_moreFootPersonList->setRootIsDecorated(false);
    m_moreFootPersonList->setFixedHeight(120);
    m_moreFootCaption->setBuddy(m_moreFootPersonList);
    g->addWidget(m_moreFootPersonList);

    const QString personQuestion =
        QStringLiteral("Macht die oben gewählte Person Mehrbedarf für kostenaufwändige Ernährung geltend?");
    m_moreFootQuestion = forms::question(personQuestion, group, QStringLiteral("MoreFootPersonQuestion"));
    g->addWidget(m_moreFootQuestion);
    auto* haveRow = new QHBoxLayout;
    auto* have = new forms::WrappedCheckBox(
        QStringLiteral("MoreFootHaveBox"),
        QStringLiteral("Ja, die Person hat bereits einen Mehrbedarf angemeldet, mit Antrag vom:"), group);
    m_haveBox = have->box();
    m_haveDateEdit = forms::lineEdit(QStringLiteral("MoreFootDateEdit"), group, 110);
    m_haveDateEdit->setMaxLength(10);
    m_haveDateEdit->setAccessibleName(QStringLiteral("Antrag vom"));
    forms::keepSpace({m_haveDateEdit});
    haveRow->addWidget(have, 1);
    haveRow->addWidget(m_haveDateEdit);
    g->addLayout(haveRow);
    auto* want = new forms::WrappedCheckBox(
        QStringLiteral("MoreFootWantBox"),
        QStringLiteral("Ja, die Person macht Mehrbedarf für kostenaufwändige Ernährung geltend."), group);
    m_wantBox = want->box();
    g->addWidget(want);
    m_noneBox = forms::checkBox(QStringLiteral("MoreFootNoneBox"), QStringLiteral("Nein"), group);
    g->addWidget(m_noneBox);
    for (QCheckBox* b : {m_haveBox, m_wantBox, m_noneBox})
        b->setAccessibleDescription(personQuestion);
    layout->addWidget(group);
    layout->addStretch(1);

    m_moreFoot = new YesNoPair(yes, no, YesNoPair::Exclusive, this);
    m_moreFoot->onChange([this](bool ticked) { MoreFootChange(ticked); });
    (new WriteGroup(QStringLiteral("MAINHEADER"), QStringLiteral("BDG_IDENT"), application, this))
        ->before([] { return !application().isEmpty(); })
        .pair(m_moreFoot, QStringLiteral("BDG_MOREFOOT_YES"), QStringLiteral("BDG_MOREFOOT_NO"));
    // After the rule, a "Ja" shows the selected person's stored answer.
    connect(yes, &QCheckBox::clicked, this, [this] {
        if (m_moreFoot->yes())
            loadFoodPerson();
    });

    // The three answers exclude each other; each click stores the person's answer as the boxes show it.
    for (QCheckBox* b : {m_haveBox, m_wantBox, m_noneBox}) {
        connect(b, &QCheckBox::toggled, this, [this, b](bool checked) {
            if (checked)
                foodBoxTicked(b);
        });
        connect(b, &QCheckBox::clicked, this, [this] { saveFoodPerson(); });
    }
    connect(m_haveDateEdit, &QLineEdit::textEdited, this, [this] { saveFoodPerson(); });
    connect(m_moreFootPersonList, &QTreeWidget::currentItemChanged, this, [this] {
        store::LoadScope loading;
        loadFoodPerson();
    });
    return page;
}

void TGemeinschaftMainDlg::foodBoxTicked(QCheckBox* box)
{
    for (QCheckBox* other : {m_haveBox, m_wantBox, m_noneBox})
        if (other != box)
            other->setChecked(false);
    m_haveDateEdit->clear();
    m_haveDateEdit->setVisible(box == m_haveBox);
}

void TGemeinschaftMainDlg::MoreFootChange(bool yes)
{
    forms::setShown({m_moreFootCaption, m_moreFootPersonList, m_moreFootQuestion, m_haveBox->parentWidget(),
                     m_wantBox->parentWidget(), m_noneBox},
                    yes);
    if (yes) {
        m_noneBox->setChecked(true);
    } else {
        for (QCheckBox* b : {m_haveBox, m_wantBox, m_noneBox})
            b->setChecked(false);
    }
    m_haveDateEdit->clear();
    m_haveDateEdit->hide();
}

void TGemeinschaftMainDlg::loadFoodPerson()
{
    if (!m_moreFoot->yes())
        return;
    store::Rows row = store::select(QStringLiteral("SELECT * FROM MEMBERMOREFOOT WHERE MOF_INDEX_PERSON=?"),
                                    {selectedPerson(m_moreFootPersonList)});
    for (QCheckBox* b : {m_haveBox, m_wantBox, m_noneBox})
        b->setChecked(false);
    if (row.next()) {
        m_haveBox->setChecked(row.flag(QStringLiteral("MOF_HAVE_YES")));
        m_wantBox->setChecked(row.flag(QStringLiteral("MOF_WANT_YES")));
        m_haveDateEdit->setText(row.text(QStringLiteral("MOF_HAVE_DATE")));
    }
    if (!m_haveBox->isChecked() && !m_wantBox->isChecked())
        m_noneBox->setChecked(true);
}

// The person's row as the boxes show it: a ticked box that is clicked again leaves no claim behind.
bool TGemeinschaftMainDlg::saveFoodPerson()
{
    const QString person = selectedPerson(m_moreFootPersonList);
    if (person.isEmpty() || application().isEmpty())
        return false;
    const bool have = m_haveBox->isChecked();
    const bool want = m_wantBox->isChecked();
    return store::inTransaction([&] {
        if (!store::execute(QStringLiteral("DELETE FROM MEMBERMOREFOOT WHERE MOF_INDEX_PERSON=?"), {person}))
            return false;
        if (!have && !want)
            return true;
        return store::execute(QStringLiteral("INSERT INTO MEMBERMOREFOOT (MOF_IDENT, MOF_INDEX_MAINHEADER, "
                                             "MOF_INDEX_PERSON, MOF_HAVE_YES, MOF_HAVE_DATE, MOF_WANT_YES) "
                                             "VALUES (?, ?, ?, ?, ?, ?)"),
                              {TMainObject::NewRowIdent(), application(), person, have,
                               store::textValue(have ? m_haveDateEdit->text() : QString()), want});
    });
}

void TGemeinschaftMainDlg::loadFoodPage()
{
    m_moreFoot->yesBox()->setChecked(false);
    m_moreFoot->noBox()->setChecked(true);
    MoreFootChange(false);
    fillPersons(m_moreFootPersonList);
    store::Rows header = store::select(
        QStringLiteral("SELECT BDG_MOREFOOT_YES, BDG_MOREFOOT_NO FROM MAINHEADER WHERE BDG_IDENT=?"), {application()});
    const bool found = header.next();
    m_moreFoot->yesBox()->setChecked(found && header.flag(QStringLiteral("BDG_MOREFOOT_YES")));
    m_moreFoot->noBox()->setChecked(found && header.flag(QStringLiteral("BDG_MOREFOOT_NO")));
    if (!m_moreFoot->yes() && !m_moreFoot->no())
        m_moreFoot->noBox()->setChecked(true);
    loadFoodPerson();
}
