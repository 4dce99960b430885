// The estimate counts the maintenance a user types on page 0: the amounts go in through the dialog's
// grids, the command line (which shares the estimate's reader with the desktop program) reads them.
#include "AnspruchTest.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace claims_test;

namespace {

// The command line of the same build: the test programs lie in tests/bin of the build tree.
QString commandLine()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../../velmora-cli"));
}

// Income per person of the estimate, by the person's "Name, Vorname".
QMap<QString, double> estimatedIncome(const QString& home, const QString& name)
{
    QProcess p;
    p.start(commandLine(), {QStringLiteral("--home"), home, QStringLiteral("estimate"), name, QStringLiteral("--json")});
    QMap<QString, double> income;
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning("%s", p.readAllStandardError().constData());
        return income;
    }
    const QJsonObject j = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    for (const QJsonValue& row : j.value(QStringLiteral("income")).toArray())
        income.insert(row.toObject().value(QStringLiteral("name")).toString(),
                      row.toObject().value(QStringLiteral("income")).toDouble());
    return income;
}

} // namespace

class EstimateFollowsTest : public QObject {
    Q_OBJECT
private slots:
    void maintenanceFiguresFollowTheGrids();
};

void EstimateFollowsTest::maintenanceFiguresFollowTheGrids()
{
    QVERIFY(QFileInfo::exists(commandLine()));
    TestHome home;
    QVERIFY(home.ok());
    ScriptedMessages messages;
    const QString app = createTestApplication(QStringLiteral("Familie Unterhalt"));
    addPerson(0, QStringLiteral("Müller"), QStringLiteral("Anna"), QDate(1980, 3, 1));
    const QString child = addPerson(2, QStringLiteral("Müller"), QStringLiteral("Lea"), QDate(2015, 6, 1));
    QVERIFY(store::execute("UPDATE UHMAIN SET UHM_MAIN_GESCH=1 WHERE UHM_INDEX_MAINHEADER=?", {app}));

    TAnspruchMainDlg dialog;
    dialog.resize(1000, 700);
    dialog.show();
    dialog.ShowPage(0);
    clickBox(dialog.findChild<QCheckBox*>(QStringLiteral("UHM_MAIN_AST")));
    QVERIFY(amountCell(dialog.findChild<KeyedGrid*>(QStringLiteral("SplittTree")), 0, 14, 250.5));
    auto* children = dialog.findChild<KeyedGrid*>(QStringLiteral("PregChildTree"));
    QVERIFY(chooseCell(children, rowOf(children, 2, child), 1, QStringLiteral("unehellich")));
    QVERIFY(amountCell(dialog.findChild<KeyedGrid*>(QStringLiteral("PregSumTree")), 0, 5, 100.0));
    QVERIFY(amountCell(dialog.findChild<KeyedGrid*>(QStringLiteral("UHChildTree")), 0, 5, 210.0));

    QMap<QString, double> income = estimatedIncome(home.path(), QStringLiteral("Familie Unterhalt"));
    QCOMPARE(income.value(QStringLiteral("Müller, Anna")), 250.5);
    QCOMPARE(income.value(QStringLiteral("Müller, Lea")), 310.0);

    // A changed amount changes the figure.
    QVERIFY(amountCell(dialog.findChild<KeyedGrid*>(QStringLiteral("UHChildTree")), 0, 5, 0.0));
    income = estimatedIncome(home.path(), QStringLiteral("Familie Unterhalt"));
    QCOMPARE(income.value(QStringLiteral("Müller, Lea")), 100.0);
}

QTEST_MAIN(EstimateFollowsTest)
#include "tst_anspruch_estimate.moc"
