#pragma once

// Small applications built row by row, and probe templates that show which data sets a copy holds.

#include "Catalogue.h"
#include "PrintEngine.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <QVariantMap>

namespace printtest {

inline bool insert(const QString& table, const QVariantMap& values) {
    QStringList columns = values.keys();
    QVariantList bound;
    for (const QString& c : columns)
        bound << values.value(c);
    for (QString& c : columns)
        c = store::quoteIdentifier(c);
    return store::execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(table, columns.join(QLatin1Char(',')),
                                   QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                          bound, store::OnError::Ignore);
}

inline bool update(const QString& table, const QString& key, const QString& ident, const QVariantMap& values) {
    QStringList sets;
    QVariantList bound;
    for (auto it = values.begin(); it != values.end(); ++it) {
        sets << store::quoteIdentifier(it.key()) + QStringLiteral("=?");
        bound << it.value();
    }
    bound << ident;
    return store::execute(QStringLiteral("UPDATE %1 SET %2 WHERE %3=?").arg(table, sets.join(QLatin1Char(',')), key),
                          bound, store::OnError::Ignore);
}

// An application whose applicant is "Name, Vorname"; the once-per-application rows exist.
inline QString application(const QString& sign, const QString& name, const QString& firstName) {
    const QString app = createTestApplication(sign);
    if (!app.isEmpty())
        update(QStringLiteral("PERSON"), QStringLiteral("PRS_IDENT"), app,
               {{QStringLiteral("PRS_NAME"), name + QLatin1Char(' ')},
                {QStringLiteral("PRS_VNAME"), firstName + QLatin1Char(' ')},
                {QStringLiteral("PRS_TYPE"), 0},
                {QStringLiteral("PRS_NUMBER"), 1}});
    return app;
}

inline QString person(const QString& app, int type, int number, const QString& name, const QString& firstName,
                      const QVariant& birthday = {}) {
    const QString ident = TMainObject::NewRowIdent();
    const bool ok = insert(QStringLiteral("PERSON"), {{QStringLiteral("PRS_IDENT"), ident},
                                                      {QStringLiteral("PRS_INDEX_MAINHEADER"), app},
                                                      {QStringLiteral("PRS_TYPE"), type},
                                                      {QStringLiteral("PRS_NUMBER"), number},
                                                      {QStringLiteral("PRS_NAME"), name + QLatin1Char(' ')},
                                                      {QStringLiteral("PRS_VNAME"), firstName + QLatin1Char(' ')},
                                                      {QStringLiteral("PRS_BIRTHDAY"), birthday}});
    return ok ? ident : QString();
}

inline QStringList dataSetNames() {
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("frDBDataSet%1").arg(i);
    return names << QStringLiteral("Z93DataSet") << QStringLiteral("Z93HlpDataSet");
}

// Every template of the program folder replaced by a probe: its base name, then per data set its rows
// as [number|first name|counts and sums].
inline bool writeProbeTemplates(const TestHome& home) {
    const QDir dir(home.file(QStringLiteral("Daten/Templates")));
    if (!QDir().mkpath(dir.path()))
        return false;
    for (const QString& base : printing::templateBases()) {
        QString text = QStringLiteral("<p>%1</p>\n").arg(base);
        for (const QString& set : dataSetNames())
            text += QStringLiteral("<p>%1:{{#%1}}[{{_NR}}|{{PRS_VNAME}}{{Z92O_VNAME}}{{HTV_TEXT}}|{{ALLCOUNT}}"
                                   "{{NOMONEYCOUNT}}{{MIA_SUMME}}{{MIO_SUMME}}]{{/%1}}</p>\n")
                        .arg(set);
        QFile f(dir.filePath(base + QStringLiteral(".html")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text.toUtf8()) < 0)
            return false;
    }
    return true;
}

// The probe's line of one data set in a filled probe template, e.g. "frDBDataSet3:[1|Anna||]".
inline QString probeLine(const QString& html, const QString& set) {
    for (const QString& line : html.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("<p>") + set + QLatin1Char(':')))
            return line.mid(3, line.size() - 7);
    return {};
}

struct Result {
    bool ok = false;
    QString error;
    QStringList copies;   // "sheet base label"
    QStringList messages;
    QList<printing::SheetCopy> raw;
};

inline Result print(const QString& app, const QList<int>& sheets, printing::Mode mode) {
    Result r;
    printing::RecordingSink sink;
    printing::PrintEngine engine(sink, mode, [&r](const QString& m) { r.messages << m; });
    r.ok = engine.print(app, sheets);
    r.error = engine.error();
    r.raw = sink.copies();
    for (const printing::SheetCopy& c : sink.copies())
        r.copies << QStringLiteral("%1 %2 %3").arg(c.sheet).arg(c.base, c.label).trimmed();
    return r;
}

inline QList<int> range(int from, int to) {
    QList<int> n;
    for (int i = from; i <= to; ++i)
        n << i;
    return n;
}

} // namespace printtest
