#include "Commands.h"

#include "Paths.h"
#include "ProgramFolder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "Transfer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace cli {

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

} // namespace

bool openDatabase()
{
    if (!MainObject)
        MainObject = new TMainObject;
    if (MainObject->ConnectDatabase())
        return true;
    err() << "Fehler bei Verbindungsaufbau zur Datenbank!\n" << MainObject->ConnectError() << "\n";
    return false;
}

int runInit(const QStringList& args)
{
    if (!args.isEmpty()) {
        err() << "init erwartet keine weiteren Angaben.\n";
        return 2;
    }
    QString error;
    if (!store::initializeProgramFolder(store::programFolder(), QCoreApplication::applicationDirPath(), &error)) {
        err() << error << "\n";
        return 1;
    }
    return 0;
}

int runList(const QStringList& args)
{
    if (!args.isEmpty()) {
        err() << "list erwartet keine weiteren Angaben.\n";
        return 2;
    }
    if (!openDatabase())
        return 1;
    store::Rows rows = store::select(QStringLiteral("SELECT BDG_SIGN FROM MAINHEADER ORDER BY BDG_SIGN"), {},
                                     store::OnError::Ignore);
    if (!rows.ok()) {
        err() << "Die Anträge können nicht gelesen werden.\n";
        return 1;
    }
    while (rows.next())
        out() << rows.text(QStringLiteral("BDG_SIGN")) << "\n";
    return 0;
}

int runExport(const QStringList& args)
{
    if (args.isEmpty() || args.size() > 2) {
        err() << "Aufruf: velmora-cli export NAME [DATEI]\n";
        return 2;
    }
    if (!openDatabase())
        return 1;
    QByteArray json;
    QString error;
    if (!store::exportApplication(args.at(0), &json, &error)) {
        err() << error << "\n";
        return 1;
    }
    if (args.size() == 1) {
        out() << QString::fromUtf8(json);
        return 0;
    }
    QFile file(args.at(1));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(json) != json.size()) {
        err() << "Die Datei " << args.at(1) << " kann nicht geschrieben werden.\n";
        return 1;
    }
    return 0;
}

int runImport(const QStringList& args)
{
    if (args.size() != 1) {
        err() << "Aufruf: velmora-cli import DATEI\n";
        return 2;
    }
    QFile file(args.at(0));
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "Die Datei " << args.at(0) << " kann nicht gelesen werden.\n";
        return 1;
    }
    if (!openDatabase())
        return 1;
    QString name;
    QString error;
    if (!store::importApplication(file.readAll(), &name, &error)) {
        err() << error << "\n";
        return 1;
    }
    out() << "Antrag \"" << name << "\" übernommen.\n";
    return 0;
}

} // namespace cli
