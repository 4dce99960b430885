#include "Catalogue.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace printing {

namespace {

using B = Bind;

Statement st(const char* sql, QList<Bind> binds = {B::App}) { return {QString::fromUtf8(sql), binds}; }

DataSetSpec set(int n, Statement s, Statement fallback = {}) {
    return {QStringLiteral("frDBDataSet%1").arg(n), s, fallback, false};
}

DataSetSpec perRow(int n, Statement s) { return {QStringLiteral("frDBDataSet%1").arg(n), s, {}, true}; }

// The recurring statements.
const char* kAppRow = "SELECT * FROM MAINHEADER, MAINPERSON WHERE BDG_IDENT=? AND ANS_INDEX_MAINHEADER=BDG_IDENT";
const char* kHeader = "SELECT * FROM MAINHEADER WHERE BDG_IDENT=?";
const char* kMainPerson = "SELECT * FROM MAINPERSON WHERE ANS_INDEX_MAINHEADER=? ORDER BY rowid";
const char* kPersonById = "SELECT * FROM PERSON WHERE PRS_IDENT=?";

DataSetSpec appRow() { return set(1, st(kAppRow)); }
DataSetSpec header() { return set(1, st(kHeader)); }
DataSetSpec mainPerson() { return set(2, st(kMainPerson)); }

DataSetSpec applicant(int n) {
    return set(n, st("SELECT * FROM PERSON WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=0 ORDER BY PRS_NUMBER"));
}

// The partner, or the placeholder person when there is none.
DataSetSpec partner(int n, const QString& tables = QStringLiteral("PERSON"), const QString& join = {}) {
    const QString and_ = join.isEmpty() ? QString() : QStringLiteral(" AND ") + join;
    return set(n,
               {QStringLiteral("SELECT * FROM %1 WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=1%2 ORDER BY PRS_NUMBER")
                    .arg(tables, and_),
                {B::App}},
               {QStringLiteral("SELECT * FROM %1 WHERE PRS_IDENT=?%2").arg(tables, and_), {B::Dummy}});
}

DataSetSpec applicantJoined(int n, const QString& tables, const QString& join) {
    return set(n, {QStringLiteral("SELECT * FROM %1 WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=0 AND %2 "
                                  "ORDER BY PRS_NUMBER")
                       .arg(tables, join),
                   {B::App}});
}

QList<DataSetSpec> personSlots(int first, const QString& tables = QStringLiteral("PERSON"), const QString& join = {}) {
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE PRS_IDENT=?%2")
                            .arg(tables, join.isEmpty() ? QString() : QStringLiteral(" AND ") + join);
    return {set(first, {sql, {B::Slot0}}), set(first + 1, {sql, {B::Slot1}}), set(first + 2, {sql, {B::Slot2}})};
}

DataSetSpec children(int n) {
    return set(n, st("SELECT * FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=? ORDER BY rowid"),
               st("SELECT * FROM MEMBERCHILDS WHERE CKG_INDEX_MAINHEADER=? ORDER BY rowid", {B::Dummy}));
}

DataSetSpec list(int n, const char* table, const char* prefix, bool numbered = true) {
    return set(n, {QStringLiteral("SELECT * FROM %1 WHERE %2_INDEX_MAINHEADER=? ORDER BY %3")
                       .arg(QLatin1String(table), QLatin1String(prefix),
                            numbered ? QLatin1String(prefix) + QStringLiteral("_NUMBER, rowid")
                                     : QStringLiteral("rowid")),
                   {B::App}});
}

DataSetSpec personList(int n, const char* table, const char* prefix, const char* extraOrder = nullptr) {
    return perRow(n, {QStringLiteral("SELECT * FROM %1 WHERE %2_INDEX_PERSON=? ORDER BY %3rowid")
                          .arg(QLatin1String(table), QLatin1String(prefix),
                               extraOrder ? QLatin1String(extraOrder) + QStringLiteral(", ") : QString()),
                      {B::RowPerson}});
}

QList<TemplateSpec> one(const char* base) { return {{QString::fromUtf8(base), {}}}; }

Sheet mainPage(int number, QList<DataSetSpec> sets) {
    Sheet s;
    s.number = number;
    s.group = QStringLiteral("Hauptantrag");
    s.button = QStringLiteral("Seite %1").arg(number);
    s.groupKey = QStringLiteral("hauptantrag");
    s.templates = {{QStringLiteral("HauptSeite%1").arg(number), {}}};
    s.dataSets = sets;
    return s;
}

Sheet sheet(int number, const char* group, const char* button, const char* key, const char* base,
            QList<DataSetSpec> sets) {
    Sheet s;
    s.number = number;
    s.group = QString::fromUtf8(group);
    s.button = QString::fromUtf8(button);
    s.groupKey = QString::fromUtf8(key);
    s.templates = one(base);
    s.dataSets = sets;
    return s;
}

Sheet withFlag(Sheet s, const char* flag, const char* message) {
    s.condition = Condition::Flag;
    s.flag = QString::fromUtf8(flag);
    s.messageName = QString::fromUtf8(message);
    return s;
}

Sheet rows(Sheet s, Copies copies, const char* rowQuery) {
    s.copies = copies;
    s.rowQuery = QString::fromUtf8(rowQuery);
    return s;
}

Sheet hasRow(Sheet s, const char* table, const char* prefix, const char* message) {
    s.condition = Condition::HasRow;
    s.conditionQuery = {QStringLiteral("SELECT * FROM %1 WHERE %2_INDEX_MAINHEADER=?")
                            .arg(QLatin1String(table), QLatin1String(prefix)),
                        {B::App}};
    s.messageName = QString::fromUtf8(message);
    return s;
}

// The income sheets: header, address and one copy per person of the row query.
Sheet income(int number, const char* group, const char* button, const char* base, bool employed,
             QList<DataSetSpec> perPerson) {
    QList<DataSetSpec> sets{header(), mainPerson()};
    sets << set(3, employed ? st("SELECT * FROM MAINMONEY, PERSON WHERE PRS_IDENT=MIP_INDEX_PERSON AND "
                                 "MIP_INDEX_MAINHEADER=? AND MIP_HAVE_SOLD=? ORDER BY PRS_TYPE, PRS_NUMBER",
                                 {B::App, B::True})
                            : st("SELECT * FROM MAINMONEY, PERSON WHERE PRS_IDENT=MIP_INDEX_PERSON AND "
                                 "MIP_INDEX_MAINHEADER=? AND MIP_HVAE_NO=? ORDER BY PRS_TYPE, PRS_NUMBER",
                                 {B::App, B::False}));
    sets << perPerson;
    Sheet s = rows(sheet(number, group, button, "einkommen", base, sets), Copies::PerRow, "frDBDataSet3");
    s.condition = Condition::Income;
    s.messageName = QStringLiteral("Einkommen");
    return s;
}

QList<DataSetSpec> employmentLists() {
    return {personList(4, "SOLDMONEY", "SDL"), personList(5, "SOLDMONEYINANY", "SMA"),
            personList(6, "SOLDMONEYINONE", "SMO")};
}

DataSetSpec assetHeader() {
    return set(1, st("SELECT * FROM MAINHEADER, MAINPERSON, VERMAIN WHERE BDG_IDENT=? AND "
                     "ANS_INDEX_MAINHEADER=BDG_IDENT AND VEM_INDEX_MAINHEADER=BDG_IDENT"));
}

DataSetSpec exemptions() {
    return set(2, st("SELECT * FROM PERSON, VERFREE WHERE FRA_INDEX_PERSON=PRS_IDENT AND PRS_INDEX_MAINHEADER=? "
                     "ORDER BY PRS_NUMBER, PRS_BIRTHDAY DESC"));
}

Sheet help(int number, const char* button, const char* base, QList<DataSetSpec> extra) {
    QList<DataSetSpec> sets{appRow(),
                            set(2, st("SELECT * FROM PERSON, MEMBERHELP WHERE MHM_INDEX_PERSON=PRS_IDENT AND "
                                      "PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER, MEMBERHELP.rowid"))};
    sets << extra;
    return rows(withFlag(sheet(number, "Hilfebedürft. Personen", button, "hilfe", base, sets),
                         "BDG_MEMBER_HELP_YES", "Hilfebedürftigkeit"),
                Copies::PerRowTested, "frDBDataSet2");
}

Sheet food(int number, const char* button, const char* base, bool perRow) {
    QList<DataSetSpec> sets{appRow()};
    if (perRow)
        sets << set(2, st("SELECT * FROM PERSON, MEMBERMOREFOOT WHERE MOF_INDEX_PERSON=PRS_IDENT AND "
                          "PRS_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER, MEMBERMOREFOOT.rowid"));
    Sheet s = withFlag(sheet(number, "kostenaufw. Ernährung", button, "ernaehrung", base, sets),
                       "BDG_MOREFOOT_YES", "Kostenaufwändige Ernährung");
    return perRow ? rows(s, Copies::PerRowTested, "frDBDataSet2") : s;
}

DataSetSpec claimsHeader() {
    return set(1, st("SELECT * FROM MAINHEADER, MAINPERSON, UHMAIN WHERE BDG_IDENT=? AND "
                     "ANS_INDEX_MAINHEADER=BDG_IDENT AND UHM_INDEX_MAINHEADER=BDG_IDENT"));
}

// Sheets 29 and 30: the children's claims and one copy per other parent. The unborn child has no
// PERSON row; sheet 29 keeps it through a left join.
Sheet otherParents(int number, const char* button, const char* base, const char* message, bool unborn) {
    const QString join = unborn ? QStringLiteral("Z92UH LEFT JOIN PERSON ON PRS_IDENT=Z92U_INDEX_PERSON")
                                : QStringLiteral("Z92UH JOIN PERSON ON PRS_IDENT=Z92U_INDEX_PERSON");
    const QString type = unborn ? QStringLiteral(" AND Z92U_TYPE=0") : QString();
    const QString order = QStringLiteral(" ORDER BY PRS_NAME IS NULL, PRS_NAME, PRS_VNAME, Z92UH.rowid");
    QList<DataSetSpec> sets{
        claimsHeader(),
        set(2, {QStringLiteral("SELECT * FROM %1 WHERE Z92U_INDEX_MAINHEADER=?%2%3").arg(join, type, order),
                {B::App}}),
        {QStringLiteral("Z93DataSet"), st("SELECT * FROM Z92OTH WHERE Z92O_INDEX_MAINHEADER=? ORDER BY rowid"), {},
         false},
        {QStringLiteral("Z93HlpDataSet"),
         {QStringLiteral("SELECT * FROM %1 WHERE Z92U_INDEX_OTHER=?%2%3").arg(join, type, order), {B::RowOther}},
         {},
         true}};
    return rows(hasRow(sheet(number, "Ansprüche gegen Dritten", button, "ansprueche", base, sets), "Z92UH", "Z92U",
                       message),
                Copies::PerRow, "Z93DataSet");
}

Sheet accident(int number, const char* base, QList<DataSetSpec> extra) {
    QList<DataSetSpec> sets{appRow(),
                            set(2, st("SELECT * FROM UNFMAIN, PERSON WHERE PRS_IDENT=UNF_INDEX_PERSON AND "
                                      "UNF_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER, UNFMAIN.rowid"))};
    sets << extra;
    return rows(withFlag(sheet(number, "Hilfebedürft. durch Unfall",
                               QStringLiteral("Seite %1").arg(number - 31).toUtf8().constData(), "unfall", base,
                               sets),
                         "BDG_THIRD_UNFALL_YES", "Bedürftigkeit durch Unfall"),
                Copies::PerRowTested, "frDBDataSet2");
}

QList<Sheet> buildCatalogue() {
    const QString withMorePower = QStringLiteral("PERSON, MOREPOWER");
    const QString morePowerJoin = QStringLiteral("MOP_INDEX_PERSON=PRS_IDENT");
    const QString withMoney = QStringLiteral("PERSON, MAINMONEY");
    const QString moneyJoin = QStringLiteral("MIP_INDEX_PERSON=PRS_IDENT");

    QList<Sheet> c;
    c << mainPage(1, {appRow(), applicant(2), partner(3)});
    c << mainPage(2, {appRow(), applicant(2), partner(3)});
    c << mainPage(3, QList<DataSetSpec>{header(), applicant(2), partner(3)} + personSlots(4));
    c << mainPage(4, QList<DataSetSpec>{header(), applicantJoined(2, withMorePower, morePowerJoin),
                                        partner(3, withMorePower, morePowerJoin)} +
                         personSlots(4, withMorePower, morePowerJoin) +
                         QList<DataSetSpec>{set(7, st("SELECT * FROM MOREPOWER, PERSON WHERE "
                                                      "PRS_IDENT=MOP_INDEX_PERSON AND MOP_PREGNANT_YES=? AND "
                                                      "MOP_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER",
                                                      {B::True, B::App}))});
    c << mainPage(5, QList<DataSetSpec>{set(1, st("SELECT * FROM MAINHEADER, UHMAIN WHERE BDG_IDENT=? AND "
                                                  "UHM_INDEX_MAINHEADER=BDG_IDENT")),
                                        applicantJoined(2, withMoney, moneyJoin), partner(3, withMoney, moneyJoin)} +
                         personSlots(4, withMoney, moneyJoin) +
                         QList<DataSetSpec>{
                             set(7, st("SELECT COUNT(*) ALLCOUNT FROM PERSON WHERE PRS_INDEX_MAINHEADER=?")),
                             set(8, st("SELECT COUNT(*) NOMONEYCOUNT FROM MAINMONEY WHERE MIP_INDEX_MAINHEADER=? "
                                       "AND MIP_HVAE_NO=?",
                                       {B::App, B::True})),
                             children(9), list(10, "UHBOSS", "UHB")});
    c << mainPage(6, {appRow(), list(2, "UHHELP", "UHH"), set(3, st("SELECT * FROM VERMAIN WHERE "
                                                                    "VEM_INDEX_MAINHEADER=?")),
                      list(4, "VERALG", "ALG")});

    const QList<DataSetSpec> living{mainPerson(), set(3, st("SELECT * FROM LIVING WHERE LIV_INDEX_MAINHEADER=?"))};
    c << withFlag(sheet(7, "Unterkunft und Heizung", "Seite 1", "unterkunft", "Zusatz_1_S_1",
                        QList<DataSetSpec>{header()} + living),
                  "BDG_LIVING_COST_YES", "Kosten für Unterkunft und Heizung");
    c << withFlag(sheet(8, "Unterkunft und Heizung", "Seite 2", "unterkunft", "Zusatz_1_S_2",
                        QList<DataSetSpec>{appRow()} + living),
                  "BDG_LIVING_COST_YES", "Kosten für Unterkunft und Heizung");

    Sheet s9 = income(
        9, "Einkommen, Zusatzblatt 2.1", "Seite 1", "Zusatz_21_S_1", false,
        {perRow(4, st("SELECT SUM(MIA_BRUTTO) MIA_SUMME FROM MONEYINANY WHERE MIA_INDEX_PERSON=?", {B::RowPerson})),
         perRow(5, st("SELECT SUM(MIO_BRUTTO) MIO_SUMME FROM MONEYINONE WHERE MIO_INDEX_PERSON=?", {B::RowPerson})),
         personList(6, "MONEYINANY", "MIA"), personList(7, "MONEYINONE", "MIO")});
    s9.templates << TemplateSpec{QStringLiteral("Zusatz_211"), QStringLiteral("frDBDataSet6")}
                 << TemplateSpec{QStringLiteral("Zusatz_212"), QStringLiteral("frDBDataSet7")};
    c << s9;
    c << income(10, "Einkommen, Zusatzblatt 2.1", "Seite 2", "Zusatz_21_S_2", false,
                {personList(4, "MONEYOUTANY", "MOT"), personList(5, "SELFMONEY", "SEM")});
    c << income(11, "Einkommen,  2.2", "Seite 1", "Zusatz_22_S_1", true, {personList(4, "SOLDMONEY", "SDL")});
    c << income(12, "Einkommen, Zusatzblatt 2.3", "Seite 1", "Zusatz_23_S_1", true, employmentLists());
    c << income(13, "Einkommen, Zusatzblatt 2.3", "Seite 2", "Zusatz_23_S_2", true, employmentLists());

    c << sheet(14, "Vermögen", "Seite 1", "vermoegen", "Zusatz_3_S_1",
               {assetHeader(), exemptions(), list(3, "VERGIRO", "GRO"), list(4, "VERBAR", "BAR")});
    c << sheet(15, "Vermögen", "Seite 2", "vermoegen", "Zusatz_3_S_2",
               {assetHeader(), exemptions(), list(3, "VERSPARB", "SPB"), list(4, "VERAKT", "AKT"),
                list(5, "VERKLV", "KLV")});
    c << sheet(16, "Vermögen", "Seite 3", "vermoegen", "Zusatz_3_S_3",
               {assetHeader(), exemptions(), list(3, "VERBSPV", "BSP"), list(4, "VERBBG", "BBG"),
                list(5, "VERUBB", "UBB")});
    c << sheet(17, "Vermögen", "Seite 4", "vermoegen", "Zusatz_3_S_4",
               {assetHeader(), list(2, "VEROTH", "VOT"), list(3, "VERKFZ", "KFZ"), list(4, "VERSPE", "SPE")});

    Sheet s18 = sheet(18, "Weitere Personen", "Seite 1", "weitere-personen", "Zusatz_4_S_1",
                      QList<DataSetSpec>{appRow()} + personSlots(4));
    s18.condition = Condition::FurtherPersons;
    s18.messageName = QStringLiteral("Weitere Personen");
    s18.copies = Copies::PersonGroups;
    c << s18;
    Sheet s19 = sheet(
        19, "Weitere Personen", "Seite 2", "weitere-personen", "Zusatz_4_S_2",
        QList<DataSetSpec>{appRow(), applicantJoined(2, withMoney, moneyJoin), partner(3, withMoney, moneyJoin)} +
            personSlots(4, withMoney, moneyJoin) +
            QList<DataSetSpec>{
                // The counts describe the persons of this copy.
                set(7, st("SELECT COUNT(*) ALLCOUNT FROM PERSON WHERE PRS_INDEX_MAINHEADER=? AND "
                          "PRS_IDENT IN (?, ?, ?)",
                          {B::App, B::Slot0, B::Slot1, B::Slot2})),
                set(8, st("SELECT COUNT(*) NOMONEYCOUNT FROM MAINMONEY, PERSON WHERE MIP_INDEX_MAINHEADER=? AND "
                          "MIP_HVAE_NO=? AND PRS_IDENT=MIP_INDEX_PERSON AND PRS_IDENT IN (?, ?, ?)",
                          {B::App, B::True, B::Slot0, B::Slot1, B::Slot2})),
                children(9), list(10, "UHBOSS", "UHB")});
    s19.condition = Condition::FurtherPersons;
    s19.messageName = QStringLiteral("Weitere Personen - Seite 2");
    s19.copies = Copies::PersonGroups;
    c << s19;

    c << sheet(20, "Gemeinsch.", "Alles", "gemeinschaft", "Zusatz_5_S_1",
               {set(1, st("SELECT * FROM MAINHEADER, MAINPERSON, MEMBERSHIP WHERE BDG_IDENT=? AND "
                          "ANS_INDEX_MAINHEADER=BDG_IDENT AND MES_INDEX_MAINHEADER=BDG_IDENT"))});

    Sheet s21 = rows(sheet(21, "Zuschuss PV", "Alles", "zuschuss-pv", "Zusatz_6_S_1",
                           {appRow(), set(2, st("SELECT * FROM PERSON WHERE PRS_INDEX_MAINHEADER=? AND "
                                                "PRS_KV_NO_PKV_YES=? ORDER BY PRS_TYPE, PRS_NUMBER",
                                                {B::App, B::True}))}),
                     Copies::PerRowOnly, "frDBDataSet2");
    s21.condition = Condition::RowQuery;
    s21.messageName = QStringLiteral("Zuschuss zur Sozialversicherung");
    c << s21;

    const DataSetSpec helpers = personList(3, "MEMBERHELPPERSON", "MHP", "MHP_NUMBER");
    c << help(22, "Seite 1", "Zusatz_7_S_1", {helpers});
    c << help(23, "Seite 2", "Zusatz_7_S_2",
              {helpers, perRow(4, st("SELECT * FROM MEMBERHELP WHERE MHM_INDEX_PERSON=? AND MHM_PERSON_OWNER_YES=? "
                                     "ORDER BY rowid",
                                     {B::RowPerson, B::True}))});
    c << food(24, "Seite 1", "Zusatz_8_S_1", true);
    c << food(25, "Seite 2", "Zusatz_8_S_2", false);
    c << food(26, "Seite 3", "Zusatz_8_S_3", true);
    c << food(27, "Seite 4", "Zusatz_8_S_4", false);

    c << hasRow(sheet(28, "Ansprüche gegen Dritten", "Seite 1", "ansprueche", "Zusatz_9_S_1",
                      {appRow(),
                       set(2, st("SELECT * FROM Z91, PERSON WHERE PRS_IDENT=Z91_INDEX_PERSON AND "
                                 "Z91_INDEX_MAINHEADER=? AND PRS_TYPE=0 ORDER BY PRS_NUMBER, Z91.rowid")),
                       set(3, st("SELECT * FROM Z91, PERSON WHERE PRS_IDENT=Z91_INDEX_PERSON AND "
                                 "Z91_INDEX_MAINHEADER=? AND PRS_TYPE=1 ORDER BY PRS_NUMBER, Z91.rowid")),
                       set(4, st("SELECT * FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?"))}),
                "Z91", "Z91", "Unterhaltsansprüche gegen Dritte");
    c << otherParents(29, "Seite 2", "Zusatz_9_S_2", "Unterhaltsansprüche gegen Dritte Abschnitt 2", true);
    c << otherParents(30, "Seite 3", "Zusatz_9_S_3", "Unterhaltsansprüche gegen Dritte Abschnitt 3", false);
    c << hasRow(sheet(31, "Ansprüche gegen Dritten", "Seite 4", "ansprueche", "Zusatz_9_S_4",
                      {claimsHeader(), set(2, st("SELECT * FROM Z94LESS25, PERSON WHERE PRS_IDENT=Z94_INDEX_PERSON "
                                                 "AND Z94_INDEX_MAINHEADER=? ORDER BY PRS_TYPE, PRS_NUMBER"))}),
                "Z94LESS25", "Z94", "Unterhaltsansprüche gegen Dritte Abschnitt 4");

    const DataSetSpec traffic = personList(3, "UNFKFZ", "UTR");
    const DataSetSpec other = personList(3, "UNFOTHER", "UNS");
    c << accident(32, "Zusatz_10_S_1", {});
    c << accident(33, "Zusatz_10_S_2", {});
    c << accident(34, "Zusatz_10_S_3", {traffic});
    c << accident(35, "Zusatz_10_S_4", {other});
    c << accident(36, "Zusatz_10_S_5", {personList(3, "UNFHEALTH", "UNH", "UNH_NUMBER")});
    c << accident(37, "Zusatz_10_S_6", {other, personList(4, "UNFKFZ", "UTR")});
    return c;
}

Sheet checklist(const char* base, bool person) {
    Sheet s;
    s.group = QStringLiteral("Abgabe- ordner");
    s.groupKey = QStringLiteral("abgabeordner");
    s.templates = one(base);
    s.dataSets = {appRow(), set(3, st("SELECT * FROM NOTEBOOK ORDER BY HTV_NUMBER", {}))};
    if (person)
        s.dataSets << set(10, st(kPersonById, {B::Owner}));
    return s;
}

} // namespace

const QList<Sheet>& catalogue() {
    static const QList<Sheet> sheets = buildCatalogue();
    return sheets;
}

const Sheet* sheetByNumber(int number) {
    const QList<Sheet>& c = catalogue();
    return number >= 1 && number <= c.size() ? &c.at(number - 1) : nullptr;
}

const Sheet& householdChecklist() {
    static const Sheet s = checklist("NoteBook", false);
    return s;
}

const Sheet& personChecklist() {
    static const Sheet s = checklist("NoteBook2", true);
    return s;
}

QStringList templateBases() {
    QStringList bases;
    for (const Sheet& s : catalogue())
        for (const TemplateSpec& t : s.templates)
            if (!bases.contains(t.base))
                bases << t.base;
    bases << householdChecklist().templates.first().base << personChecklist().templates.first().base;
    return bases;
}

QStringList groupKeys() {
    QStringList keys;
    for (const Sheet& s : catalogue())
        if (!keys.contains(s.groupKey))
            keys << s.groupKey;
    return keys;
}

QList<int> groupSheets(const QString& key) {
    QList<int> numbers;
    for (const Sheet& s : catalogue())
        if (s.groupKey == key)
            numbers << s.number;
    return numbers;
}

bool parseSheetList(const QString& text, QList<int>* numbers, QString* error) {
    static const QRegularExpression item(QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+)\\s*)?$"));
    const int last = int(catalogue().size());
    QSet<int> chosen;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch m = item.match(part);
        if (!m.hasMatch()) {
            *error = QStringLiteral("Die Blattliste „%1“ ist nicht lesbar (Beispiel: 1-6,9,14).").arg(text);
            return false;
        }
        const int from = m.captured(1).toInt();
        const int to = m.captured(2).isEmpty() ? from : m.captured(2).toInt();
        for (int n : {from, to}) {
            if (n < 1 || n > last) {
                *error = QStringLiteral("Ein Blatt %1 gibt es nicht; die Blätter sind von 1 bis %2 nummeriert.")
                             .arg(n)
                             .arg(last);
                return false;
            }
        }
        if (to < from) {
            *error = QStringLiteral("Der Bereich %1-%2 ist leer.").arg(from).arg(to);
            return false;
        }
        for (int n = from; n <= to; ++n)
            chosen.insert(n);
    }
    *numbers = QList<int>(chosen.begin(), chosen.end());
    std::sort(numbers->begin(), numbers->end());
    return true;
}

QString notNeededMessage(const Sheet& sheet) {
    return QStringLiteral("Dieses Zusatzblatt (\"%1\") wird gemäß Ihren Angaben nicht benötigt!").arg(sheet.messageName);
}

QString unbornChildIdent() { return QStringLiteral("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}"); }

} // namespace printing
