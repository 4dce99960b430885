#include "EstimateReport.h"

#include "EstimateCaptions.h"

#include <QJsonArray>
#include <QLocale>
#include <cmath>

namespace estimate {

namespace {

QString twoDecimals(double value) {
    // A value that rounds to nothing shows as 0,00, never as -0,00.
    if (std::fabs(value) < 0.005) value = 0;
    return QLocale(QLocale::German, QLocale::Germany).toString(value, 'f', 2);
}

template <size_t N> QJsonArray numbers(const std::array<double, N>& values) {
    QJsonArray a;
    for (double v : values)
        a.append(v);
    return a;
}

// A plain text table: amounts right-aligned, texts (the columns named in `textColumns`) left-aligned.
class TextTable {
public:
    explicit TextTable(QStringList header, QList<int> textColumns = {0})
        : m_text(std::move(textColumns)) {
        if (!header.join(QString()).isEmpty()) m_rows << header;
    }
    void add(QStringList row) { m_rows << row; }

    QString render() const {
        QVector<int> width;
        for (const QStringList& row : m_rows) {
            width.resize(std::max<int>(width.size(), row.size()));
            for (int c = 0; c < row.size(); ++c)
                width[c] = std::max<int>(width[c], row[c].size());
        }
        QString out;
        for (const QStringList& row : m_rows) {
            QString line = QStringLiteral("  ");
            for (int c = 0; c < row.size(); ++c) {
                if (c > 0) line += QStringLiteral("  ");
                line += m_text.contains(c) ? row[c].leftJustified(width[c]) : row[c].rightJustified(width[c]);
            }
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            out += line + QLatin1Char('\n');
        }
        return out;
    }

private:
    QList<QStringList> m_rows;
    QList<int> m_text;
};

QString section(int index, const QString& body, const QString& total) {
    QString out = captions::sections().at(index) + QLatin1Char('\n') + body;
    if (!total.isEmpty()) out += QStringLiteral("  Summe: ") + total + QLatin1Char('\n');
    return out + QLatin1Char('\n');
}

template <size_t N>
QString captionTable(const QString& heading, const QStringList& captions, const std::array<double, N>& values,
                     bool money) {
    TextTable t({heading, QString()});
    for (size_t i = 0; i < N; ++i)
        t.add({captions.value(int(i)), money ? formatMoney(values[i], true) : formatNumber(values[i])});
    return t.render();
}

} // namespace

QString formatMoney(double amount, bool grid) {
    return twoDecimals(amount) + (grid ? QStringLiteral(" €") : QStringLiteral("€"));
}

QString formatNumber(double value) {
    return twoDecimals(value);
}

QString formatDate(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QJsonObject estimateToJson(const EstimateResult& r) {
    QJsonArray persons;
    for (const PersonRate& p : r.persons) {
        persons.append(QJsonObject{
            {QStringLiteral("name"), p.name},
            {QStringLiteral("birthday"),
             p.birthDate.isValid() ? QJsonValue(p.birthDate.toString(Qt::ISODate)) : QJsonValue()},
            {QStringLiteral("age"), p.age ? QJsonValue(*p.age) : QJsonValue()},
            {QStringLiteral("type"), p.type},
            {QStringLiteral("rate"), p.rate}});
    }
    QJsonArray needs;
    for (const AdditionalNeed& a : r.additionalNeeds) {
        needs.append(QJsonObject{{QStringLiteral("name"), a.name},
                                 {QStringLiteral("pregnancy"), a.pregnancy},
                                 {QStringLiteral("singleParent"), a.singleParent},
                                 {QStringLiteral("disability"), a.disability},
                                 {QStringLiteral("diet"), a.diet},
                                 {QStringLiteral("total"), a.total}});
    }
    QJsonArray income;
    for (const IncomeRow& i : r.income) {
        income.append(QJsonObject{{QStringLiteral("name"), i.name},
                                  {QStringLiteral("income"), i.income},
                                  {QStringLiteral("deductions"), i.deductions},
                                  {QStringLiteral("exemption"), i.exemption},
                                  {QStringLiteral("counted"), i.counted}});
    }
    QJsonArray assets;
    for (const AssetRow& a : r.assets) {
        assets.append(QJsonObject{{QStringLiteral("name"), a.name},
                                  {QStringLiteral("assets"), a.assets},
                                  {QStringLiteral("deductions"), a.deductions},
                                  {QStringLiteral("allowance"), a.allowance},
                                  {QStringLiteral("counted"), a.counted}});
    }
    return QJsonObject{
        {QStringLiteral("persons"), persons},
        {QStringLiteral("additionalNeeds"), needs},
        {QStringLiteral("housing"), QJsonObject{{QStringLiteral("household"), numbers(r.housing.household)},
                                                {QStringLiteral("rent"), numbers(r.housing.rent)},
                                                {QStringLiteral("heating"), numbers(r.housing.heating)},
                                                {QStringLiteral("total"), r.housing.total}}},
        {QStringLiteral("supplement"), numbers(r.supplement.rows)},
        {QStringLiteral("income"), income},
        {QStringLiteral("assets"), assets},
        {QStringLiteral("result"), numbers(r.result)},
        {QStringLiteral("complete"), r.complete},
        {QStringLiteral("problems"), QJsonArray::fromStringList(r.problems)}};
}

QString resultLabel(const EstimateResult& r) {
    return r.complete ? captions::resultPrefix() + formatMoney(r.result[ResultBenefit])
                      : captions::notComputable();
}

QString estimateToText(const EstimateResult& r) {
    QString out;

    TextTable persons(captions::personColumns());
    for (const PersonRate& p : r.persons)
        persons.add({p.name, formatDate(p.birthDate), p.age ? QString::number(*p.age) : QString(),
                     formatMoney(p.rate, true)});
    out += section(0, persons.render(), formatMoney(r.ratesTotal));

    TextTable needs(captions::additionalNeedColumns(), {0, 4});
    for (const AdditionalNeed& a : r.additionalNeeds)
        needs.add({a.name, formatMoney(a.pregnancy, true), formatMoney(a.singleParent, true),
                   formatMoney(a.disability, true), a.dietText, formatMoney(a.diet, true),
                   formatMoney(a.total, true)});
    out += section(1, needs.render(), formatMoney(r.additionalNeedsTotal));

    out += section(
        2,
        captionTable(captions::householdHeading(), captions::householdRows(), r.housing.household, false) +
            captionTable(captions::rentHeading(), captions::rentRows(), r.housing.rent, true) +
            captionTable(captions::heatingHeading(), captions::heatingRows(), r.housing.heating, true),
        formatMoney(r.housing.total));

    QStringList supplementCaptions = captions::supplementRows();
    supplementCaptions[0] = r.supplement.firstCaption;
    TextTable supplement({QString(), QString()});
    for (size_t i = 0; i < r.supplement.rows.size(); ++i)
        supplement.add({supplementCaptions.value(int(i)), formatMoney(r.supplement.rows[i], true)});
    out += section(3, supplement.render(), formatMoney(r.supplement.rows[6]));

    TextTable income(captions::incomeColumns());
    for (const IncomeRow& i : r.income)
        income.add({i.name, formatMoney(i.income, true), formatMoney(i.deductions, true),
                    formatMoney(i.exemption, true), formatMoney(i.counted, true)});
    out += section(4, income.render(), formatMoney(r.income.empty() ? 0 : r.income.back().counted));

    TextTable assets(captions::assetColumns());
    for (const AssetRow& a : r.assets)
        assets.add({a.name, formatMoney(a.assets, true), formatMoney(a.deductions, true),
                    formatMoney(a.allowance, true), formatMoney(a.counted, true)});
    out += section(5, assets.render(), formatMoney(r.assets.empty() ? 0 : r.assets.back().counted));

    TextTable result({QStringLiteral("Bezeichnung"), QStringLiteral("Betrag")});
    const QStringList resultCaptions = captions::resultRows();
    for (size_t i = 0; i < r.result.size(); ++i) {
        const bool unknown = i == ResultBenefit && !r.complete;
        result.add(
            {resultCaptions.value(int(i)), unknown ? QStringLiteral("–") : formatMoney(r.result[i], true)});
    }
    out += section(6, result.render(), QString());

    out += resultLabel(r) + QLatin1Char('\n');
    for (const QString& problem : r.problems)
        out += QStringLiteral("  ") + problem + QLatin1Char('\n');
    out += QLatin1Char('\n') + captions::note() + QLatin1Char('\n');
    return out;
}

} // namespace estimate
