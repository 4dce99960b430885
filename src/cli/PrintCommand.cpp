#include "PrintCommand.h"

#include "Catalogue.h"
#include "Commands.h"
#include "PrintEngine.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <optional>

namespace cli {

namespace {

const char* kPrintUsage = "Aufruf: velmora-cli print NAME (--complete | --sheet LISTE | --group GRUPPE) "
                          "[--as-preview] [--pdf DATEI] [--list] [--html ORDNER]\n";

struct PrintCall {
    QString name;
    QList<int> sheets;
    bool chosen = false;
    bool preview = false;
    QString pdf;
    bool list = false;
    QString html;
};

bool parse(const QStringList& args, PrintCall* call, QString* error) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        const auto value = [&](const QString& option) -> std::optional<QString> {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                *error = QStringLiteral("%1 braucht einen Wert.").arg(option);
                return std::nullopt;
            }
            return args.at(++i);
        };
        const auto choose = [&]() {
            if (call->chosen) {
                *error = QStringLiteral("Nur eine der Angaben --complete, --sheet und --group ist möglich.");
                return false;
            }
            call->chosen = true;
            return true;
        };
        if (a == QLatin1String("--complete")) {
            if (!choose()) return false;
            for (const printing::Sheet& s : printing::catalogue())
                call->sheets << s.number;
        } else if (a == QLatin1String("--sheet")) {
            if (!choose()) return false;
            const auto v = value(a);
            if (!v || !printing::parseSheetList(*v, &call->sheets, error)) return false;
        } else if (a == QLatin1String("--group")) {
            if (!choose()) return false;
            const auto v = value(a);
            if (!v) return false;
            call->sheets = printing::groupSheets(*v);
            if (call->sheets.isEmpty()) {
                *error = QStringLiteral("Unbekannte Gruppe „%1“; möglich sind: %2.")
                             .arg(*v, printing::groupKeys().join(QStringLiteral(", ")));
                return false;
            }
        } else if (a == QLatin1String("--as-preview")) {
            call->preview = true;
        } else if (a == QLatin1String("--list")) {
            call->list = true;
        } else if (a == QLatin1String("--pdf")) {
            const auto v = value(a);
            if (!v) return false;
            call->pdf = *v;
        } else if (a == QLatin1String("--html")) {
            const auto v = value(a);
            if (!v) return false;
            call->html = *v;
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
    if (!call->chosen) {
        *error = QStringLiteral("Es fehlt, was gedruckt werden soll: --complete, --sheet oder --group.");
        return false;
    }
    return true;
}

// Every produced copy goes to the record (for --list and --html) and, with --pdf, into the file.
class CliSink : public printing::PrintSink {
public:
    explicit CliSink(const QString& pdf) {
        if (!pdf.isEmpty())
            m_pdf = std::make_unique<printing::PdfSink>(pdf);
    }
    bool add(const printing::SheetCopy& copy, QTextDocument& document, QString* error) override {
        return m_record.add(copy, document, error) && (!m_pdf || m_pdf->add(copy, document, error));
    }
    bool finish(QString* error) override { return m_record.finish(error) && (!m_pdf || m_pdf->finish(error)); }
    const QList<printing::SheetCopy>& copies() const { return m_record.copies(); }

private:
    printing::RecordingSink m_record;
    std::unique_ptr<printing::PdfSink> m_pdf;
};

bool writeHtml(const QString& folder, const QList<printing::SheetCopy>& copies, QString* error) {
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(folder);
        return false;
    }
    int number = 0;
    for (const printing::SheetCopy& copy : copies) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("%1_%2.html").arg(++number, 3, 10, QLatin1Char('0')).arg(copy.base));
        QFile file(path);
        const QByteArray bytes = copy.html.toUtf8();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(path);
            return false;
        }
    }
    return true;
}

} // namespace

int runPrint(const QStringList& args) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    PrintCall call;
    QString error;
    if (!parse(args, &call, &error)) {
        err << error << "\n" << kPrintUsage;
        return 2;
    }
    if (!openDatabase() || !openApplicationNamed(call.name)) return 1;
    const QString ident = MainObject->AntragIdent;

    CliSink sink(call.pdf);
    printing::PrintEngine engine(sink, call.preview ? printing::Mode::Preview : printing::Mode::Direct,
                                 [&err](const QString& message) {
                                     err << message << "\n";
                                     err.flush();
                                 });
    if (!engine.print(ident, call.sheets)) {
        err << engine.error() << "\n";
        return 1;
    }
    if (engine.copiesProduced() == 0) {
        err << "Es wurde kein Blatt erzeugt.\n";
        return 0;
    }
    // The PDF is committed last, so that it appears only when everything else succeeded too.
    if (!call.html.isEmpty() && !writeHtml(call.html, sink.copies(), &error)) {
        err << error << "\n";
        return 1;
    }
    if (!engine.finish()) {
        err << engine.error() << "\n";
        return 1;
    }
    if (call.list) {
        for (const printing::SheetCopy& c : sink.copies())
            out << c.firstPage << '-' << c.lastPage << '\t' << c.sheet << '\t' << c.base << '\t' << c.label << '\n';
    }
    return 0;
}

} // namespace cli
