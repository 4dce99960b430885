// The accident detail dialogs that keep their data in the person's accident row, and the treatments.
#include "Editors.h"
#include "FixedGrid.h"
#include "UnfallArbeit.h"
#include "UnfallBehandlung.h"
#include "UnfallMain.h"
#include "UnfallSonstig.h"
#include "UnfallTraeger.h"
#include "UnfallVerfahren.h"
#include "UnfallVerkehr.h"
#include "accident_support.h"

#include <QLabel>

#include <memory>

using namespace accidenttest;
using accident::UnfallDetailDialog;

namespace {

std::unique_ptr<UnfallDetailDialog> makeDialog(const QString& name) {
    if (name == QLatin1String("TUnfallMainDlg")) return std::make_unique<TUnfallMainDlg>();
    if (name == QLatin1String("TUnfallVerfahrenDlg")) return std::make_unique<TUnfallVerfahrenDlg>();
    if (name == QLatin1String("TUnfallTraegerDlg")) return std::make_unique<TUnfallTraegerDlg>();
    if (name == QLatin1String("TUnfallArbeitDlg")) return std::make_unique<TUnfallArbeitDlg>();
    if (name == QLatin1String("TUnfallVerkehrDlg")) return std::make_unique<TUnfallVerkehrDlg>();
    if (name == QLatin1String("TUnfallSonstigDlg")) return std::make_unique<TUnfallSonstigDlg>();
    return std::make_unique<TUnfallBehandlungDlg>();
}

// Opens the dialog for `person`, runs `whileOpen` inside it and, with `close`, clicks "Schließen".
int open(UnfallDetailDialog& d, const QString& person, const std::function<void(QDialog*)>& whileOpen,
         bool close = true) {
    whileModal(whileOpen, close);
    return d.Show(app(), person, QStringLiteral("Müller, Jörg"));
}

// Every text field of the dialog that stores an UNFMAIN column, with a value of its own.
QMap<QString, QString> fillTexts(QDialog* d) {
    QMap<QString, QString> values;
    for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
        if (!e->objectName().startsWith(QLatin1String("UNF_")) || qobject_cast<DateEdit*>(e)) continue;
        values.insert(e->objectName(), e->objectName().mid(4).toLower() + QStringLiteral(" d'Ärger"));
        e->setText(values.value(e->objectName()));
    }
    for (QPlainTextEdit* m : d->findChildren<QPlainTextEdit*>()) {
        values.insert(m->objectName(), QStringLiteral("Zeile 1\nZeile 2 von ") + m->objectName());
        m->setPlainText(values.value(m->objectName()));
    }
    return values;
}

QCheckBox* boxOf(QDialog* d, const QString& name) { return d->findChild<QCheckBox*>(name); }

QList<QList<QString>> healthRows(const QString& person) {
    store::Rows rows = store::select(
        QStringLiteral("SELECT * FROM UNFHEALTH WHERE UNH_INDEX_PERSON=? ORDER BY UNH_NUMBER"), {person});
    QList<QList<QString>> list;
    while (rows.next())
        list << QList<QString>{rows.text(QStringLiteral("UNH_ARZT")), rows.text(QStringLiteral("UNH_ADDRESS")),
                               QString::number(rows.integer(QStringLiteral("UNH_NUMBER")))};
    return list;
}

} // namespace

class AccidentDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captionsAndTitles_data();
    void captionsAndTitles();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void closeBoxAndEscapeWriteNothing_data();
    void closeBoxAndEscapeWriteNothing();
    void mainDataClaimBoxesAndKinds();
    void settlementDate_data();
    void settlementDate();
    void proceedingsShowTheirFields();
    void dialogsLoadTheirOwnPerson();
    void treatmentsKeepTheirOrderPacked();
    void treatmentsAreWrittenOnEveryClosing_data();
    void treatmentsAreWrittenOnEveryClosing();
    void failedTreatmentsRewriteKeepsTheOldList();

private:
    std::unique_ptr<TestHome> m_home;
    QString m_partner;
};

void AccidentDialogsTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    QVERIFY(!createTestApplication().isEmpty());
    m_partner = addPerson(1, 2, QStringLiteral("Muster"), QStringLiteral("Erika"));
    QVERIFY(addAccidentRow(app()));
    QVERIFY(addAccidentRow(m_partner));
}

void AccidentDialogsTest::cleanup() { m_home.reset(); }

void AccidentDialogsTest::captionsAndTitles_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::newRow("main") << "TUnfallMainDlg" << "Unfallhauptdaten" << "Unfallhautpdaten von Müller, Jörg";
    QTest::newRow("proceedings") << "TUnfallVerfahrenDlg" << "Verfahren" << "Unfallverfahren von Müller, Jörg";
    QTest::newRow("insurers") << "TUnfallTraegerDlg" << "Leistungsträger" << "Leistungsträger von Müller, Jörg";
    QTest::newRow("work") << "TUnfallArbeitDlg" << "Arbeitsunfall" << "Arbeitsunfall  von Müller, Jörg";
    QTest::newRow("traffic") << "TUnfallVerkehrDlg" << "Verkehrsunfall" << "Verkehrsunfall  von Müller, Jörg";
    QTest::newRow("other") << "TUnfallSonstigDlg" << "Sonstiger Unfall"
                           << "Sonstiges Schadenereignis  von Müller, Jörg";
    QTest::newRow("treatments") << "TUnfallBehandlungDlg" << "Unfall Behandlungen"
                                << "Unfallbehandlungen von Müller, Jörg";
}

void AccidentDialogsTest::captionsAndTitles() {
    QFETCH(QString, dialog);
    auto d = makeDialog(dialog);
    QString title;
    bool modal = false;
    const int result = open(*d, app(), [&](QDialog* shown) {
        title = shown->findChild<QLabel*>(QStringLiteral("TitleLabel"))->text();
        modal = shown == d.get() && shown->isModal();
        // Every page of these dialogs fits the screen of a 1024×768 desktop.
        QVERIFY(shown->width() <= 1000 && shown->height() <= 740);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(modal);
    QCOMPARE(d->objectName(), dialog);
    QTEST(d->windowTitle(), "caption");
    QTEST(title, "title");
    QCOMPARE(d->findChild<QPushButton*>(QStringLiteral("CloseButton"))->text(), QStringLiteral("Schließen"));
}

void AccidentDialogsTest::valuesRoundTrip_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QStringList>("clicks"); // boxes clicked, in this order
    QTest::addColumn<QStringList>("ticked"); // LOGICAL columns stored true; every other box of the dialog false
    QTest::newRow("main") << "TUnfallMainDlg"
                          << QStringList{"UNF_IS_WORK", "UNF_IS_TRAFFIC", "UNF_ERSATZ_NO", "UNF_ERSATZ_ISVERS",
                                         "UNF_ERSATZ_ISKLAGE"}
                          << QStringList{"UNF_IS_TRAFFIC", "UNF_ERSATZ_NO", "UNF_ERSATZ_ISVERS", "UNF_ERSATZ_ISKLAGE"};
    QTest::newRow("main, states") << "TUnfallMainDlg"
                                  << QStringList{"UNF_IS_OTHER", "UNF_ERSATZ_ISOPEN", "UNF_ERSATZ_ISVERGLEICH",
                                                 "UNF_ERSATZ_ISURTEIL"}
                                  << QStringList{"UNF_IS_OTHER", "UNF_ERSATZ_YES", "UNF_ERSATZ_ISOPEN",
                                                 "UNF_ERSATZ_ISVERGLEICH", "UNF_ERSATZ_ISURTEIL"};
    QTest::newRow("proceedings, Ja:") << "TUnfallVerfahrenDlg" << QStringList{"UNF_VERF_YES"}
                                      << QStringList{"UNF_VERF_YES"};
    QTest::newRow("proceedings, Nein") << "TUnfallVerfahrenDlg" << QStringList{"UNF_VERF_YES", "UNF_VERF_NO"}
                                       << QStringList{"UNF_VERF_NO"};
    QTest::newRow("insurers") << "TUnfallTraegerDlg" << QStringList{} << QStringList{};
    QTest::newRow("work") << "TUnfallArbeitDlg" << QStringList{} << QStringList{};
}

void AccidentDialogsTest::valuesRoundTrip() {
    QFETCH(QString, dialog);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, ticked);
    auto d = makeDialog(dialog);
    QMap<QString, QString> typed;
    QStringList boxes;
    open(*d, app(), [&](QDialog* shown) {
        typed = fillTexts(shown);
        for (const QString& name : clicks)
            clickBox(boxOf(shown, name));
        for (QCheckBox* b : shown->findChildren<QCheckBox*>())
            boxes << b->objectName();
    });
    QVERIFY(!typed.isEmpty());
    for (auto it = typed.cbegin(); it != typed.cend(); ++it) {
        QCOMPARE(stored(it.key(), app()).toString(), it.value() + QLatin1Char(' '));
        QCOMPARE(stored(it.key(), m_partner).toString(), QString());
    }
    for (const QString& name : boxes)
        QCOMPARE(qMakePair(name, stored(name, app()).toBool()), qMakePair(name, ticked.contains(name)));

    // Opened again, the dialog shows what is stored.
    QMap<QString, QString> shownTexts;
    QStringList shownTicked;
    open(*d, app(), [&](QDialog* shown) {
        for (QLineEdit* e : shown->findChildren<QLineEdit*>())
            if (typed.contains(e->objectName())) shownTexts.insert(e->objectName(), e->text());
        for (QPlainTextEdit* m : shown->findChildren<QPlainTextEdit*>())
            shownTexts.insert(m->objectName(), m->toPlainText());
        for (QCheckBox* b : shown->findChildren<QCheckBox*>())
            if (b->isChecked()) shownTicked << b->objectName();
    });
    QCOMPARE(shownTexts, typed);
    std::sort(shownTicked.begin(), shownTicked.end());
    std::sort(ticked.begin(), ticked.end());
    QCOMPARE(shownTicked, ticked);
}

void AccidentDialogsTest::closeBoxAndEscapeWriteNothing_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("escape");
    for (const char* dialog : {"TUnfallMainDlg", "TUnfallVerfahrenDlg", "TUnfallTraegerDlg", "TUnfallArbeitDlg",
                               "TUnfallVerkehrDlg", "TUnfallSonstigDlg"}) {
        QTest::addRow("%s, close box", dialog) << QString::fromLatin1(dialog) << false;
        QTest::addRow("%s, Escape", dialog) << QString::fromLatin1(dialog) << true;
    }
}

void AccidentDialogsTest::closeBoxAndEscapeWriteNothing() {
    QFETCH(QString, dialog);
    QFETCH(bool, escape);
    auto d = makeDialog(dialog);
    const int before = store::selectValue(QStringLiteral("SELECT total_changes()")).toInt();
    const int result = open(
        *d, app(),
        [&](QDialog* shown) {
            fillTexts(shown);
            for (QCheckBox* b : shown->findChildren<QCheckBox*>())
                if (!b->isChecked() && b->isVisible()) clickBox(b);
            if (escape)
                QTest::keyClick(shown, Qt::Key_Escape);
            else
                shown->close();
        },
        false);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(store::selectValue(QStringLiteral("SELECT total_changes()")).toInt(), before);
}

void AccidentDialogsTest::mainDataClaimBoxesAndKinds() {
    // A traffic accident's details written earlier stay when the kind changes.
    QVERIFY(store::execute(QStringLiteral("INSERT INTO UNFKFZ (UTR_IDENT, UTR_INDEX_MAINHEADER, UTR_INDEX_PERSON) "
                                          "VALUES (?, ?, ?)"),
                           {TMainObject::NewRowIdent(), app(), app()}));
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_IS_TRAFFIC=1 WHERE UNF_INDEX_PERSON=?"), {app()}));
    TUnfallMainDlg d;
    QStringList afterReset;
    open(d, app(), [&](QDialog* shown) {
        for (QCheckBox* b : shown->findChildren<QCheckBox*>())
            if (b->isChecked()) afterReset << b->objectName();
        // The kinds exclude each other; "Ja, gegen" and "Nein" complement each other.
        clickBox(boxOf(shown, QStringLiteral("UNF_IS_WORK")));
        clickBox(boxOf(shown, QStringLiteral("UNF_IS_OTHER")));
        QVERIFY(!boxOf(shown, QStringLiteral("UNF_IS_WORK"))->isChecked());
        clickBox(boxOf(shown, QStringLiteral("UNF_ERSATZ_YES"))); // the ticked "Nein": "Ja, gegen" takes over
        QVERIFY(boxOf(shown, QStringLiteral("UNF_ERSATZ_NO"))->isChecked());
        QCOMPARE(boxOf(shown, QStringLiteral("UNF_ERSATZ_NO"))->text(), QStringLiteral("Ja, gegen"));
        QCOMPARE(boxOf(shown, QStringLiteral("UNF_ERSATZ_YES"))->text(), QStringLiteral("Nein"));
        for (QLineEdit* e : shown->findChildren<QLineEdit*>())
            QCOMPARE(e->maxLength(), e->objectName() == QLatin1String("UNF_ERSATZ_ISVERGLEICH_DATE") ? 10 : 200);
    });
    // Nothing answered yet about the claims: the dialog shows "Nein".
    QCOMPARE(afterReset, (QStringList{"UNF_IS_TRAFFIC", "UNF_ERSATZ_YES"}));
    QCOMPARE(stored(QStringLiteral("UNF_ERSATZ_NO"), app()).toInt(), 1);
    QCOMPARE(stored(QStringLiteral("UNF_ERSATZ_YES"), app()).toInt(), 0);
    QCOMPARE(stored(QStringLiteral("UNF_IS_OTHER"), app()).toInt(), 1);
    QCOMPARE(stored(QStringLiteral("UNF_IS_WORK"), app()).toInt(), 0);
    QCOMPARE(stored(QStringLiteral("UNF_IS_TRAFFIC"), app()).toInt(), 0);
    QCOMPARE(count(QStringLiteral("UNFKFZ"), QStringLiteral("UTR_INDEX_PERSON"), app()), 1);
}

void AccidentDialogsTest::settlementDate_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("date") << "17.05.2024" << QVariant(QStringLiteral("2024-05-17")) << false;
    QTest::newRow("emptied") << "" << QVariant() << false;
    QTest::newRow("no date") << "31.13.2024" << QVariant(QStringLiteral("2023-01-02")) << true;
    QTest::newRow("letters") << "gestern" << QVariant(QStringLiteral("2023-01-02")) << true;
}

void AccidentDialogsTest::settlementDate() {
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);
    QFETCH(bool, staysOpen);
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_ERSATZ_ISVERGLEICH_DATE='2023-01-02' "
                                          "WHERE UNF_INDEX_PERSON=?"),
                           {app()}));
    ScriptedMessages messages;
    TUnfallMainDlg d;
    bool open_ = false;
    bool marked = false;
    QString shownText;
    open(d, app(), [&](QDialog* shown) {
        auto* date = shown->findChild<DateEdit*>(QStringLiteral("UNF_ERSATZ_ISVERGLEICH_DATE"));
        shownText = date->text();
        date->setFocus();
        date->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(date, Qt::Key_Delete);
        else
            QTest::keyClicks(date, typed);
        shown->findChild<QLineEdit*>(QStringLiteral("UNF_SOURCE_NAME"))->setText(QStringLiteral("Fahrer"));
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        open_ = shown->isVisible();
        marked = date->styleSheet().contains(QLatin1String("color")) && date->text() == typed;
    });
    QCOMPARE(shownText, QStringLiteral("02.01.2023"));
    QCOMPARE(open_, staysOpen);
    QCOMPARE(marked, staysOpen);
    const QVariant written = accidenttest::stored(QStringLiteral("UNF_ERSATZ_ISVERGLEICH_DATE"), app());
    QCOMPARE(written.isNull(), stored.isNull());
    QCOMPARE(written.toString(), stored.toString());
    // The rest of the dialog is written all the same.
    QCOMPARE(accidenttest::stored(QStringLiteral("UNF_SOURCE_NAME"), app()).toString(), QStringLiteral("Fahrer "));
    // Told once why the dialog stays open.
    QCOMPARE(messages.shown().size(), staysOpen ? 1 : 0);
}

void AccidentDialogsTest::proceedingsShowTheirFields() {
    TUnfallVerfahrenDlg d;
    const QStringList fields = {"UNF_VERF_GERICHT", "UNF_VERF_AZ", "UNF_VERF_ERGEBNIS"};
    QList<bool> shownFields;
    open(d, app(), [&](QDialog* shown) {
        QVERIFY(boxOf(shown, QStringLiteral("UNF_VERF_NO"))->isChecked());
        for (const QString& f : fields)
            shownFields << shown->findChild<QWidget*>(f)->isVisible();
        clickBox(boxOf(shown, QStringLiteral("UNF_VERF_YES")));
        for (const QString& f : fields)
            shownFields << shown->findChild<QWidget*>(f)->isVisible();
        clickBox(boxOf(shown, QStringLiteral("UNF_VERF_NO")));
        for (const QString& f : fields)
            shownFields << shown->findChild<QWidget*>(f)->isVisible();
        clickBox(boxOf(shown, QStringLiteral("UNF_VERF_YES")));
    });
    QCOMPARE(shownFields, (QList<bool>{false, false, false, true, true, true, false, false, false}));
    QCOMPARE(stored(QStringLiteral("UNF_VERF_YES"), app()).toInt(), 1);
    // Unanswered in the table: "Nein" is ticked when the dialog opens.
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_VERF_YES=0, UNF_VERF_NO=0"), {}));
    bool no = false;
    open(d, app(), [&](QDialog* shown) { no = boxOf(shown, QStringLiteral("UNF_VERF_NO"))->isChecked(); });
    QVERIFY(no);
}

void AccidentDialogsTest::dialogsLoadTheirOwnPerson() {
    QVERIFY(store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_LEISTUNG_KK_NAME='AOK ' WHERE UNF_INDEX_PERSON=?"),
                           {m_partner}));
    TUnfallTraegerDlg d;
    QStringList seen;
    for (const QString& person : {app(), m_partner, app()})
        open(d, person, [&](QDialog* shown) {
            seen << shown->findChild<QLineEdit*>(QStringLiteral("UNF_LEISTUNG_KK_NAME"))->text();
        });
    QCOMPARE(seen, (QStringList{"", "AOK", ""}));
}

void AccidentDialogsTest::treatmentsKeepTheirOrderPacked() {
    TUnfallBehandlungDlg d;
    QStringList captions;
    open(d, app(), [&](QDialog*) {
        for (int c = 0; c < d.grid()->columnCount(); ++c)
            captions << d.grid()->horizontalHeaderItem(c)->text();
        QCOMPARE(d.grid()->rowCount(), 20);
        d.grid()->setCell(0, 0, QStringLiteral("Dr. O'Hara"));
        d.grid()->setCell(0, 1, QStringLiteral("Hauptstraße 1"));
        d.grid()->setCell(3, 0, QStringLiteral("Klinikum Süd"));
        d.grid()->setCell(5, 1, QStringLiteral("nur eine Anschrift"));
    });
    QCOMPARE(captions, (QStringList{"Name des Arztes, der Klinik", "Anschrift"}));
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("NoteLabel"))->text(),
             QStringLiteral("Geben Sie hier die Namen der behandelnden Ärtze/Kliniken und deren Anschriften an:"));
    QCOMPARE(healthRows(app()), (QList<QList<QString>>{{"Dr. O'Hara", "Hauptstraße 1", "0"}, {"Klinikum Süd", "", "3"}}));
    QCOMPARE(store::selectValue(QStringLiteral("SELECT UNH_ARZT FROM UNFHEALTH WHERE UNH_NUMBER=3")).toString(),
             QStringLiteral("Klinikum Süd "));
    QCOMPARE(store::selectValue(QStringLiteral("SELECT COUNT(*) FROM UNFHEALTH WHERE UNH_INDEX_MAINHEADER=?"), {app()})
                 .toInt(),
             2);

    QStringList rows;
    open(d, app(), [&](QDialog*) {
        for (int r = 0; r < 3; ++r)
            rows << d.grid()->text(r, 0);
    });
    QCOMPARE(rows, (QStringList{"Dr. O'Hara", "Klinikum Süd", ""}));
    QCOMPARE(healthRows(app()), (QList<QList<QString>>{{"Dr. O'Hara", "Hauptstraße 1", "0"}, {"Klinikum Süd", "", "1"}}));
    QCOMPARE(healthRows(m_partner), QList<QList<QString>>{});
}

void AccidentDialogsTest::treatmentsAreWrittenOnEveryClosing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Schließen") << "Schließen";
    QTest::newRow("close box") << "close box";
    QTest::newRow("Escape") << "Escape";
}

void AccidentDialogsTest::treatmentsAreWrittenOnEveryClosing() {
    QFETCH(QString, how);
    TUnfallBehandlungDlg d;
    open(
        d, m_partner,
        [&](QDialog* shown) {
            d.grid()->setCell(1, 0, QStringLiteral("Dr. Wolf"));
            if (how == QLatin1String("Schließen"))
                QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
            else if (how == QLatin1String("Escape"))
                QTest::keyClick(shown, Qt::Key_Escape);
            else
                shown->close();
        },
        false);
    QCOMPARE(healthRows(m_partner), (QList<QList<QString>>{{"Dr. Wolf", "", "1"}}));
}

void AccidentDialogsTest::failedTreatmentsRewriteKeepsTheOldList() {
    TUnfallBehandlungDlg d;
    open(d, app(), [&](QDialog*) { d.grid()->setCell(0, 0, QStringLiteral("Alt")); });
    QVERIFY(store::execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON UNFHEALTH WHEN NEW.UNH_ARZT = "
                                          "'Kaputt ' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    ScriptedMessages messages;
    bool stillOpen = false;
    QStringList entries;
    QList<QList<QString>> afterFailure;
    open(
        d, app(),
        [&](QDialog* shown) {
            d.grid()->setCell(0, 0, QStringLiteral("Neu"));
            d.grid()->setCell(1, 0, QStringLiteral("Kaputt"));
            QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
            stillOpen = shown->isVisible();
            entries << d.grid()->text(0, 0) << d.grid()->text(1, 0);
            afterFailure = healthRows(app());
            // Put right, the list can be stored and the dialog closes.
            d.grid()->setCell(1, 0, QStringLiteral("Heil"));
            QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        },
        false);
    QVERIFY(stillOpen);
    QCOMPARE(entries, (QStringList{"Neu", "Kaputt"}));
    QCOMPARE(afterFailure, (QList<QList<QString>>{{"Alt", "", "0"}}));
    QVERIFY(!messages.shown().isEmpty());
    QCOMPARE(messages.shown().first().kind, store::MessageKind::Error);
    QCOMPARE(healthRows(app()), (QList<QList<QString>>{{"Neu", "", "0"}, {"Heil", "", "1"}}));
}

QTEST_MAIN(AccidentDialogsTest)
#include "tst_accident_dialogs.moc"
