// The traffic-accident and other-damage dialogs: their box groups, their rows, the shared description.
#include "UnfallArbeit.h"
#include "UnfallSonstig.h"
#include "UnfallVerkehr.h"
#include "accident_support.h"

#include <QStackedWidget>

#include <algorithm>

using namespace accidenttest;
using accident::UnfallDetailDialog;

namespace {

int open(UnfallDetailDialog& d, const QString& person, const std::function<void(QDialog*)>& whileOpen,
         bool close = true) {
    whileModal(whileOpen, close);
    return d.Show(app(), person, QStringLiteral("Müller, Jörg"));
}

// The groups of the traffic dialog that come and go, each with the controls that make it up.
const QList<QPair<QString, QStringList>> kTrafficGroups = {
    {"publicKinds", {"UTR_PUBLIC_BUS", "UTR_PUBLIC_EISEN", "UTR_PUBLIC_STRASSEN", "UTR_PUBLIC_OTHER"}},
    {"publicText", {"UTR_PUBLIC_OTHER_NAME"}},
    {"vehicleKinds", {"UTR_KFZ_FAHRRAD", "UTR_KFZ_MOPED", "UTR_KFZ_PKW", "UTR_KFZ_LKW", "UTR_KFZ_OTHER"}},
    {"vehicleText", {"UTR_KFZ_OTHER_NAME"}},
    {"plate", {"UTR_KFZ_KENNZEICHEN"}},
    {"damage", {"UTR_KFZ_SCHADENNR"}},
    {"role", {"UTR_KFZ_FAHRER", "UTR_KFZ_BEIFAHRER"}},
    {"driver",
     {"UTR_KFZ_KFZ_NAME", "UTR_KFZ_KFZ_ADDRESS", "UTR_KFZ_KFZ_HALTER", "UTR_KFZ_KFZ_HALTER_ADDRESS",
      "UTR_KFZ_KFZ_VERS_NAME", "UTR_KFZ_KFZ_VERS_ADDRESS"}},
    {"otherKinds", {"UTR_OTHER_FAHRAD", "UTR_OTHER_MOPED", "UTR_OTHER_PKW", "UTR_OTHER_LKW", "UTR_OTHER_OTHER"}},
    {"otherText", {"UTR_OTHER_NAME"}},
    {"otherPlate", {"UTR_OTHER_KFZ_KENNZEICHEN"}},
    {"otherDamage", {"UTR_OTHER_KFZ_SCHADENNR"}},
    {"otherDriver",
     {"UTR_OTHER_KFZ_NAME", "UTR_OTHER_KFZ_ADDRESS", "UTR_OTHER_KFZ_HALTER", "UTR_OTHER_KFZ_HALTER_ADDRESS",
      "UTR_OTHER_KFZ_VERS_NAME", "UTR_OTHER_KFZ_VERS_ADDRESS"}},
};

// The groups on screen; a group counts only when all its controls agree.
QString shownGroups(QDialog* d) {
    QStringList shown;
    for (const auto& [group, names] : kTrafficGroups) {
        int visible = 0;
        for (const QString& name : names)
            visible += d->findChild<QWidget*>(name)->isVisible();
        if (visible == names.size())
            shown << group;
        else if (visible > 0)
            shown << group + QStringLiteral("(partly)");
    }
    return shown.join(QLatin1Char(' '));
}

QString tickedBoxes(QDialog* d) {
    QStringList ticked;
    for (QCheckBox* b : d->findChildren<QCheckBox*>())
        if (b->isChecked()) ticked << b->objectName();
    std::sort(ticked.begin(), ticked.end());
    return ticked.join(QLatin1Char(' '));
}

QString sorted(const QString& names) {
    QStringList list = names.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::sort(list.begin(), list.end());
    return list.join(QLatin1Char(' '));
}

void click(QDialog* d, const QString& name) {
    QCheckBox* b = d->findChild<QCheckBox*>(name);
    QVERIFY2(b && b->isVisible(), qPrintable(name + QStringLiteral(" cannot be clicked")));
    clickBox(b);
}

} // namespace

class AccidentTrafficTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void trafficBoxGroups_data();
    void trafficBoxGroups();
    void trafficRowReloadsInColumnOrder_data();
    void trafficRowReloadsInColumnOrder();
    void trafficRowIsReplacedWithHiddenFields();
    void descriptionSurvivesEveryDialog_data();
    void descriptionSurvivesEveryDialog();
    void failedInsertKeepsTheOldRow_data();
    void failedInsertKeepsTheOldRow();
    void otherEventKindsShowTheirPages_data();
    void otherEventKindsShowTheirPages();
    void otherEventResetAndPairs();
    void otherEventWritesEveryPage();

private:
    std::unique_ptr<TestHome> m_home;
};

void AccidentTrafficTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    QVERIFY(!createTestApplication().isEmpty());
    QVERIFY(addAccidentRow(app()));
}

void AccidentTrafficTest::cleanup() { m_home.reset(); }

void AccidentTrafficTest::trafficBoxGroups_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("shown");
    const QString publicYes = QStringLiteral("UTR_PUBLIC_YES UTR_PUBLIC_BUS ");
    QTest::newRow("opened") << QStringList{} << publicYes << "publicKinds";
    QTest::newRow("public Sonstiges:") << QStringList{"UTR_PUBLIC_OTHER"} << "UTR_PUBLIC_YES UTR_PUBLIC_OTHER"
                                       << "publicKinds publicText";
    QTest::newRow("Sonstiges:, then Eisenbahn")
        << QStringList{"UTR_PUBLIC_OTHER", "UTR_PUBLIC_EISEN"} << "UTR_PUBLIC_YES UTR_PUBLIC_EISEN" << "publicKinds";
    QTest::newRow("pedestrian") << QStringList{"UTR_WALK"} << "UTR_WALK UTR_PUBLIC_BUS" << "";
    QTest::newRow("vehicle") << QStringList{"UTR_KFZ_YES"} << "UTR_KFZ_YES UTR_PUBLIC_BUS UTR_KFZ_FAHRRAD"
                             << "vehicleKinds damage";
    QTest::newRow("PKW") << QStringList{"UTR_KFZ_YES", "UTR_KFZ_PKW"}
                         << "UTR_KFZ_YES UTR_PUBLIC_BUS UTR_KFZ_PKW UTR_KFZ_FAHRER" << "vehicleKinds plate damage role";
    QTest::newRow("vehicle Sonstiges:") << QStringList{"UTR_KFZ_YES", "UTR_KFZ_OTHER"}
                                        << "UTR_KFZ_YES UTR_PUBLIC_BUS UTR_KFZ_OTHER UTR_KFZ_FAHRER"
                                        << "vehicleKinds vehicleText plate damage role";
    QTest::newRow("LKW passenger") << QStringList{"UTR_KFZ_YES", "UTR_KFZ_LKW", "UTR_KFZ_BEIFAHRER"}
                                   << "UTR_KFZ_YES UTR_PUBLIC_BUS UTR_KFZ_LKW UTR_KFZ_BEIFAHRER"
                                   << "vehicleKinds plate damage role driver";
    QTest::newRow("passenger, then driver")
        << QStringList{"UTR_KFZ_YES", "UTR_KFZ_MOPED", "UTR_KFZ_BEIFAHRER", "UTR_KFZ_FAHRER"}
        << "UTR_KFZ_YES UTR_PUBLIC_BUS UTR_KFZ_MOPED UTR_KFZ_FAHRER" << "vehicleKinds plate damage role";
    QTest::newRow("PKW, then Fahrrad") << QStringList{"UTR_KFZ_YES", "UTR_KFZ_PKW", "UTR_KFZ_FAHRRAD"}
                                       << "UTR_KFZ_YES UTR_PUBLIC_BUS UTR_KFZ_FAHRRAD UTR_KFZ_FAHRER"
                                       << "vehicleKinds damage";
    QTest::newRow("vehicle, then public")
        << QStringList{"UTR_KFZ_YES", "UTR_KFZ_PKW", "UTR_PUBLIC_YES"}
        << "UTR_PUBLIC_YES UTR_PUBLIC_BUS UTR_KFZ_PKW UTR_KFZ_FAHRER" << "publicKinds";
    QTest::newRow("other road user") << QStringList{"UTR_OTHER_YES"} << publicYes + "UTR_OTHER_YES UTR_OTHER_FAHRAD"
                                     << "publicKinds otherKinds otherDamage";
    QTest::newRow("other PKW") << QStringList{"UTR_OTHER_YES", "UTR_OTHER_PKW"}
                               << publicYes + "UTR_OTHER_YES UTR_OTHER_PKW"
                               << "publicKinds otherKinds otherPlate otherDamage otherDriver";
    QTest::newRow("other Sonstiges:") << QStringList{"UTR_OTHER_YES", "UTR_OTHER_OTHER"}
                                      << publicYes + "UTR_OTHER_YES UTR_OTHER_OTHER"
                                      << "publicKinds otherKinds otherText otherPlate otherDamage otherDriver";
    QTest::newRow("other road user unticked")
        << QStringList{"UTR_OTHER_YES", "UTR_OTHER_LKW", "UTR_OTHER_YES"} << publicYes + "UTR_OTHER_LKW"
        << "publicKinds";
}

void AccidentTrafficTest::trafficBoxGroups() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, ticked);
    QFETCH(QString, shown);
    TUnfallVerkehrDlg d;
    QString tickedNow;
    QString shownNow;
    open(d, app(), [&](QDialog* dialog) {
        for (const QString& name : clicks)
            click(dialog, name);
        tickedNow = tickedBoxes(dialog);
        shownNow = shownGroups(dialog);
    });
    QCOMPARE(tickedNow, sorted(ticked));
    QCOMPARE(shownNow, shown);
    // Stored as ticked, hidden boxes included.
    QStringList storedTicked;
    for (QCheckBox* b : d.findChildren<QCheckBox*>())
        if (stored(b->objectName(), app(), QStringLiteral("UNFKFZ"), QStringLiteral("UTR_INDEX_PERSON")).toBool())
            storedTicked << b->objectName();
    std::sort(storedTicked.begin(), storedTicked.end());
    QCOMPARE(storedTicked.join(QLatin1Char(' ')), sorted(ticked));
}

void AccidentTrafficTest::trafficRowReloadsInColumnOrder_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("shown");
    QTest::newRow("PKW with passenger")
        << "UTR_KFZ_YES=1, UTR_PUBLIC_BUS=1, UTR_KFZ_PKW=1, UTR_KFZ_BEIFAHRER=1"
        << "UTR_KFZ_YES UTR_PUBLIC_BUS UTR_KFZ_PKW UTR_KFZ_BEIFAHRER" << "vehicleKinds plate damage role driver";
    QTest::newRow("tram") << "UTR_PUBLIC_YES=1, UTR_PUBLIC_STRASSEN=1" << "UTR_PUBLIC_YES UTR_PUBLIC_STRASSEN"
                          << "publicKinds";
    QTest::newRow("pedestrian and another car")
        << "UTR_WALK=1, UTR_PUBLIC_BUS=1, UTR_OTHER_YES=1, UTR_OTHER_PKW=1"
        << "UTR_WALK UTR_PUBLIC_BUS UTR_OTHER_YES UTR_OTHER_PKW" << "otherKinds otherPlate otherDamage otherDriver";
    // The other road user's answers were kept when the box was unticked: they stay out of sight.
    QTest::newRow("other road user unticked")
        << "UTR_PUBLIC_YES=1, UTR_PUBLIC_BUS=1, UTR_OTHER_OTHER=1" << "UTR_PUBLIC_YES UTR_PUBLIC_BUS UTR_OTHER_OTHER"
        << "publicKinds";
}

void AccidentTrafficTest::trafficRowReloadsInColumnOrder() {
    QFETCH(QString, set);
    QFETCH(QString, ticked);
    QFETCH(QString, shown);
    QVERIFY(store::execute(QStringLiteral("INSERT INTO UNFKFZ (UTR_IDENT, UTR_INDEX_MAINHEADER, UTR_INDEX_PERSON, "
                                          "UTR_KFZ_KFZ_NAME) VALUES (?, ?, ?, 'Fahrer ')"),
                           {TMainObject::NewRowIdent(), app(), app()}));
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFKFZ SET %1").arg(set)));
    TUnfallVerkehrDlg d;
    QString tickedNow;
    QString shownNow;
    QString driverName;
    open(d, app(), [&](QDialog* dialog) {
        tickedNow = tickedBoxes(dialog);
        shownNow = shownGroups(dialog);
        driverName = dialog->findChild<QLineEdit*>(QStringLiteral("UTR_KFZ_KFZ_NAME"))->text();
    });
    QCOMPARE(tickedNow, sorted(ticked));
    QCOMPARE(shownNow, shown);
    QCOMPARE(driverName, QStringLiteral("Fahrer"));
}

void AccidentTrafficTest::trafficRowIsReplacedWithHiddenFields() {
    TUnfallVerkehrDlg d;
    for (int round = 0; round < 2; ++round)
        open(d, app(), [&](QDialog* dialog) {
            click(dialog, QStringLiteral("UTR_KFZ_YES"));
            click(dialog, QStringLiteral("UTR_KFZ_PKW"));
            click(dialog, QStringLiteral("UTR_KFZ_BEIFAHRER"));
            userTypes(dialog->findChild<QLineEdit*>(QStringLiteral("UTR_KFZ_KFZ_NAME")), QStringLiteral("D'Angelo"));
            userTypes(dialog->findChild<QLineEdit*>(QStringLiteral("UTR_KFZ_KENNZEICHEN")), QStringLiteral("K-AB 12"));
            click(dialog, QStringLiteral("UTR_KFZ_FAHRER")); // hides the driver block, keeps its text
            click(dialog, QStringLiteral("UTR_OTHER_YES"));
            click(dialog, QStringLiteral("UTR_OTHER_OTHER"));
            userTypes(dialog->findChild<QLineEdit*>(QStringLiteral("UTR_OTHER_NAME")), QStringLiteral("Traktor"));
            click(dialog, QStringLiteral("UTR_OTHER_YES")); // hides the other road user, keeps the values
            QVERIFY(!dialog->findChild<QWidget*>(QStringLiteral("UTR_OTHER_NAME"))->isVisible());
        });
    QCOMPARE(count(QStringLiteral("UNFKFZ"), QStringLiteral("UTR_INDEX_PERSON"), app()), 1);
    const auto kfz = [](const char* column) {
        return stored(QString::fromLatin1(column), app(), QStringLiteral("UNFKFZ"), QStringLiteral("UTR_INDEX_PERSON"));
    };
    QCOMPARE(kfz("UTR_KFZ_KFZ_NAME").toString(), QStringLiteral("D'Angelo "));
    QCOMPARE(kfz("UTR_KFZ_KENNZEICHEN").toString(), QStringLiteral("K-AB 12 "));
    QCOMPARE(kfz("UTR_OTHER_NAME").toString(), QStringLiteral("Traktor "));
    QCOMPARE(kfz("UTR_OTHER_OTHER").toInt(), 1);
    QCOMPARE(kfz("UTR_OTHER_YES").toInt(), 0);
    QCOMPARE(kfz("UTR_KFZ_FAHRER").toInt(), 1);
    QCOMPARE(kfz("UTR_KFZ_KFZ_VERS_ADDRESS").toString(), QStringLiteral(" "));
    QCOMPARE(kfz("UTR_INDEX_MAINHEADER").toString().trimmed(), app());
    QCOMPARE(kfz("UTR_IDENT").toString().size(), 38);
}

void AccidentTrafficTest::descriptionSurvivesEveryDialog_data() {
    QTest::addColumn<bool>("traffic");
    QTest::newRow("traffic") << true;
    QTest::newRow("other event") << false;
}

void AccidentTrafficTest::descriptionSurvivesEveryDialog() {
    QFETCH(bool, traffic);
    TUnfallArbeitDlg work;
    open(work, app(), [&](QDialog* dialog) {
        userTypes(dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNF_DESCRIP")), QStringLiteral("Von der Leiter\ngefallen"));
    });
    TUnfallVerkehrDlg trafficDialog;
    TUnfallSonstigDlg otherDialog;
    UnfallDetailDialog& d = traffic ? static_cast<UnfallDetailDialog&>(trafficDialog) : otherDialog;
    QString shown;
    // The dialog's own table has no row for the person yet.
    open(d, app(), [&](QDialog* dialog) {
        shown = dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNF_DESCRIP"))->toPlainText();
    });
    QCOMPARE(shown, QStringLiteral("Von der Leiter\ngefallen"));
    QCOMPARE(stored(QStringLiteral("UNF_DESCRIP"), app()).toString(), QStringLiteral("Von der Leiter\ngefallen "));
    open(d, app(), [&](QDialog* dialog) {
        userTypes(dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNF_DESCRIP")), QStringLiteral("Auf dem Weg"));
    });
    QString inWork;
    open(work, app(), [&](QDialog* dialog) {
        inWork = dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNF_DESCRIP"))->toPlainText();
    });
    QCOMPARE(inWork, QStringLiteral("Auf dem Weg"));
}

void AccidentTrafficTest::failedInsertKeepsTheOldRow_data() {
    QTest::addColumn<bool>("traffic");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("personColumn");
    QTest::addColumn<QString>("field");
    QTest::newRow("traffic") << true << "UNFKFZ" << "UTR_INDEX_PERSON" << "UTR_KFZ_SCHADENNR";
    QTest::newRow("other event") << false << "UNFOTHER" << "UNS_INDEX_PERSON" << "UNS_ARZT_VERS_NUMBER";
}

void AccidentTrafficTest::failedInsertKeepsTheOldRow() {
    QFETCH(bool, traffic);
    QFETCH(QString, table);
    QFETCH(QString, personColumn);
    QFETCH(QString, field);
    TUnfallVerkehrDlg trafficDialog;
    TUnfallSonstigDlg otherDialog;
    UnfallDetailDialog& d = traffic ? static_cast<UnfallDetailDialog&>(trafficDialog) : otherDialog;
    open(d, app(), [&](QDialog* dialog) {
        if (traffic) click(dialog, QStringLiteral("UTR_KFZ_YES"));
        dialog->findChild<QLineEdit*>(field)->setText(QStringLiteral("Alt"));
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNF_DESCRIP"))->setPlainText(QStringLiteral("alt"));
    });
    QVERIFY(store::execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 WHEN NEW.%2 = 'Kaputt ' "
                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                               .arg(table, field)));
    ScriptedMessages messages;
    bool stillOpen = false;
    QString kept;
    QString keptDescription;
    QVariant storedMeanwhile;
    open(
        d, app(),
        [&](QDialog* dialog) {
            dialog->findChild<QLineEdit*>(field)->setText(QStringLiteral("Kaputt"));
            dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNF_DESCRIP"))->setPlainText(QStringLiteral("neu"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
            stillOpen = dialog->isVisible();
            kept = dialog->findChild<QLineEdit*>(field)->text();
            keptDescription = dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNF_DESCRIP"))->toPlainText();
            storedMeanwhile = stored(field, app(), table, personColumn);
            dialog->close();
        },
        false);
    QVERIFY(stillOpen);
    QCOMPARE(kept, QStringLiteral("Kaputt"));
    QCOMPARE(keptDescription, QStringLiteral("neu"));
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().kind, store::MessageKind::Error);
    QCOMPARE(storedMeanwhile.toString(), QStringLiteral("Alt "));
    QCOMPARE(count(table, personColumn, app()), 1);
    QCOMPARE(stored(QStringLiteral("UNF_DESCRIP"), app()).toString(), QStringLiteral("alt "));
}

void AccidentTrafficTest::otherEventKindsShowTheirPages_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("page");
    QTest::newRow("sport") << "UNS_IS_SPORT" << 0;
    QTest::newRow("malpractice") << "UNS_IS_ARZT" << 1;
    QTest::newRow("assault") << "UNS_IS_TAT" << 2;
    QTest::newRow("animals") << "UNS_IS_TIER" << 3;
}

void AccidentTrafficTest::otherEventKindsShowTheirPages() {
    QFETCH(QString, kind);
    QFETCH(int, page);
    TUnfallSonstigDlg d;
    int shownPage = -1;
    QString ticked;
    open(d, app(), [&](QDialog* dialog) {
        // Another kind first, so that the click ticks this one.
        click(dialog, kind == QLatin1String("UNS_IS_TAT") ? QStringLiteral("UNS_IS_SPORT") : QStringLiteral("UNS_IS_TAT"));
        click(dialog, kind);
        shownPage = d.KindPages->currentIndex();
        ticked = tickedBoxes(dialog);
    });
    QCOMPARE(shownPage, page);
    QCOMPARE(ticked, sorted(kind + QStringLiteral(" UNS_ARZT_SCHLICHT_NO")));
    int reloaded = -1;
    open(d, app(), [&](QDialog*) { reloaded = d.KindPages->currentIndex(); });
    QCOMPARE(reloaded, page);
}

void AccidentTrafficTest::otherEventResetAndPairs() {
    // A row of another person stays out of this person's dialog.
    const QString partner = addPerson(1, 2, QStringLiteral("Muster"), QStringLiteral("Erika"));
    QVERIFY(store::execute(QStringLiteral("INSERT INTO UNFOTHER (UNS_IDENT, UNS_INDEX_MAINHEADER, UNS_INDEX_PERSON, "
                                          "UNS_IS_TIER, UNS_TIER_BISS) VALUES (?, ?, ?, 1, 1)"),
                           {TMainObject::NewRowIdent(), app(), partner}));
    TUnfallSonstigDlg d;
    QString ticked;
    int page = -1;
    QStringList pairStates;
    QStringList animals;
    open(d, app(), [&](QDialog* dialog) {
        ticked = tickedBoxes(dialog);
        page = d.KindPages->currentIndex();
        click(dialog, QStringLiteral("UNS_IS_ARZT"));
        click(dialog, QStringLiteral("UNS_ARZT_SCHLICHT_NO")); // the ticked "Nein": the other box takes over
        pairStates << tickedBoxes(dialog);
        click(dialog, QStringLiteral("UNS_IS_TIER"));
        click(dialog, QStringLiteral("UNS_TIER_WILD"));
        click(dialog, QStringLiteral("UNS_TIER_OTHER"));
        click(dialog, QStringLiteral("UNS_TIER_HOUSE_MELD_YES"));
        click(dialog, QStringLiteral("UNS_TIER_HOUSE_MELD_NO"));
        animals << tickedBoxes(dialog);
        click(dialog, QStringLiteral("UNS_TIER_BISS"));
    });
    QCOMPARE(ticked, QStringLiteral("UNS_ARZT_SCHLICHT_NO UNS_IS_SPORT"));
    QCOMPARE(page, 0);
    QCOMPARE(pairStates, QStringList{"UNS_ARZT_SCHLICHT_YES UNS_IS_ARZT"});
    QCOMPARE(animals, QStringList{sorted("UNS_ARZT_SCHLICHT_YES UNS_IS_TIER UNS_TIER_OTHER UNS_TIER_HOUSE_MELD_YES "
                                         "UNS_TIER_HOUSE_MELD_NO")});
    // The animal causes are bound by name, whatever their order on the form.
    QList<int> causes;
    for (const char* column : {"UNS_TIER_UNFALL", "UNS_TIER_BISS", "UNS_TIER_WILD", "UNS_TIER_OTHER"})
        causes << stored(QString::fromLatin1(column), app(), QStringLiteral("UNFOTHER"), QStringLiteral("UNS_INDEX_PERSON"))
                      .toInt();
    QCOMPARE(causes, (QList<int>{0, 1, 0, 0}));
    QCOMPARE(stored(QStringLiteral("UNS_ARZT_SCHLICHT_YES"), app(), QStringLiteral("UNFOTHER"),
                    QStringLiteral("UNS_INDEX_PERSON"))
                 .toInt(),
             1);
    QCOMPARE(count(QStringLiteral("UNFOTHER"), QStringLiteral("UNS_INDEX_PERSON"), partner), 1);
}

void AccidentTrafficTest::otherEventWritesEveryPage() {
    TUnfallSonstigDlg d;
    QMap<QString, QString> typed;
    open(d, app(), [&](QDialog* dialog) {
        for (QLineEdit* e : d.KindPages->findChildren<QLineEdit*>()) {
            typed.insert(e->objectName(), e->objectName().mid(4).toLower() + QStringLiteral(" l'Übel"));
            e->setText(typed.value(e->objectName()));
        }
        auto* memo = dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNS_TAT_DESCRIP"));
        memo->setPlainText(QStringLiteral("Im Park\nangegriffen"));
        click(dialog, QStringLiteral("UNS_SPORT_IS_GROB"));
        click(dialog, QStringLiteral("UNS_IS_TAT"));
    });
    QCOMPARE(typed.size(), 13);
    const auto other = [](const QString& column) {
        return stored(column, app(), QStringLiteral("UNFOTHER"), QStringLiteral("UNS_INDEX_PERSON"));
    };
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        QCOMPARE(other(it.key()).toString(), it.value() + QLatin1Char(' '));
    QCOMPARE(other(QStringLiteral("UNS_TAT_DESCRIP")).toString(), QStringLiteral("Im Park\nangegriffen "));
    QCOMPARE(other(QStringLiteral("UNS_SPORT_IS_GROB")).toInt(), 1);
    QCOMPARE(other(QStringLiteral("UNS_IS_TAT")).toInt(), 1);
    QCOMPARE(other(QStringLiteral("UNS_IS_SPORT")).toInt(), 0);
    QMap<QString, QString> reloaded;
    QString memoText;
    open(d, app(), [&](QDialog* dialog) {
        for (QLineEdit* e : d.KindPages->findChildren<QLineEdit*>())
            reloaded.insert(e->objectName(), e->text());
        memoText = dialog->findChild<QPlainTextEdit*>(QStringLiteral("UNS_TAT_DESCRIP"))->toPlainText();
    });
    QCOMPARE(reloaded, typed);
    QCOMPARE(memoText, QStringLiteral("Im Park\nangegriffen"));
}

QTEST_MAIN(AccidentTrafficTest)
#include "tst_accident_traffic.moc"
