// The need-of-help details dialog: its answer cascade, what each click stores, and the amounts written
// on every way of closing.
#include "Editors.h"
#include "MemberHelpDetails.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QStringList kColumns = {
    "MHM_MONEY_YES",      "MHM_MONEY_NO",        "MHM_MONEY_MONTH",      "MHM_MONEY_WEEK",
    "MHM_MONEY_DAY",      "MHM_PERSON_OWNER_YES", "MHM_PERSON_MONEY_YES", "MHM_PERSON_MONEY_NO",
    "MHM_PERSON_MONEY_TOMUCH_YES", "MHM_PERSON_MONEY_TOMUCH_NO", "MHM_FOOT_YES", "MHM_FOOT_NO",
    "MHM_FOOT_FULL_YES",  "MHM_FOOT_FULL_NO",    "MHM_FOOT_PART_YES",    "MHM_FOOT_PART_NO",
    "MHM_FOOT_PART_FRUEH", "MHM_FOOT_PART_MITTAG", "MHM_FOOT_PART_ABEND", "MHM_FOOT_PAY_YES",
    "MHM_FOOT_PAY_NO",    "MHM_OTHER_YES",       "MHM_OTHER_NO",
};

} // namespace

class MemberHelpTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cascade_data();
    void cascade();
    void storedAnswersComeBack();
    void amountsAreWrittenOnEveryWayOfClosing_data();
    void amountsAreWrittenOnEveryWayOfClosing();
    void personWithoutRowGetsOneOnTheFirstClick();

private:
    // Shows the dialog for the applicant, runs `actions` while it is open, then closes it by `how`.
    int run(const std::function<void()>& actions, const QString& how = QStringLiteral("button"));
    QCheckBox* box(const QString& name) const;
    QStringList trueColumns() const;
    QVariant raw(const QString& column) const;

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TMemberHelpDetailsDlg> m_dialog;
    QString m_app;
};

void MemberHelpTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    m_messages = std::make_unique<ScriptedMessages>();
    m_app = createTestApplication(QStringLiteral("Hilfe"));
    QVERIFY(!m_app.isEmpty());
    // The community dialog inserts the row with its three keys only; the applicant is the person.
    QVERIFY(store::execute("INSERT INTO MEMBERHELP (MHM_IDENT, MHM_INDEX_MAINHEADER, MHM_INDEX_PERSON) VALUES (?, ?, ?)",
                           {TMainObject::NewRowIdent(), m_app, m_app}));
    m_dialog = std::make_unique<TMemberHelpDetailsDlg>();
}

void MemberHelpTest::cleanup() {
    m_dialog.reset();
    QCOMPARE(m_messages->texts(), QStringList());
    m_messages.reset();
    m_home.reset();
}

int MemberHelpTest::run(const std::function<void()>& actions, const QString& how) {
    QTimer::singleShot(0, m_dialog.get(), [this, actions, how] {
        actions();
        if (how == QLatin1String("button"))
            QTest::mouseClick(m_dialog->findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        else
            m_dialog->close();
        if (m_dialog->isVisible())
            m_dialog->done(0); // never hang on a failed step
    });
    return m_dialog->Show(m_app, m_app, QStringLiteral("Muster, Max"));
}

QCheckBox* MemberHelpTest::box(const QString& name) const {
    auto* b = m_dialog->findChild<QCheckBox*>(name);
    if (!b) qFatal("%s is missing", qPrintable(name));
    return b;
}

QStringList MemberHelpTest::trueColumns() const {
    store::Rows row = store::select(
        QStringLiteral("SELECT %1 FROM MEMBERHELP WHERE MHM_INDEX_PERSON=?").arg(kColumns.join(',')), {m_app});
    QStringList set;
    if (row.next())
        for (int i = 0; i < kColumns.size(); ++i)
            if (row.query().value(i).toBool()) set << kColumns.at(i);
    return set;
}

QVariant MemberHelpTest::raw(const QString& column) const {
    return store::selectValue(QStringLiteral("SELECT %1 FROM MEMBERHELP WHERE MHM_INDEX_PERSON=?").arg(column), {m_app});
}

void MemberHelpTest::cascade_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("stored"); // the columns stored true

    QTest::newRow("money") << QStringList{"MoneyYes"}
                           << QStringList{"MoneyMonthBox", "MoneyWeekBox", "MoneyDayBox", "MoneyAmountEdit"}
                           << QStringList{} << QStringList{"MHM_MONEY_YES", "MHM_MONEY_MONTH"};
    QTest::newRow("money weekly") << QStringList{"MoneyYes", "MoneyWeekBox"} << QStringList{"MoneyAmountEdit"}
                                  << QStringList{} << QStringList{"MHM_MONEY_YES", "MHM_MONEY_WEEK"};
    QTest::newRow("money no") << QStringList{"MoneyYes", "MoneyNo"} << QStringList{}
                              << QStringList{"MoneyMonthBox", "MoneyAmountEdit"} << QStringList{"MHM_MONEY_NO"};
    QTest::newRow("housing free") << QStringList{"HousingYes"} << QStringList{"HousingFreeYes", "HousingFreeNo"}
                                  << QStringList{"HousingPaymentEdit", "ExceedsYes", "TotalCostsEdit"}
                                  << QStringList{"MHM_PERSON_OWNER_YES", "MHM_PERSON_MONEY_YES"};
    QTest::newRow("housing paid") << QStringList{"HousingYes", "HousingFreeNo"}
                                  << QStringList{"HousingPaymentEdit", "ExceedsQuestion", "ExceedsYes", "ExceedsNo"}
                                  << QStringList{"TotalCostsEdit"}
                                  << QStringList{"MHM_PERSON_OWNER_YES", "MHM_PERSON_MONEY_NO",
                                                 "MHM_PERSON_MONEY_TOMUCH_NO"};
    QTest::newRow("housing exceeds") << QStringList{"HousingYes", "HousingFreeNo", "ExceedsYes"}
                                     << QStringList{"TotalCostsEdit"} << QStringList{}
                                     << QStringList{"MHM_PERSON_OWNER_YES", "MHM_PERSON_MONEY_NO",
                                                    "MHM_PERSON_MONEY_TOMUCH_YES"};
    // "Nein" of the housing question has no column: it stores the "Ja," column false.
    QTest::newRow("housing no") << QStringList{"HousingYes", "HousingFreeNo", "HousingNo"} << QStringList{}
                                << QStringList{"HousingFreeYes", "HousingPaymentEdit", "ExceedsNo"} << QStringList{};
    QTest::newRow("meals") << QStringList{"MealsYes"}
                           << QStringList{"FullBoardYes", "FullBoardNo", "PayYes", "PayNo"}
                           << QStringList{"PartialYes", "BreakfastBox", "PayAmountEdit"}
                           << QStringList{"MHM_FOOT_YES", "MHM_FOOT_FULL_YES", "MHM_FOOT_PAY_YES"};
    QTest::newRow("partial board") << QStringList{"MealsYes", "FullBoardNo"}
                                   << QStringList{"PartialLabel", "PartialYes", "PartialNo", "BreakfastBox",
                                                  "LunchBox", "DinnerBox"}
                                   << QStringList{}
                                   << QStringList{"MHM_FOOT_YES", "MHM_FOOT_FULL_NO", "MHM_FOOT_PART_YES",
                                                  "MHM_FOOT_PART_FRUEH", "MHM_FOOT_PAY_YES"};
    // All three meals are full board; partial "Ja:" stays stored.
    QTest::newRow("three meals") << QStringList{"MealsYes", "FullBoardNo", "LunchBox", "DinnerBox"}
                                 << QStringList{"FullBoardYes"}
                                 << QStringList{"PartialLabel", "PartialYes", "BreakfastBox", "LunchBox", "DinnerBox"}
                                 << QStringList{"MHM_FOOT_YES", "MHM_FOOT_FULL_YES", "MHM_FOOT_PART_YES",
                                                "MHM_FOOT_PAY_YES"};
    QTest::newRow("partial no") << QStringList{"MealsYes", "FullBoardNo", "PartialNo"} << QStringList{}
                                << QStringList{"FullBoardYes", "FullBoardNo", "PartialYes", "BreakfastBox", "PayYes"}
                                << QStringList{"MHM_FOOT_NO"};
    QTest::newRow("meals no") << QStringList{"MealsYes", "FullBoardNo", "LunchBox", "MealsNo"} << QStringList{}
                              << QStringList{"FullBoardYes", "PartialYes", "LunchBox", "PayNo"}
                              << QStringList{"MHM_FOOT_NO"};
    // The meal-payment columns are bound against their names.
    QTest::newRow("pays for meals") << QStringList{"MealsYes", "PayYes"} << QStringList{"PayAmountEdit"}
                                    << QStringList{}
                                    << QStringList{"MHM_FOOT_YES", "MHM_FOOT_FULL_YES", "MHM_FOOT_PAY_NO"};
    QTest::newRow("other") << QStringList{"OtherYes"} << QStringList{"OtherMemo"} << QStringList{}
                           << QStringList{"MHM_OTHER_YES"};
    QTest::newRow("other no") << QStringList{"OtherYes", "OtherNo"} << QStringList{} << QStringList{"OtherMemo"}
                              << QStringList{"MHM_OTHER_NO"};
}

void MemberHelpTest::cascade() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, stored);
    QStringList visibleWrong;
    run([&] {
        for (const QString& name : clicks) {
            if (!box(name)->isVisible()) visibleWrong << name + " not clickable";
            clickBox(box(name));
        }
        for (const QString& name : shown)
            if (!m_dialog->findChild<QWidget*>(name)->isVisible()) visibleWrong << name + " hidden";
        for (const QString& name : hidden)
            if (m_dialog->findChild<QWidget*>(name)->isVisible()) visibleWrong << name + " shown";
    });
    QCOMPARE(visibleWrong, QStringList());
    QCOMPARE(trueColumns(), stored);
}

void MemberHelpTest::storedAnswersComeBack() {
    QVERIFY(store::execute("UPDATE MEMBERHELP SET MHM_MONEY_YES=1, MHM_MONEY_DAY=1, MHM_MONEY_BRUTTO=12.5, "
                           "MHM_PERSON_OWNER_YES=1, MHM_PERSON_MONEY_NO=1, MHM_PERSON_MONEY_TOMUCH_YES=1, "
                           "MHM_PERSON_MONEY_BRUTTO=300, MHM_PERSON_MONEY_TOMUCH_BRUTTO=900, MHM_FOOT_YES=1, "
                           "MHM_FOOT_FULL_NO=1, MHM_FOOT_PART_YES=1, MHM_FOOT_PART_MITTAG=1, MHM_FOOT_PAY_NO=1, "
                           "MHM_FOOT_PAY_BRUTTO=60, MHM_OTHER_YES=1, MHM_OTHER_DESCRIP='Kleidung ' "
                           "WHERE MHM_INDEX_PERSON=?",
                           {m_app}));
    QStringList checked;
    QString title, amounts, memo;
    run([&] {
        for (QCheckBox* b : m_dialog->findChildren<QCheckBox*>())
            if (b->isChecked()) checked << b->objectName();
        title = m_dialog->findChild<QLabel*>("TitleLabel")->text();
        for (const char* name : {"MoneyAmountEdit", "HousingPaymentEdit", "TotalCostsEdit", "PayAmountEdit"}) {
            auto* e = m_dialog->findChild<MoneyEdit*>(name);
            amounts += (e->isVisible() ? "" : "hidden ") + e->text() + " | ";
        }
        memo = m_dialog->findChild<QPlainTextEdit*>("OtherMemo")->toPlainText();
    });
    checked.sort();
    QCOMPARE(title, QString("Zuwendungsdetails von Muster, Max"));
    QCOMPARE(checked, (QStringList{"ExceedsYes", "FullBoardNo", "HousingFreeNo", "HousingYes", "LunchBox", "MealsYes",
                                   "MoneyDayBox", "MoneyYes", "OtherYes", "PartialYes", "PayYes"}));
    QCOMPARE(amounts, QString("12,50 | 300,00 | 900,00 | 60,00 | "));
    QCOMPARE(memo, QString("Kleidung"));
    QCOMPARE(m_dialog->windowTitle(), QString("Hilfeleistungen"));
}

void MemberHelpTest::amountsAreWrittenOnEveryWayOfClosing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Schließen") << "button";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
}

void MemberHelpTest::amountsAreWrittenOnEveryWayOfClosing() {
    QFETCH(QString, how);
    double whileOpen = -1;
    const int result = run(
        [&] {
            clickBox(box("MoneyYes"));
            clickBox(box("OtherYes"));
            auto* amount = m_dialog->findChild<MoneyEdit*>("MoneyAmountEdit");
            amount->setText("150,75");
            emit amount->textEdited(amount->text());
            auto* memo = m_dialog->findChild<QPlainTextEdit*>("OtherMemo");
            memo->setPlainText(QStringLiteral("Kleidung für O'Neill"));
            whileOpen = raw("MHM_MONEY_BRUTTO").toDouble();
        },
        how);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(whileOpen, 0.0); // amounts live in the dialog until it closes
    QCOMPARE(raw("MHM_MONEY_BRUTTO").toDouble(), 150.75);
    QCOMPARE(raw("MHM_OTHER_DESCRIP").toString(), QString("Kleidung für O'Neill "));
    QCOMPARE(raw("MHM_PERSON_MONEY_BRUTTO").toDouble(), 0.0);
}

void MemberHelpTest::personWithoutRowGetsOneOnTheFirstClick() {
    QVERIFY(store::execute("DELETE FROM MEMBERHELP"));
    run([&] { clickBox(box("OtherYes")); });
    QCOMPARE(store::selectValue("SELECT COUNT(*) FROM MEMBERHELP WHERE MHM_INDEX_PERSON=? AND MHM_INDEX_MAINHEADER=?",
                                {m_app, m_app})
                 .toInt(),
             1);
    // Without a row the dialog showed its starting state, with "Nein" answered where it has one.
    QCOMPARE(trueColumns(), (QStringList{"MHM_MONEY_NO", "MHM_FOOT_NO", "MHM_OTHER_YES"}));
}

QTEST_MAIN(MemberHelpTest)
#include "tst_memberhelp.moc"
