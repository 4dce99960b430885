// velmora-cli: the program's data without a window. Every command shares its logic with the desktop
// program; errors go to stderr and give a non-zero exit code.
#include "Commands.h"
#include "EstimateCommand.h"
#include "PrintCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <memory>

namespace {

const char* kUsage = "Aufruf: velmora-cli [--home ORDNER] BEFEHL\n"
                     "Befehle:\n"
                     "  init                      Programmordner anlegen (Datenbank nur, wenn sie fehlt)\n"
                     "  list                      gespeicherte Anträge nach Namen auflisten\n"
                     "  export NAME [DATEI]       einen Antrag als JSON ausgeben\n"
                     "  import DATEI              einen Antrag aus JSON übernehmen\n"
                     "  estimate NAME [--rent-level 1-6] [--date JJJJ-MM-TT] [--json]\n"
                     "                            voraussichtliche Leistungen berechnen\n"
                     "                            (Rückgabewert 3: Ergebnis unvollständig)\n"
                     "  print NAME (--complete | --sheet LISTE | --group GRUPPE) [--as-preview]\n"
                     "             [--pdf DATEI] [--list] [--html ORDNER]\n"
                     "                            Hauptantrag und Zusatzblätter drucken\n";

// The command, skipping --home and its folder; empty when there is none.
QString commandOf(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--home") == 0)
            ++i;
        else
            return QString::fromLocal8Bit(argv[i]);
    }
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    // Printing lays out text and writes PDF, which needs the GUI part of Qt; without a display it
    // renders offscreen. The other commands stay free of it.
    std::unique_ptr<QCoreApplication> app;
    if (commandOf(argc, argv) == QLatin1String("print")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments().mid(1);
    const int home = args.indexOf(QStringLiteral("--home"));
    if (home >= 0) {
        if (home + 1 >= args.size()) {
            QTextStream(stderr) << "--home braucht einen Ordner.\n" << kUsage;
            return 2;
        }
        qputenv("VELMORA_HOME", args.at(home + 1).toLocal8Bit());
        args.remove(home, 2);
    }
    if (args.isEmpty()) {
        QTextStream(stderr) << kUsage;
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("init"))
        return cli::runInit(args);
    if (command == QLatin1String("list"))
        return cli::runList(args);
    if (command == QLatin1String("export"))
        return cli::runExport(args);
    if (command == QLatin1String("import"))
        return cli::runImport(args);
    if (command == QLatin1String("estimate"))
        return cli::runEstimate(args);
    if (command == QLatin1String("print"))
        return cli::runPrint(args);
    QTextStream(stderr) << "Unbekannter Befehl: " << command << "\n" << kUsage;
    return 2;
}
