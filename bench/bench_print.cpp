// A complete print of a six-person application with every list filled, to PDF, beside the bare cost of
// QTextDocument rendering the same filled sheets to PDF in the same run. The print should cost at most
// 1.5 times that and grow linearly with the number of copies (complete prints in one output).
#include "Catalogue.h"
#include "PrintEngine.h"
#include "ProgramFolder.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "Transfer.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

const QString kApp = QStringLiteral("{F1000000-0000-4000-8000-000000000001}");
QString g_pdf;

QList<int> allSheets() {
    QList<int> numbers;
    for (const printing::Sheet& s : printing::catalogue())
        numbers << s.number;
    return numbers;
}

// `prints` complete prints of the application into one PDF; the number of copies produced.
int printToPdf(int prints) {
    printing::PdfSink sink(g_pdf);
    printing::PrintEngine engine(sink, printing::Mode::Direct, [](const QString&) {});
    for (int i = 0; i < prints; ++i)
        if (!engine.print(kApp, allSheets()))
            qFatal("%s", qPrintable(engine.error()));
    if (!engine.finish())
        qFatal("%s", qPrintable(engine.error()));
    return engine.copiesProduced();
}

// The filled sheets of one complete print, as the baseline renders them.
QStringList filledSheets() {
    printing::RecordingSink sink;
    printing::PrintEngine engine(sink, printing::Mode::Direct, [](const QString&) {});
    if (!engine.print(kApp, allSheets()))
        qFatal("%s", qPrintable(engine.error()));
    QStringList html;
    for (const printing::SheetCopy& c : sink.copies())
        html << c.html;
    return html;
}

// Baseline: QTextDocument alone lays out each filled sheet on A4 and paints its pages into one PDF.
void documentsOnly(const QStringList& sheets, int prints) {
    for (int i = 0; i < prints; ++i) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QPainter painter(&writer);
        const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
        bool first = true;
        for (const QString& html : sheets) {
            QTextDocument doc;
            doc.documentLayout()->setPaintDevice(&writer);
            doc.setDocumentMargin(0);
            doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
            doc.setPageSize(page.size());
            doc.setHtml(html);
            for (int p = 0; p < doc.pageCount(); ++p) {
                if (!first)
                    writer.newPage();
                first = false;
                painter.save();
                painter.translate(0, -p * page.height());
                doc.drawContents(&painter, QRectF(0, p * page.height(), page.width(), page.height()));
                painter.restore();
            }
        }
        painter.end();
        benchmark::DoNotOptimize(buffer.size());
    }
}

void PrintToPdf(benchmark::State& state) {
    const int prints = int(state.range(0));
    int copies = 0;
    for (auto _ : state)
        copies = printToPdf(prints);
    state.counters["copies"] = copies;
    state.SetComplexityN(copies);
}

void DocumentsOnly(benchmark::State& state) {
    const int prints = int(state.range(0));
    const QStringList sheets = filledSheets();
    for (auto _ : state)
        documentsOnly(sheets, prints);
    state.counters["copies"] = double(sheets.size() * prints);
    state.SetComplexityN(sheets.size() * prints);
}

// The processor time of this process: a shared machine's load does not enter the ratio.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Both in the same iterations, so that the ratio is taken under the same conditions.
void PrintOverDocuments(benchmark::State& state) {
    const int prints = int(state.range(0));
    const QStringList sheets = filledSheets();
    double bare = 0;
    double full = 0;
    for (auto _ : state) {
        const double t0 = cpuSeconds();
        documentsOnly(sheets, prints);
        const double t1 = cpuSeconds();
        benchmark::DoNotOptimize(printToPdf(prints));
        const double t2 = cpuSeconds();
        bare += t1 - t0;
        full += t2 - t1;
    }
    state.counters["ratio"] = full / bare;
}

BENCHMARK(PrintToPdf)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(DocumentsOnly)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(PrintOverDocuments)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir home;
    QString error;
    if (!store::initializeProgramFolder(home.path(), QStringLiteral(VELMORA_BUILD_HOME), &error))
        qFatal("%s", qPrintable(error));
    qputenv("VELMORA_HOME", home.path().toLocal8Bit());
    g_pdf = home.filePath(QStringLiteral("bench.pdf"));
    MainObject = new TMainObject;
    if (!MainObject->ConnectDatabase())
        qFatal("no database");
    // The family fixture has every list filled; without its youngest child it is a household of six.
    QFile fixture(QStringLiteral(VELMORA_SOURCE_DIR "/tests/fixtures/print-family.json"));
    QString name;
    if (!fixture.open(QIODevice::ReadOnly) || !store::importApplication(fixture.readAll(), &name, &error))
        qFatal("fixture not imported: %s", qPrintable(error));
    const QString youngest = QStringLiteral("{F1000000-0000-4000-8000-000000000107}");
    for (const char* sql : {"DELETE FROM PERSON WHERE PRS_IDENT=?", "DELETE FROM MAINMONEY WHERE MIP_INDEX_PERSON=?",
                            "DELETE FROM MOREPOWER WHERE MOP_INDEX_PERSON=?"})
        if (!store::execute(QString::fromLatin1(sql), {youngest}, store::OnError::Ignore))
            qFatal("fixture not reduced");

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete MainObject;
    MainObject = nullptr;
    return 0;
}
