// The cost of the store's mechanisms beside the bare SQLite statements they wrap, measured in one run.
#include "Editors.h"
#include "FixedGrid.h"
#include "ProgramFolder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"

#include <QApplication>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString applicationKey() { return QStringLiteral("{BENCH}"); }

void prepareDatabase()
{
    store::execute("INSERT INTO MAINPERSON (ANS_IDENT, ANS_INDEX_MAINHEADER) VALUES (?, ?)",
                   {applicationKey(), applicationKey()});
}

// Baseline: one prepared UPDATE of the same two columns, bound and executed.
void BareUpdate(benchmark::State& state)
{
    QSqlQuery q(MainObject->Connection());
    q.prepare("UPDATE MAINPERSON SET ANS_LASTNAME=?, ANS_FIRSTNAME=? WHERE ANS_IDENT=?");
    int i = 0;
    for (auto _ : state) {
        q.bindValue(0, QString("Meier %1 ").arg(++i));
        q.bindValue(1, QStringLiteral("Anna "));
        q.bindValue(2, applicationKey());
        q.exec();
    }
}

void WriteGroupUpdate(benchmark::State& state)
{
    QLineEdit last, first;
    first.setText("Anna");
    WriteGroup group("MAINPERSON", "ANS_IDENT", applicationKey);
    group.text(&last, "ANS_LASTNAME").text(&first, "ANS_FIRSTNAME");
    int i = 0;
    for (auto _ : state) {
        last.setText(QString("Meier %1").arg(++i));
        group.write();
    }
}

// Baseline for a grid save: the same delete and inserts in one transaction, prepared once.
void BareListRewrite(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    QSqlDatabase db = MainObject->Connection();
    for (auto _ : state) {
        db.transaction();
        QSqlQuery del(db);
        del.prepare("DELETE FROM VERGIRO WHERE GRO_INDEX_MAINHEADER=?");
        del.bindValue(0, applicationKey());
        del.exec();
        QSqlQuery ins(db);
        ins.prepare("INSERT INTO VERGIRO (GRO_IDENT,GRO_INDEX_MAINHEADER,GRO_NUMBER,GRO_OWNER,GRO_BANK,GRO_BRUTTO) "
                    "VALUES (?,?,?,?,?,?)");
        for (int r = 0; r < rows; ++r) {
            ins.bindValue(0, TMainObject::NewRowIdent());
            ins.bindValue(1, applicationKey());
            ins.bindValue(2, r);
            ins.bindValue(3, QStringLiteral("Meier, Anna "));
            ins.bindValue(4, QStringLiteral("Bank %1 ").arg(r));
            ins.bindValue(5, 100.0 + r);
            ins.exec();
        }
        db.commit();
    }
}

void GridSave(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    FixedGrid grid(20, {{"Inhaber", "GRO_OWNER", CellKind::Text}, {"Bank", "GRO_BANK", CellKind::Text},
                        {"Betrag", "GRO_BRUTTO", CellKind::Money}});
    grid.setStorage({"VERGIRO", "GRO_IDENT", "GRO_INDEX_MAINHEADER", {}, "GRO_NUMBER", applicationKey});
    for (int r = 0; r < rows; ++r) {
        grid.setCell(r, 0, QStringLiteral("Meier, Anna"));
        grid.setCell(r, 1, QStringLiteral("Bank %1").arg(r));
        grid.setCell(r, 2, 100.0 + r);
    }
    for (auto _ : state)
        grid.save();
}

} // namespace

BENCHMARK(BareUpdate);
BENCHMARK(WriteGroupUpdate);
BENCHMARK(BareListRewrite)->Arg(2)->Arg(20);
BENCHMARK(GridSave)->Arg(2)->Arg(20);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home;
    QString error;
    if (!store::initializeProgramFolder(home.path(), QStringLiteral(VELMORA_BUILD_HOME), &error)) {
        fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    qputenv("VELMORA_HOME", home.path().toLocal8Bit());
    MainObject = new TMainObject;
    if (!MainObject->ConnectDatabase())
        return 1;
    prepareDatabase();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete MainObject;
    return 0;
}
