#include "Commands.h"

#include "InstanceLock.h"
#include "Paths.h"
#include "ProgramFolder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "Transfer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

bool openApplicationNamed(const QString& name)
{
    const QString ident = store::readText(store::selectValue(
        QStringLiteral("SELECT BDG_IDENT FROM MAINHEADER WHERE BDG_SIGN = ?"), {name}, store::OnError::Ignore));
    if (ident.isEmpty()) {
        err() << QStringLiteral("Es gibt keinen Antrag mit dem Namen \"%1\".").arg(name) << Qt::endl;
        return false;
    }
    MainObject->AntragIdent = ident;
    MainObject->AntragSign = name;
    return true;
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

namespace {

// Whether `target` would overwrite the database or lie among the program's own files (Daten/).
bool isProgramFile(const QString& target)
{
    const QFileInfo file(target);
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    const QString data = QFileInfo(store::programPath(QStringLiteral("Daten"))).canonicalFilePath();
    if (!data.isEmpty() && !folder.isEmpty() &&
        (folder == data || folder.startsWith(data + QLatin1Char('/'))))
        return true;
    const QString database = QFileInfo(store::databasePath()).canonicalFilePath();
    const QString resolved = file.canonicalFilePath();
    return !database.isEmpty() && !resolved.isEmpty() && resolved.startsWith(database);
}

} // namespace

int runExport(const QStringList& args)
{
    if (args.isEmpty() || args.size() > 2) {
        err() << "Aufruf: velmora-cli export NAME [DATEI]\n";
        return 2;
    }
    if (args.size() == 2 && isProgramFile(args.at(1))) {
        err() << "Die Datei " << args.at(1)
              << " liegt im Ordner Daten des Programms oder ist die Datenbank selbst; der Antrag wird dort nicht "
                 "gespeichert. Bitte wählen Sie einen anderen Ort.\n";
        return 1;
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
    // Written beside the target and renamed over it at the end, so that a full disk leaves an earlier
    // export whole; only its user may read it, as the database.
    QSaveFile file(args.at(1));
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         file.write(json) == json.size() && file.commit();
    if (!written) {
        file.cancelWriting();
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
    const QFileInfo info(args.at(0));
    if (!info.isFile()) {
        err() << "Die Datei " << args.at(0) << " kann nicht gelesen werden"
              << (info.exists() ? " (keine gewöhnliche Datei).\n" : ".\n");
        return 1;
    }
    if (info.size() > store::kMaxImportBytes) {
        err() << "Die Datei " << args.at(0) << " ist größer als " << (store::kMaxImportBytes >> 20)
              << " MB und wird nicht übernommen.\n";
        return 1;
    }
    QFile file(args.at(0));
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "Die Datei " << args.at(0) << " kann nicht gelesen werden.\n";
        return 1;
    }
    // One byte beyond the limit is enough to know that a file which grew meanwhile is too large.
    const QByteArray content = file.read(store::kMaxImportBytes + 1);
    // The desktop program writes every entry at once; an import beside it would write under its feet.
    InstanceLock lock(store::programFolder());
    if (!lock.acquire()) {
        err() << (lock.heldByOther()
                      ? QStringLiteral("Velmora ist geöffnet und arbeitet mit dieser Datenbank. Bitte schließen Sie "
                                       "das Programm, bevor Sie einen Antrag übernehmen.")
                      : lock.message())
              << "\n";
        return 1;
    }
    if (!openDatabase())
        return 1;
    QString name;
    QString error;
    if (!store::importApplication(content, &name, &error)) {
        err() << error << "\n";
        return 1;
    }
    out() << "Antrag \"" << name << "\" übernommen.\n";
    return 0;
}

} // namespace cli
