#include "MoneyInputAny.h"
#include "MoneyInputOne.h"
#include "MoneyOutAny.h"
#include "ServerObjects.h"
#include "SoldInputAny.h"
#include "SoldMoneyInOne.h"
#include "Sql.h"
#include "TestHome.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QStringList kMembers = {QStringLiteral("MoneyInputAny"), QStringLiteral("MoneyInputOne"),
                              QStringLiteral("MoneyOutAny"), QStringLiteral("SoldInputAny"),
                              QStringLiteral("SoldMoneyInOne")};

std::unique_ptr<IncomeDetailDialog> makeMember(const QString& name) {
    if (name == QLatin1String("MoneyInputAny")) return std::make_unique<TMoneyInputAnyDlg>();
    if (name == QLatin1String("MoneyInputOne")) return std::make_unique<TMoneyInputOneDlg>();
    if (name == QLatin1String("MoneyOutAny")) return std::make_unique<TMoneyOutAnyDlg>();
    if (name == QLatin1String("SoldInputAny")) return std::make_unique<TSoldInputAnyDlg>();
    return std::make_unique<TSoldMoneyInOneDlg>();
}

// The visible editor of the grid's current cell.
QWidget* openEditor(FixedGrid* grid) {
    for (QWidget* w : grid->viewport()->findChildren<QWidget*>())
        if (w->isVisible() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) &&
            w->parentWidget() == grid->viewport())
            return w;
    return nullptr;
}

// Types into a cell as a user does: select it, let its editor open, replace what it shows. Umlauts go in
// with setText, which QTest cannot type. The editor stays open, as when the user clicks elsewhere next.
void typeCell(FixedGrid* grid, int row, int column, const QString& text) {
    grid->setFocus();
    grid->setCurrentCell(row, column);
    QWidget* editor = openEditor(grid);
    if (!editor) {
        grid->edit(grid->model()->index(row, column));
        editor = openEditor(grid);
    }
    QVERIFY2(editor, "no cell editor opened");
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(editor)) {
        spin->selectAll();
        QTest::keyClicks(spin, text);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii) {
            line->selectAll();
            QTest::keyClicks(line, text);
        } else {
            line->setText(text);
        }
    }
}

QString kindOf(const IncomeDetailDialog& d) {
    return d.kind().columns.first().field;
}
QString amountColumnOf(const IncomeDetailDialog& d) {
    return d.kind().columns.at(d.kind().decidingColumn).field;
}
// The one-off payments carry a gross amount beside the deciding net amount.
int grossColumnOf(const IncomeDetailDialog& d) {
    for (int c = 0; c < d.kind().columns.size(); ++c)
        if (c != d.kind().decidingColumn && d.kind().columns.at(c).kind == CellKind::Money) return c;
    return -1;
}

struct StoredRow {
    QString kind;
    double amount;
};

QList<StoredRow> storedRows(const IncomeDetailDialog& d, const QString& person) {
    const QString p = d.kind().prefix;
    store::Rows rows = store::select(
        QStringLiteral("SELECT * FROM %1 WHERE %2_INDEX_PERSON=? ORDER BY %2_SIGN").arg(d.kind().table, p),
        {person});
    QList<StoredRow> list;
    while (rows.next())
        list << StoredRow{rows.text(kindOf(d)), rows.amount(amountColumnOf(d))};
    return list;
}

int storedCount(const IncomeDetailDialog& d, const QString& person) {
    return store::selectValue(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2_INDEX_PERSON=?")
                                  .arg(d.kind().table, d.kind().prefix),
                              {person})
        .toInt();
}

} // namespace

class IncomeDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captionTitleAndNote_data();
    void captionTitleAndNote();
    void rowIsStoredByItsDecidingAmount_data();
    void rowIsStoredByItsDecidingAmount();
    void rowsComeBackSortedFromTheTop_data();
    void rowsComeBackSortedFromTheTop();
    void everyWayOfClosingStoresTheList_data();
    void everyWayOfClosingStoresTheList();
    void listsOfTwoPersonsAreIndependent_data();
    void listsOfTwoPersonsAreIndependent();
    void clearButtonsEmptyAfterConfirmation_data();
    void clearButtonsEmptyAfterConfirmation();
    void failedRewriteKeepsTheOldList();

private:
    // Shows the dialog modally, runs `whileOpen` inside it, and closes it with "Schließen" unless
    // `whileOpen` closed it. Returns whether the dialog was still open when `whileOpen` ended.
    bool showAndClose(IncomeDetailDialog& d, const QString& person, const std::function<void()>& whileOpen,
                      const QString& name = QStringLiteral("Muster Max"));

    std::unique_ptr<TestHome> m_home;
    QString m_application;
};

void IncomeDetailsTest::init() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    m_application = createTestApplication();
    QVERIFY(!m_application.isEmpty());
}

void IncomeDetailsTest::cleanup() {
    m_home.reset();
}

bool IncomeDetailsTest::showAndClose(IncomeDetailDialog& d, const QString& person,
                                     const std::function<void()>& whileOpen, const QString& name) {
    bool stillOpen = false;
    QTimer::singleShot(0, &d, [&] {
        if (QApplication::activeModalWidget() != &d) {
            d.reject();
            return;
        }
        whileOpen();
        stillOpen = d.isVisible();
        if (stillOpen)
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
    });
    d.Show(m_application, person, name);
    return stillOpen;
}

void IncomeDetailsTest::captionTitleAndNote_data() {
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("columns");
    const QString regular = QStringLiteral("Geben Sie hier Einkommen wie z.B. Unterhaltsleistungen, "
                                           "Einkünfte aus Vermietung und Verpachtung an:");
    const QString irregular = QStringLiteral(
        "Geben Sie hier Einkommen an, die nicht regelmäßig erzielt werden, z,B. Steuerrückerstattungen");
    QTest::newRow("MoneyInputAny") << "MoneyInputAny"
                                   << "TMoneyInputAnyDlg"
                                   << "Sonstige Einkommen"
                                   << "Sonstige Einkommen von Müller Jörg" << regular
                                   << QStringList{"Art der Einkünfte", "Höhe monatlich"};
    QTest::newRow("MoneyInputOne") << "MoneyInputOne"
                                   << "TMoneyInputOneDlg"
                                   << "Sonstige Einkommen"
                                   << "Sonstige Einkommen von Müller Jörg" << irregular
                                   << QStringList{"Art der Einkünfte", "Zeitraum von", "Zeitraum bis",
                                                  "Zugeflossen am", "Höhe monatlich"};
    QTest::newRow("MoneyOutAny") << "MoneyOutAny"
                                 << "TMoneyOutAnyDlg"
                                 << "Weitere Absetzungsmöglichkeiten"
                                 << "Weitere Absetzungsmögl.  von Müller Jörg" << regular
                                 << QStringList{"Art",   "Name",          "Vorname", "Verwandt. -Verhältn.",
                                                "Grund", "Höhe monatlich"};
    QTest::newRow("SoldInputAny") << "SoldInputAny"
                                  << "TSoldInputAnyDlg"
                                  << "Weitere laufende Leistungen"
                                  << "weit. lauf. Leistungen von Müller Jörg" << regular
                                  << QStringList{"Art der Einkünfte", "Höhe monatlich"};
    QTest::newRow("SoldMoneyInOne") << "SoldMoneyInOne"
                                    << "TSoldMoneyInOneDlg"
                                    << "Einmalzahlungen"
                                    << "Einmalzahlungen von Müller Jörg" << irregular + QLatin1Char(':')
                                    << QStringList{"Art der Einkünfte", "Fälligkeit", "Bruttobetrag",
                                                   "Nettobetrag"};
}

void IncomeDetailsTest::captionTitleAndNote() {
    QFETCH(QString, member);
    auto d = makeMember(member);
    QString title;
    showAndClose(
        *d, m_application,
        [&] {
            title = d->findChild<QLabel*>(QStringLiteral("TitleLabel"))->text();
            QCOMPARE(d->grid()->rowCount(), 20);
            QVERIFY(d->isModal());
        },
        QStringLiteral("Müller Jörg"));
    QTEST(d->objectName(), "objectName");
    QTEST(d->windowTitle(), "caption");
    QTEST(title, "title");
    QTEST(d->findChild<QLabel*>(QStringLiteral("NoteLabel"))->text(), "note");
    QStringList captions;
    for (int c = 0; c < d->grid()->columnCount(); ++c)
        captions << d->grid()->horizontalHeaderItem(c)->text();
    QTEST(captions, "columns");
    QCOMPARE(d->findChild<QToolButton*>(QStringLiteral("ClearRowButton"))->toolTip(),
             QStringLiteral("Inhalt der aktuellen Zeile löschen"));
    QCOMPARE(d->findChild<QToolButton*>(QStringLiteral("ClearAllButton"))->toolTip(),
             QStringLiteral("Inhalt der gesamten Tabelle löschen"));
}

void IncomeDetailsTest::rowIsStoredByItsDecidingAmount_data() {
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("amount"); // typed into the deciding amount; empty: left as it is
    QTest::addColumn<QString>("gross");  // typed into the gross amount of one-off payments
    QTest::addColumn<bool>("stored");
    QTest::addColumn<double>("storedAmount");
    QTest::addColumn<double>("storedGross");
    struct Case {
        const char* name;
        const char* kind;
        const char* amount;
        const char* gross;
        bool stored;
        double amountValue;
        double grossValue;
        bool oneOffOnly;
    };
    const Case cases[] = {
        {"kind with amount 0", "Unterhalt", "0", "", false, 0, 0, false},
        {"kind without amount", "Unterhalt", "", "", false, 0, 0, false},
        {"negative amount", "Unterhalt", "-25,50", "", false, 0, 0, false},
        {"German amount", "Unterhalt für Jörg's Kind", "1.234,56", "", true, 1234.56, 0, false},
        {"one decimal", "Miete", "12,5", "", true, 12.5, 0, false},
        {"amount without kind", "", "40", "", true, 40, 0, false},
        {"gross only", "Weihnachtsgeld", "", "800", false, 0, 0, true},
        {"net only", "Urlaubsgeld", "350", "", true, 350, 0, true},
        {"gross and net", "Prämie", "300", "450", true, 300, 450, true},
    };
    for (const QString& member : kMembers)
        for (const Case& c : cases) {
            if (c.oneOffOnly && member != QLatin1String("SoldMoneyInOne")) continue;
            QTest::addRow("%s: %s", qPrintable(member), c.name)
                << member << QString::fromUtf8(c.kind) << QString::fromUtf8(c.amount)
                << QString::fromUtf8(c.gross) << c.stored << c.amountValue << c.grossValue;
        }
}

void IncomeDetailsTest::rowIsStoredByItsDecidingAmount() {
    QFETCH(QString, member);
    QFETCH(QString, kind);
    QFETCH(QString, amount);
    QFETCH(QString, gross);
    QFETCH(bool, stored);
    QFETCH(double, storedAmount);
    QFETCH(double, storedGross);
    auto d = makeMember(member);
    const int grossColumn = grossColumnOf(*d);
    showAndClose(*d, m_application, [&] {
        if (!kind.isEmpty()) typeCell(d->grid(), 4, 0, kind);
        if (!gross.isEmpty()) typeCell(d->grid(), 4, grossColumn, gross);
        if (!amount.isEmpty()) typeCell(d->grid(), 4, d->kind().decidingColumn, amount);
    });
    const QString p = d->kind().prefix;
    store::Rows rows = store::select(
        QStringLiteral("SELECT * FROM %1 WHERE %2_INDEX_PERSON=?").arg(d->kind().table, p), {m_application});
    QCOMPARE(rows.next(), stored);
    if (!stored) return;
    QCOMPARE(rows.text(kindOf(*d)), kind);
    QCOMPARE(rows.value(kindOf(*d)).toString(), kind + QLatin1Char(' '));
    QCOMPARE(rows.amount(amountColumnOf(*d)), storedAmount);
    QCOMPARE(rows.text(p + QStringLiteral("_INDEX_MAINHEADER")), m_application);
    QCOMPARE(rows.text(p + QStringLiteral("_IDENT")).size(), 38);
    if (grossColumn >= 0) QCOMPARE(rows.amount(d->kind().columns.at(grossColumn).field), storedGross);
    // Every text cell of the row is written, an empty one as a single blank.
    for (const GridColumn& c : d->kind().columns)
        if (c.kind == CellKind::Text && c.field != kindOf(*d))
            QCOMPARE(rows.value(c.field).toString(), QStringLiteral(" "));
    QVERIFY(!rows.next());
}

void IncomeDetailsTest::rowsComeBackSortedFromTheTop_data() {
    QTest::addColumn<QString>("member");
    for (const QString& member : kMembers)
        QTest::newRow(qPrintable(member)) << member;
}

void IncomeDetailsTest::rowsComeBackSortedFromTheTop() {
    QFETCH(QString, member);
    auto d = makeMember(member);
    const int amount = d->kind().decidingColumn;
    const int gross = grossColumnOf(*d);
    showAndClose(*d, m_application, [&] {
        typeCell(d->grid(), 3, 0, QStringLiteral("Zinsen"));
        typeCell(d->grid(), 3, amount, QStringLiteral("10"));
        typeCell(d->grid(), 7, 0, QStringLiteral("Abfindung"));
        typeCell(d->grid(), 7, amount, QStringLiteral("20"));
        if (gross >= 0)
            typeCell(d->grid(), 7, gross, QStringLiteral("25")); // one-off: gross after net, still editing
    });
    QCOMPARE(storedCount(*d, m_application), 2);

    QStringList kinds;
    QList<double> amounts;
    int filledBelow = 0;
    showAndClose(*d, m_application, [&] {
        for (int r = 0; r < 2; ++r) {
            kinds << d->grid()->text(r, 0);
            amounts << d->grid()->amount(r, amount);
        }
        for (int r = 2; r < IncomeDetailDialog::kRows; ++r)
            filledBelow += d->grid()->isRowFilled(r) || !d->grid()->text(r, 0).isEmpty();
    });
    QCOMPARE(kinds, (QStringList{"Abfindung", "Zinsen"}));
    QCOMPARE(amounts, (QList<double>{20, 10}));
    QCOMPARE(filledBelow, 0);
}

void IncomeDetailsTest::everyWayOfClosingStoresTheList_data() {
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("how");
    for (const QString& member : kMembers)
        for (const char* how : {"Schließen", "window close button", "Escape"})
            QTest::addRow("%s: %s", qPrintable(member), how) << member << QString::fromUtf8(how);
}

void IncomeDetailsTest::everyWayOfClosingStoresTheList() {
    QFETCH(QString, member);
    QFETCH(QString, how);
    auto d = makeMember(member);
    int result = -1;
    QTimer::singleShot(0, d.get(), [&] {
        typeCell(d->grid(), 0, 0, QStringLiteral("Wohngeld"));
        typeCell(d->grid(), 0, d->kind().decidingColumn, QStringLiteral("99,90"));
        if (how == QLatin1String("Schließen"))
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        else if (how == QLatin1String("Escape")) {
            d->grid()->setCurrentCell(5, 0); // Escape inside a cell editor only drops that edit
            QTest::keyClick(d.get(), Qt::Key_Escape);
        } else
            d->close(); // the close event the window manager sends
        if (d->isVisible()) d->reject();
    });
    result = d->Show(m_application, m_application, QStringLiteral("Muster Max"));
    if (how == QLatin1String("Schließen")) QCOMPARE(result, int(QDialog::Accepted));
    const QList<StoredRow> rows = storedRows(*d, m_application);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().kind, QStringLiteral("Wohngeld"));
    QCOMPARE(rows.first().amount, 99.9);
}

void IncomeDetailsTest::listsOfTwoPersonsAreIndependent_data() {
    rowsComeBackSortedFromTheTop_data();
}

void IncomeDetailsTest::listsOfTwoPersonsAreIndependent() {
    QFETCH(QString, member);
    auto d = makeMember(member);
    const int amount = d->kind().decidingColumn;
    const QString partner = TMainObject::NewRowIdent();
    showAndClose(*d, m_application, [&] {
        typeCell(d->grid(), 0, 0, QStringLiteral("Antragsteller"));
        typeCell(d->grid(), 0, amount, QStringLiteral("100"));
    });
    QStringList seen;
    showAndClose(
        *d, partner,
        [&] {
            seen << d->grid()->text(0, 0);
            typeCell(d->grid(), 0, 0, QStringLiteral("Partnerin"));
            typeCell(d->grid(), 0, amount, QStringLiteral("200"));
        },
        QStringLiteral("Muster Erika"));
    QCOMPARE(seen, QStringList{QString()});
    QCOMPARE(storedRows(*d, m_application).size(), 1);
    QCOMPARE(storedRows(*d, m_application).first().kind, QStringLiteral("Antragsteller"));
    QCOMPARE(storedRows(*d, partner).size(), 1);
    QCOMPARE(storedRows(*d, partner).first().amount, 200.0);

    // Emptying one person's list leaves the other's.
    ScriptedMessages messages;
    showAndClose(*d, partner, [&] {
        QTest::mouseClick(d->findChild<QToolButton*>(QStringLiteral("ClearAllButton")), Qt::LeftButton);
    });
    QCOMPARE(storedCount(*d, partner), 0);
    QCOMPARE(storedCount(*d, m_application), 1);
}

void IncomeDetailsTest::clearButtonsEmptyAfterConfirmation_data() {
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("left");
    const QString rowQuestion = QStringLiteral("Wollen Sie den Inhalt der Zeile löschen?");
    const QString allQuestion = QStringLiteral("Wollen Sie den gesamten Inhalt der Tabelle löschen?");
    for (const QString& member : kMembers) {
        QTest::addRow("%s: row, Ja", qPrintable(member))
            << member << "ClearRowButton" << true << rowQuestion << QStringList{"Zinsen"};
        QTest::addRow("%s: row, Nein", qPrintable(member))
            << member << "ClearRowButton" << false << rowQuestion << QStringList{"Miete", "Zinsen"};
        QTest::addRow("%s: all, Ja", qPrintable(member))
            << member << "ClearAllButton" << true << allQuestion << QStringList{};
        QTest::addRow("%s: all, Nein", qPrintable(member))
            << member << "ClearAllButton" << false << allQuestion << QStringList{"Miete", "Zinsen"};
    }
}

void IncomeDetailsTest::clearButtonsEmptyAfterConfirmation() {
    QFETCH(QString, member);
    QFETCH(QString, button);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(QStringList, left);
    auto d = makeMember(member);
    const int amount = d->kind().decidingColumn;
    showAndClose(*d, m_application, [&] {
        typeCell(d->grid(), 0, 0, QStringLiteral("Miete"));
        typeCell(d->grid(), 0, amount, QStringLiteral("300"));
        typeCell(d->grid(), 1, 0, QStringLiteral("Zinsen"));
        typeCell(d->grid(), 1, amount, QStringLiteral("5"));
    });

    ScriptedMessages messages;
    messages.answer({yes ? store::Answer::Yes : store::Answer::No});
    showAndClose(*d, m_application, [&] {
        d->grid()->setCurrentCell(0, amount); // the row of "Miete", first after sorting
        QTest::mouseClick(d->findChild<QToolButton*>(button), Qt::LeftButton);
    });
    QCOMPARE(messages.texts(), QStringList{question});
    QCOMPARE(messages.shown().first().kind, store::MessageKind::ConfirmYesNo);
    QStringList kinds;
    for (const StoredRow& r : storedRows(*d, m_application))
        kinds << r.kind;
    QCOMPARE(kinds, left);
}

void IncomeDetailsTest::failedRewriteKeepsTheOldList() {
    for (const QString& member : kMembers) {
        auto d = makeMember(member);
        const int amount = d->kind().decidingColumn;
        showAndClose(*d, m_application, [&] {
            typeCell(d->grid(), 0, 0, QStringLiteral("Alt"));
            typeCell(d->grid(), 0, amount, QStringLiteral("1"));
        });
        // The engine refuses one row of the next list, as a full disk or a broken file would.
        QVERIFY(
            store::execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 WHEN NEW.%2 = 'Kaputt ' "
                                          "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                               .arg(d->kind().table, kindOf(*d))));
        ScriptedMessages messages;
        QList<StoredRow> whileRefused;
        bool stayedOpen = false;
        QString typed;
        showAndClose(*d, m_application, [&] {
            typeCell(d->grid(), 0, 0, QStringLiteral("Neu"));
            typeCell(d->grid(), 1, 0, QStringLiteral("Kaputt"));
            typeCell(d->grid(), 1, amount, QStringLiteral("2"));
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
            // The user is told, the dialog stays open with what was typed, the old list is kept.
            stayedOpen = d->isVisible();
            typed = d->grid()->text(1, 0);
            whileRefused = storedRows(*d, m_application);
            QVERIFY(store::execute(QStringLiteral("DROP TRIGGER refuse")));
        });
        QVERIFY(stayedOpen);
        QCOMPARE(typed, QStringLiteral("Kaputt"));
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().kind, store::MessageKind::Error);
        QCOMPARE(whileRefused.size(), 1);
        QCOMPARE(whileRefused.first().kind, QStringLiteral("Alt"));
        // Once the engine accepts the list again, closing stores it.
        const QList<StoredRow> rows = storedRows(*d, m_application);
        QCOMPARE(rows.size(), 2);
    }
}

QTEST_MAIN(IncomeDetailsTest)
#include "tst_incomedetails.moc"
