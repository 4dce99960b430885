// Page 2 of the claims dialog in a frame of its own: the accident question, the person list, the
// person's accident data and the buttons of the detail dialogs.
#include "AnspruchMainAccident.h"
#include "DataDialog.h"
#include "Editors.h"
#include "FixedGrid.h"
#include "UnfallBehandlung.h"
#include "UnfallMain.h"
#include "accident_support.h"

#include <QLabel>
#include <QTreeWidget>

#include <memory>

using namespace accidenttest;

namespace {

// The claims dialog's frame around page 2 alone.
class AccidentHost : public DataDialog {
public:
    AccidentHost() : DataDialog(3, QStringLiteral("TAnspruchMainDlg")) {
        page = new AnspruchAccidentPage(this);
        addPage({AnspruchAccidentPage::title(), AnspruchAccidentPage::kHelp, page->content(), [this] { page->load(); }});
    }
    AnspruchAccidentPage* page;
};

// The controls whose visibility and enabling the rules decide, by a short name for the tables.
const QStringList kWatched = {"detail", "cohabitant", "benefits", "label", "1", "2", "3", "4", "5"};

} // namespace

class AccidentPageTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titleHelpAndCaptions();
    void personsInTypeOrderEachWithOwnData();
    void accidentQuestionWritesItsColumnsOnly_data();
    void accidentQuestionWritesItsColumnsOnly();
    void missingClaimsRowIsCreated();
    void boxesShowAndEnable_data();
    void boxesShowAndEnable();
    void fieldsWriteTheirColumns();
    void yesInsertsTheRowOnce();
    void clickOnTickedNoDoesNothing();
    void noAsksAndDeletes_data();
    void noAsksAndDeletes();
    void failedDeletionKeepsEverything();
    void storedRowReloads_data();
    void storedRowReloads();
    void mainDataJudgmentAndKind_data();
    void mainDataJudgmentAndKind();
    void detailsButtonOpensTheKindsDialogs_data();
    void detailsButtonOpensTheKindsDialogs();
    void buttonsWithoutRowOpenNothingThatStoresNothing();

private:
    template <typename T>
    T* find(const QString& name) const {
        T* w = m_host->findChild<T*>(name);
        if (!w) qWarning("no control %s", qPrintable(name));
        return w;
    }
    QCheckBox* box(const QString& name) const { return find<QCheckBox>(name); }
    QWidget* watched(const QString& shortName) const;
    QString visibleSet() const;
    QString enabledSet() const;
    void selectPerson(int row);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<AccidentHost> m_host;
    QString m_partner;
    QString m_child;
};

void AccidentPageTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    QVERIFY(!createTestApplication().isEmpty());
    nameApplicant(QStringLiteral("Müller"), QStringLiteral("Jörg"));
    // Inserted out of their order: the list orders them by type.
    m_child = addPerson(2, 3, QStringLiteral("Müller"), QStringLiteral("Lena"));
    m_partner = addPerson(1, 2, QStringLiteral("O'Brien"), QStringLiteral("Erika"));
    m_host = std::make_unique<AccidentHost>();
    m_host->resize(1000, 700);
    m_host->ShowPage(0);
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
}

void AccidentPageTest::cleanup() {
    m_host.reset();
    m_home.reset();
}

QWidget* AccidentPageTest::watched(const QString& shortName) const {
    static const QMap<QString, QString> names = {
        {"detail", "AccidentPanel"},        {"cohabitant", "CohabitantPanel"},
        {"benefits", "BenefitsGroup"},      {"label", "DetailsLabel"},
        {"1", "UnfallMainButton"},          {"2", "UnfallVerfahrenButton"},
        {"3", "UnfallTraegerButton"},       {"4", "UnfallDetailButton"},
        {"5", "UnfallBehandlungButton"}};
    return find<QWidget>(names.value(shortName));
}

QString AccidentPageTest::visibleSet() const {
    QStringList shown;
    for (const QString& w : kWatched)
        if (watched(w)->isVisible()) shown << w;
    return shown.join(QLatin1Char(' '));
}

QString AccidentPageTest::enabledSet() const {
    QStringList enabled;
    for (const QString& w : kWatched)
        if (w.size() == 1 && watched(w)->isVisible() && watched(w)->isEnabled()) enabled << w;
    return enabled.join(QLatin1Char(' '));
}

void AccidentPageTest::selectPerson(int row) {
    auto* tree = find<QTreeWidget>(QStringLiteral("UnfallTree"));
    tree->setCurrentItem(tree->topLevelItem(row));
}

void AccidentPageTest::titleHelpAndCaptions() {
    QCOMPARE(m_host->Label1->text(), QStringLiteral("Ansprüche - Hilfebedürftigkeit durch Unfall"));
    QCOMPARE(AnspruchAccidentPage::kHelp, 26);
    QCOMPARE(find<QLabel>(QStringLiteral("PersonQuestion"))->text(),
             QStringLiteral("Trifft dieHilfebedürftigkeit durch Unfall auf die oben ausgewählte Person zu?"));
    QCOMPARE(box(QStringLiteral("UnfallYesBox"))->text(), QStringLiteral("Ja, Angaben zum Unfall:"));
    QCOMPARE(box(QStringLiteral("UNF_MEMBERSHIP_YES"))->text(), QStringLiteral("Ja, mit:"));
    QCOMPARE(box(QStringLiteral("UNF_MEMBERSHIP_NO"))->text(), QStringLiteral("Nein:"));
    QStringList buttons;
    for (const char* w : {"1", "2", "3", "4", "5"})
        buttons << static_cast<QPushButton*>(watched(QString::fromLatin1(w)))->text();
    QCOMPARE(buttons, (QStringList{"1. Unfallhauptdaten", "2. Verfahrensdaten", "3. Leistungsträger",
                                   "4. Unfalldetails", "5. Behandlungen"}));
    QVERIFY(find<QLabel>(QStringLiteral("BehandlungNote"))->isVisible());
}

void AccidentPageTest::personsInTypeOrderEachWithOwnData() {
    QVERIFY(addAccidentRow(m_partner));
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_LOCATION=? WHERE UNF_INDEX_PERSON=?"),
                           {QStringLiteral("Kreuzung Hauptstraße "), m_partner}));
    m_host->ShowPage(0);
    auto* tree = find<QTreeWidget>(QStringLiteral("UnfallTree"));
    QStringList names;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        names << tree->topLevelItem(i)->text(0);
    QCOMPARE(names, (QStringList{"Müller, Jörg", "O'Brien, Erika", "Müller, Lena"}));
    QVERIFY(tree->isColumnHidden(1));
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    // Nothing stored: "Nein" of the accident question, so the list is hidden.
    QVERIFY(box(QStringLiteral("UHM_UNF_NO"))->isChecked());
    QVERIFY(!tree->isVisible());

    // A person without a row: only the person question, "Nein" ticked.
    QVERIFY(box(QStringLiteral("UnfallNoBox"))->isChecked());
    QCOMPARE(visibleSet(), QString());
    selectPerson(1);
    QVERIFY(box(QStringLiteral("UnfallYesBox"))->isChecked());
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION"))->toPlainText(), QStringLiteral("Kreuzung Hauptstraße"));
    QCOMPARE(m_host->page->currentPerson(), m_partner);
    selectPerson(2);
    QVERIFY(box(QStringLiteral("UnfallNoBox"))->isChecked());
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION"))->toPlainText(), QString());
    QCOMPARE(visibleSet(), QString());
}

void AccidentPageTest::accidentQuestionWritesItsColumnsOnly_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QList<int>>("stored"); // UHM_UNF_YES, _NO, BDG_THIRD_UNFALL_YES, _NO
    QTest::addColumn<bool>("listShown");
    QTest::newRow("Ja") << QStringList{"UHM_UNF_YES"} << QList<int>{1, 0, 1, 0} << true;
    QTest::newRow("Ja, then Nein") << QStringList{"UHM_UNF_YES", "UHM_UNF_NO"} << QList<int>{0, 1, 0, 1} << false;
    QTest::newRow("ticked Nein unticked") << QStringList{"UHM_UNF_NO"} << QList<int>{0, 0, 0, 0} << false;
}

void AccidentPageTest::accidentQuestionWritesItsColumnsOnly() {
    QFETCH(QStringList, clicks);
    QFETCH(QList<int>, stored);
    QFETCH(bool, listShown);
    // Answers of the other pages must stay as they are.
    QVERIFY(store::execute(QStringLiteral("UPDATE UHMAIN SET UHM_BOSS_YES=1, UHM_HELP_NO=1, UHM_COUNSEL_YES=1 "
                                          "WHERE UHM_INDEX_MAINHEADER=?"),
                           {app()}));
    QVERIFY(store::execute(QStringLiteral("UPDATE MAINHEADER SET BDG_THIRD_YES=1, BDG_UNTERH_YES=1 WHERE BDG_IDENT=?"),
                           {app()}));
    for (const QString& name : clicks)
        clickBox(box(name));
    store::Rows row = store::select(
        QStringLiteral("SELECT UHM_UNF_YES, UHM_UNF_NO, BDG_THIRD_UNFALL_YES, BDG_THIRD_UNFALL_NO, UHM_UNTERHALT_YES, "
                       "UHM_UNTERHALT_NO, BDG_UNTERH_YES, BDG_UNTERH_NO, UHM_BOSS_YES, UHM_HELP_NO, UHM_COUNSEL_YES, "
                       "BDG_THIRD_YES FROM UHMAIN, MAINHEADER WHERE UHM_INDEX_MAINHEADER=BDG_IDENT AND BDG_IDENT=?"),
        {app()});
    QVERIFY(row.next());
    QList<int> values;
    for (int i = 0; i < 4; ++i)
        values << row.query().value(i).toInt();
    QCOMPARE(values, stored);
    QList<int> rest;
    for (int i = 4; i < 12; ++i)
        rest << row.query().value(i).toInt();
    QCOMPARE(rest, (QList<int>{0, 1, 0, 1, 1, 1, 1, 1}));
    QCOMPARE(find<QTreeWidget>(QStringLiteral("UnfallTree"))->isVisible(), listShown);
    m_host->ShowPage(0);
    QCOMPARE(box(QStringLiteral("UHM_UNF_YES"))->isChecked(), stored.at(0) == 1);
    QCOMPARE(box(QStringLiteral("UHM_UNF_NO"))->isChecked(), stored.at(0) == 0);
}

void AccidentPageTest::missingClaimsRowIsCreated() {
    QVERIFY(store::execute(QStringLiteral("DELETE FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?"), {app()}));
    m_host->ShowPage(0);
    clickBox(box(QStringLiteral("UHM_UNF_YES")));
    QCOMPARE(store::selectValue(QStringLiteral("SELECT COUNT(*) FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=? AND "
                                               "UHM_IDENT=? AND UHM_UNF_YES=1"),
                                {app(), app()})
                 .toInt(),
             1);
    clickBox(box(QStringLiteral("UHM_UNF_NO")));
    QCOMPARE(count(QStringLiteral("UHMAIN"), QStringLiteral("UHM_INDEX_MAINHEADER"), app()), 1);
}

void AccidentPageTest::boxesShowAndEnable_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QList<int>>("flags"); // UNF_MEMBERSHIP_YES, _NO, UNF_LEISTUNG_YES, _NO; empty: no row
    const QString yes = QStringLiteral("UnfallYesBox");
    QTest::newRow("nothing") << QStringList{} << "" << "" << QList<int>{};
    QTest::newRow("Ja, Angaben") << QStringList{yes} << "detail benefits label 1 2 3 4 5"
                                 << "1" << QList<int>{0, 0, 0, 0};
    QTest::newRow("Ja, mit:") << QStringList{yes, "UNF_MEMBERSHIP_YES"} << "detail cohabitant 1 2" << ""
                              << QList<int>{1, 0, 0, 1};
    QTest::newRow("Ja, mit:, then Nein:")
        << QStringList{yes, "UNF_MEMBERSHIP_YES", "UNF_MEMBERSHIP_NO"} << "detail benefits label 1 2 3 4 5"
        << "1" << QList<int>{0, 1, 0, 1};
    QTest::newRow("benefits Ja") << QStringList{yes, "UNF_LEISTUNG_YES"} << "detail benefits label 1 2 3 4 5"
                                 << "1 3" << QList<int>{0, 1, 1, 0};
    QTest::newRow("benefits Ja, then Nein")
        << QStringList{yes, "UNF_LEISTUNG_YES", "UNF_LEISTUNG_NO"} << "detail benefits label 1 2 3 4 5" << "1"
        << QList<int>{0, 1, 0, 1};
}

void AccidentPageTest::boxesShowAndEnable() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, visible);
    QFETCH(QString, enabled);
    QFETCH(QList<int>, flags);
    for (const QString& name : clicks)
        clickBox(box(name));
    QCOMPARE(visibleSet(), visible);
    QCOMPARE(enabledSet(), enabled);
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), app()), flags.isEmpty() ? 0 : 1);
    if (flags.isEmpty()) return;
    QList<int> values;
    for (const char* column : {"UNF_MEMBERSHIP_YES", "UNF_MEMBERSHIP_NO", "UNF_LEISTUNG_YES", "UNF_LEISTUNG_NO"})
        values << stored(QString::fromLatin1(column), app()).toInt();
    QCOMPARE(values, flags);
}

void AccidentPageTest::fieldsWriteTheirColumns() {
    clickBox(box(QStringLiteral("UnfallYesBox")));
    clickBox(box(QStringLiteral("UNF_MEMBERSHIP_YES")));
    auto* date = find<DateEdit>(QStringLiteral("UNF_DATE"));
    date->setFocus();
    QTest::keyClicks(date, QStringLiteral("03.02.2025"));
    userTypes(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION")), QStringLiteral("Köln,\nAm Ring"));
    userTypes(find<QLineEdit>(QStringLiteral("UNF_MEMBERSHIP_NAME")), QStringLiteral("O'Neill, Sean"));
    userTypes(find<QLineEdit>(QStringLiteral("UNF_MEMBERSHIP_VERWANDT")), QStringLiteral("Schwager"));
    QCOMPARE(stored(QStringLiteral("UNF_DATE"), app()).toString(), QStringLiteral("2025-02-03"));
    QCOMPARE(stored(QStringLiteral("UNF_LOCATION"), app()).toString(), QStringLiteral("Köln,\nAm Ring "));
    QCOMPARE(stored(QStringLiteral("UNF_MEMBERSHIP_NAME"), app()).toString(), QStringLiteral("O'Neill, Sean "));
    QCOMPARE(stored(QStringLiteral("UNF_MEMBERSHIP_VERWANDT"), app()).toString(), QStringLiteral("Schwager "));

    // A date that cannot be read is kept out of the store; the memo stops at 200 characters.
    ScriptedMessages messages;
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, QStringLiteral("31.02.2025"));
    find<QLineEdit>(QStringLiteral("UNF_MEMBERSHIP_NAME"))->setFocus();
    QCOMPARE(stored(QStringLiteral("UNF_DATE"), app()).toString(), QStringLiteral("2025-02-03"));
    QCOMPARE(messages.shown().size(), 1);
    userTypes(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION")), QString(250, QLatin1Char('x')));
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION"))->toPlainText().size(), 200);
    QCOMPARE(stored(QStringLiteral("UNF_LOCATION"), app()).toString(), QString(200, QLatin1Char('x')) + QLatin1Char(' '));
    QCOMPARE(find<QLineEdit>(QStringLiteral("UNF_MEMBERSHIP_NAME"))->maxLength(), 200);

    // Another person's row is not touched.
    QVERIFY(addAccidentRow(m_child));
    selectPerson(2);
    userTypes(find<QLineEdit>(QStringLiteral("UNF_MEMBERSHIP_VERWANDT")), QStringLiteral("Tochter"));
    QCOMPARE(stored(QStringLiteral("UNF_MEMBERSHIP_VERWANDT"), app()).toString(), QStringLiteral("Schwager "));
    QCOMPARE(stored(QStringLiteral("UNF_MEMBERSHIP_VERWANDT"), m_child).toString(), QStringLiteral("Tochter "));
}

void AccidentPageTest::yesInsertsTheRowOnce() {
    QCheckBox* yes = box(QStringLiteral("UnfallYesBox"));
    clickBox(yes);
    userTypes(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION")), QStringLiteral("Bahnhof"));
    // A click on the ticked box changes nothing: it stays ticked and the entries stay.
    clickBox(yes);
    clickBox(yes);
    QVERIFY(yes->isChecked());
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION"))->toPlainText(), QStringLiteral("Bahnhof"));
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), app()), 1);
    QCOMPARE(stored(QStringLiteral("UNF_INDEX_MAINHEADER"), app()).toString().trimmed(), app());
    QCOMPARE(stored(QStringLiteral("UNF_IDENT"), app()).toString().size(), 38);
    // Selected anew, the person shows the stored row, and "Ja" still adds none.
    selectPerson(1);
    selectPerson(0);
    QVERIFY(yes->isChecked());
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION"))->toPlainText(), QStringLiteral("Bahnhof"));
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), app()), 1);
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), m_partner), 0);
}

void AccidentPageTest::clickOnTickedNoDoesNothing() {
    ScriptedMessages messages;
    QCheckBox* no = box(QStringLiteral("UnfallNoBox"));
    clickBox(no);
    QVERIFY(no->isChecked());
    QVERIFY(messages.shown().isEmpty());
    QCOMPARE(visibleSet(), QString());
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), app()), 0);
}

void AccidentPageTest::noAsksAndDeletes_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("Ja") << true;
    QTest::newRow("Abbrechen") << false;
}

void AccidentPageTest::noAsksAndDeletes() {
    QFETCH(bool, confirm);
    for (const QString& person : {app(), m_partner}) {
        QVERIFY(addAccidentRow(person));
        QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_LOCATION='Ort ', UNF_MEMBERSHIP_YES=1 "
                                              "WHERE UNF_INDEX_PERSON=?"),
                               {person}));
        QVERIFY(store::execute(QStringLiteral("INSERT INTO UNFKFZ (UTR_IDENT, UTR_INDEX_MAINHEADER, UTR_INDEX_PERSON) "
                                              "VALUES (?, ?, ?)"),
                               {TMainObject::NewRowIdent(), app(), person}));
        QVERIFY(store::execute(QStringLiteral("INSERT INTO UNFOTHER (UNS_IDENT, UNS_INDEX_MAINHEADER, UNS_INDEX_PERSON) "
                                              "VALUES (?, ?, ?)"),
                               {TMainObject::NewRowIdent(), app(), person}));
        QVERIFY(store::execute(QStringLiteral("INSERT INTO UNFHEALTH VALUES (?, ?, ?, 'Dr. Wolf ', ' ', 0)"),
                               {TMainObject::NewRowIdent(), app(), person}));
    }
    m_host->ShowPage(0);
    QVERIFY(box(QStringLiteral("UnfallYesBox"))->isChecked());
    ScriptedMessages messages;
    messages.answer({confirm ? store::Answer::Yes : store::Answer::Cancel});
    clickBox(box(QStringLiteral("UnfallNoBox")));
    QCOMPARE(messages.texts(),
             QStringList{"Wenn Sie diese Angabe auf \"Nein\" zurücksetzen, werden alle hinterlegten Daten gelöscht!\n"
                         "Wollen Sie fortfahren?"});
    QCOMPARE(messages.shown().first().kind, store::MessageKind::ConfirmYesCancel);
    const int left = confirm ? 0 : 1;
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), app()), left);
    QCOMPARE(count(QStringLiteral("UNFKFZ"), QStringLiteral("UTR_INDEX_PERSON"), app()), left);
    QCOMPARE(count(QStringLiteral("UNFOTHER"), QStringLiteral("UNS_INDEX_PERSON"), app()), left);
    QCOMPARE(count(QStringLiteral("UNFHEALTH"), QStringLiteral("UNH_INDEX_PERSON"), app()), left);
    // The other person keeps everything.
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), m_partner), 1);
    QCOMPARE(count(QStringLiteral("UNFHEALTH"), QStringLiteral("UNH_INDEX_PERSON"), m_partner), 1);
    QCOMPARE(box(QStringLiteral("UnfallYesBox"))->isChecked(), !confirm);
    QCOMPARE(box(QStringLiteral("UnfallNoBox"))->isChecked(), confirm);
    if (confirm) {
        QCOMPARE(visibleSet(), QString());
        return;
    }
    // Cancel shows the stored state again, not a reset one, and a later click writes what is stored.
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("UNF_LOCATION"))->toPlainText(), QStringLiteral("Ort"));
    QVERIFY(box(QStringLiteral("UNF_MEMBERSHIP_YES"))->isChecked());
    QCOMPARE(visibleSet(), QStringLiteral("detail cohabitant benefits label 1 2 3 4 5"));
    clickBox(box(QStringLiteral("UNF_LEISTUNG_YES")));
    QCOMPARE(stored(QStringLiteral("UNF_MEMBERSHIP_YES"), app()).toInt(), 1);
}

void AccidentPageTest::failedDeletionKeepsEverything() {
    QVERIFY(addAccidentRow(app()));
    QVERIFY(store::execute(QStringLiteral("INSERT INTO UNFHEALTH VALUES (?, ?, ?, 'Dr. Wolf ', ' ', 0)"),
                           {TMainObject::NewRowIdent(), app(), app()}));
    QVERIFY(store::execute(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON UNFHEALTH "
                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    m_host->ShowPage(0);
    ScriptedMessages messages;
    messages.answer({store::Answer::Yes});
    clickBox(box(QStringLiteral("UnfallNoBox")));
    QCOMPARE(messages.shown().size(), 2);
    QCOMPARE(messages.shown().last().kind, store::MessageKind::Error);
    QVERIFY(messages.shown().last().text.contains(QStringLiteral("refused")));
    QCOMPARE(count(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), app()), 1);
    QCOMPARE(count(QStringLiteral("UNFHEALTH"), QStringLiteral("UNH_INDEX_PERSON"), app()), 1);
    QVERIFY(box(QStringLiteral("UnfallYesBox"))->isChecked());
    QCOMPARE(visibleSet(), QStringLiteral("detail benefits label 1 2 3 4 5"));
}

void AccidentPageTest::storedRowReloads_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("nothing answered") << "UNF_LOCATION=' '" << "detail benefits label 1 2 3 4 5" << "1"
                                      << QStringList{"UNF_MEMBERSHIP_NO", "UNF_LEISTUNG_NO"};
    // As right after "Ja, mit:", except that the page shows the rest again without a judgment.
    QTest::newRow("Ja, mit:") << "UNF_MEMBERSHIP_YES=1" << "detail cohabitant benefits label 1 2 3 4 5" << ""
                              << QStringList{"UNF_MEMBERSHIP_YES", "UNF_LEISTUNG_NO"};
    QTest::newRow("benefits paid") << "UNF_MEMBERSHIP_NO=1, UNF_LEISTUNG_YES=1" << "detail benefits label 1 2 3 4 5"
                                   << "1 3" << QStringList{"UNF_MEMBERSHIP_NO", "UNF_LEISTUNG_YES"};
    QTest::newRow("traffic accident") << "UNF_IS_TRAFFIC=1" << "detail benefits label 1 2 3 4 5" << "1 2 4 5"
                                      << QStringList{"UNF_MEMBERSHIP_NO", "UNF_LEISTUNG_NO"};
    QTest::newRow("judgment") << "UNF_ERSATZ_ISURTEIL=1, UNF_IS_WORK=1" << "detail 1" << "1"
                              << QStringList{"UNF_MEMBERSHIP_NO", "UNF_LEISTUNG_NO"};
}

void AccidentPageTest::storedRowReloads() {
    QFETCH(QString, set);
    QFETCH(QString, visible);
    QFETCH(QString, enabled);
    QFETCH(QStringList, ticked);
    QVERIFY(addAccidentRow(app()));
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET %1 WHERE UNF_INDEX_PERSON=?").arg(set), {app()}));
    m_host->ShowPage(0);
    QCOMPARE(visibleSet(), visible);
    QCOMPARE(enabledSet(), enabled);
    QStringList on;
    for (const char* name : {"UNF_MEMBERSHIP_YES", "UNF_MEMBERSHIP_NO", "UNF_LEISTUNG_YES", "UNF_LEISTUNG_NO"})
        if (box(QString::fromLatin1(name))->isChecked()) on << QString::fromLatin1(name);
    QCOMPARE(on, ticked);
}

void AccidentPageTest::mainDataJudgmentAndKind_data() {
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("no kind") << QStringList{} << "detail benefits label 1 2 3 4 5" << "1";
    QTest::newRow("work accident") << QStringList{"UNF_IS_WORK"} << "detail benefits label 1 2 3 4 5" << "1 2 4 5";
    QTest::newRow("judgment") << QStringList{"UNF_IS_OTHER", "UNF_ERSATZ_ISURTEIL"} << "detail 1" << "1";
}

void AccidentPageTest::mainDataJudgmentAndKind() {
    QFETCH(QStringList, ticks);
    QFETCH(QString, visible);
    QFETCH(QString, enabled);
    clickBox(box(QStringLiteral("UnfallYesBox")));
    QString title;
    whileModal([&](QDialog* d) {
        title = d->findChild<QLabel*>(QStringLiteral("TitleLabel"))->text();
        for (const QString& name : ticks)
            clickBox(d->findChild<QCheckBox*>(name));
    });
    QTest::mouseClick(watched(QStringLiteral("1")), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Unfallhautpdaten von Müller, Jörg"));
    QCOMPARE(visibleSet(), visible);
    QCOMPARE(enabledSet(), enabled);
}

void AccidentPageTest::detailsButtonOpensTheKindsDialogs_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("opened");
    QTest::newRow("work") << "UNF_IS_WORK" << "TUnfallArbeitDlg";
    QTest::newRow("traffic") << "UNF_IS_TRAFFIC" << "TUnfallVerkehrDlg";
    QTest::newRow("other") << "UNF_IS_OTHER" << "TUnfallSonstigDlg";
    QTest::newRow("none") << "UNF_IS_WORK=0, UNF_IS_OTHER" << "";
}

void AccidentPageTest::detailsButtonOpensTheKindsDialogs() {
    QFETCH(QString, kind);
    QFETCH(QString, opened);
    QVERIFY(addAccidentRow(m_partner));
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET %1=1 WHERE UNF_INDEX_PERSON=?").arg(kind), {m_partner}));
    m_host->ShowPage(0);
    selectPerson(1);
    if (opened.isEmpty()) {
        // Made available by hand: with no kind stored, nothing opens.
        QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_IS_OTHER=0 WHERE UNF_INDEX_PERSON=?"), {m_partner}));
        QVERIFY(watched(QStringLiteral("4"))->isEnabled());
    }
    QStringList seen;
    QString title;
    if (!opened.isEmpty())
        whileModal([&](QDialog* d) {
            seen << d->objectName();
            title = d->findChild<QLabel*>(QStringLiteral("TitleLabel"))->text();
        });
    QTest::mouseClick(watched(QStringLiteral("4")), Qt::LeftButton);
    QCOMPARE(seen, opened.isEmpty() ? QStringList{} : QStringList{opened});
    QVERIFY(!QApplication::activeModalWidget());
    if (opened.isEmpty()) return;
    QVERIFY(title.endsWith(QStringLiteral("  von O'Brien, Erika")));
    // The dialogs are kept by the page and found by their class names.
    QVERIFY(m_host->findChild<QDialog*>(opened));
}

void AccidentPageTest::buttonsWithoutRowOpenNothingThatStoresNothing() {
    // The person question's "Nein": every button is hidden, so no entry can be made that nothing stores.
    for (const char* w : {"1", "2", "3", "4", "5"})
        QVERIFY(!watched(QString::fromLatin1(w))->isVisible());
    QVERIFY(!find<QWidget>(QStringLiteral("UNF_DATE"))->isVisible());
    // The treatments of a person with a row are written on every closing.
    clickBox(box(QStringLiteral("UnfallYesBox")));
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_IS_WORK=1 WHERE UNF_INDEX_PERSON=?"), {app()}));
    selectPerson(1);
    selectPerson(0);
    whileModal(
        [&](QDialog* d) {
            auto* dialog = static_cast<TUnfallBehandlungDlg*>(d);
            dialog->grid()->setCell(2, 0, QStringLiteral("Dr. Wolf"));
            dialog->close();
        },
        false);
    QTest::mouseClick(watched(QStringLiteral("5")), Qt::LeftButton);
    QCOMPARE(count(QStringLiteral("UNFHEALTH"), QStringLiteral("UNH_INDEX_PERSON"), app()), 1);
}

QTEST_MAIN(AccidentPageTest)
#include "tst_accident_page.moc"
