#pragma once

#include "Catalogue.h"
#include "DataSets.h"
#include "PrintSink.h"

#include <QList>
#include <QString>
#include <functional>

namespace printing {

// How the dialog would produce the sheets: printed directly (an unneeded sheet is skipped silently),
// with the preview (the message, then the sheet anyway), or opened in the designer (no condition is
// tested, every per-row sheet runs at least once).
enum class Mode { Direct, Preview, Design };

// Produces sheets of the catalogue for one application into a sink. Each copy of a sheet is rendered
// from a fresh context holding exactly its own data sets.
class PrintEngine {
public:
    // `message` receives the information the dialog shows (one German text per call).
    PrintEngine(PrintSink& sink, Mode mode, std::function<void(const QString&)> message);

    // The sheets (numbers 1 to 37) in catalogue order. False at the first failure (a missing or broken
    // template, a database error, a sink that cannot write), with the German message in error().
    bool print(const QString& application, const QList<int>& sheets);
    // One checklist (householdChecklist() or personChecklist() with the person's identifier as owner).
    bool printChecklist(const QString& application, const Sheet& checklist, const QString& owner);
    // Hands the copies to the sink's finish(); false when nothing was produced or the sink failed.
    bool finish();

    int copiesProduced() const { return m_produced; }
    QString error() const { return m_error; }

private:
    bool produce(const Sheet& sheet);
    bool conditionHolds(const Sheet& sheet, bool* holds);
    bool furtherPersons(QStringList* identifiers, QStringList* names);
    bool fillSets(const Sheet& sheet, const BindValues& binds, bool perRow, QList<DataSet>* sets);
    bool output(const Sheet& sheet, const QList<DataSet>& sets, const QString& label);

    PrintSink& m_sink;
    Mode m_mode;
    std::function<void(const QString&)> m_message;
    DataSetReader m_reader;
    QString m_application;
    Row m_kopf;
    int m_pages = 0;
    int m_produced = 0;
    QString m_error;
};

} // namespace printing
