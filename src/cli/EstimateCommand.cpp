#include "EstimateCommand.h"

#include "Commands.h"
#include "EstimateCaptions.h"
#include "EstimateReader.h"
#include "EstimateReport.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QJsonDocument>
#include <QTextStream>
#include <optional>

namespace cli {

namespace {

const char* kEstimateUsage =
    "Aufruf: velmora-cli estimate NAME [--rent-level 1-6] [--date JJJJ-MM-TT] [--json]\n";

struct EstimateCall {
    QString name;
    int rentLevel = 0; // 0-based
    QDate day = QDate::currentDate();
    bool json = false;
};

// Reads the arguments; a German message in `error` when they are wrong.
bool parse(const QStringList& args, EstimateCall* call, QString* error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const auto value = [&](const QString& option) -> std::optional<QString> {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("%1 braucht einen Wert.").arg(option);
                return std::nullopt;
            }
            return args.at(++i);
        };
        if (a == QLatin1String("--json")) {
            call->json = true;
        } else if (a == QLatin1String("--rent-level")) {
            const auto v = value(a);
            if (!v) return false;
            bool ok = false;
            const int level = v->toInt(&ok);
            if (!ok || level < 1 || level > 6) {
                *error = QStringLiteral("Die Mietstufe muss eine Zahl von 1 bis 6 sein, nicht „%1“.").arg(*v);
                return false;
            }
            call->rentLevel = level - 1;
        } else if (a == QLatin1String("--date")) {
            const auto v = value(a);
            if (!v) return false;
            call->day = QDate::fromString(*v, Qt::ISODate);
            if (!call->day.isValid() || v->size() != 10) {
                *error = QStringLiteral("Das Datum muss die Form JJJJ-MM-TT haben, nicht „%1“.").arg(*v);
                return false;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("Unbekannte Angabe: %1").arg(a);
            return false;
        } else if (call->name.isEmpty()) {
            call->name = a;
        } else {
            *error = QStringLiteral("Nur ein Antragsname ist möglich.");
            return false;
        }
    }
    if (call->name.isEmpty()) {
        *error = QStringLiteral("Der Name des Antrags fehlt.");
        return false;
    }
    return true;
}

} // namespace

int runEstimate(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    EstimateCall call;
    QString error;
    if (!parse(args, &call, &error)) {
        err << error << "\n" << kEstimateUsage;
        return 2;
    }
    if (!openDatabase()) return 1;

    if (!openApplicationNamed(call.name)) return 1;
    const QString ident = MainObject->AntragIdent;

    std::optional<estimate::EstimateRun> run = estimate::RunEstimate(ident, call.day, &error);
    if (!run) {
        err << error << "\n";
        return 1;
    }
    run->input.rentLevel = call.rentLevel;
    run->recompute();

    // The figures are printed either way; the exit code tells a script that the benefit is not among them.
    const int exitCode = run->result.complete ? 0 : kIncompleteExitCode;
    if (call.json) {
        out << QString::fromUtf8(
            QJsonDocument(estimate::estimateToJson(run->result)).toJson(QJsonDocument::Indented));
        return exitCode;
    }
    out << QStringLiteral("Voraussichtliche Leistungen: %1\n").arg(call.name)
        << QStringLiteral("berechnet für den %1, Mietstufe %2\n")
               .arg(estimate::formatDate(call.day))
               .arg(call.rentLevel + 1)
        << estimate::captions::warning() << "\n\n"
        << estimate::estimateToText(run->result);
    return exitCode;
}

} // namespace cli
