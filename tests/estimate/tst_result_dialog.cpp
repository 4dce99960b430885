// The dialog "Voraussichtliche Leistungen" on imported fixture applications: what it shows, and that a
// diet or rent-level choice made with the keyboard recomputes every figure at once.

#include "ResultMainNew.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "Transfer.h"

#include <QFile>
#include <QSettings>
#include <QTest>

namespace {

const QString kFamily = QStringLiteral("{E5710000-0000-4000-8000-000000000001}");
const QString kKarla = QStringLiteral("{E5710000-0000-4000-8000-000000000101}");
const QString kNoBirthday = QStringLiteral("{E5710000-0000-4000-8000-000000000201}");

bool import(const QString& name)
{
    QFile f(QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/") + name);
    QString sign, error;
    const bool ok = f.open(QIODevice::ReadOnly) && store::importApplication(f.readAll(), &sign, &error);
    if (!ok) qWarning("%s: %s", qPrintable(name), qPrintable(error));
    return ok;
}

QString cell(QTableWidget* t, int row, int column)
{
    const QTableWidgetItem* item = t->item(row, column);
    return item ? item->text() : QString();
}

// A choice made as a user makes it: focus the list and move with the keyboard.
void choose(QComboBox* box, int index)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), index);
}

} // namespace

class TestResultDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsEveryFigure();
    void dietChoiceRecomputes();
    void rentLevelRecomputes();
    void everyVisitRecomputesFromTheDatabase();
    void incompleteShowsNoAmount();
    void missingParameterFile();

private:
    void open(const QString& application);
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TResultMainNewDlg> m_dialog;
};

void TestResultDialog::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    m_messages = std::make_unique<ScriptedMessages>();
    for (const char* f : {"estimate-family.json", "estimate-benefit.json", "estimate-nobirthday.json"})
        QVERIFY(import(QString::fromLatin1(f)));
    QSettings(m_home->file(QStringLiteral("SETTING.INI")), QSettings::IniFormat)
        .setValue(QStringLiteral("MONEY/CHILD"), QStringLiteral("{E5710000-0000-4000-8000-000000000002}"));
    m_dialog = std::make_unique<TResultMainNewDlg>();
    m_dialog->setComputationDay(QDate(2024, 6, 15));
    m_dialog->resize(1300, 900);
}

void TestResultDialog::cleanup()
{
    m_dialog.reset();
    m_messages.reset();
    m_home.reset();
}

void TestResultDialog::open(const QString& application)
{
    MainObject->AntragIdent = application;
    m_dialog->ShowPage(0);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void TestResultDialog::showsEveryFigure()
{
    open(kFamily);
    TResultMainNewDlg* d = m_dialog.get();
    QCOMPARE(d->Label1->text(), QStringLiteral("Auswertungen - Bedarfsermittlung"));
    QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Achtung! Aus der Berechnung ergibt sich kein rechtsverbindlicher Anspruch! "
                            "Die ermittelten Werte stellen lediglich grobe Schätzungen dar!"));
    QCOMPARE(d->PageControl1->currentIndex(), 0);

    QCOMPARE(d->PersonTree->rowCount(), 4);
    const QStringList first{cell(d->PersonTree, 0, 0), cell(d->PersonTree, 0, 1), cell(d->PersonTree, 0, 2),
                            cell(d->PersonTree, 0, 3)};
    QCOMPARE(first, (QStringList{"Beispiel, Anna", "20.05.1984", "40", "312,00 €"}));
    QCOMPARE(cell(d->PersonTree, 2, 0), QStringLiteral("Beispiel, David"));
    QCOMPARE(cell(d->PersonTree, 3, 3), QStringLiteral("208,00 €"));
    QVERIFY(d->PersonTree->isColumnHidden(4));
    QCOMPARE(cell(d->PersonTree, 1, 5), QStringLiteral("Partner(in)"));
    QCOMPARE(d->rSatzSumme->text(), QStringLiteral("1.110,00€"));

    QCOMPARE(d->MorePowerTree->rowCount(), 4);
    QCOMPARE(cell(d->MorePowerTree, 1, 1), QStringLiteral("53,04 €"));
    QCOMPARE(d->dietChoice(1)->currentText(), QStringLiteral("Keine (hier auswählen)"));
    QCOMPARE(d->dietChoice(1)->count(), 21);
    QCOMPARE(d->MorePowerSumme->text(), QStringLiteral("53,04€"));

    QCOMPARE(d->ComboBox1->currentText(), QStringLiteral("Mietstufe 1"));
    QCOMPARE(cell(d->MainLiv, 2, 0), QStringLiteral("Personen gesamt"));
    QCOMPARE(cell(d->MainLiv, 2, 1), QStringLiteral("5,00"));
    QCOMPARE(cell(d->ColdLiv, 1, 1), QStringLiteral("510,00 €"));
    QCOMPARE(cell(d->ColdLiv, 4, 1), QStringLiteral("408,00 €"));
    QCOMPARE(cell(d->HotLiv, 5, 1), QStringLiteral("18,24 €"));
    QCOMPARE(cell(d->HotLiv, 6, 1), QStringLiteral("77,76 €"));
    QCOMPARE(d->ColdLiv->item(4, 0)->background().color(), QColor(251, 255, 204));
    QCOMPARE(d->LivingCost->text(), QStringLiteral("485,76€"));
    QCOMPARE(cell(d->LivingLevel, 4, 5), QStringLiteral("710,00 €"));

    QCOMPARE(cell(d->AlgTree, 0, 0), QStringLiteral("letzter Bezug am in Höhe von monatlich"));
    QCOMPARE(d->ALGSumme->text(), QStringLiteral("0,00€"));

    QCOMPARE(d->EkTree->rowCount(), 5);
    QCOMPARE(cell(d->EkTree, 4, 0), QStringLiteral("Gesamt"));
    QCOMPARE(cell(d->EkTree, 4, 3), QStringLiteral("264,80 €"));
    QCOMPARE(d->EKSumme->text(), QStringLiteral("783,20€"));
    QCOMPARE(cell(d->VermTree, 0, 1), QStringLiteral("5.250,00 €"));
    QCOMPARE(cell(d->VermTree, 4, 3), QStringLiteral("17.750,00 €"));
    QCOMPARE(d->VermSumme->text(), QStringLiteral("0,00€"));

    QCOMPARE(cell(d->ResultTree, 0, 0), QStringLiteral("Summe Regelbedarf"));
    QCOMPARE(cell(d->ResultTree, 6, 1), QStringLiteral("865,60 €"));
    QCOMPARE(d->ResultTree->item(0, 1)->background().color(), QColor(0, 255, 0));
    QCOMPARE(d->ResultTree->item(4, 0)->background().color(), QColor(255, 0, 0));
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Voraussichtlicher Anspruch: 865,60€"));
    QVERIFY(m_messages->texts().isEmpty());
}

void TestResultDialog::dietChoiceRecomputes()
{
    // Karla: claim 347 + 305 = 652 against 800 of benefit. Zöliakie raises the claim by 66.47, so
    // the supplement falls to 0.66 * 81.53 and the result follows both.
    open(kKarla);
    TResultMainNewDlg* d = m_dialog.get();
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Voraussichtlicher Anspruch: 99,68€"));
    choose(d->dietChoice(0), 20);

    QCOMPARE(cell(d->MorePowerTree, 0, 5), QStringLiteral("66,47 €"));
    QCOMPARE(cell(d->MorePowerTree, 0, 6), QStringLiteral("66,47 €"));
    QCOMPARE(d->MorePowerSumme->text(), QStringLiteral("66,47€"));
    QCOMPARE(cell(d->AlgTree, 2, 1), QStringLiteral("718,47 €"));
    QCOMPARE(cell(d->AlgTree, 6, 1), QStringLiteral("53,81 €"));
    QCOMPARE(d->ALGSumme->text(), QStringLiteral("53,81€"));
    QCOMPARE(cell(d->ResultTree, 1, 1), QStringLiteral("66,47 €"));
    QCOMPARE(cell(d->ResultTree, 3, 1), QStringLiteral("53,81 €"));
    // 347 + 66.47 + 305 + 53.8098 - 650
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Voraussichtlicher Anspruch: 122,28€"));

    choose(d->dietChoice(0), 0);
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Voraussichtlicher Anspruch: 99,68€"));
}

void TestResultDialog::rentLevelRecomputes()
{
    // With a rent of 300 Karla's housing need follows the ceiling: 270 at Mietstufe 1, 300 at 4.
    QVERIFY(store::execute(QStringLiteral("UPDATE LIVING SET LIV_RENT_BRUTTO = ? WHERE LIV_INDEX_MAINHEADER = ?"),
                           {300.0, kKarla}));
    open(kKarla);
    TResultMainNewDlg* d = m_dialog.get();
    QCOMPARE(cell(d->ColdLiv, 4, 1), QStringLiteral("270,00 €"));
    QCOMPARE(cell(d->AlgTree, 6, 1), QStringLiteral("91,08 €"));

    choose(d->ComboBox1, 3);
    QCOMPARE(cell(d->ColdLiv, 1, 1), QStringLiteral("300,00 €"));
    QCOMPARE(cell(d->ColdLiv, 4, 1), QStringLiteral("300,00 €"));
    QCOMPARE(d->LivingCost->text(), QStringLiteral("345,00€"));
    QCOMPARE(cell(d->AlgTree, 2, 1), QStringLiteral("692,00 €"));
    QCOMPARE(cell(d->AlgTree, 6, 1), QStringLiteral("71,28 €"));
    QCOMPARE(cell(d->ResultTree, 2, 1), QStringLiteral("345,00 €"));
    // 347 + 345 + 71.28 - 650
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Voraussichtlicher Anspruch: 113,28€"));
}

void TestResultDialog::everyVisitRecomputesFromTheDatabase()
{
    open(kFamily);
    TResultMainNewDlg* d = m_dialog.get();
    choose(d->dietChoice(0), 20);
    choose(d->ComboBox1, 5);
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Voraussichtlicher Anspruch: 956,07€"));

    // Anna earns 100 more: 1148 for the household, exemption 274.80, 873.20 count.
    QVERIFY(store::execute(QStringLiteral("UPDATE SOLDMONEY SET SDL_BRUTTO = ? WHERE SDL_INDEX_PERSON = ?"),
                           {1100.0, kFamily}));
    d->ShowPage(0);
    QCOMPARE(d->ComboBox1->currentIndex(), 0);
    QCOMPARE(d->dietChoice(0)->currentIndex(), 0);
    QCOMPARE(d->EKSumme->text(), QStringLiteral("873,20€"));
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Voraussichtlicher Anspruch: 775,60€"));

    // Another application in the same dialog shows only its own persons.
    open(kKarla);
    QCOMPARE(d->PersonTree->rowCount(), 1);
    QCOMPARE(d->MorePowerTree->rowCount(), 1);
    QCOMPARE(d->EkTree->rowCount(), 2);
    QCOMPARE(cell(d->AlgTree, 0, 0), QStringLiteral("letzter Bezug am 31.03.2024 in Höhe von monatl."));
    open(kFamily);
    QCOMPARE(cell(d->AlgTree, 0, 0), QStringLiteral("letzter Bezug am in Höhe von monatlich"));

    if (!qEnvironmentVariableIsEmpty("VELMORA_SCREENSHOT")) {
        choose(d->dietChoice(1), 12);
        d->resize(1400, 2900);
        QVERIFY(d->grab().save(qEnvironmentVariable("VELMORA_SCREENSHOT")));
    }
}

void TestResultDialog::incompleteShowsNoAmount()
{
    open(kNoBirthday);
    TResultMainNewDlg* d = m_dialog.get();
    const QString problem = QStringLiteral("Fehler bei der Berechnung der Vermögensfreigrenze! Geburtsdatum fehlt oder "
                                           "ist fehlerhaft von: Muster, Max");
    QCOMPARE(m_messages->texts(), QStringList{problem});
    QCOMPARE(m_messages->shown().first().kind, store::MessageKind::Information);
    QCOMPARE(cell(d->PersonTree, 0, 1), QString());
    QCOMPARE(cell(d->PersonTree, 0, 2), QString());
    QCOMPARE(cell(d->ResultTree, 6, 1), QStringLiteral("–"));
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("Der voraussichtliche Anspruch konnte nicht berechnet werden."));
    QCOMPARE(d->REsultSumme->toolTip(), problem);
}

void TestResultDialog::missingParameterFile()
{
    QVERIFY(QFile::remove(m_home->file(QStringLiteral("Daten/Default/Leistungsparameter.json"))));
    open(kFamily);
    TResultMainNewDlg* d = m_dialog.get();
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().kind, store::MessageKind::Error);
    QVERIFY(m_messages->texts().first().startsWith(QStringLiteral("Die Parameterdatei der Leistungsberechnung fehlt")));
    QCOMPARE(d->PersonTree->rowCount(), 0);
    QCOMPARE(d->REsultSumme->text(), QStringLiteral("0,00€"));
    QVERIFY(!d->result());
}

QTEST_MAIN(TestResultDialog)
#include "tst_result_dialog.moc"
