// The templates of the installation against the engine: each exists and parses, each section names a
// data set its sheet fills (or Kopf), and each variable a column of that data set's statement, taken
// from the statement itself on an empty database. Only double-brace tags.

#include "Catalogue.h"
#include "DataSets.h"
#include "Sql.h"
#include "TestHome.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlRecord>
#include <QTest>
#include <kainjow/mustache.hpp>

namespace {

QString templateFile(const QString& base) {
    return QStringLiteral(VELMORA_SOURCE_DIR "/data/Daten/Templates/") + base + QStringLiteral(".html");
}

// The sheets that load a template (a checklist, or one sheet; sheet 9 has three templates).
QList<const printing::Sheet*> sheetsOf(const QString& base) {
    QList<const printing::Sheet*> sheets;
    for (const printing::Sheet& s : printing::catalogue())
        for (const printing::TemplateSpec& t : s.templates)
            if (t.base == base)
                sheets << &s;
    for (const printing::Sheet* s : {&printing::householdChecklist(), &printing::personChecklist()})
        if (s->templates.first().base == base)
            sheets << s;
    return sheets;
}

QSet<QString> columnsOf(const printing::Statement& statement, QString* error) {
    printing::BindValues binds;
    binds.application = QStringLiteral("{LINT}");
    store::Rows rows = store::select(statement.sql, printing::bindValues(statement, binds), store::OnError::Ignore);
    if (!rows.ok()) {
        *error = statement.sql;
        return {};
    }
    const QSqlRecord record = rows.query().record();
    QSet<QString> columns{QStringLiteral("_NR")};
    for (int i = 0; i < record.count(); ++i)
        columns.insert(record.fieldName(i));
    return columns;
}

} // namespace

class TestPrintTemplates : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void lint_data();
    void lint();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestPrintTemplates::initTestCase() {
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
}

void TestPrintTemplates::cleanupTestCase() { m_home.reset(); }

void TestPrintTemplates::lint_data() {
    QTest::addColumn<QString>("base");
    for (const QString& base : printing::templateBases())
        QTest::newRow(qPrintable(base)) << base;
}

void TestPrintTemplates::lint() {
    QFETCH(QString, base);
    QFile file(templateFile(base));
    if (!file.exists())
        QSKIP(qPrintable(QStringLiteral("template %1 not written yet").arg(base)));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QString text = QString::fromUtf8(file.readAll());

    kainjow::mustache::mustache parsed(text.toStdString());
    QVERIFY2(parsed.is_valid(), parsed.error_message().c_str());
    QVERIFY2(!text.contains(QStringLiteral("{{{")), "triple braces print unescaped");
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("\\{\\{\\s*&"))), "{{& }} prints unescaped");

    // What each data set offers, from the statements of every sheet that loads the template.
    QHash<QString, QSet<QString>> offered;
    for (const printing::Sheet* sheet : sheetsOf(base)) {
        for (const printing::DataSetSpec& spec : sheet->dataSets) {
            QString error;
            offered[spec.name] += columnsOf(spec.statement, &error);
            QVERIFY2(error.isEmpty(), qPrintable(QStringLiteral("statement fails: ") + error));
        }
    }
    offered[QStringLiteral("Kopf")] = QSet<QString>{QStringLiteral("KOPF_ANTRAG"), QStringLiteral("KOPF_DATUM"),
                                                    QStringLiteral("KOPF_NUMMER"), QStringLiteral("KOPF_DIENSTSTELLE"),
                                                    QStringLiteral("KOPF_ANTRAGSTELLER")};
    QVERIFY(!sheetsOf(base).isEmpty());

    // Walk the tags: the innermost data set (or Kopf) section is the scope of every name inside it.
    static const QRegularExpression tag(QStringLiteral("\\{\\{\\s*([#^/!>=]?)\\s*([^}]*?)\\s*\\}\\}"));
    QStringList scopes;   // open data set sections
    QStringList sections; // every open section
    QStringList problems;
    auto it = tag.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString kind = m.captured(1);
        const QString name = m.captured(2);
        const int line = int(text.left(m.capturedStart()).count(QLatin1Char('\n'))) + 1;
        const auto problem = [&](const QString& what) {
            problems << QStringLiteral("line %1: {{%2%3}} %4").arg(line).arg(kind, name, what);
        };
        if (kind == QLatin1String("!"))
            continue;
        if (kind == QLatin1String(">") || kind == QLatin1String("=")) {
            problem(QStringLiteral("is not allowed"));
            continue;
        }
        if (kind == QLatin1String("/")) {
            if (!sections.isEmpty() && sections.last() == name) {
                sections.removeLast();
                if (!scopes.isEmpty() && scopes.last() == name)
                    scopes.removeLast();
            }
            continue;
        }
        const bool opensScope = (kind == QLatin1String("#") || kind == QLatin1String("^")) && offered.contains(name);
        if (opensScope) {
            sections << name;
            scopes << name;
            continue;
        }
        if (scopes.isEmpty())
            problem(QStringLiteral("names no data set of this sheet and stands outside every data set"));
        else if (!offered.value(scopes.last()).contains(name))
            problem(QStringLiteral("is no column of %1").arg(scopes.last()));
        if (kind == QLatin1String("#") || kind == QLatin1String("^"))
            sections << name;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(templateFile(base) + QLatin1Char('\n') + problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestPrintTemplates)
#include "tst_print_templates.moc"
