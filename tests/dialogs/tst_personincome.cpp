// The income pages of the persons dialog: basic data with pension, benefit, travel, insurances and the
// sums of three lists; self-employment; employment with its two lists.
#include "IncomeDetailDialog.h"
#include "PersonMainForm.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

enum Page { Basics = 5, Self = 6, Employment = 7 };

const char* const kMainFlags[] = {"MIP_HVAE_NO",
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

bool isAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0x7e) return false;
    return true;
}

// Replaces the field's text as a user typing would; QTest types ASCII only, the rest arrives as one edit.
void typeText(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    if (isAscii(text) && !text.isEmpty()) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    } else {
        edit->setText(text);
        emit edit->textEdited(text);
    }
}

void typeSpin(QAbstractSpinBox* spin, const QString& text) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

int rowCount(const QString& table, const QString& prefix, const QString& person) {
    return store::selectValue(
               QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2_INDEX_PERSON=?").arg(table, prefix), {person})
        .toInt();
}

// Runs `whileOpen` inside the next modal detail dialog, then closes it with "Schließen".
void whileDetailDialogOpen(const std::function<void(IncomeDetailDialog*)>& whileOpen) {
    QTimer::singleShot(0, [whileOpen] {
        auto* d = qobject_cast<IncomeDetailDialog*>(QApplication::activeModalWidget());
        QVERIFY2(d, "no detail dialog open");
        whileOpen(d);
        if (d->isVisible())
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
    });
}

} // namespace

class PersonIncomeTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // page 5
    void personWithoutRowShowsDefaults();
    void firstClickCreatesTheRowWithAll24Flags_data();
    void firstClickCreatesTheRowWithAll24Flags();
    void insuranceRowClickCreatesTheRowWithFlagsFalse();
    void boxesShowTheirFields_data();
    void boxesShowTheirFields();
    void zeroPremiumLoadsItsRowUnticked();
    void untickingAnInsuranceWritesItsAmountAtOnce();
    void intervalBoxesExcludeEachOther();
    void untickingPensionWritesItsAmountsAndFlags();
    void untickingBenefitZeroesItsAmountsOnScreen();
    void gQuestionLoadsOneAnswer_data();
    void gQuestionLoadsOneAnswer();
    void amountsAreReadInGerman_data();
    void amountsAreReadInGerman();
    void travelDistanceAndDays();
    void sumsAreReadAgainAfterTheirDialog_data();
    void sumsAreReadAgainAfterTheirDialog();

    // pages 6 and 7
    void pageIsOmittedWhileItsBoxIsUnticked_data();
    void pageIsOmittedWhileItsBoxIsUnticked();
    void selfEmploymentFlagsAndValues();
    void changeQuestionLoadsItsStoredAnswer_data();
    void changeQuestionLoadsItsStoredAnswer();
    void taxYearZeroIsABlank_data();
    void taxYearZeroIsABlank();
    void emptiedTaxYearIsStoredAsABlank();
    void mistypedDateErasesNothing_data();
    void mistypedDateErasesNothing();
    void employmentWithoutRowShowsDefaults();
    void employmentFinerRules();
    void employmentFlagsAndValues();
    void employmentSumsAndTheirCopy();

    void everythingIsThereAfterARestart();

private:
    template <class T = QWidget> T* find(const QString& name) const {
        T* w = m_dialog->findChild<T*>(name);
        if (!w) qFatal("no control %s", qPrintable(name));
        return w;
    }
    QCheckBox* box(const QString& name) const { return find<QCheckBox>(name); }
    void click(const QString& name) const { clickBox(find<QAbstractButton>(name)); }
    QVariant stored(const QString& table, const QString& prefix, const QString& column) const;
    QVariant main(const QString& column) const {
        return stored(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"), column);
    }
    QVariant self(const QString& column) const {
        return stored(QStringLiteral("SELFMONEY"), QStringLiteral("SEM"), column);
    }
    QVariant sold(const QString& column) const {
        return stored(QStringLiteral("SOLDMONEY"), QStringLiteral("SDL"), column);
    }
    // A stored row of the applicant to load from.
    void seed(const QString& table, const QString& prefix, const QString& assignments, store::Values values);
    void newDialog();

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TPersonMainFormDlg> m_dialog;
    QString m_application; // also the applicant's PRS_IDENT
};

void PersonIncomeTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    m_messages = std::make_unique<ScriptedMessages>();
    m_application = createTestApplication(QStringLiteral("Antrag"));
    QVERIFY(store::execute(QStringLiteral("UPDATE PERSON SET PRS_NAME=?, PRS_VNAME=? WHERE PRS_IDENT=?"),
                           {store::textValue(QStringLiteral("Müller")),
                            store::textValue(QStringLiteral("Anna")), m_application}));
    newDialog();
}

void PersonIncomeTest::newDialog() {
    m_dialog.reset();
    m_dialog = std::make_unique<TPersonMainFormDlg>();
    m_dialog->resize(1280, 1000);
    m_dialog->ShowPage(Basics);
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void PersonIncomeTest::cleanup() {
    m_dialog.reset();
    m_messages.reset();
    m_home.reset();
}

QVariant PersonIncomeTest::stored(const QString& table, const QString& prefix, const QString& column) const {
    return store::selectValue(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3_INDEX_PERSON=?").arg(column, table, prefix),
        {m_application});
}

void PersonIncomeTest::seed(const QString& table, const QString& prefix, const QString& assignments,
                            store::Values values) {
    if (rowCount(table, prefix, m_application) == 0)
        QVERIFY(
            store::execute(QStringLiteral("INSERT INTO %1 (%2_IDENT, %2_INDEX_MAINHEADER, %2_INDEX_PERSON) "
                                          "VALUES (?, ?, ?)")
                               .arg(table, prefix),
                           {TMainObject::NewRowIdent(), m_application, m_application}));
    values << m_application;
    QVERIFY(store::execute(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3_INDEX_PERSON=?").arg(table, assignments, prefix), values));
}

// ---- page 5 ----

void PersonIncomeTest::personWithoutRowShowsDefaults() {
    for (const char* name : {"NoIncomeBox", "SelfEmployedBox", "EmployedBox", "PensionBox", "PensionGYesBox",
                             "Alg1Box", "OtherAnyBox", "OtherOneBox", "CarTravelBox", "HigherCostsBox",
                             "KfzBox", "HvBox", "RvBox", "DeductionsBox"})
        QVERIFY2(!box(QString::fromLatin1(name))->isChecked(), name);
    QVERIFY(box(QStringLiteral("PensionGNoBox"))->isChecked());
    QCOMPARE(find<QSpinBox>(QStringLiteral("DaysSpin"))->value(), 5);
    for (const char* name :
         {"PensionAmountEdit", "PensionKindEdit", "PensionGYesBox", "Alg1DayEdit", "OtherAnyButton",
          "OtherAnySum", "OtherOneButton", "DeductionsButton", "CompanyTownEdit", "DistanceEdit", "DaysSpin",
          "Kfz1Box", "KfzAmountEdit", "RvAmountEdit"})
        QVERIFY2(!find(QString::fromLatin1(name))->isVisible(), name);
    QCOMPARE(find<QLineEdit>(QStringLiteral("PensionAmountEdit"))->text(), QStringLiteral("0,00"));
    QCOMPARE(rowCount(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"), m_application), 0);
}

void PersonIncomeTest::firstClickCreatesTheRowWithAll24Flags_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("flag");
    QTest::newRow("Kein Einkommen") << "NoIncomeBox"
                                    << "MIP_HVAE_NO";
    QTest::newRow("Rente") << "PensionBox"
                           << "MIP_HAVE_RENTE";
    QTest::newRow("Beschäftigung") << "EmployedBox"
                                   << "MIP_HAVE_SOLD";
    QTest::newRow("Fahrt mit KFZ") << "CarTravelBox"
                                   << "MIP_COMPANY_DISTANCE_YES";
    QTest::newRow("Absetzungen") << "DeductionsBox"
                                 << "MIP_OTHER_MINUS_YES";
}

void PersonIncomeTest::firstClickCreatesTheRowWithAll24Flags() {
    QFETCH(QString, boxName);
    QFETCH(QString, flag);
    click(boxName);
    QCOMPARE(rowCount(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"), m_application), 1);
    QCOMPARE(main(QStringLiteral("MIP_INDEX_MAINHEADER")).toString(), m_application);
    QCOMPARE(main(QStringLiteral("MIP_IDENT")).toString().size(), 38);
    // "Nein" of the hidden G question is ticked from the start and is written with every flag save.
    QStringList expected, shown;
    for (const char* column : kMainFlags) {
        const QString c = QString::fromLatin1(column);
        if (c == flag || c == QLatin1String("MIP_HVAE_RENTE_G_NO")) expected << c;
        if (main(c).toBool()) shown << c;
    }
    QCOMPARE(shown, expected);
    // The row holds no amounts yet; loading it shows the page's defaults, not the empty columns.
    m_dialog->ShowPage(Basics);
    QCOMPARE(find<QSpinBox>(QStringLiteral("DaysSpin"))->value(), 5);
    QVERIFY(box(boxName)->isChecked());
    // The second click updates the same row.
    click(boxName);
    QCOMPARE(rowCount(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"), m_application), 1);
    QVERIFY(!main(flag).toBool());
}

void PersonIncomeTest::insuranceRowClickCreatesTheRowWithFlagsFalse() {
    click(QStringLiteral("KfzBox"));
    QCOMPARE(rowCount(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"), m_application), 1);
    for (const char* flag : kMainFlags)
        QVERIFY2(!main(QString::fromLatin1(flag)).toBool(), flag);
    QCOMPARE(main(QStringLiteral("MIP_COMPANY_DAYS")).toInt(), 5);
    typeText(find<QLineEdit>(QStringLiteral("KfzAmountEdit")), QStringLiteral("45,50"));
    QCOMPARE(main(QStringLiteral("MIP_KFZ_BRUTTO")).toDouble(), 45.5);
    QCOMPARE(main(QStringLiteral("MIP_HAVE_RENTE_SIGN")).toString(), QStringLiteral(" "));
    QCOMPARE(rowCount(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"), m_application), 1);
}

void PersonIncomeTest::boxesShowTheirFields_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("shownAfterLoad"); // an insurance row counts as ticked only with a premium
    QTest::newRow("Rente") << "PensionBox"
                           << QStringList{"PensionKindLabel", "PensionKindEdit", "PensionAmountEdit",
                                          "PensionGLabel",    "PensionGYesBox",  "PensionGNoBox"}
                           << true;
    QTest::newRow("Arbeitslosengeld")
        << "Alg1Box"
        << QStringList{"Alg1DayLabel", "Alg1DayEdit", "Alg1DailyLabel", "Alg1MonthEdit", "Alg1MonthlyLabel"}
        << true;
    QTest::newRow("Sonstiges Einkommen")
        << "OtherAnyBox"
        << QStringList{"OtherAnyButton", "OtherAnySumLabel", "OtherAnySum", "OtherAnyPerLabel"} << true;
    QTest::newRow("nicht regelmäßig")
        << "OtherOneBox" << QStringList{"OtherOneButton", "OtherOneSum"} << true;
    QTest::newRow("Absetzungen") << "DeductionsBox" << QStringList{"DeductionsButton", "DeductionsSum"}
                                 << true;
    QTest::newRow("Fahrt mit KFZ") << "CarTravelBox"
                                   << QStringList{"CompanyTownEdit", "DistanceLabel", "DistanceEdit",
                                                  "DaysLabel",       "DaysSpin",      "WeekLabel"}
                                   << true;
    QTest::newRow("KFZ Haftpflicht") << "KfzBox"
                                     << QStringList{"Kfz1Box",    "Kfz2Box",        "Kfz3Box",
                                                    "Kfz4Box",    "KfzAmountLabel", "KfzAmountEdit",
                                                    "KfzPerLabel"}
                                     << false;
    QTest::newRow("Weitere Versicherung")
        << "HvBox" << QStringList{"Hv1Box", "Hv4Box", "HvAmountEdit"} << false;
    QTest::newRow("Altersvorsorge") << "RvBox" << QStringList{"Rv2Box", "Rv3Box", "RvAmountEdit"} << false;
}

void PersonIncomeTest::boxesShowTheirFields() {
    QFETCH(QString, boxName);
    QFETCH(QStringList, fields);
    QFETCH(bool, shownAfterLoad);
    const auto shown = [&] {
        QStringList list;
        for (const QString& f : fields)
            if (find(f)->isVisible()) list << f;
        return list;
    };
    QCOMPARE(shown(), QStringList());
    click(boxName);
    QCOMPARE(shown(), fields);
    m_dialog->ShowPage(Basics);
    QCOMPARE(shown(), shownAfterLoad ? fields : QStringList());
    if (!shownAfterLoad) click(boxName);
    click(boxName);
    QCOMPARE(shown(), QStringList());
}

void PersonIncomeTest::zeroPremiumLoadsItsRowUnticked() {
    seed(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"),
         QStringLiteral("MIP_KFZ_2=1, MIP_KFZ_BRUTTO=0, MIP_HV_4=1, MIP_HV_BRUTTO=12.5, MIP_RV_1=1"), {});
    m_dialog->ShowPage(Basics);
    QVERIFY(!box(QStringLiteral("KfzBox"))->isChecked());
    QVERIFY(!box(QStringLiteral("Kfz2Box"))->isVisible());
    QVERIFY(!box(QStringLiteral("RvBox"))->isChecked());
    QVERIFY(box(QStringLiteral("HvBox"))->isChecked());
    QVERIFY(box(QStringLiteral("Hv4Box"))->isChecked());
    QVERIFY(box(QStringLiteral("Hv4Box"))->isVisible());
    QCOMPARE(find<QLineEdit>(QStringLiteral("HvAmountEdit"))->text(), QStringLiteral("12,50"));
}

void PersonIncomeTest::untickingAnInsuranceWritesItsAmountAtOnce() {
    seed(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"), QStringLiteral("MIP_KFZ_3=1, MIP_KFZ_BRUTTO=?"),
         {240.0});
    m_dialog->ShowPage(Basics);
    QVERIFY(box(QStringLiteral("KfzBox"))->isChecked());
    QVERIFY(box(QStringLiteral("Kfz3Box"))->isChecked());
    click(QStringLiteral("KfzBox"));
    QCOMPARE(main(QStringLiteral("MIP_KFZ_BRUTTO")).toDouble(), 0.0);
    QVERIFY(!box(QStringLiteral("Kfz3Box"))->isChecked());
    QVERIFY(main(QStringLiteral("MIP_KFZ_3")).toBool()); // until the next flag save
    click(QStringLiteral("NoIncomeBox"));
    QVERIFY(!main(QStringLiteral("MIP_KFZ_3")).toBool());
}

void PersonIncomeTest::intervalBoxesExcludeEachOther() {
    click(QStringLiteral("RvBox"));
    click(QStringLiteral("Rv1Box"));
    click(QStringLiteral("Rv3Box"));
    QVERIFY(!box(QStringLiteral("Rv1Box"))->isChecked());
    QVERIFY(box(QStringLiteral("Rv3Box"))->isChecked());
    QVERIFY(!main(QStringLiteral("MIP_RV_1")).toBool());
    QVERIFY(main(QStringLiteral("MIP_RV_3")).toBool());
    click(QStringLiteral("Rv3Box"));
    for (const char* name : {"Rv1Box", "Rv2Box", "Rv3Box", "Rv4Box"})
        QVERIFY2(!box(QString::fromLatin1(name))->isChecked(), name);
    QVERIFY(!main(QStringLiteral("MIP_RV_3")).toBool());
}

void PersonIncomeTest::untickingPensionWritesItsAmountsAndFlags() {
    click(QStringLiteral("PensionBox"));
    typeText(find<QLineEdit>(QStringLiteral("PensionKindEdit")), QStringLiteral("Witwenrente"));
    typeText(find<QLineEdit>(QStringLiteral("PensionAmountEdit")), QStringLiteral("812,40"));
    click(QStringLiteral("PensionGYesBox"));
    QCOMPARE(main(QStringLiteral("MIP_HAVE_RENTE_SIGN")).toString(), QStringLiteral("Witwenrente "));
    QCOMPARE(main(QStringLiteral("MIP_HAVE_RENTE_BRUTTO")).toDouble(), 812.4);
    QVERIFY(main(QStringLiteral("MIP_HAVE_RENTE_G_YES")).toBool());
    QVERIFY(!main(QStringLiteral("MIP_HVAE_RENTE_G_NO")).toBool());

    m_dialog->ShowPage(Basics);
    QVERIFY(box(QStringLiteral("PensionGYesBox"))->isChecked());
    QCOMPARE(find<QLineEdit>(QStringLiteral("PensionAmountEdit"))->text(), QStringLiteral("812,40"));
    // Which of the two statements reaches the row first.
    QVERIFY(store::execute(QStringLiteral("CREATE TABLE WRITTEN (WHAT TEXT)")));
    QVERIFY(store::execute(
        QStringLiteral("CREATE TRIGGER AMOUNTS AFTER UPDATE OF MIP_HAVE_RENTE_BRUTTO ON MAINMONEY "
                       "BEGIN INSERT INTO WRITTEN VALUES ('amounts'); END")));
    QVERIFY(store::execute(QStringLiteral("CREATE TRIGGER FLAGS AFTER UPDATE OF MIP_HAVE_RENTE ON MAINMONEY "
                                          "BEGIN INSERT INTO WRITTEN VALUES ('flags'); END")));
    click(QStringLiteral("PensionBox"));
    QStringList order;
    store::Rows written = store::select(QStringLiteral("SELECT WHAT FROM WRITTEN ORDER BY rowid"));
    while (written.next())
        order << written.text(QStringLiteral("WHAT"));
    QCOMPARE(order, (QStringList{"amounts", "flags"}));
    QCOMPARE(main(QStringLiteral("MIP_HAVE_RENTE_BRUTTO")).toDouble(), 0.0);
    QCOMPARE(main(QStringLiteral("MIP_HAVE_RENTE_SIGN")).toString(), QStringLiteral(" "));
    QVERIFY(!main(QStringLiteral("MIP_HAVE_RENTE")).toBool());
    QVERIFY(!main(QStringLiteral("MIP_HAVE_RENTE_G_YES")).toBool());
    QVERIFY(main(QStringLiteral("MIP_HVAE_RENTE_G_NO")).toBool());
}

void PersonIncomeTest::untickingBenefitZeroesItsAmountsOnScreen() {
    seed(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"),
         QStringLiteral("MIP_HAVE_ALG1_YES=1, MIP_ALG1_DAY_MAX=?, MIP_ALG1_DAY_BRUTTO=?"), {52.3, 1046.0});
    m_dialog->ShowPage(Basics);
    QCOMPARE(find<QLineEdit>(QStringLiteral("Alg1MonthEdit"))->text(), QStringLiteral("1.046,00"));
    click(QStringLiteral("Alg1Box"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("Alg1DayEdit"))->text(), QStringLiteral("0,00"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("Alg1MonthEdit"))->text(), QStringLiteral("0,00"));
    QVERIFY(!main(QStringLiteral("MIP_HAVE_ALG1_YES")).toBool());
    QCOMPARE(main(QStringLiteral("MIP_ALG1_DAY_BRUTTO")).toDouble(), 1046.0);
    click(QStringLiteral("CarTravelBox"));
    typeText(find<QLineEdit>(QStringLiteral("CompanyTownEdit")), QStringLiteral("Halle"));
    QCOMPARE(main(QStringLiteral("MIP_ALG1_DAY_BRUTTO")).toDouble(), 0.0);
    QCOMPARE(main(QStringLiteral("MIP_ALG1_DAY_MAX")).toDouble(), 0.0);
}

void PersonIncomeTest::gQuestionLoadsOneAnswer_data() {
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("no");
    QTest::addColumn<bool>("shownYes");
    QTest::newRow("Ja stored") << true << false << true;
    QTest::newRow("Nein stored") << false << true << false;
    QTest::newRow("neither stored") << false << false << false;
}

void PersonIncomeTest::gQuestionLoadsOneAnswer() {
    QFETCH(bool, yes);
    QFETCH(bool, no);
    QFETCH(bool, shownYes);
    seed(QStringLiteral("MAINMONEY"), QStringLiteral("MIP"),
         QStringLiteral("MIP_HAVE_RENTE=1, MIP_HAVE_RENTE_G_YES=?, MIP_HVAE_RENTE_G_NO=?"), {yes, no});
    m_dialog->ShowPage(Basics);
    QCOMPARE(box(QStringLiteral("PensionGYesBox"))->isChecked(), shownYes);
    QCOMPARE(box(QStringLiteral("PensionGNoBox"))->isChecked(), !shownYes);
}

void PersonIncomeTest::amountsAreReadInGerman_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("storedAmount");
    QTest::addColumn<QString>("shown"); // after leaving the field
    QTest::newRow("thousands") << "1.234,56" << 1234.56 << "1.234,56";
    QTest::newRow("one decimal") << "12,5" << 12.5 << "12,50";
    QTest::newRow("whole") << "800" << 800.0 << "800,00";
    QTest::newRow("euro sign") << "99,90 €" << 99.9 << "99,90";
    QTest::newRow("not a number") << "zwölf" << 0.0 << "zwölf";
    QTest::newRow("English decimal point") << "12.5" << 0.0 << "12.5";
    QTest::newRow("emptied") << "" << 0.0 << "0,00";
}

void PersonIncomeTest::amountsAreReadInGerman() {
    QFETCH(QString, typed);
    QFETCH(double, storedAmount);
    QFETCH(QString, shown);
    click(QStringLiteral("PensionBox"));
    auto* amount = find<QLineEdit>(QStringLiteral("PensionAmountEdit"));
    typeText(amount, QStringLiteral("5"));
    QCOMPARE(main(QStringLiteral("MIP_HAVE_RENTE_BRUTTO")).toDouble(), 5.0);
    typeText(amount, typed);
    QCOMPARE(main(QStringLiteral("MIP_HAVE_RENTE_BRUTTO")).toDouble(), storedAmount);
    find<QLineEdit>(QStringLiteral("PensionKindEdit"))->setFocus();
    QCOMPARE(amount->text(), shown);
    const bool unreadable = storedAmount == 0 && !typed.isEmpty();
    QCOMPARE(m_messages->texts().join(QLatin1Char('\n')).contains(QStringLiteral("kein gültiger Betrag")),
             unreadable);
}

void PersonIncomeTest::travelDistanceAndDays() {
    click(QStringLiteral("CarTravelBox"));
    auto* distance = find<QDoubleSpinBox>(QStringLiteral("DistanceEdit"));
    typeSpin(distance, QStringLiteral("1234,5"));
    QCOMPARE(main(QStringLiteral("MIP_COMPANY_DISTANCE")).toDouble(), 1234.5);
    find<QLineEdit>(QStringLiteral("CompanyTownEdit"))->setFocus();
    QCOMPARE(distance->text(), QStringLiteral("1.234,50 km"));
    auto* days = find<QSpinBox>(QStringLiteral("DaysSpin"));
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Up);
    QCOMPARE(main(QStringLiteral("MIP_COMPANY_DAYS")).toInt(), 6);
    QTest::keyClick(days, Qt::Key_Up);
    QTest::keyClick(days, Qt::Key_Up);
    QCOMPARE(days->value(), 7);
    QCOMPARE(main(QStringLiteral("MIP_COMPANY_DAYS")).toInt(), 7);
    m_dialog->ShowPage(Basics);
    QCOMPARE(find<QSpinBox>(QStringLiteral("DaysSpin"))->value(), 7);
    QCOMPARE(find<QDoubleSpinBox>(QStringLiteral("DistanceEdit"))->value(), 1234.5);
}

void PersonIncomeTest::sumsAreReadAgainAfterTheirDialog_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("dialogName");
    QTest::addColumn<QString>("title");
    QTest::newRow("Sonstiges Einkommen") << "OtherAnyBox"
                                         << "OtherAny"
                                         << "TMoneyInputAnyDlg"
                                         << "Sonstige Einkommen von Müller Anna";
    QTest::newRow("nicht regelmäßig") << "OtherOneBox"
                                      << "OtherOne"
                                      << "TMoneyInputOneDlg"
                                      << "Sonstige Einkommen von Müller Anna";
    QTest::newRow("Absetzungen") << "DeductionsBox"
                                 << "Deductions"
                                 << "TMoneyOutAnyDlg"
                                 << "Weitere Absetzungsmögl.  von Müller Anna";
}

void PersonIncomeTest::sumsAreReadAgainAfterTheirDialog() {
    QFETCH(QString, boxName);
    QFETCH(QString, list);
    QFETCH(QString, dialogName);
    QFETCH(QString, title);
    click(boxName);
    auto* sum = find<QLineEdit>(list + QStringLiteral("Sum"));
    QVERIFY(sum->isReadOnly());
    QCOMPARE(sum->text(), QStringLiteral("0,00"));
    QString seenName, seenTitle;
    whileDetailDialogOpen([&](IncomeDetailDialog* d) {
        seenName = d->objectName();
        seenTitle = d->findChild<QLabel*>(QStringLiteral("TitleLabel"))->text();
        const int amount = d->kind().decidingColumn;
        d->grid()->setCell(0, 0, QStringLiteral("Unterhalt"));
        d->grid()->setCell(0, amount, 1000.0);
        d->grid()->setCell(1, 0, QStringLiteral("Zinsen"));
        d->grid()->setCell(1, amount, 234.56);
    });
    click(list + QStringLiteral("Button"));
    QCOMPARE(seenName, dialogName);
    QCOMPARE(seenTitle, title);
    QCOMPARE(sum->text(), QStringLiteral("1.234,56"));

    // Emptied: the sum reads 0 again.
    whileDetailDialogOpen([](IncomeDetailDialog* d) { d->grid()->clearAll(); });
    click(list + QStringLiteral("Button"));
    QCOMPARE(sum->text(), QStringLiteral("0,00"));
}

// ---- pages 6 and 7 ----

void PersonIncomeTest::pageIsOmittedWhileItsBoxIsUnticked_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("noteName");
    QTest::addColumn<QString>("controlsName");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::newRow("Selbständigkeit") << int(Self) << "SelfEmployedBox"
                                     << "SelfNotApplicableLabel"
                                     << "SelfControls"
                                     << "SELFMONEY"
                                     << "SEM"
                                     << "SEM_SIGN"
                                     << "SelfKindEdit"
                                     << "Café Kunst";
    QTest::newRow("Beschäftigung") << int(Employment) << "EmployedBox"
                                   << "EmploymentNotApplicableLabel"
                                   << "EmploymentControls"
                                   << "SOLDMONEY"
                                   << "SDL"
                                   << "SDL_COMPANY_SIGN"
                                   << "EmployerCompanyEdit"
                                   << "Bäckerei O'Neill";
}

void PersonIncomeTest::pageIsOmittedWhileItsBoxIsUnticked() {
    QFETCH(int, page);
    QFETCH(QString, boxName);
    QFETCH(QString, noteName);
    QFETCH(QString, controlsName);
    QFETCH(QString, table);
    QFETCH(QString, prefix);
    QFETCH(QString, column);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    seed(table, prefix, column + QStringLiteral("=?"), {store::textValue(text)});
    m_dialog->ShowPage(page);
    QVERIFY(find(noteName)->isVisible());
    QCOMPARE(find<QLabel>(noteName)->text(), QStringLiteral("...entfällt..."));
    QVERIFY(!find(controlsName)->isVisible());

    m_dialog->ShowPage(Basics);
    click(boxName);
    m_dialog->ShowPage(page);
    QVERIFY(!find(noteName)->isVisible());
    QVERIFY(find(controlsName)->isVisible());
    QCOMPARE(find<QLineEdit>(fieldName)->text(), text);

    // Unticked again: omitted, and what is stored stays.
    m_dialog->ShowPage(Basics);
    click(boxName);
    m_dialog->ShowPage(page);
    QVERIFY(find(noteName)->isVisible());
    QCOMPARE(rowCount(table, prefix, m_application), 1);
    QCOMPARE(store::readText(stored(table, prefix, column)), text);

    // Focusing another person applies the rule again: the partner has the box, the applicant not.
    m_dialog->ShowPage(0);
    clickBox(m_dialog->NewButton);
    m_dialog->ShowPage(Basics);
    click(boxName);
    m_dialog->ShowPage(page);
    QVERIFY(find(controlsName)->isVisible());
    m_dialog->PersonMainTRee->setCurrentItem(m_dialog->PersonMainTRee->topLevelItem(0));
    QVERIFY(find(noteName)->isVisible());
    QVERIFY(!find(controlsName)->isVisible());
}

void PersonIncomeTest::selfEmploymentFlagsAndValues() {
    click(QStringLiteral("SelfEmployedBox"));
    m_dialog->ShowPage(Self);
    QCOMPARE(rowCount(QStringLiteral("SELFMONEY"), QStringLiteral("SEM"), m_application), 0);
    click(QStringLiteral("SelfInputBox"));
    QCOMPARE(rowCount(QStringLiteral("SELFMONEY"), QStringLiteral("SEM"), m_application), 1);
    QVERIFY(self(QStringLiteral("SEM_INPUT_YES")).toBool());
    QVERIFY(self(QStringLiteral("SEM_CHANGE_NO")).toBool());
    QVERIFY(!self(QStringLiteral("SEM_CHANGE_YES")).toBool());
    QVERIFY(!self(QStringLiteral("SEM_YES")).toBool());

    typeText(find<QLineEdit>(QStringLiteral("SelfKindEdit")),
             QStringLiteral("Übersetzungsbüro „Wort & Satz“"));
    auto* from = find<QLineEdit>(QStringLiteral("SelfInputFromEdit"));
    typeText(from, QStringLiteral("01.03.2026"));
    typeText(find<QLineEdit>(QStringLiteral("SelfInputAmountEdit")), QStringLiteral("2.100"));
    typeText(find<QLineEdit>(QStringLiteral("SelfOutputAmountEdit")), QStringLiteral("350,75"));
    typeText(find<QLineEdit>(QStringLiteral("SelfOutputSignEdit")), QStringLiteral("Miete Büro"));
    click(QStringLiteral("SelfChangeYesBox"));
    QVERIFY(!box(QStringLiteral("SelfChangeNoBox"))->isChecked());
    typeText(find<QLineEdit>(QStringLiteral("SelfChangeReasonEdit")), QStringLiteral("neue Kunden"));
    QCOMPARE(self(QStringLiteral("SEM_SIGN")).toString(), QStringLiteral("Übersetzungsbüro „Wort & Satz“ "));
    QCOMPARE(self(QStringLiteral("SEM_INPUT_FROM")).toString(), QStringLiteral("01.03.2026 "));
    QCOMPARE(self(QStringLiteral("SEM_INPUT_UNTIL")).toString(), QStringLiteral(" "));
    QCOMPARE(self(QStringLiteral("SEM_INPUT_BRUTTO")).toDouble(), 2100.0);
    QCOMPARE(self(QStringLiteral("SEM_OUTPUT_BRUTTO")).toDouble(), 350.75);
    QCOMPARE(self(QStringLiteral("SEM_OUTPUT_SIGN")).toString(), QStringLiteral("Miete Büro "));
    QCOMPARE(self(QStringLiteral("SEM_CHANGE_DESCRIP")).toString(), QStringLiteral("neue Kunden "));
    QVERIFY(self(QStringLiteral("SEM_CHANGE_YES")).toBool());
    QVERIFY(!self(QStringLiteral("SEM_CHANGE_NO")).toBool());
    QCOMPARE(self(QStringLiteral("SEM_FORM_TAX_YEAR")).toString(), QStringLiteral(" "));

    m_dialog->ShowPage(Self);
    QCOMPARE(from->text(), QStringLiteral("01.03.2026"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("SelfInputAmountEdit"))->text(), QStringLiteral("2.100,00"));
    QVERIFY(box(QStringLiteral("SelfChangeYesBox"))->isChecked());
    QVERIFY(box(QStringLiteral("SelfInputBox"))->isChecked());

    // An emptied date is stored as a single blank.
    typeText(from, QString());
    QCOMPARE(self(QStringLiteral("SEM_INPUT_FROM")).toString(), QStringLiteral(" "));
}

void PersonIncomeTest::changeQuestionLoadsItsStoredAnswer_data() {
    QTest::addColumn<bool>("row");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("no");
    QTest::addColumn<bool>("shownYes");
    QTest::newRow("no row") << false << false << false << false;
    QTest::newRow("Ja, weil stored") << true << true << false << true;
    QTest::newRow("Nein stored") << true << false << true << false;
    QTest::newRow("neither stored") << true << false << false << false;
}

void PersonIncomeTest::changeQuestionLoadsItsStoredAnswer() {
    QFETCH(bool, row);
    QFETCH(bool, yes);
    QFETCH(bool, no);
    QFETCH(bool, shownYes);
    if (row)
        seed(QStringLiteral("SELFMONEY"), QStringLiteral("SEM"),
             QStringLiteral("SEM_CHANGE_YES=?, SEM_CHANGE_NO=?"), {yes, no});
    click(QStringLiteral("SelfEmployedBox"));
    m_dialog->ShowPage(Self);
    QCOMPARE(box(QStringLiteral("SelfChangeYesBox"))->isChecked(), shownYes);
    QCOMPARE(box(QStringLiteral("SelfChangeNoBox"))->isChecked(), !shownYes);
}

void PersonIncomeTest::emptiedTaxYearIsStoredAsABlank() {
    click(QStringLiteral("SelfEmployedBox"));
    m_dialog->ShowPage(Self);
    auto* spin = find<QSpinBox>(QStringLiteral("SelfTaxYearSpin"));
    auto* edit = spin->findChild<QLineEdit*>();
    QVERIFY(edit);
    QCOMPARE(spin->text(), QStringLiteral(" "));
    spin->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "2019");
    QCOMPARE(self(QStringLiteral("SEM_FORM_TAX_YEAR")).toString(), QStringLiteral("2019 "));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(self(QStringLiteral("SEM_FORM_TAX_YEAR")).toString(), QStringLiteral(" "));
}

void PersonIncomeTest::taxYearZeroIsABlank_data() {
    QTest::addColumn<QVariant>("storedYear"); // invalid: no row
    QTest::addColumn<int>("shown");
    QTest::newRow("no row") << QVariant() << 0;
    QTest::newRow("never written") << QVariant(QMetaType(QMetaType::QString)) << 0;
    QTest::newRow("blank") << QVariant(QStringLiteral(" ")) << 0;
    QTest::newRow("a year") << QVariant(QStringLiteral("2019 ")) << 2019;
    QTest::newRow("not a number") << QVariant(QStringLiteral("neunzehn")) << 0;
}

void PersonIncomeTest::taxYearZeroIsABlank() {
    QFETCH(QVariant, storedYear);
    QFETCH(int, shown);
    if (storedYear.isValid())
        seed(QStringLiteral("SELFMONEY"), QStringLiteral("SEM"), QStringLiteral("SEM_FORM_TAX_YEAR=?"),
             {storedYear});
    click(QStringLiteral("SelfEmployedBox"));
    m_dialog->ShowPage(Self);
    auto* year = find<QSpinBox>(QStringLiteral("SelfTaxYearSpin"));
    QCOMPARE(year->value(), shown);
    typeSpin(year, QStringLiteral("2021"));
    QCOMPARE(self(QStringLiteral("SEM_FORM_TAX_YEAR")).toString(), QStringLiteral("2021 "));
    typeSpin(year, QStringLiteral("0"));
    QCOMPARE(self(QStringLiteral("SEM_FORM_TAX_YEAR")).toString(), QStringLiteral(" "));
    m_dialog->ShowPage(Self);
    QCOMPARE(year->value(), 0);
}

void PersonIncomeTest::mistypedDateErasesNothing_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("dateName");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("otherName"); // a field whose typing writes the same statement
    QTest::newRow("Selbständigkeit von") << int(Self) << "SelfInputFromEdit"
                                         << "SEM_INPUT_FROM"
                                         << "SelfKindEdit";
    QTest::newRow("Selbständigkeit bis") << int(Self) << "SelfInputUntilEdit"
                                         << "SEM_INPUT_UNTIL"
                                         << "SelfOutputSignEdit";
    QTest::newRow("Teilmonat von") << int(Employment) << "PayPartFromEdit"
                                   << "SDL_INTERVAL_FROM"
                                   << "StartEdit";
    QTest::newRow("Teilmonat bis") << int(Employment) << "PayPartUntilEdit"
                                   << "SDL_INTERVAL_UNTIL"
                                   << "EmployerCompanyEdit";
}

void PersonIncomeTest::mistypedDateErasesNothing() {
    QFETCH(int, page);
    QFETCH(QString, dateName);
    QFETCH(QString, column);
    QFETCH(QString, otherName);
    const bool self = page == Self;
    click(self ? QStringLiteral("SelfEmployedBox") : QStringLiteral("EmployedBox"));
    m_dialog->ShowPage(page);
    if (!self) click(QStringLiteral("PayPartBox"));
    auto* date = find<QLineEdit>(dateName);
    typeText(date, QStringLiteral("15.04.2026"));
    const QString table = self ? QStringLiteral("SELFMONEY") : QStringLiteral("SOLDMONEY");
    const QString prefix = self ? QStringLiteral("SEM") : QStringLiteral("SDL");
    QCOMPARE(stored(table, prefix, column).toString(), QStringLiteral("15.04.2026 "));

    typeText(date, QStringLiteral("31.04.2026"));
    typeText(find<QLineEdit>(otherName), QStringLiteral("x"));
    QCOMPARE(store::readText(stored(table, prefix, column)), QStringLiteral("15.04.2026"));
    QCOMPARE(date->text(), QStringLiteral("31.04.2026")); // the user's text stays to be corrected
    QVERIFY(m_messages->texts().join(QLatin1Char('\n')).contains(QStringLiteral("kein gültiges Datum")));
}

void PersonIncomeTest::employmentWithoutRowShowsDefaults() {
    click(QStringLiteral("EmployedBox"));
    m_dialog->ShowPage(Employment);
    QCOMPARE(rowCount(QStringLiteral("SOLDMONEY"), QStringLiteral("SDL"), m_application), 0);
    for (const char* name : {"PayMonthBox", "PayPartBox", "SvYesBox", "SvNoBox", "OneOffYesBox",
                             "OneOffNoBox", "PayNextMonthBox", "EvenNoBox"})
        QVERIFY2(!box(QString::fromLatin1(name))->isChecked(), name);
    QVERIFY(box(QStringLiteral("PayInMonthBox"))->isChecked());
    QVERIFY(box(QStringLiteral("EvenYesBox"))->isChecked());
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayMonthYearSpin"))->value(), 0);
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayMonthYearSpin"))->text(), QStringLiteral(" "));
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayPartYearSpin"))->value(), 0);
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayDaySpin"))->value(), 1);
    QCOMPARE(find<QComboBox>(QStringLiteral("PayMonthCombo"))->currentText(), QString());
    QVERIFY(find(QStringLiteral("PayMonthCombo"))->isVisible());
    QVERIFY(!find(QStringLiteral("PayPartFromEdit"))->isVisible());
    QVERIFY(!find(QStringLiteral("OneOffButton"))->isVisible());
    QCOMPARE(find<QLineEdit>(QStringLiteral("FurtherSum"))->text(), QStringLiteral("0,00"));
}

void PersonIncomeTest::employmentFinerRules() {
    click(QStringLiteral("EmployedBox"));
    m_dialog->ShowPage(Employment);
    const auto shown = [this](std::initializer_list<const char*> names) {
        QStringList list;
        for (const char* n : names)
            if (find(QString::fromLatin1(n))->isVisible()) list << QString::fromLatin1(n);
        return list;
    };
    click(QStringLiteral("PayPartBox"));
    QVERIFY(!box(QStringLiteral("PayMonthBox"))->isChecked());
    QCOMPARE(shown({"PayMonthCombo", "PayMonthYearSpin", "PayPartFromLabel", "PayPartFromEdit",
                    "PayPartUntilEdit", "PayPartYearSpin"}),
             (QStringList{"PayPartFromLabel", "PayPartFromEdit", "PayPartUntilEdit", "PayPartYearSpin"}));
    click(QStringLiteral("PayPartBox")); // unticking changes nothing else
    QVERIFY(!box(QStringLiteral("PayMonthBox"))->isChecked());
    QVERIFY(find(QStringLiteral("PayPartFromEdit"))->isVisible());
    click(QStringLiteral("PayMonthBox"));
    QCOMPARE(shown({"PayMonthCombo", "PayMonthYearSpin", "PayPartFromEdit"}),
             (QStringList{"PayMonthCombo", "PayMonthYearSpin"}));

    click(QStringLiteral("SvNoBox"));
    QCOMPARE(shown({"SvAmountLabel", "SvAmountEdit", "SvPerLabel"}), QStringList());
    click(QStringLiteral("SvYesBox"));
    QVERIFY(!box(QStringLiteral("SvNoBox"))->isChecked());
    QCOMPARE(shown({"SvAmountLabel", "SvAmountEdit", "SvPerLabel"}),
             (QStringList{"SvAmountLabel", "SvAmountEdit", "SvPerLabel"}));

    click(QStringLiteral("OneOffYesBox"));
    QCOMPARE(shown({"OneOffButton", "OneOffSumLabel", "OneOffSum", "OneOffPerLabel"}),
             (QStringList{"OneOffButton", "OneOffSumLabel", "OneOffSum", "OneOffPerLabel"}));
    click(QStringLiteral("OneOffNoBox"));
    QVERIFY(!box(QStringLiteral("OneOffYesBox"))->isChecked());
    QCOMPARE(shown({"OneOffButton", "OneOffSum"}), QStringList());

    // The two complementary pairs: clicking the ticked box ticks the other.
    click(QStringLiteral("PayInMonthBox"));
    QVERIFY(box(QStringLiteral("PayNextMonthBox"))->isChecked());
    click(QStringLiteral("EvenYesBox"));
    QVERIFY(box(QStringLiteral("EvenNoBox"))->isChecked());

    // Loading brings the same state back.
    m_dialog->ShowPage(Employment);
    QVERIFY(box(QStringLiteral("PayMonthBox"))->isChecked());
    QVERIFY(box(QStringLiteral("SvYesBox"))->isChecked());
    QVERIFY(box(QStringLiteral("OneOffNoBox"))->isChecked());
    QVERIFY(box(QStringLiteral("PayNextMonthBox"))->isChecked());
    QVERIFY(!box(QStringLiteral("PayInMonthBox"))->isChecked());
    QVERIFY(box(QStringLiteral("EvenNoBox"))->isChecked());
    QVERIFY(!find(QStringLiteral("OneOffButton"))->isVisible());
}

void PersonIncomeTest::employmentFlagsAndValues() {
    click(QStringLiteral("EmployedBox"));
    m_dialog->ShowPage(Employment);
    click(QStringLiteral("PayMonthBox"));
    QCOMPARE(rowCount(QStringLiteral("SOLDMONEY"), QStringLiteral("SDL"), m_application), 1);
    const QStringList flags = {"SDL_MONTH_YES",   "SDL_INTERVAL_YES",  "SDL_SV_YES",  "SDL_SV_NO",
                               "SDL_PAY_INMONTH", "SDL_PAY_NEXTMONTH", "SDL_ONE_YES", "SDL_ONE_NO",
                               "SDL_EVEN_YES",    "SDL_EVEN_NO"};
    QStringList trueFlags;
    for (const QString& f : flags)
        if (sold(f).toBool()) trueFlags << f;
    QCOMPARE(trueFlags, (QStringList{"SDL_MONTH_YES", "SDL_PAY_INMONTH", "SDL_EVEN_YES"}));
    m_dialog->ShowPage(Employment); // a row without values shows the page's defaults
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayMonthYearSpin"))->value(), 0);
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayDaySpin"))->value(), 1);

    auto* month = find<QComboBox>(QStringLiteral("PayMonthCombo"));
    month->setCurrentIndex(3);
    emit month->activated(3);
    QCOMPARE(sold(QStringLiteral("SDL_MONTH_SIGN")).toString(), QStringLiteral("März "));
    typeSpin(find<QSpinBox>(QStringLiteral("PayMonthYearSpin")), QStringLiteral("2026"));
    QCOMPARE(sold(QStringLiteral("SDL_MONTH_YEAR")).toInt(), 2026);
    typeSpin(find<QSpinBox>(QStringLiteral("PayMonthYearSpin")), QStringLiteral("99999"));
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayMonthYearSpin"))->value(), 9999);
    typeSpin(find<QSpinBox>(QStringLiteral("PayDaySpin")), QStringLiteral("31"));
    QCOMPARE(sold(QStringLiteral("SDL_PAY_DAY")).toInt(), 31);
    typeSpin(find<QSpinBox>(QStringLiteral("PayDaySpin")), QStringLiteral("45"));
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayDaySpin"))->value(), 4); // 45 is no day: the 5 is refused
    typeText(find<QLineEdit>(QStringLiteral("GrossEdit")), QStringLiteral("2.450,00"));
    typeText(find<QLineEdit>(QStringLiteral("SvAmountEdit")), QStringLiteral("2450"));
    typeText(find<QLineEdit>(QStringLiteral("MinusAmountEdit")), QStringLiteral("612,3"));
    typeText(find<QLineEdit>(QStringLiteral("TaxClassEdit")), QStringLiteral("III"));
    typeText(find<QLineEdit>(QStringLiteral("SubsidyAmountEdit")), QStringLiteral("kein"));
    typeText(find<QLineEdit>(QStringLiteral("NetAmountEdit")), QStringLiteral("1.837,70"));
    typeText(find<QLineEdit>(QStringLiteral("StartEdit")), QStringLiteral("seit 1. Mai 2019"));
    auto* memo = find<QPlainTextEdit>(QStringLiteral("MemoEdit"));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("Schichtzulage"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("ab Juni"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerCompanyEdit")), QStringLiteral("Bäckerei O'Neill"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerStreetEdit")), QStringLiteral("Hauptstraße 1"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerZipEdit")), QStringLiteral("06108"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerTownEdit")), QStringLiteral("Halle (Saale)"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerNameEdit")), QStringLiteral("Schäfer"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerFirstNameEdit")), QStringLiteral("Jörg"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerPhoneEdit")), QStringLiteral("-23"));
    typeText(find<QLineEdit>(QStringLiteral("EmployerReferenceEdit")), QStringLiteral("P-4711"));

    const QList<QPair<QString, QVariant>> expected = {
        {"SDL_MONTH_SIGN", "März "},
        {"SDL_MONTH_YEAR", 9999},
        {"SDL_INTERVAL_FROM", " "},
        {"SDL_INTERVAL_UNTIL", " "},
        {"SDL_INTERVAL_YEAR", 0},
        {"SDL_BRUTTO", 2450.0},
        {"SDL_SV_BRUTTO", 2450.0},
        {"SDL_MINUS_BRUTTO", 612.3},
        {"SDL_MINUS_TAX", "III "},
        {"SDL_PSV_BRUTTO", 0.0},
        {"SDL_NETTO", 1837.7},
        {"SDL_PAY_DAY", 4},
        {"SDL_PLUS_BRUTTO", 0.0},
        {"SDL_PLUS_SIGN", " "},
        {"SDL_START", "seit 1. Mai 2019 "},
        {"SDL_MEMO", "Schichtzulage\nab Juni "},
        {"SDL_COMPANY_SIGN", "Bäckerei O'Neill "},
        {"SDL_COMPANY_ZIP", "06108 "},
        {"SDL_COMPANY_TOWN", "Halle (Saale) "},
        {"SDL_COMPANY_STREET", "Hauptstraße 1 "},
        {"SDL_COMPANY_PHONE", "-23 "},
        {"SDL_COMPANY_NAME", "Schäfer "},
        {"SDL_COMPANY_VNAME", "Jörg "},
        {"SDL_COMPANY_WORKSIGN", "P-4711 "},
    };
    for (const auto& [column, value] : expected) {
        const QVariant v = sold(column);
        if (value.typeId() == QMetaType::Double)
            QVERIFY2(qFuzzyCompare(v.toDouble() + 1, value.toDouble() + 1), qPrintable(column));
        else if (value.typeId() == QMetaType::Int)
            QVERIFY2(v.toInt() == value.toInt(), qPrintable(column));
        else
            QVERIFY2(v.toString() == value.toString(),
                     qPrintable(column + QStringLiteral(": ") + v.toString()));
    }

    m_dialog->ShowPage(Employment);
    QCOMPARE(month->currentText(), QStringLiteral("März"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("Schichtzulage\nab Juni"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("NetAmountEdit"))->text(), QStringLiteral("1.837,70"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("EmployerCompanyEdit"))->text(),
             QStringLiteral("Bäckerei O'Neill"));
    QCOMPARE(find<QSpinBox>(QStringLiteral("PayDaySpin"))->value(), 4);

    // A month that the list does not offer loads as no month.
    seed(QStringLiteral("SOLDMONEY"), QStringLiteral("SDL"), QStringLiteral("SDL_MONTH_SIGN='Brumaire '"),
         {});
    m_dialog->ShowPage(Employment);
    QCOMPARE(month->currentText(), QString());
}

void PersonIncomeTest::employmentSumsAndTheirCopy() {
    click(QStringLiteral("EmployedBox"));
    m_dialog->ShowPage(Employment);
    whileDetailDialogOpen([](IncomeDetailDialog* d) {
        QCOMPARE(d->objectName(), QStringLiteral("TSoldInputAnyDlg"));
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("TitleLabel"))->text(),
                 QStringLiteral("weit. lauf. Leistungen von Müller Anna"));
        d->grid()->setCell(0, 0, QStringLiteral("Fahrtkostenzuschuss"));
        d->grid()->setCell(0, 1, 40.0);
        d->grid()->setCell(1, 0, QStringLiteral("Kindergartenzuschuss"));
        d->grid()->setCell(1, 1, 60.5);
    });
    click(QStringLiteral("FurtherButton"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("FurtherSum"))->text(), QStringLiteral("100,50"));
    // The pay statement's copy of the sum follows at once.
    QCOMPARE(sold(QStringLiteral("SDL_PLUS_BRUTTO")).toDouble(), 100.5);

    click(QStringLiteral("OneOffYesBox"));
    whileDetailDialogOpen([](IncomeDetailDialog* d) {
        QCOMPARE(d->objectName(), QStringLiteral("TSoldMoneyInOneDlg"));
        d->grid()->setCell(0, 0, QStringLiteral("Weihnachtsgeld"));
        d->grid()->setCell(0, 2, 1200.0); // gross
        d->grid()->setCell(0, 3, 780.0);  // net
        d->grid()->setCell(1, 0, QStringLiteral("Urlaubsgeld"));
        d->grid()->setCell(1, 2, 900.0);
    });
    click(QStringLiteral("OneOffButton"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("OneOffSum"))->text(), QStringLiteral("780,00"));

    m_dialog->ShowPage(Employment);
    QCOMPARE(find<QLineEdit>(QStringLiteral("FurtherSum"))->text(), QStringLiteral("100,50"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("OneOffSum"))->text(), QStringLiteral("780,00"));
}

void PersonIncomeTest::everythingIsThereAfterARestart() {
    // The applicant: a pension and an employment with two further payments.
    click(QStringLiteral("PensionBox"));
    typeText(find<QLineEdit>(QStringLiteral("PensionKindEdit")), QStringLiteral("Erwerbsminderungsrente"));
    typeText(find<QLineEdit>(QStringLiteral("PensionAmountEdit")), QStringLiteral("640,10"));
    click(QStringLiteral("EmployedBox"));
    m_dialog->ShowPage(Employment);
    click(QStringLiteral("SvYesBox"));
    typeText(find<QLineEdit>(QStringLiteral("GrossEdit")), QStringLiteral("520"));
    whileDetailDialogOpen([](IncomeDetailDialog* d) {
        d->grid()->setCell(0, 0, QStringLiteral("Zuschlag"));
        d->grid()->setCell(0, 1, 25.0);
        d->grid()->setCell(1, 0, QStringLiteral("Prämie"));
        d->grid()->setCell(1, 1, 15.0);
    });
    click(QStringLiteral("FurtherButton"));

    // The partner: self-employment and a maintenance obligation.
    m_dialog->ShowPage(0);
    clickBox(m_dialog->NewButton);
    const QString partner = m_dialog->currentPerson();
    m_dialog->ShowPage(Basics);
    click(QStringLiteral("SelfEmployedBox"));
    click(QStringLiteral("DeductionsBox"));
    whileDetailDialogOpen([](IncomeDetailDialog* d) {
        d->grid()->setCell(0, 0, QStringLiteral("Unterhalt"));
        d->grid()->setCell(0, 1, QStringLiteral("Müller"));
        d->grid()->setCell(0, 2, QStringLiteral("Lea"));
        d->grid()->setCell(0, 3, QStringLiteral("Tochter"));
        d->grid()->setCell(0, 5, 310.0);
    });
    click(QStringLiteral("DeductionsButton"));
    m_dialog->ShowPage(Self);
    click(QStringLiteral("SelfKindBox"));
    typeText(find<QLineEdit>(QStringLiteral("SelfKindEdit")), QStringLiteral("Fotografin"));

    newDialog(); // as after a restart: everything is read from the database again
    QVERIFY(box(QStringLiteral("PensionBox"))->isChecked());
    QCOMPARE(find<QLineEdit>(QStringLiteral("PensionAmountEdit"))->text(), QStringLiteral("640,10"));
    QVERIFY(box(QStringLiteral("EmployedBox"))->isChecked());
    m_dialog->ShowPage(Employment);
    QCOMPARE(find<QLineEdit>(QStringLiteral("GrossEdit"))->text(), QStringLiteral("520,00"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("FurtherSum"))->text(), QStringLiteral("40,00"));
    QCOMPARE(sold(QStringLiteral("SDL_PLUS_BRUTTO")).toDouble(), 40.0);

    m_dialog->PersonMainTRee->setCurrentItem(m_dialog->PersonMainTRee->topLevelItem(1));
    QCOMPARE(m_dialog->currentPerson(), partner);
    QVERIFY(find(QStringLiteral("EmploymentNotApplicableLabel"))->isVisible());
    m_dialog->ShowPage(Basics);
    QVERIFY(box(QStringLiteral("DeductionsBox"))->isChecked());
    QCOMPARE(find<QLineEdit>(QStringLiteral("DeductionsSum"))->text(), QStringLiteral("310,00"));
    QVERIFY(!box(QStringLiteral("PensionBox"))->isChecked());
    m_dialog->ShowPage(Self);
    QCOMPARE(find<QLineEdit>(QStringLiteral("SelfKindEdit"))->text(), QStringLiteral("Fotografin"));
    QVERIFY(box(QStringLiteral("SelfKindBox"))->isChecked());
}

QTEST_MAIN(PersonIncomeTest)
#include "tst_personincome.moc"
