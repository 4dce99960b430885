// Page 0 of the persons dialog: what each user action writes, and what a stored row loads as.
#include "tst_personmainform.h"

#include "Editors.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>

namespace {

using Step = std::function<void(PersonsFixture&)>;
using Expected = QVector<QPair<QString, QVariant>>;

QVariant noDate() {
    return QVariant();
}

struct Case {
    const char* name;
    int person; // 0 the applicant; n: the n-th person added with "Neu" (1 partner, 2 further person)
    QString seed;
    store::Values values;
    Step act;
    Expected expected; // PERSON columns afterwards; an invalid value stands for NULL
    Step screen;       // what the page shows afterwards
};

void clickNamed(PersonsFixture& f, const char* name) {
    clickBox(f.find<QAbstractButton>(name));
}

const QVector<Case>& writeCases() {
    static const QVector<Case> cases = {
        {"geschieden seit copies the since-text into all three",
         0,
         "PRS_FAMILY_PARTNER_SPLIT=?, PRS_FAMILY_PARTNER_SPLITSINCE=?",
         {true, "05/2010 "},
         [](PersonsFixture& f) { clickNamed(f, "FamilyDivorced"); },
         {{"PRS_FAMILY_PARTNER_SPLIT", false},
          {"PRS_FAMILY_GESCH_IS", true},
          {"PRS_FAMILY_PARTNER_SPLITSINCE", "05/2010 "},
          {"PRS_FAMILY_GESCH_SINCE", "05/2010 "},
          {"PRS_FAMILY_WITW_SINCE", "05/2010 "}},
         [](PersonsFixture& f) { QVERIFY(f.find<QLineEdit>("FamilySinceEdit")->isVisible()); }},
        {"typing the since-text keeps it only in the chosen status",
         0,
         "PRS_FAMILY_GESCH_IS=?, PRS_FAMILY_GESCH_SINCE=?, PRS_FAMILY_PARTNER_SPLITSINCE=?, "
         "PRS_FAMILY_WITW_SINCE=?",
         {true, "2010 ", "2010 ", "2010 "},
         [](PersonsFixture& f) { typeMore(f.find<QLineEdit>("FamilySinceEdit"), "-11"); },
         {{"PRS_FAMILY_PARTNER_SPLITSINCE", " "},
          {"PRS_FAMILY_GESCH_SINCE", "2010-11 "},
          {"PRS_FAMILY_WITW_SINCE", " "}},
         {}},
        {"ledig empties and hides the since-field",
         0,
         "PRS_FAMILY_WITW_IS=?, PRS_FAMILY_WITW_SINCE=?",
         {true, "2001 "},
         [](PersonsFixture& f) { clickNamed(f, "FamilySingle"); },
         {{"PRS_FAMILY_LEDIG", true},
          {"PRS_FAMILY_WITW_IS", false},
          {"PRS_FAMILY_WITW_SINCE", " "},
          {"PRS_FAMILY_GESCH_SINCE", " "}},
         [](PersonsFixture& f) {
             QVERIFY(!f.find<QLineEdit>("FamilySinceEdit")->isVisible());
             QCOMPARE(f.find<QLineEdit>("FamilySinceEdit")->text(), QString());
         }},
        {"clicking the ticked Deutsch answers andere with no citizenship",
         0,
         "PRS_STATE_GR=?",
         {true},
         [](PersonsFixture& f) { clickNamed(f, "GermanBox"); },
         {{"PRS_STATE_GR", false}, {"PRS_STATE_OTHER", true}, {"PRS_STATE_SIGN", " "}},
         [](PersonsFixture& f) {
             QVERIFY(f.find<QCheckBox>("OtherStateBox")->isChecked());
             QVERIFY(f.find<QLineEdit>("StateEdit")->isVisible());
         }},
        {"Deutsch empties another citizenship",
         0,
         "PRS_STATE_OTHER=?, PRS_STATE_SIGN=?",
         {true, "polnisch "},
         [](PersonsFixture& f) { clickNamed(f, "GermanBox"); },
         {{"PRS_STATE_GR", true}, {"PRS_STATE_OTHER", false}, {"PRS_STATE_SIGN", " "}},
         [](PersonsFixture& f) {
             QVERIFY(!f.find<QLineEdit>("StateEdit")->isVisible());
             QCOMPARE(f.find<QLineEdit>("StateEdit")->text(), QString());
         }},
        {"the citizenship is typed",
         1,
         "PRS_STATE_OTHER=?",
         {true},
         [](PersonsFixture& f) { typeText(f.find<QLineEdit>("StateEdit"), "türkisch"); },
         {{"PRS_STATE_SIGN", "türkisch "}, {"PRS_STATE_OTHER", true}},
         {}},
        {"education Nein stores month and year as single blanks",
         0,
         "PRS_AZUBI_YES=?, PRS_AZUBI_UNTIL_MONTH=?, PRS_AZUBI_UNTIL_YEAR=?",
         {true, "März ", "2012 "},
         [](PersonsFixture& f) { clickNamed(f, "NoEducationBox"); },
         {{"PRS_AZUBI_YES", false},
          {"PRS_AZUBI_NO", true},
          {"PRS_AZUBI_PROF", false},
          {"PRS_AZUBI_UNTIL_MONTH", " "},
          {"PRS_AZUBI_UNTIL_YEAR", " "}},
         [](PersonsFixture& f) {
             QVERIFY(!f.find<QComboBox>("MonthCombo")->isVisible());
             QCOMPARE(f.find<QComboBox>("MonthCombo")->currentIndex(), -1);
             QCOMPARE(f.find<QSpinBox>("YearSpin")->value(), 2006);
         }},
        {"Schüler / Student with month and year",
         1,
         {},
         {},
         [](PersonsFixture& f) {
             clickNamed(f, "SchoolBox");
             choose(f.find<QComboBox>("MonthCombo"), 6);
             auto* year = f.find<QSpinBox>("YearSpin");
             year->selectAll();
             QTest::keyClicks(year, "2011");
         },
         {{"PRS_AZUBI_YES", true},
          {"PRS_AZUBI_NO", false},
          {"PRS_AZUBI_UNTIL_MONTH", "Juli "},
          {"PRS_AZUBI_UNTIL_YEAR", "2011 "}},
         [](PersonsFixture& f) {
             QVERIFY(f.find<QComboBox>("MonthCombo")->isVisible());
             QVERIFY(f.find<QLabel>("YearLabel")->isVisible());
         }},
        {"berufl. Ausbild. unticks Schüler / Student",
         0,
         "PRS_AZUBI_YES=?",
         {true},
         [](PersonsFixture& f) { clickNamed(f, "VocationalBox"); },
         {{"PRS_AZUBI_YES", false},
          {"PRS_AZUBI_PROF", true},
          {"PRS_AZUBI_NO", false},
          {"PRS_AZUBI_UNTIL_MONTH", " "},
          {"PRS_AZUBI_UNTIL_YEAR", "2006 "}},
         [](PersonsFixture& f) { QVERIFY(!f.find<QCheckBox>("SchoolBox")->isChecked()); }},
        {"a month is not stored while education is Nein",
         0,
         "PRS_AZUBI_NO=?",
         {true},
         [](PersonsFixture& f) { choose(f.find<QComboBox>("MonthCombo"), 2); },
         {{"PRS_AZUBI_UNTIL_MONTH", " "}},
         {}},
        {"an invalid birth date is not saved, not even with the names",
         0,
         "PRS_BIRTHDAY=?",
         {"1980-05-01"},
         [](PersonsFixture& f) {
             typeText(f.find<QLineEdit>("BirthdayEdit"), "31.02.1990");
             typeMore(f.find<QLineEdit>("NameEdit"), "x");
         },
         {{"PRS_BIRTHDAY", "1980-05-01"}, {"PRS_NAME", "Müllerx "}},
         [](PersonsFixture& f) {
             QCOMPARE(f.cell(0, 3), QStringLiteral("01.05.1980"));
             QCOMPARE(f.cell(0, 1), QStringLiteral("Müllerx"));
             QCOMPARE(f.find<QLineEdit>("BirthdayEdit")->text(), QStringLiteral("31.02.1990"));
         }},
        {"a valid birth date is saved and shown in the list",
         1,
         {},
         {},
         [](PersonsFixture& f) { typeText(f.find<QLineEdit>("BirthdayEdit"), "24.12.1985"); },
         {{"PRS_BIRTHDAY", "1985-12-24"}},
         [](PersonsFixture& f) { QCOMPARE(f.cell(1, 3), QStringLiteral("24.12.1985")); }},
        {"an emptied birth date is no date",
         0,
         "PRS_BIRTHDAY=?",
         {"1980-05-01"},
         [](PersonsFixture& f) { typeText(f.find<QLineEdit>("BirthdayEdit"), ""); },
         {{"PRS_BIRTHDAY", noDate()}},
         [](PersonsFixture& f) { QCOMPARE(f.cell(0, 3), QString()); }},
        {"names with quotes and umlauts",
         1,
         {},
         {},
         [](PersonsFixture& f) {
             typeText(f.find<QLineEdit>("NameEdit"), "O'Brien-Müller");
             typeText(f.find<QLineEdit>("FirstNameEdit"), "Zoë \"Zo\"");
             typeText(f.find<QLineEdit>("BirthNameEdit"), "Groß");
             typeText(f.find<QLineEdit>("BirthTownEdit"), "Köln");
         },
         {{"PRS_NAME", "O'Brien-Müller "},
          {"PRS_VNAME", "Zoë \"Zo\" "},
          {"PRS_BIRTHNAME", "Groß "},
          {"PRS_BIRTHTOWN", "Köln "},
          {"PRS_BIRTHDAY", noDate()}},
         [](PersonsFixture& f) {
             QCOMPARE(f.cell(1, 1), QStringLiteral("O'Brien-Müller"));
             QCOMPARE(f.dialog->Label1->text(),
                      QStringLiteral("Personen - O'Brien-Müller Zoë \"Zo\" - Allgemein"));
             QCOMPARE(f.dialog->currentDisplayName(), QStringLiteral("O'Brien-Müller Zoë \"Zo\""));
         }},
        {"Weiblich and Männlich",
         0,
         {},
         {},
         [](PersonsFixture& f) { clickNamed(f, "FemaleBox"); },
         {{"PRS_FEMALE", true}, {"PRS_MAN", false}},
         [](PersonsFixture& f) { QVERIFY(!f.find<QCheckBox>("MaleBox")->isChecked()); }},
        {"ability Ja empties the reason",
         0,
         "PRS_WORK_NO=?, PRS_WORK_NO_SIGN=?",
         {true, "krank "},
         [](PersonsFixture& f) { clickNamed(f, "WorkYes"); },
         {{"PRS_WORK_YES", true}, {"PRS_WORK_NO", false}, {"PRS_WORK_NO_SIGN", " "}},
         [](PersonsFixture& f) { QVERIFY(!f.find<QLineEdit>("WorkReasonEdit")->isVisible()); }},
        {"ability Nein with its reason",
         0,
         "PRS_WORK_YES=?",
         {true},
         [](PersonsFixture& f) {
             clickNamed(f, "WorkNo");
             typeText(f.find<QLineEdit>("WorkReasonEdit"), "Rücken");
         },
         {{"PRS_WORK_YES", false}, {"PRS_WORK_NO", true}, {"PRS_WORK_NO_SIGN", "Rücken "}},
         {}},
        {"asylum and customer number",
         0,
         {},
         {},
         [](PersonsFixture& f) {
             clickNamed(f, "AsylumYes");
             typeText(f.find<QLineEdit>("ArgeNumberEdit"), "123D456");
         },
         {{"PRS_ASYL_YES", true}, {"PRS_ASYL_NO", false}, {"PRS_ARGE_NUMBER", "123D456 "}},
         {}},
        {"institution Ja with its start date",
         0,
         {},
         {},
         [](PersonsFixture& f) {
             clickNamed(f, "InstitutionYes");
             typeText(f.find<QLineEdit>("InstitutionStart"), "01.02.2024");
             typeText(f.find<QLineEdit>("InstitutionUntil"), "1.3.2025");
         },
         {{"PRS_OUTDOR_YES", true},
          {"PRS_OUTDOR_NO", false},
          {"PRS_OUTDOR_START", "2024-02-01"},
          {"PRS_OUTDOR_FROM", noDate()},
          {"PRS_OUTDOR_UNTIL", "2025-03-01"}},
         [](PersonsFixture& f) { QVERIFY(f.find<QLabel>("InstitutionOrLabel")->isVisible()); }},
        {"a mistyped institution date keeps the stored one",
         0,
         "PRS_OUTDOR_YES=?, PRS_OUTDOR_START=?",
         {true, "2024-02-01"},
         [](PersonsFixture& f) {
             typeText(f.find<QLineEdit>("InstitutionStart"), "31.13.2024");
             clickNamed(f, "InstitutionNo");
         },
         {{"PRS_OUTDOR_YES", false}, {"PRS_OUTDOR_NO", true}, {"PRS_OUTDOR_START", "2024-02-01"}},
         [](PersonsFixture& f) { QVERIFY(!f.find<QLineEdit>("InstitutionStart")->isVisible()); }},
        {"relationship of a further person",
         2,
         {},
         {},
         [](PersonsFixture& f) { typeText(f.find<QLineEdit>("RelationEdit"), "Stieftochter"); },
         {{"PRS_VERWANDT", "Stieftochter "}, {"PRS_TYPE", 2}},
         [](PersonsFixture& f) {
             QVERIFY(!f.find<QComboBox>("RelationCombo")->isVisible());
             QCOMPARE(f.find<QLabel>("RelationLabel")->text(), QStringLiteral("Verwandschaftsverh."));
         }},
    };
    return cases;
}

// What a stored row looks like on the page.
struct LoadCase {
    const char* name;
    QString seed;
    store::Values values;
    Step screen;
};

const QVector<LoadCase>& loadCases() {
    static const QVector<LoadCase> cases = {
        {"the last ticked marital status wins and shows its since-text",
         "PRS_FAMILY_LEDIG=?, PRS_FAMILY_WITW_IS=?, PRS_FAMILY_WITW_SINCE=?, PRS_FAMILY_GESCH_SINCE=?",
         {true, true, "2001 ", "1990 "},
         [](PersonsFixture& f) {
             QVERIFY(f.find<QRadioButton>("FamilyWidowed")->isChecked());
             QVERIFY(!f.find<QRadioButton>("FamilySingle")->isChecked());
             QCOMPARE(f.find<QLineEdit>("FamilySinceEdit")->text(), QStringLiteral("2001"));
             QVERIFY(f.find<QLineEdit>("FamilySinceEdit")->isVisible());
         }},
        {"an unmatched month loads as no entry and a year that is no number as 2006",
         "PRS_AZUBI_YES=?, PRS_AZUBI_UNTIL_MONTH=?, PRS_AZUBI_UNTIL_YEAR=?",
         {true, "Brumaire ", "zwanzig "},
         [](PersonsFixture& f) {
             QCOMPARE(f.find<QComboBox>("MonthCombo")->currentIndex(), -1);
             QCOMPARE(f.find<QSpinBox>("YearSpin")->value(), 2006);
             QVERIFY(f.find<QComboBox>("MonthCombo")->isVisible());
             QVERIFY(f.find<QCheckBox>("SchoolBox")->isChecked());
             QVERIFY(!f.find<QCheckBox>("NoEducationBox")->isChecked());
         }},
        {"a listed month and a year",
         "PRS_AZUBI_PROF=?, PRS_AZUBI_UNTIL_MONTH=?, PRS_AZUBI_UNTIL_YEAR=?",
         {true, "März ", "2027 "},
         [](PersonsFixture& f) {
             QCOMPARE(f.find<QComboBox>("MonthCombo")->currentText(), QStringLiteral("März"));
             QCOMPARE(f.find<QSpinBox>("YearSpin")->value(), 2027);
             QVERIFY(f.find<QCheckBox>("VocationalBox")->isChecked());
         }},
        {"no education answer hides month and year",
         "PRS_AZUBI_UNTIL_MONTH=?",
         {"Mai "},
         [](PersonsFixture& f) {
             QVERIFY(!f.find<QComboBox>("MonthCombo")->isVisible());
             QVERIFY(!f.find<QLabel>("MonthLabel")->isVisible());
         }},
        {"institution dates where stored",
         "PRS_OUTDOR_YES=?, PRS_OUTDOR_START=?, PRS_OUTDOR_UNTIL=?",
         {true, "2023-04-05", "2024-06-30"},
         [](PersonsFixture& f) {
             QCOMPARE(f.find<QLineEdit>("InstitutionStart")->text(), QStringLiteral("05.04.2023"));
             QCOMPARE(f.find<QLineEdit>("InstitutionFrom")->text(), QString());
             QCOMPARE(f.find<QLineEdit>("InstitutionUntil")->text(), QStringLiteral("30.06.2024"));
             QVERIFY(f.find<QLabel>("InstitutionFromLabel")->isVisible());
         }},
        {"names, sex, birth and the other answers",
         "PRS_BIRTHNAME=?, PRS_BIRTHTOWN=?, PRS_FEMALE=?, PRS_BIRTHDAY=?, PRS_STATE_GR=?, PRS_ASYL_YES=?, "
         "PRS_ARGE_NUMBER=?, PRS_WORK_YES=?",
         {"Schulz ", "Görlitz ", true, "1975-01-31", true, true, "962A12345 ", true},
         [](PersonsFixture& f) {
             QCOMPARE(f.find<QLineEdit>("BirthNameEdit")->text(), QStringLiteral("Schulz"));
             QCOMPARE(f.find<QLineEdit>("BirthTownEdit")->text(), QStringLiteral("Görlitz"));
             QVERIFY(f.find<QCheckBox>("FemaleBox")->isChecked());
             QCOMPARE(f.find<QLineEdit>("BirthdayEdit")->text(), QStringLiteral("31.01.1975"));
             QCOMPARE(f.cell(0, 3), QStringLiteral("31.01.1975"));
             QVERIFY(f.find<QCheckBox>("GermanBox")->isChecked());
             QVERIFY(!f.find<QLineEdit>("StateEdit")->isVisible());
             QVERIFY(f.find<QCheckBox>("AsylumYes")->isChecked());
             QCOMPARE(f.find<QLineEdit>("ArgeNumberEdit")->text(), QStringLiteral("962A12345"));
             QVERIFY(f.find<QCheckBox>("WorkYes")->isChecked());
             QVERIFY(!f.find<QLineEdit>("WorkReasonEdit")->isVisible());
         }},
    };
    return cases;
}

} // namespace

class PersonalPageTest : public QObject {
    Q_OBJECT
private slots:
    void userActionsWrite_data();
    void userActionsWrite();
    void storedRowsLoad_data();
    void storedRowsLoad();
    void mistypedDateIsExplainedOnce();
};

void PersonalPageTest::userActionsWrite_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < writeCases().size(); ++i)
        QTest::newRow(writeCases().at(i).name) << i;
}

void PersonalPageTest::userActionsWrite() {
    QFETCH(int, index);
    const Case& c = writeCases().at(index);
    PersonsFixture f;
    QString person = f.application;
    for (int i = 0; i < c.person; ++i)
        person = f.addPerson();
    if (!c.seed.isEmpty()) seed(person, c.seed, c.values);
    f.showPage(0);
    QCOMPARE(f.dialog->currentPerson(), person);

    c.act(f);
    for (const auto& [column, value] : c.expected) {
        const QVariant actual = stored(person, column);
        if (!value.isValid())
            QVERIFY2(actual.isNull(), qPrintable(column + " holds " + actual.toString()));
        else if (value.typeId() == QMetaType::Bool)
            QCOMPARE(actual.toBool(), value.toBool());
        else
            QCOMPARE(column + '=' + actual.toString(), column + '=' + value.toString());
    }
    if (c.screen) c.screen(f);
    QVERIFY(f.messages.texts().isEmpty());
}

void PersonalPageTest::storedRowsLoad_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < loadCases().size(); ++i)
        QTest::newRow(loadCases().at(i).name) << i;
}

void PersonalPageTest::storedRowsLoad() {
    QFETCH(int, index);
    const LoadCase& c = loadCases().at(index);
    PersonsFixture f;
    seed(f.application, c.seed, c.values);
    // The row shown before leaves nothing behind.
    const QString before = f.addPerson();
    seed(before,
         "PRS_FAMILY_GESCH_IS=?, PRS_FAMILY_GESCH_SINCE=?, PRS_OUTDOR_YES=?, PRS_OUTDOR_FROM=?, "
         "PRS_AZUBI_YES=?, PRS_AZUBI_UNTIL_MONTH=?",
         {true, "1999 ", true, "2020-01-01", true, "Juni "});
    f.showPage(0);
    f.selectRow(0);
    c.screen(f);
}

void PersonalPageTest::mistypedDateIsExplainedOnce() {
    PersonsFixture f;
    auto* birthday = f.find<DateEdit>("BirthdayEdit");
    typeText(birthday, "30.02.2001");
    emit birthday->editingFinished();
    emit birthday->editingFinished();
    QCOMPARE(f.messages.texts().size(), 1);
    QVERIFY(f.messages.texts().first().contains(QStringLiteral("„30.02.2001“ ist kein gültiges Datum für "
                                                               "„Geburtsdatum“")));
    QCOMPARE(birthday->text(), QStringLiteral("30.02.2001"));
    QVERIFY(stored(f.application, "PRS_BIRTHDAY").isNull());
}

QTEST_MAIN(PersonalPageTest)
#include "tst_personmainform_personal.moc"
