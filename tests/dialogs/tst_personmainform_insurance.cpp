// Pages 1 to 4 of the persons dialog: health insurance, separated partner and main insured person,
// pension insurance, additional needs.
#include "tst_personmainform.h"

#include <QCheckBox>
#include <QLabel>

namespace {

bool checked(PersonsFixture& f, const char* name) {
    return f.find<QAbstractButton>(name)->isChecked();
}
bool shown(PersonsFixture& f, const char* name) {
    return f.find<QWidget>(name)->isVisible();
}
QString text(PersonsFixture& f, const char* name) {
    return f.find<QLineEdit>(name)->text();
}
void click(PersonsFixture& f, const char* name) {
    clickBox(f.find<QAbstractButton>(name));
}

void seedNeeds(const QString& person, const QString& assignments, store::Values values) {
    values << person;
    QVERIFY(store::execute(
        QStringLiteral("UPDATE MOREPOWER SET %1 WHERE MOP_INDEX_PERSON=?").arg(assignments), values));
}

} // namespace

class InsurancePagesTest : public QObject {
    Q_OBJECT
private slots:
    void newPersonLoadsTheDefaults();
    void formerMemberShowsTheStoredFund();
    void neverInsuredEmptiesTheFund();
    void exemptionAnswersAreOneSetInTwoPlaces();
    void pensionSubsidyHasItsOwnColumn();
    void separatedPartnerNoBlanksItsData();
    void compulsoryInsuranceNoBlanksTheFund();
    void mainInsuredPersonDependsOnTheAgeQuestion();
    void dateOfAnotherPersonIsNotCarriedOver();
    void pensionYesEmptiesTheNumberOnScreenOnly();
    void pensionNoAnswers();
    void additionalNeeds();
    void additionalNeedsLoad();
};

void InsurancePagesTest::newPersonLoadsTheDefaults() {
    PersonsFixture f;
    const QString partner = f.addPerson();
    f.showPage(1);
    QVERIFY(checked(f, "KvYes"));
    QVERIFY(!checked(f, "KvNo"));
    QVERIFY(shown(f, "KvSignYes"));
    QCOMPARE(text(f, "KvSignYes"), QString());
    QVERIFY(!shown(f, "KvLast"));
    QVERIFY(!shown(f, "ExemptionRows1"));

    f.showPage(2);
    QVERIFY(checked(f, "SplitNo"));
    QVERIFY(!shown(f, "SplitBlock"));
    QVERIFY(checked(f, "SplitKvYes"));
    QVERIFY(checked(f, "AgeYes"));
    QVERIFY(!shown(f, "MainBlock"));
    QVERIFY(checked(f, "MainKvYes"));
    QCOMPARE(
        f.find<QLabel>("AgeQuestion")->text(),
        QStringLiteral("Angaben, wenn das 23. Lebensjahr noch nicht vollendet ist. Ist das 23. Lebensjahr "
                       "vollendet?"));

    f.showPage(3);
    QVERIFY(checked(f, "RvYes"));
    QVERIFY(checked(f, "RvBund"));
    QVERIFY(!checked(f, "RvKnapp"));
    QVERIFY(shown(f, "RvNumber"));
    QVERIFY(!shown(f, "RvNever"));
    QVERIFY(!shown(f, "ExemptionRows3"));

    f.showPage(4);
    for (const char* box : {"PregnantBox", "SingleParentBox", "DisabledBox", "CostlyFoodBox", "NoWorkGBox"})
        QVERIFY2(!checked(f, box), box);
    QCOMPARE(text(f, "DeliveryEdit"), QString());
    // The defaults are what the page shows; the row keeps what the user has not answered.
    QCOMPARE(stored(partner, "PRS_KV_YES").toBool(), false);
    QCOMPARE(stored(partner, "PRS_RV_YES_RVBUND").toBool(), false);
}

void InsurancePagesTest::formerMemberShowsTheStoredFund() {
    PersonsFixture f;
    seed(f.application, "PRS_KV_YES=?, PRS_KV_SIGN=?, PRS_KV_NUMBER=?", {true, "AOK Bayern ", "A123456789 "});
    f.showPage(1);
    QCOMPARE(text(f, "KvSignYes"), QStringLiteral("AOK Bayern"));

    click(f, "KvNo");
    QVERIFY(checked(f, "KvLast"));
    QVERIFY(shown(f, "KvSignLast"));
    QVERIFY(!shown(f, "KvSignYes"));
    QCOMPARE(text(f, "KvSignLast"), QStringLiteral("AOK Bayern"));
    QCOMPARE(text(f, "KvNumberLast"), QStringLiteral("A123456789"));
    QCOMPARE(stored(f.application, "PRS_KV_YES").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_KV_NO").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_KV_NO_LAST_YES").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_KV_SIGN").toString(), QStringLiteral("AOK Bayern "));

    typeText(f.find<QLineEdit>("KvSignLast"), QStringLiteral("DAK Köln"));
    QCOMPARE(stored(f.application, "PRS_KV_SIGN").toString(), QStringLiteral("DAK Köln "));
    QCOMPARE(stored(f.application, "PRS_KV_NUMBER").toString(), QStringLiteral("A123456789 "));
    // Back to "Ja": the one fund shows there too.
    click(f, "KvYes");
    QCOMPARE(text(f, "KvSignYes"), QStringLiteral("DAK Köln"));
    f.showPage(1);
    QCOMPARE(text(f, "KvSignYes"), QStringLiteral("DAK Köln"));
}

void InsurancePagesTest::neverInsuredEmptiesTheFund() {
    PersonsFixture f;
    seed(f.application, "PRS_KV_NO=?, PRS_KV_NO_LAST_YES=?, PRS_KV_SIGN=?, PRS_KV_NUMBER=?",
         {true, true, "BKK Süd ", "B987 "});
    f.showPage(1);
    QVERIFY(checked(f, "KvLast"));
    QCOMPARE(text(f, "KvSignLast"), QStringLiteral("BKK Süd"));

    click(f, "KvNever");
    QVERIFY(!checked(f, "KvLast"));
    QVERIFY(!shown(f, "KvSignLast"));
    QCOMPARE(stored(f.application, "PRS_KV_SIGN").toString(), QStringLiteral(" "));
    QCOMPARE(stored(f.application, "PRS_KV_NUMBER").toString(), QStringLiteral(" "));
    QCOMPARE(stored(f.application, "PRS_KV_NO_NEVER").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_KV_NO_LAST_YES").toBool(), false);

    click(f, "KvLast");
    QVERIFY(shown(f, "KvSignLast"));
    QCOMPARE(text(f, "KvSignLast"), QString());
    QCOMPARE(text(f, "KvNumberLast"), QString());
    QCOMPARE(stored(f.application, "PRS_KV_SIGN").toString(), QStringLiteral(" "));
    QCOMPARE(stored(f.application, "PRS_KV_NO_NEVER").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_KV_NO_LAST_YES").toBool(), true);

    // Unticking "bisher nicht" through "Ja" blanks too, since the click changed it.
    seed(f.application, "PRS_KV_NO_NEVER=?, PRS_KV_NO_LAST_YES=?, PRS_KV_SIGN=?", {true, false, "IKK "});
    f.showPage(1);
    QVERIFY(checked(f, "KvNever"));
    click(f, "KvYes");
    QCOMPARE(text(f, "KvSignYes"), QString());
    QCOMPARE(stored(f.application, "PRS_KV_SIGN").toString(), QStringLiteral(" "));
    QCOMPARE(stored(f.application, "PRS_KV_YES").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_KV_NO_NEVER").toBool(), false);
}

void InsurancePagesTest::exemptionAnswersAreOneSetInTwoPlaces() {
    PersonsFixture f;
    f.showPage(3);
    click(f, "RvNo");
    click(f, "RvExempt");
    QVERIFY(shown(f, "ExemptionRows3"));
    click(f, "SubsidyKv3");
    QVERIFY(checked(f, "SubsidyKv1"));
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_KKV").toBool(), true);
    click(f, "NoticePv3");
    QVERIFY(checked(f, "NoticePv1"));
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_PPV_FRM").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_KKV").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_RV_NO_MUSTNOT").toBool(), true);

    // And the other way round, from page 1.
    f.showPage(1);
    click(f, "KvNo");
    click(f, "KvPrivate");
    QVERIFY(shown(f, "ExemptionRows1"));
    QVERIFY(checked(f, "SubsidyKv1"));
    click(f, "SubsidyPv1");
    QVERIFY(checked(f, "SubsidyPv3"));
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_PPV").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_YES").toBool(), true);
    f.showPage(3);
    QVERIFY(checked(f, "SubsidyKv3"));
    QVERIFY(checked(f, "SubsidyPv3"));
    QVERIFY(checked(f, "NoticePv3"));
    QVERIFY(!checked(f, "NoticeKv3"));
}

void InsurancePagesTest::pensionSubsidyHasItsOwnColumn() {
    PersonsFixture f;
    seed(f.application, "PRS_KV_NO=?, PRS_KV_NO_PKV_YES=?, PRS_KV_NO_PKV_RV=?", {true, true, true});
    f.showPage(1);
    QVERIFY(checked(f, "SubsidyRv1"));
    QVERIFY(checked(f, "SubsidyRv3"));
    QVERIFY(!checked(f, "SubsidyKv1"));
    click(f, "SubsidyKv1");
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_KKV").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_RV").toBool(), true);
    click(f, "SubsidyRv1");
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_RV").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_KV_NO_PKV_KKV").toBool(), true);
}

void InsurancePagesTest::separatedPartnerNoBlanksItsData() {
    PersonsFixture f;
    seed(f.application,
         "PSR_SPLIT_YES=?, PRS_SPLIT_NAME=?, PRS_SPLIT_VNAME=?, PRS_SPLIT_BIRTHDAY=?, PRS_SPLIT_KV_YES=?, "
         "PRS_SPLIT_KV_SIGN=?, PRS_SPLIT_KV_NUMBER=?",
         {true, "Meier ", "Jörg ", "1970-07-07", true, "TK ", "T55 "});
    f.showPage(2);
    QVERIFY(shown(f, "SplitBlock"));
    QCOMPARE(text(f, "SplitName"), QStringLiteral("Meier"));
    QCOMPARE(text(f, "SplitBirthday"), QStringLiteral("07.07.1970"));
    QVERIFY(shown(f, "SplitKvSign"));

    click(f, "SplitNo");
    QVERIFY(!shown(f, "SplitBlock"));
    QCOMPARE(stored(f.application, "PSR_SPLIT_YES").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_SPLIT_NO").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_SPLIT_KV_YES").toBool(), true);
    for (const char* column :
         {"PRS_SPLIT_NAME", "PRS_SPLIT_VNAME", "PRS_SPLIT_KV_SIGN", "PRS_SPLIT_KV_NUMBER"})
        QCOMPARE(stored(f.application, column).toString(), QStringLiteral(" "));
    QVERIFY(stored(f.application, "PRS_SPLIT_BIRTHDAY").isNull());

    // What the row no longer holds does not come back on screen either.
    click(f, "SplitYes");
    QVERIFY(shown(f, "SplitBlock"));
    for (const char* field : {"SplitName", "SplitFirstName", "SplitBirthday", "SplitKvSign", "SplitKvNumber"})
        QCOMPARE(text(f, field), QString());

    typeText(f.find<QLineEdit>("SplitName"), QStringLiteral("Weiß"));
    typeText(f.find<QLineEdit>("SplitBirthday"), QStringLiteral("02.03.1971"));
    QCOMPARE(stored(f.application, "PRS_SPLIT_NAME").toString(), QStringLiteral("Weiß "));
    QCOMPARE(stored(f.application, "PRS_SPLIT_BIRTHDAY").toString(), QStringLiteral("1971-03-02"));
    QCOMPARE(stored(f.application, "PSR_SPLIT_YES").toBool(), true);
}

void InsurancePagesTest::compulsoryInsuranceNoBlanksTheFund() {
    PersonsFixture f;
    seed(f.application,
         "PSR_SPLIT_YES=?, PRS_SPLIT_NAME=?, PRS_SPLIT_KV_YES=?, PRS_SPLIT_KV_SIGN=?, "
         "PRS_SPLIT_KV_NUMBER=?",
         {true, "Meier ", true, "TK ", "T55 "});
    f.showPage(2);
    click(f, "SplitKvNo");
    QVERIFY(!shown(f, "SplitKvSign"));
    QVERIFY(!shown(f, "SplitKvNumberLabel"));
    QCOMPARE(stored(f.application, "PRS_SPLIT_KV_NO").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_SPLIT_KV_SIGN").toString(), QStringLiteral(" "));
    QCOMPARE(stored(f.application, "PRS_SPLIT_KV_NUMBER").toString(), QStringLiteral(" "));
    QCOMPARE(stored(f.application, "PRS_SPLIT_NAME").toString(), QStringLiteral("Meier "));
    click(f, "SplitKvYes");
    QCOMPARE(text(f, "SplitKvSign"), QString());
}

void InsurancePagesTest::mainInsuredPersonDependsOnTheAgeQuestion() {
    PersonsFixture f;
    f.addPerson();
    const QString child = f.addPerson();
    f.showPage(2);
    QCOMPARE(
        f.find<QLabel>("AgeQuestion")->text(),
        QStringLiteral("Angaben, wenn das 14. Lebensjahr noch nicht vollendet ist. Ist das 14. Lebensjahr "
                       "vollendet?"));
    click(f, "AgeNo");
    QVERIFY(shown(f, "MainBlock"));
    QVERIFY(checked(f, "MainKvYes"));
    typeText(f.find<QLineEdit>("MainName"), QStringLiteral("Groß"));
    typeText(f.find<QLineEdit>("MainFirstName"), QStringLiteral("Eva"));
    typeText(f.find<QLineEdit>("MainKvSign"), QStringLiteral("Barmer"));
    typeText(f.find<QLineEdit>("MainKvNumber"), QStringLiteral("Z1"));
    typeText(f.find<QLineEdit>("MainBirthday"), QStringLiteral("01.01.1970"));
    QCOMPARE(stored(child, "PRS_23_NO").toBool(), true);
    QCOMPARE(stored(child, "PRS_23_YES").toBool(), false);
    QCOMPARE(stored(child, "PRS_23_KV_YES").toBool(), true);
    QCOMPARE(stored(child, "PRS_23_YES_NAME").toString(), QStringLiteral("Groß "));
    QCOMPARE(stored(child, "PRS_23_YES_VNAME").toString(), QStringLiteral("Eva "));
    QCOMPARE(stored(child, "PRS_23_KV_YES_NAME").toString(), QStringLiteral("Barmer "));
    QCOMPARE(stored(child, "PRS_23_YES_NUMBER").toString(), QStringLiteral("Z1 "));
    QCOMPARE(stored(child, "PRS_23_YES_BIRTHDAY").toString(), QStringLiteral("1970-01-01"));

    click(f, "MainKvNo");
    QCOMPARE(stored(child, "PRS_23_KV_YES_NAME").toString(), QStringLiteral(" "));
    QCOMPARE(stored(child, "PRS_23_YES_NUMBER").toString(), QStringLiteral(" "));
    QCOMPARE(stored(child, "PRS_23_YES_NAME").toString(), QStringLiteral("Groß "));

    click(f, "AgeYes");
    QVERIFY(!shown(f, "MainBlock"));
    QCOMPARE(stored(child, "PRS_23_YES_NAME").toString(), QStringLiteral(" "));
    QVERIFY(stored(child, "PRS_23_YES_BIRTHDAY").isNull());
    QCOMPARE(text(f, "MainName"), QString());

    f.selectRow(0);
    QVERIFY(f.find<QLabel>("AgeQuestion")->text().contains(QStringLiteral("23. Lebensjahr")));
}

void InsurancePagesTest::dateOfAnotherPersonIsNotCarriedOver() {
    PersonsFixture f;
    seed(f.application, "PSR_SPLIT_YES=?, PRS_SPLIT_BIRTHDAY=?, PRS_23_NO=?, PRS_23_YES_BIRTHDAY=?",
         {true, "1970-07-07", true, "1960-01-02"});
    const QString partner = f.addPerson();
    seed(partner, "PSR_SPLIT_YES=?, PRS_23_NO=?", {true, true});
    f.selectRow(0);
    f.showPage(2);
    QCOMPARE(text(f, "SplitBirthday"), QStringLiteral("07.07.1970"));
    QCOMPARE(text(f, "MainBirthday"), QStringLiteral("02.01.1960"));
    f.selectRow(1);
    QVERIFY(shown(f, "SplitBlock"));
    QCOMPARE(text(f, "SplitBirthday"), QString());
    QCOMPARE(text(f, "MainBirthday"), QString());
}

void InsurancePagesTest::pensionYesEmptiesTheNumberOnScreenOnly() {
    PersonsFixture f;
    seed(f.application, "PRS_RV_YES=?, PRS_RV_YES_RVBUND=?, PRS_RV_YES_NUMBER=?",
         {true, true, "12 150875 M 123 "});
    f.showPage(3);
    QCOMPARE(text(f, "RvNumber"), QStringLiteral("12 150875 M 123"));

    click(f, "RvNo");
    QVERIFY(!shown(f, "RvNumber"));
    QVERIFY(checked(f, "RvNever"));
    QCOMPARE(stored(f.application, "PRS_RV_YES").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_RV_NO").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_RV_YES_RVBUND").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_RV_NO_NEVER").toBool(), true);

    click(f, "RvYes");
    QVERIFY(shown(f, "RvNumber"));
    QCOMPARE(text(f, "RvNumber"), QString());
    QCOMPARE(stored(f.application, "PRS_RV_YES_NUMBER").toString(), QStringLiteral("12 150875 M 123 "));
    QCOMPARE(stored(f.application, "PRS_RV_YES").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_RV_YES_RVBUND").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_RV_NO_NEVER").toBool(), false);

    typeText(f.find<QLineEdit>("RvNumber"), QStringLiteral("65 170839 J 003"));
    QCOMPARE(stored(f.application, "PRS_RV_YES_NUMBER").toString(), QStringLiteral("65 170839 J 003 "));
    click(f, "RvKnapp");
    QVERIFY(!checked(f, "RvBund"));
    QCOMPARE(stored(f.application, "PRS_RV_YES_RVBUND").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_RV_YES_RVKNAPP").toBool(), true);
}

void InsurancePagesTest::pensionNoAnswers() {
    PersonsFixture f;
    f.showPage(3);
    click(f, "RvNo");
    QVERIFY(!shown(f, "RvPlace"));
    click(f, "RvToApply");
    QVERIFY(shown(f, "RvPlace"));
    QVERIFY(!checked(f, "RvNever"));
    typeText(f.find<QLineEdit>("RvPlace"), QStringLiteral("Izmir/Türkei"));
    QCOMPARE(stored(f.application, "PRS_RV_NO_ANTRAG_STATE").toString(), QStringLiteral("Izmir/Türkei "));
    QCOMPARE(stored(f.application, "PRS_RV_NO_ANTRAG_WANT").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_RV_NO_NEVER").toBool(), false);
    f.showPage(3);
    QVERIFY(checked(f, "RvToApply"));
    QCOMPARE(text(f, "RvPlace"), QStringLiteral("Izmir/Türkei"));

    click(f, "RvApplied");
    QVERIFY(!shown(f, "RvPlace"));
    QCOMPARE(text(f, "RvPlace"), QString());
    QCOMPARE(stored(f.application, "PRS_RV_NO_ANTRAG_IS").toBool(), true);
    QCOMPARE(stored(f.application, "PRS_RV_NO_ANTRAG_WANT").toBool(), false);
    // Unticking the ticked answer leaves the question of "Nein" open.
    click(f, "RvApplied");
    QCOMPARE(stored(f.application, "PRS_RV_NO_ANTRAG_IS").toBool(), false);
    QCOMPARE(stored(f.application, "PRS_RV_NO").toBool(), true);
}

void InsurancePagesTest::additionalNeeds() {
    PersonsFixture f;
    const QString partner = f.addPerson();
    f.showPage(4);
    click(f, "PregnantBox");
    typeText(f.find<QLineEdit>("DeliveryEdit"), QStringLiteral("Mitte März"));
    QCOMPARE(storedNeed(partner, "MOP_PREGNANT_YES").toBool(), true);
    QCOMPARE(storedNeed(partner, "MOP_PREGNANT_UNTIL").toString(), QStringLiteral("Mitte März "));
    click(f, "DisabledBox");
    QCOMPARE(storedNeed(partner, "MOP_BEHINDERT").toBool(), true);
    QCOMPARE(storedNeed(partner, "MOP_PREGNANT_UNTIL").toString(), QStringLiteral("Mitte März "));

    click(f, "PregnantBox");
    QCOMPARE(storedNeed(partner, "MOP_PREGNANT_YES").toBool(), false);
    QCOMPARE(storedNeed(partner, "MOP_PREGNANT_UNTIL").toString(), QStringLiteral(" "));
    QCOMPARE(text(f, "DeliveryEdit"), QString());
    QCOMPARE(storedNeed(partner, "MOP_BEHINDERT").toBool(), true);

    // A date typed without the box is kept until the next click on any of the five.
    typeText(f.find<QLineEdit>("DeliveryEdit"), QStringLiteral("1.5."));
    QCOMPARE(storedNeed(partner, "MOP_PREGNANT_UNTIL").toString(), QStringLiteral("1.5. "));
    click(f, "SingleParentBox");
    QCOMPARE(storedNeed(partner, "MOP_ALONE_YES").toBool(), true);
    QCOMPARE(storedNeed(partner, "MOP_PREGNANT_UNTIL").toString(), QStringLiteral(" "));

    // The long captions are part of their boxes.
    QTest::mouseClick(f.find<QLabel>("NoWorkGBoxCaption"), Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(checked(f, "NoWorkGBox"));
    QCOMPARE(storedNeed(partner, "MMOP_NOWORK_YES").toBool(), true);
    QCOMPARE(storedNeed(f.application, "MMOP_NOWORK_YES").toBool(), false);
}

void InsurancePagesTest::additionalNeedsLoad() {
    PersonsFixture f;
    seedNeeds(f.application, "MOP_PREGNANT_YES=?, MOP_PREGNANT_UNTIL=?, MOP_MORE_FOOT=?, MMOP_NOWORK_YES=?",
              {true, "20.04.2027 ", true, true});
    const QString partner = f.addPerson();
    seedNeeds(partner, "MOP_ALONE_YES=?, MOP_BEHINDERT=?", {true, true});
    f.showPage(4);
    QVERIFY(checked(f, "SingleParentBox"));
    QVERIFY(checked(f, "DisabledBox"));
    QVERIFY(!checked(f, "PregnantBox"));
    f.selectRow(0);
    QVERIFY(checked(f, "PregnantBox"));
    QVERIFY(!checked(f, "SingleParentBox"));
    QVERIFY(!checked(f, "DisabledBox"));
    QVERIFY(checked(f, "CostlyFoodBox"));
    QVERIFY(checked(f, "NoWorkGBox"));
    QCOMPARE(text(f, "DeliveryEdit"), QStringLiteral("20.04.2027"));
    QVERIFY(shown(f, "DeliveryEdit"));
}

QTEST_MAIN(InsurancePagesTest)
#include "tst_personmainform_insurance.moc"
