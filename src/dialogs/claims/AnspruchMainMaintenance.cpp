// Page 0 of the claims dialog: maintenance claims against a separated spouse, against the other parent
// of a child, and the training data of young adults with a parent outside the household.
#include "AnspruchMain.h"

#include "KeyedGrid.h"
#include "Messages.h"
#include "PageBuilder.h"
#include "Application.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kNo = QStringLiteral("Nein");
const QString kYes = QStringLiteral("Ja");
const QString kUnborn = QStringLiteral("noch ungeboren");
// The pick list offers the first spelling; a stored child born outside marriage shows the second.
const QString kOutsideMarriagePick = QStringLiteral("unehellich");
const QString kOutsideMarriageShown = QStringLiteral("unehelich");
const QString kInMarriage = QStringLiteral("ehelich");

const QStringList kIncomeKinds{QStringLiteral("Arbeitnehmertätigkeit"), QStringLiteral("selbständiger Tätigkeit"),
                               QStringLiteral("sonstiges")};
const QStringList kDemandKinds{QStringLiteral("schriftlich"), QStringLiteral("mündlich"), QStringLiteral("Anwalt"),
                               QStringLiteral("Gerichtlich")};

// The six top questions, in the order of their statement.
struct TopBox {
    const char* column;
    const char* caption;
};
const TopBox kTopBoxes[] = {
    {"UHM_MAIN_SPLITT", "Ich bzw. mein jetziger Partner lebe/lebt getrennt vom Ehegatten/Lebenspartner"},
    {"UHM_MAIN_GESCH", "Ich oder mein derzeitiger Partner war bereits verheiratet und diese Ehe ist "
                       "geschieden/Lebenspartnerschaft ist aufgelöst."},
    {"UHM_MAIN_PREGN", "Eine nicht verheiratete Person im Haushalt ist schwanger oder betreut ein Kind unter 3 "
                       "Jahren und kann deshalb nicht arbeiten."},
    {"UHM_MAIN_U18_YES", "unter 18 oder "},
    {"UHM_MAIN_U25_YES", "zwischen 18 und 25 und in Schul- oder Berufsausbildung oder wird diese in Kürze beginnen"},
    {"UHM_MAIN_NO", "Keine der vorangegangenen Fragen trifft zu."},
};
enum TopIndex { Splitt, Gesch, Pregn, U18, U25, None };

QString german(const char* text) { return QString::fromUtf8(text); }

QVariant personName(store::Rows& row)
{
    return row.text(QStringLiteral("PRS_NAME")) + QStringLiteral(", ") + row.text(QStringLiteral("PRS_VNAME"));
}

// Completed years on `day`: a birthday not yet reached this year counts one less.
int completedYears(const QDate& birth, const QDate& day)
{
    int years = day.year() - birth.year();
    if (day < birth.addYears(years))
        --years;
    return years;
}

// SplittTree cells.
enum SplittCell { SplittKey = 26 };
// PregChildTree cells.
enum ChildCell { ChildName = 0, ChildChoice = 1, ChildIdent = 2 };
// PregOtherTree cells.
enum OtherCell { OtherIdent = 9 };
// PregSumTree cells.
enum SumCell { SumOther = 1, SumChild = 12, SumOtherIdent = 13 };
// UHChildTree cells.
enum ChildMaintenanceCell { UhOther = 1, UhChild = 15 };
// Tree25 cells.
enum YoungCell {
    YoungSchool = 1, YoungClass, YoungSchoolName, YoungSchoolType, YoungTraining, YoungUntil, YoungAs, YoungKind,
    YoungFirst, YoungDate, YoungDegree, YoungReason, YoungKey
};

const QStringList kTrainingKinds{QStringLiteral("die erstmalige Ausbildung"),
                                 QStringLiteral("Ausbildung nach abbruch einer Ausbildung"),
                                 QStringLiteral("eine weitere Berufsausbildung (schon vorher geplant)")};
const QStringList kFirstTraining{QStringLiteral("abgeschlossen zum"), QStringLiteral("abgebrochen"),
                                 QStringLiteral("noch nicht begonnen"), QStringLiteral("wird begonnen ab")};

void assign(QVector<QPair<QString, QVariant>>& sets, const QString& column, const QVariant& value)
{
    for (auto& set : sets)
        if (set.first == column) {
            set.second = value;
            return;
        }
    sets.append({column, value});
}

QVector<KeyedColumn> splittColumns()
{
    using namespace keyed;
    return {
        display(QStringLiteral("Name, Vorname"), personName),
        choice(QStringLiteral("Art der Trennung"), {QStringLiteral("Getrennt Lebend"), QStringLiteral("Geschieden")},
               {QStringLiteral("Z91_MAIN_SPLITT_YES"), QStringLiteral("Z91_MAIN_GESCH_YES")}),
        // The names are stored swapped: Z91_FIRSTNAME holds what is typed under "Name".
        text(QStringLiteral("Name"), QStringLiteral("Z91_FIRSTNAME")),
        text(QStringLiteral("Vorname"), QStringLiteral("Z91_LASTNAME")),
        text(QStringLiteral("Geburtsdatum"), QStringLiteral("Z91_BIRTHDAY"), 90),
        text(QStringLiteral("Straße, Hnr"), QStringLiteral("Z91_STREET")),
        text(QStringLiteral("PLZ"), QStringLiteral("Z91_ZIP"), 60),
        text(QStringLiteral("Ort"), QStringLiteral("Z91_TOWN")),
        choice(QStringLiteral("Art des Einkommens"), kIncomeKinds,
               {QStringLiteral("Z91_ISUH_WORKER_YES"), QStringLiteral("Z91_ISUH_SELBER_YES"),
                QStringLiteral("Z91_ISUH_WOOTHER_YES")}, 150),
        text(QStringLiteral("Erläuterung bei sonst. Einkommen"), QStringLiteral("Z91_ISUH_WOOTHER_DESCRIP"), 130),
        money(QStringLiteral("Höhe des Einkommens (ggf. geschätzt)"), QStringLiteral("Z91_ISUH_GEHALT"), 110),
        yesNo(QStringLiteral("Urteil / gerichtlicher Vergleich / Beschluss liegt vor"),
              QStringLiteral("Z91_ISUH_URTEIL_YES"), QStringLiteral("Z91_ISUH_URTEIL_NO"), 120),
        yesNo(QStringLiteral("Außergerichtliche Unterhaltsvereinbarung liegt vor"), QStringLiteral("Z91_ISUH_OTHER_YES"),
              QStringLiteral("Z91_ISUH_OTHER_NO"), 120),
        yesNo(QStringLiteral("Unterhalt wird bar oder als Sachleistung tatsächlich geleistet"),
              QStringLiteral("Z91_ISUH_BRING_YES"), QStringLiteral("Z91_ISUH_BRING_NO"), 120),
        money(QStringLiteral("Höhe Monatlich"), QStringLiteral("Z91_ISUH_BRING_BRUTTO")),
        yesNo(QStringLiteral("Unterhalt wurde gefordert"), QStringLiteral("Z91_NOUH_FORDER_YES"),
              QStringLiteral("Z91_NOUH_FORDER_NO")),
        choiceText(QStringLiteral("Wie wurde gefordert"), kDemandKinds, QStringLiteral("Z91_NOUH_FORDER_ART")),
        text(QStringLiteral("Wann wurde gefordert"), QStringLiteral("Z91_NOUH_FORDER_DATE")),
        text(QStringLiteral("Wenn nein, warum nicht?"), QStringLiteral("Z91_NOUH_FORDER_NO_WHY"), 130),
        yesNo(QStringLiteral("Keine volle Erwerbsfähigkeit durch Krankheit oder Kindererziehung"),
              QStringLiteral("Z91_NOWORK_YES"), QStringLiteral("Z91_NOWORK_NO"), 130),
        text(QStringLiteral("Seit wann"), QStringLiteral("Z91_NOWORK_SINCE"), 90),
        yesNo(QStringLiteral("Nach Scheidung war Unterhalt durch eigene Erwerbstätigkeit ausgeschlossen"),
              QStringLiteral("Z91_NOBECOME_YES"), QStringLiteral("Z91_NOBECOME_NO"), 140),
        text(QStringLiteral("Im Zeitraum von"), QStringLiteral("Z91_NOBECOME_FROM"), 90),
        text(QStringLiteral("bis"), QStringLiteral("Z91_NOBECOME_UNTIL"), 90),
        yesNo(QStringLiteral("Anwaltl. Vertretung liegt vor"), QStringLiteral("Z91_ANWALT_YES"),
              QStringLiteral("Z91_ANWALT_NO")),
        text(QStringLiteral("Name und Anschrift des Anwalts"), QStringLiteral("Z91_ANWALT_ADDRESS"), 160),
        hidden(QStringLiteral("Z91_INDEX_PERSON")),
    };
}

QVector<KeyedColumn> childColumns()
{
    using namespace keyed;
    KeyedColumn name = display(QStringLiteral("Name. Vorname"), personName, 220);
    KeyedColumn choose = choice(QStringLiteral("Trifft zu"), {kNo, kOutsideMarriagePick, kInMarriage}, {}, 120);
    KeyedColumn ident = hidden(QStringLiteral("PRS_IDENT"));
    return {name, choose, ident};
}

QVector<KeyedColumn> otherParentColumns()
{
    using namespace keyed;
    return {
        text(QStringLiteral("Name"), QStringLiteral("Z92O_NAME")),
        text(QStringLiteral("Vorname"), QStringLiteral("Z92O_VNAME")),
        text(QStringLiteral("Geburtsdatum"), QStringLiteral("Z92O_BIRTHDAY"), 90),
        text(QStringLiteral("Straße"), QStringLiteral("Z92O_STREET")),
        text(QStringLiteral("PLZ"), QStringLiteral("Z92O_ZIP"), 60),
        text(QStringLiteral("Ort"), QStringLiteral("Z92O_TOWN")),
        choice(QStringLiteral("Art des Einkommens"), kIncomeKinds,
               {QStringLiteral("Z92O_WORKER"), QStringLiteral("Z92O_SELBER"), QStringLiteral("Z92O_OTHER")}, 150),
        text(QStringLiteral("Erläuterung bei sonstigem einkommen"), QStringLiteral("Z92O_OTHERDESCRIP"), 130),
        money(QStringLiteral("Höhe des Einkommens"), QStringLiteral("Z92O_BRUTTO")),
        hidden(QStringLiteral("Z92O_IDENT")),
        choice(QStringLiteral("Person ist"), {QStringLiteral("Vater"), QStringLiteral("Mutter")},
               {QStringLiteral("Z92O_ISVATHER"), QStringLiteral("Z92O_ISMOTHER")}, 80),
    };
}

KeyedColumn childOfRow() { return keyed::display(QStringLiteral("Name, Vorname"), [](store::Rows& r) {
    return QVariant(r.text(QStringLiteral("CHILD_NAME")));
}); }

KeyedColumn otherOfRow() { return keyed::display(QStringLiteral("Name, Vorname"), [](store::Rows& r) {
    return QVariant(r.text(QStringLiteral("OTHER_NAME")));
}); }

QVector<KeyedColumn> pregnancyColumns()
{
    using namespace keyed;
    KeyedColumn other = otherOfRow();
    other.kind = KeyedCell::Choice;
    other.readOnly = false;
    other.codeCell = SumOtherIdent;
    KeyedColumn date = text(QStringLiteral("Wann wurde gefordert"), QStringLiteral("Z92U_NOUH_DATE"));
    date.noBlank = true;
    return {
        childOfRow(),
        other,
        yesNo(QStringLiteral("Urteil / gerichtlicher Vergleich / Beschluss liegt vor"), QStringLiteral("Z92U_URTEIL_YES"),
              QStringLiteral("Z92U_URTEIL_NO"), 120),
        yesNo(QStringLiteral("Außergerichtliche Unterhaltsvereinbarung liegt vor"), QStringLiteral("Z92U_OTHER_YES"),
              QStringLiteral("Z92U_OTHER_NO"), 120),
        yesNo(QStringLiteral("Unterhalt wird bar oder als Sachleistung tatsächlich geleistet"),
              QStringLiteral("Z92U_BRING_YES"), QStringLiteral("Z92U_BRING_NO"), 120),
        money(QStringLiteral("Höhe Monatlich"), QStringLiteral("Z92U_BRING_BRUTTO")),
        yesNo(QStringLiteral("Unterhalt wurde gefordert"), QStringLiteral("Z92U_NOUH_YES"), QStringLiteral("Z92U_NOUH_NO")),
        choiceText(QStringLiteral("Wie wurde gefordert"), kDemandKinds, QStringLiteral("Z92U_NOUH_DESCRIP")),
        date,
        text(QStringLiteral("Wenn nein, warum nicht?"), QStringLiteral("Z92U_NOUH_NODESCRIP"), 130),
        yesNo(QStringLiteral("Anwaltl. Vertretung liegt vor"), QStringLiteral("Z92U_ANW_YES"), QStringLiteral("Z92U_ANW_NO")),
        text(QStringLiteral("Name und Anschrift des Anwalts"), QStringLiteral("Z92U_ANW_NAME"), 160),
        hidden(QStringLiteral("Z92U_INDEX_PERSON")),
        hidden(QStringLiteral("Z92U_INDEX_OTHER")),
    };
}

QVector<KeyedColumn> childMaintenanceColumns()
{
    using namespace keyed;
    KeyedColumn otherIdent = display(QString(), [](store::Rows& r) {
        return QVariant(r.text(QStringLiteral("Z92U_INDEX_OTHER")));
    });
    otherIdent.hidden = true;
    return {
        childOfRow(),
        otherOfRow(),
        yesNo(QStringLiteral("Gerichtlich fetgelegt / vom Jugendamt beurkundet"), QStringLiteral("Z92U_C_GER_YES"),
              QStringLiteral("Z92U_C_GER_NO"), 120),
        yesNo(QStringLiteral("Außergerichtliche Unterhaltsvereinbarung liegt vor"), QStringLiteral("Z92U_C_NOG_YES"),
              QStringLiteral("Z92U_C_NOG_NO"), 120),
        yesNo(QStringLiteral("Unterhalt wird bar oder als Sachleistung tatsächlich geleistet"),
              QStringLiteral("Z92U_C_BRI_YES"), QStringLiteral("Z92U_C_BRI_NO"), 120),
        money(QStringLiteral("Höhe Monatlich"), QStringLiteral("Z92U_C_BRI_BRUTTO")),
        yesNo(QStringLiteral("Unterhalt wurde gefordert"), QStringLiteral("Z92U_C_FOR_YES"), QStringLiteral("Z92U_C_FOR_NO")),
        choiceText(QStringLiteral("Wie wurde gefordert"), kDemandKinds, QStringLiteral("Z92U_C_FOR_WIE")),
        text(QStringLiteral("Wann wurde gefordert"), QStringLiteral("Z92U_C_FOR_DATE")),
        text(QStringLiteral("Wenn nein, warum nicht?"), QStringLiteral("Z92U_C_FOR_NO_WHY"), 130),
        choice(QStringLiteral("Unterhaltsvorschuss des Jugendamtes"),
               {QStringLiteral("keiner"), QStringLiteral("wird laufend gezahlt"), QStringLiteral("ist beantragt"),
                QStringLiteral("wurde eingestellt")},
               {QStringLiteral("Z92U_C_JA_NO"), QStringLiteral("Z92U_C_JA_LFD"), QStringLiteral("Z92U_C_JA_ANTRAG"),
                QStringLiteral("Z92U_C_JA_CLOSED")}, 140),
        yesNo(QStringLiteral("Leistet das Jugendamt Beistandschaft"), QStringLiteral("Z92U_C_JA_BEI_YES"),
              QStringLiteral("Z92U_C_JA_BEI_NO"), 110),
        text(QStringLiteral("Name des Jugendamtes"), QStringLiteral("Z92U_C_JA_NAME")),
        yesNo(QStringLiteral("Anwaltl. Vertretung liegt vor"), QStringLiteral("Z92U_C_ANW_YES"), QStringLiteral("Z92U_C_ANW_NO")),
        text(QStringLiteral("Name und Anschrift des Anwalts"), QStringLiteral("Z92U_C_ANW_NAME"), 160),
        hidden(QStringLiteral("Z92U_INDEX_PERSON")),
        otherIdent,
    };
}

QVector<KeyedColumn> youngAdultColumns()
{
    using namespace keyed;
    KeyedColumn kind = choice(QStringLiteral("es handelt sich um"), kTrainingKinds,
                              {QStringLiteral("Z94_BA_FIRST"), QStringLiteral("Z94_BA_AFTER"),
                               QStringLiteral("Z94_BA_OTHER")}, 200);
    kind.allowEmpty = true;
    KeyedColumn first = choice(QStringLiteral("Erstausbildung / Studium"), kFirstTraining,
                               {QStringLiteral("Z94_EA_CLOSED_YES"), QStringLiteral("Z94_EA_BREAK_YES"),
                                QStringLiteral("Z94_EA_NOSTART_YES"), QStringLiteral("Z94_EA_WILLSTART_YES")}, 150);
    first.allowEmpty = true;
    // The cells below depend on the answers beside them: read and written by the grid's own steps.
    return {
        display(QStringLiteral("Name, Vorname"), personName),
        yesNo(QStringLiteral("Noch in Schulausbildung"), QStringLiteral("Z94_SCO_YES"), QString()),
        text(QStringLiteral("Klasse"), QString(), 70),
        text(QStringLiteral("Schule"), QString()),
        text(QStringLiteral("Schulform"), QString()),
        yesNo(QStringLiteral("Noch in berufl. Ausb. / Studium"), QStringLiteral("Z94_BA_YES"), QString(), 110),
        text(QStringLiteral("vorrauss. bis"), QString(), 90),
        text(QStringLiteral("als/zum"), QString()),
        kind,
        first,
        text(QStringLiteral("Datum"), QString(), 90),
        text(QStringLiteral("Abschluss als"), QString()),
        text(QStringLiteral("Grund, wenn abgebrochen, noch nicht begonnen"), QString(), 160),
        hidden(QStringLiteral("Z94_INDEX_PERSON")),
    };
}

void loadYoungAdult(KeyedGrid& grid, int row, store::Rows& r)
{
    if (r.flag(QStringLiteral("Z94_SCO_YES"))) {
        grid.setCell(row, YoungClass, r.text(QStringLiteral("Z94_SCO_CLASS")));
        grid.setCell(row, YoungSchoolName, r.text(QStringLiteral("Z94_SCO_SCOOL")));
        grid.setCell(row, YoungSchoolType, r.text(QStringLiteral("Z94_SCO_TYPE")));
    }
    if (r.flag(QStringLiteral("Z94_BA_YES"))) {
        grid.setCell(row, YoungUntil, r.text(QStringLiteral("Z94_BA_UNTIL")));
        grid.setCell(row, YoungAs, r.text(QStringLiteral("Z94_BA_SIGN")));
    } else {
        grid.setCell(row, YoungKind, QString());
    }
    if (r.flag(QStringLiteral("Z94_EA_CLOSED_YES"))) {
        grid.setCell(row, YoungDate, r.text(QStringLiteral("Z94_EA_CLOSED_DATE")));
        grid.setCell(row, YoungDegree, r.text(QStringLiteral("Z94_EA_CLOSED_SIGN")));
    }
    if (r.flag(QStringLiteral("Z94_EA_BREAK_YES")))
        grid.setCell(row, YoungReason, r.text(QStringLiteral("Z94_EA_BREAK_DESCRIP")));
    if (r.flag(QStringLiteral("Z94_EA_NOSTART_YES")))
        grid.setCell(row, YoungReason, r.text(QStringLiteral("Z94_EA_NOSTART_DESCRIP")));
    if (r.flag(QStringLiteral("Z94_EA_WILLSTART_YES")))
        grid.setCell(row, YoungDate, r.text(QStringLiteral("Z94_EA_WILLSTART_DATE")));
}

// Every text starts as one blank; a cell's text is taken only where its answer asks for it.
void saveYoungAdult(const KeyedGrid& grid, int row, QVector<QPair<QString, QVariant>>& sets)
{
    const auto cellText = [&](int column) { return store::textValue(grid.text(row, column)); };
    const QVariant blank = store::textValue(QString());
    const bool school = grid.isYes(row, YoungSchool);
    assign(sets, QStringLiteral("Z94_SCO_CLASS"), school ? cellText(YoungClass) : blank);
    assign(sets, QStringLiteral("Z94_SCO_SCOOL"), school ? cellText(YoungSchoolName) : blank);
    assign(sets, QStringLiteral("Z94_SCO_TYPE"), school ? cellText(YoungSchoolType) : blank);
    const bool training = grid.isYes(row, YoungTraining);
    assign(sets, QStringLiteral("Z94_BA_UNTIL"), training ? cellText(YoungUntil) : blank);
    assign(sets, QStringLiteral("Z94_BA_SIGN"), training ? cellText(YoungAs) : blank);
    if (!training)
        for (const char* flag : {"Z94_BA_FIRST", "Z94_BA_AFTER", "Z94_BA_OTHER"})
            assign(sets, QString::fromLatin1(flag), false);
    assign(sets, QStringLiteral("Z94_EA_YES"), false);
    const int first = kFirstTraining.indexOf(grid.text(row, YoungFirst));
    assign(sets, QStringLiteral("Z94_EA_CLOSED_DATE"), first == 0 ? cellText(YoungDate) : blank);
    assign(sets, QStringLiteral("Z94_EA_CLOSED_SIGN"), first == 0 ? cellText(YoungDegree) : blank);
    assign(sets, QStringLiteral("Z94_EA_BREAK_DESCRIP"), first == 1 ? cellText(YoungReason) : blank);
    assign(sets, QStringLiteral("Z94_EA_NOSTART_DESCRIP"), first == 2 ? cellText(YoungReason) : blank);
    // This one date goes in as typed, without the blank.
    assign(sets, QStringLiteral("Z94_EA_WILLSTART_DATE"), first == 3 ? QVariant(grid.text(row, YoungDate)) : blank);
}

KeyedGrid* makeGrid(const QString& name, const QVector<KeyedColumn>& columns, const QVector<KeyedBand>& bands,
                    QWidget* parent)
{
    auto* grid = new KeyedGrid(columns, parent);
    grid->setObjectName(name);
    grid->setAccessibleName(name);
    if (!bands.isEmpty())
        grid->setBands(bands);
    return grid;
}

} // namespace

QWidget* TAnspruchMainDlg::createMaintenancePage()
{
    QWidget* page = forms::pageContent(QStringLiteral("TabSheet1"));
    auto* layout = static_cast<QVBoxLayout*>(page->layout());
    const auto application = [this] { return m_maintenanceApplication; };

    // The top questions.
    QGroupBox* top = forms::groupBox(QStringLiteral("TopGroup"), QString(), page);
    auto* topLayout = new QVBoxLayout(top);
    auto* topGroup = new WriteGroup(QStringLiteral("UHMAIN"), QStringLiteral("UHM_INDEX_MAINHEADER"), application, this);
    topGroup->before([this] { return store::ensureApplicationRows(m_maintenanceApplication); });
    for (const TopBox& entry : kTopBoxes) {
        auto* wrapped = new forms::WrappedCheckBox(german(entry.column), german(entry.caption), top);
        m_topBoxes << wrapped->box();
        topGroup->flag(wrapped->box(), german(entry.column));
        if (&entry == &kTopBoxes[U18])
            topLayout->addWidget(forms::question(
                QStringLiteral("Mindestens eine im Antrag aufgeführte Person hat einen Elternteil außerhalb der "
                               "Bedarfsgemeinschaft und ist"),
                top, QStringLiteral("ParentOutsideQuestion")));
        topLayout->addWidget(wrapped);
        if (&entry == &kTopBoxes[U18] || &entry == &kTopBoxes[U25])
            wrapped->setContentsMargins(24, 0, 0, 0);
    }
    // The statement comes first, then the rule (the group's own connection was made before this one).
    for (QCheckBox* box : {m_topBoxes.at(Splitt), m_topBoxes.at(Gesch)})
        connect(box, &QCheckBox::clicked, this, [this] { separationRule(true); });
    layout->addWidget(top);

    // The separated persons.
    m_separationPanel = forms::groupBox(QStringLiteral("SeparationGroup"), QString(), page);
    auto* separation = new QVBoxLayout(m_separationPanel);
    auto* applicant = new forms::WrappedCheckBox(
        QStringLiteral("UHM_MAIN_AST"), QStringLiteral("Getrennt Lebend/Scheidung betrifft den/die Antragsteller/in"),
        m_separationPanel);
    auto* partner = new forms::WrappedCheckBox(
        QStringLiteral("UHM_MAIN_PRT"),
        QStringLiteral("Getrennt Lebend / Scheidung betrifft den jetzige/n Lebenspartner/in"), m_separationPanel);
    m_applicantBox = applicant->box();
    m_partnerBox = partner->box();
    connect(m_applicantBox, &QCheckBox::clicked, this, [this] { separatedPersonClicked(0); });
    connect(m_partnerBox, &QCheckBox::clicked, this, [this] { separatedPersonClicked(1); });
    separation->addWidget(applicant);
    separation->addWidget(partner);
    m_splittTree = makeGrid(QStringLiteral("SplittTree"), splittColumns(),
                            {{QStringLiteral("Unterhaltsberechtigter"), 0, 2},
                             {QStringLiteral("Unterhaltsverpflichteter"), 2, 9},
                             {QStringLiteral("Unterhalt"), 11, 4},
                             {QStringLiteral("Unterhalt wird nicht geleistet"), 15, 4},
                             {QStringLiteral("Ergänzende Angaben"), 19, 5},
                             {QStringLiteral("Anwaltliche Vertetung"), 24, 2}},
                            m_separationPanel);
    m_splittTree->setStorage({QStringLiteral("Z91"), QStringLiteral("Z91_INDEX_PERSON"), SplittKey,
                              QStringLiteral("Z91_INDEX_MAINHEADER"), application});
    separation->addWidget(m_splittTree);
    layout->addWidget(m_separationPanel);

    // Pregnancy and upbringing, children, young adults.
    QGroupBox* children = forms::groupBox(QStringLiteral("ChildrenGroup"), QString(), page);
    auto* childLayout = new QVBoxLayout(children);
    auto* pregnantApplicant = new forms::WrappedCheckBox(
        QStringLiteral("UHM_PREG_AST"),
        QStringLiteral("Antragsteller/in ist schwanger oder erzieht nichteheliches Kind und kann daher nicht voll "
                       "arbeiten"),
        children);
    auto* pregnantPartner = new forms::WrappedCheckBox(
        QStringLiteral("UHM_PREG_PRT"),
        QStringLiteral("Jetzige Partner/in ist schwanger oder erzieht ein nichteheliches Kind und kann daher nicht "
                       "voll arbeiten"),
        children);
    m_pregnantApplicant = pregnantApplicant->box();
    m_pregnantPartner = pregnantPartner->box();
    (new WriteGroup(QStringLiteral("UHMAIN"), QStringLiteral("UHM_INDEX_MAINHEADER"), application, this))
        ->before([this] { return store::ensureApplicationRows(m_maintenanceApplication); })
        .flag(m_pregnantApplicant, QStringLiteral("UHM_PREG_AST"))
        .flag(m_pregnantPartner, QStringLiteral("UHM_PREG_PRT"))
        .also([this] {
            reloadGrids();
            return true;
        });
    childLayout->addWidget(pregnantApplicant);
    childLayout->addWidget(pregnantPartner);

    childLayout->addWidget(forms::question(QStringLiteral("1. Kinder mit Elternt. außerh. d. Bedarfgem."), children,
                                           QStringLiteral("ChildLabel1")));
    m_pregChildTree = makeGrid(QStringLiteral("PregChildTree"), childColumns(), {}, children);
    m_pregChildTree->fitWidth();
    KeyedStorage childStorage;
    childStorage.saveOnCommit = false; // an answer here inserts or deletes rows instead
    m_pregChildTree->setStorage(childStorage);
    connect(m_pregChildTree, &KeyedGrid::committed, this, [this](int row, int column) {
        if (column == ChildChoice)
            childAssigned(row);
    });
    auto* childRow = new QHBoxLayout;
    childRow->addWidget(m_pregChildTree);
    childRow->addStretch(1);
    childLayout->addLayout(childRow);

    childLayout->addWidget(forms::question(
        QStringLiteral("2. Benennen sie alle Elternteile außerhalb der Bedarfsgemeinschft"), children,
        QStringLiteral("ChildLabel2")));
    auto* parentButtons = new QHBoxLayout;
    auto* add = new QToolButton(children);
    add->setObjectName(QStringLiteral("AddParentButton"));
    add->setText(QStringLiteral("+"));
    add->setToolTip(QStringLiteral("Elternteil hinzufügen"));
    add->setAccessibleName(QStringLiteral("Elternteil hinzufügen"));
    auto* remove = new QToolButton(children);
    remove->setObjectName(QStringLiteral("DeleteParentButton"));
    remove->setText(QStringLiteral("X"));
    remove->setToolTip(QStringLiteral("Elternteil löschen"));
    remove->setAccessibleName(QStringLiteral("Elternteil löschen"));
    connect(add, &QToolButton::clicked, this, [this] { addParent(); });
    connect(remove, &QToolButton::clicked, this, [this] { deleteParent(); });
    parentButtons->addWidget(add);
    parentButtons->addWidget(remove);
    parentButtons->addStretch(1);
    childLayout->addLayout(parentButtons);
    m_pregOtherTree = makeGrid(QStringLiteral("PregOtherTree"), otherParentColumns(), {}, children);
    m_pregOtherTree->setStorage({QStringLiteral("Z92OTH"), QStringLiteral("Z92O_IDENT"), OtherIdent,
                                 QStringLiteral("Z92O_INDEX_MAINHEADER"), application});
    // The names of the other parents appear in the grids below: they follow every edit.
    connect(m_pregOtherTree, &KeyedGrid::committed, this, [this] { reloadGrids(); });
    connect(m_pregOtherTree, &KeyedGrid::left, this, [this] { reloadGrids(); });
    childLayout->addWidget(m_pregOtherTree);

    childLayout->addWidget(forms::question(
        QStringLiteral("3. Vervollständigen Sie die Angaben zum Unterhalt bei Schwangerschaft / Kindererziehung - "
                       "NICHT Unterhalt für Kinder!"),
        children, QStringLiteral("ChildLabel3")));
    m_pregSumTree = makeGrid(QStringLiteral("PregSumTree"), pregnancyColumns(),
                             {{QStringLiteral("Unterhaltsberechtigter"), 0, 1},
                              {QStringLiteral("Unterhaltsverpflichteter"), 1, 1},
                              {QStringLiteral("Unterhalt"), 2, 4},
                              {QStringLiteral("Unterhalt wird nicht geleistet"), 6, 4},
                              {QStringLiteral("Anwaltliche Vertetung"), 10, 2}},
                             children);
    m_pregSumTree->setStorage({QStringLiteral("Z92UH"), QStringLiteral("Z92U_INDEX_PERSON"), SumChild,
                               QStringLiteral("Z92U_INDEX_MAINHEADER"), application});
    // The child grid shows the same other parent.
    connect(m_pregSumTree, &KeyedGrid::committed, this, [this](int row, int column) {
        if (column != SumOther)
            return;
        for (int r = 0; r < m_uhChildTree->rowCount(); ++r)
            if (m_uhChildTree->text(r, UhChild) == m_pregSumTree->text(row, SumChild))
                m_uhChildTree->setCell(r, UhOther, m_pregSumTree->text(row, SumOther));
    });
    childLayout->addWidget(m_pregSumTree);

    m_childLabel = forms::question(QStringLiteral("4. Vervollständigen Sie die Angaben zum Unterhalt der Kinder"),
                                   children, QStringLiteral("ChildLabel4"));
    childLayout->addWidget(m_childLabel);
    m_uhChildTree = makeGrid(QStringLiteral("UHChildTree"), childMaintenanceColumns(),
                             {{QStringLiteral("Unterhaltsberechtigter"), 0, 1},
                              {QStringLiteral("Unterhaltsverpflichteter"), 1, 1},
                              {QStringLiteral("Unterhalt"), 2, 4},
                              {QStringLiteral("Unterhalt wird nicht geleistet"), 6, 4},
                              {QStringLiteral("Jugendamt"), 10, 3},
                              {QStringLiteral("Anwaltliche Vertetung"), 13, 2}},
                             children);
    m_uhChildTree->setStorage({QStringLiteral("Z92UH"), QStringLiteral("Z92U_INDEX_PERSON"), UhChild,
                               QStringLiteral("Z92U_INDEX_MAINHEADER"), application});
    childLayout->addWidget(m_uhChildTree);

    m_youngLabel = forms::question(QStringLiteral("5. Für Personen zwischen 15 und 25 mit Elternteil außerhalb der "
                                                  "Bedarfsgemeinschaft sind folgende Angaben zwingend:"),
                                   children, QStringLiteral("ChildLabel5"));
    childLayout->addWidget(m_youngLabel);
    m_tree25 = makeGrid(QStringLiteral("Tree25"), youngAdultColumns(),
                        {{QStringLiteral("Person"), 0, 1},
                         {QStringLiteral("Schulausbildung"), 1, 4},
                         {QStringLiteral("Berufl. Ausbildung / Studium"), 5, 4},
                         {QStringLiteral("Berufliche Erstausbildung"), 9, 4}},
                        children);
    KeyedStorage young{QStringLiteral("Z94LESS25"), QStringLiteral("Z94_INDEX_PERSON"), YoungKey,
                       QStringLiteral("Z94_INDEX_MAINHEADER"), application};
    young.adjust = saveYoungAdult;
    young.loadRow = loadYoungAdult;
    m_tree25->setStorage(young);
    childLayout->addWidget(m_tree25);
    layout->addWidget(children);
    layout->addStretch(1);
    return page;
}

void TAnspruchMainDlg::loadMaintenancePage()
{
    m_maintenanceApplication = MainObject ? MainObject->AntragIdent : QString();
    m_maintenanceLoaded = true;
    QVector<QCheckBox*> boxes = m_topBoxes;
    boxes << m_applicantBox << m_partnerBox << m_pregnantApplicant << m_pregnantPartner;
    static const char* const columns[] = {"UHM_MAIN_SPLITT", "UHM_MAIN_GESCH", "UHM_MAIN_PREGN", "UHM_MAIN_U18_YES",
                                          "UHM_MAIN_U25_YES", "UHM_MAIN_NO", "UHM_MAIN_AST", "UHM_MAIN_PRT",
                                          "UHM_PREG_AST", "UHM_PREG_PRT"};
    for (QCheckBox* box : boxes)
        box->setChecked(false);
    store::Rows row = store::select(QStringLiteral("SELECT * FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=?"),
                                    {m_maintenanceApplication}, store::OnError::Ignore);
    bool cleanUp = false;
    if (!row.ok()) {
        store::Messages::error(QStringLiteral("Fehler bei lesen aus uhmain"));
    } else if (row.next()) {
        for (int i = 0; i < boxes.size(); ++i)
            boxes.at(i)->setChecked(row.flag(german(columns[i])));
        // Only what is stored may clear the separation data, never a state the boxes passed through.
        cleanUp = !row.flag(QStringLiteral("UHM_MAIN_SPLITT")) && !row.flag(QStringLiteral("UHM_MAIN_GESCH"));
    }
    separationRule(cleanUp);
    reloadGrids(false);
}

void TAnspruchMainDlg::separationRule(bool cleanUp)
{
    const bool separated = m_topBoxes.at(Splitt)->isChecked() || m_topBoxes.at(Gesch)->isChecked();
    m_separationPanel->setVisible(separated);
    if (separated) {
        if (!store::isLoading())
            m_splittTree->save(store::OnError::Report);
        loadSplittTree();
        return;
    }
    m_applicantBox->setChecked(false);
    m_partnerBox->setChecked(false);
    m_splittTree->clearRows();
    if (!cleanUp)
        return;
    const QString application = m_maintenanceApplication;
    const bool stale =
        store::selectValue(QStringLiteral("SELECT COUNT(*) FROM Z91 WHERE Z91_INDEX_MAINHEADER=?"), {application}).toInt() > 0 ||
        store::selectValue(QStringLiteral("SELECT COUNT(*) FROM UHMAIN WHERE UHM_INDEX_MAINHEADER=? AND "
                                          "(UHM_MAIN_AST OR UHM_MAIN_PRT OR UHM_COUNSEL_YES OR UHM_COUNSEL_NO)"),
                           {application}).toInt() > 0;
    if (!stale)
        return;
    // The clean-up is the one write a load may make: the stored answers say there is no separation.
    store::LoadWrite allowed;
    store::inTransaction([&] {
        return store::execute(QStringLiteral("DELETE FROM Z91 WHERE Z91_INDEX_MAINHEADER=?"), {application}) &&
               store::execute(QStringLiteral("UPDATE UHMAIN SET UHM_MAIN_AST=0, UHM_MAIN_PRT=0, UHM_COUNSEL_YES=0, "
                                             "UHM_COUNSEL_NO=0 WHERE UHM_INDEX_MAINHEADER=?"),
                              {application});
    });
}

void TAnspruchMainDlg::separatedPersonClicked(int personType)
{
    QCheckBox* box = personType == 0 ? m_applicantBox : m_partnerBox;
    const QString application = m_maintenanceApplication;
    const QString person =
        store::selectValue(QStringLiteral("SELECT PRS_IDENT FROM PERSON WHERE PRS_TYPE=? AND PRS_INDEX_MAINHEADER=? "
                                          "ORDER BY PRS_NUMBER"),
                           {personType, application})
            .toString()
            .trimmed();
    if (person.isEmpty()) {
        box->setChecked(false);
        return;
    }
    saveMaintenanceGrids(store::OnError::Report);
    const bool ticked = box->isChecked();
    // Imported or damaged applications may lack the answers' row; without it the answer would be lost.
    if (!store::ensureApplicationRows(application))
        return;
    store::inTransaction([&] {
        const bool exists = store::selectValue(QStringLiteral("SELECT COUNT(*) FROM Z91 WHERE Z91_INDEX_MAINHEADER=? "
                                                              "AND Z91_INDEX_PERSON=?"),
                                               {application, person}).toInt() > 0;
        if (ticked && !exists &&
            !store::execute(QStringLiteral("INSERT INTO Z91 (Z91_LFDNR, Z91_INDEX_MAINHEADER, Z91_INDEX_PERSON) "
                                           "VALUES (?, ?, ?)"),
                            {TMainObject::NewRowIdent(), application, person}))
            return false;
        if (!ticked && !store::execute(QStringLiteral("DELETE FROM Z91 WHERE Z91_INDEX_MAINHEADER=? AND "
                                                      "Z91_INDEX_PERSON=?"),
                                       {application, person}))
            return false;
        return store::execute(QStringLiteral("UPDATE UHMAIN SET %1=?, UHM_COUNSEL_YES=?, UHM_COUNSEL_NO=? "
                                             "WHERE UHM_INDEX_MAINHEADER=?")
                                  .arg(personType == 0 ? QStringLiteral("UHM_MAIN_AST") : QStringLiteral("UHM_MAIN_PRT")),
                              {ticked, m_applicantBox->isChecked(), m_partnerBox->isChecked(), application});
    });
    loadSplittTree();
}

void TAnspruchMainDlg::loadSplittTree()
{
    m_splittTree->load(QStringLiteral("SELECT * FROM Z91 JOIN PERSON ON PRS_IDENT=Z91_INDEX_PERSON AND "
                                      "PRS_INDEX_MAINHEADER=Z91_INDEX_MAINHEADER WHERE Z91_INDEX_MAINHEADER=? "
                                      "ORDER BY PRS_TYPE"),
                       {m_maintenanceApplication});
}

void TAnspruchMainDlg::saveMaintenanceGrids(store::OnError onError)
{
    for (KeyedGrid* grid : {m_splittTree, m_pregSumTree, m_uhChildTree, m_tree25, m_pregOtherTree})
        grid->save(onError);
    m_pregChildTree->commitEditor();
}

void TAnspruchMainDlg::reloadGrids(bool saveFirst)
{
    if (saveFirst)
        saveMaintenanceGrids(store::OnError::Report);
    const QString application = m_maintenanceApplication;

    m_pregChildTree->load(QStringLiteral("SELECT * FROM PERSON WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE>1 "
                                         "ORDER BY PRS_BIRTHDAY DESC"),
                          {application});
    const int unborn = m_pregChildTree->appendRow();
    m_pregChildTree->setCell(unborn, ChildName, kUnborn);
    m_pregChildTree->setCell(unborn, ChildIdent, kUnbornChild);
    store::Rows kinds = store::select(QStringLiteral("SELECT Z92U_INDEX_PERSON, Z92U_TYPE FROM Z92UH "
                                                     "WHERE Z92U_INDEX_MAINHEADER=?"),
                                      {application});
    while (kinds.next())
        for (int r = 0; r < m_pregChildTree->rowCount(); ++r)
            if (m_pregChildTree->text(r, ChildIdent) == kinds.text(QStringLiteral("Z92U_INDEX_PERSON")))
                m_pregChildTree->setCell(r, ChildChoice, kinds.integer(QStringLiteral("Z92U_TYPE")) == 1
                                                             ? kInMarriage
                                                             : kOutsideMarriageShown);

    m_pregOtherTree->load(QStringLiteral("SELECT * FROM Z92OTH WHERE Z92O_INDEX_MAINHEADER=? ORDER BY rowid"),
                          {application});
    QStringList names;
    QStringList idents;
    for (int r = 0; r < m_pregOtherTree->rowCount(); ++r) {
        names << m_pregOtherTree->text(r, 0) + QStringLiteral(", ") + m_pregOtherTree->text(r, 1);
        idents << m_pregOtherTree->text(r, OtherIdent);
    }
    m_pregSumTree->setPicks(SumOther, names, idents);

    // The rows of children who are no longer in the household stay stored but are not shown.
    const QString rows = QStringLiteral(
        "SELECT Z92UH.*, CASE WHEN Z92U_INDEX_PERSON=? THEN ? ELSE TRIM(IFNULL(PRS_NAME, '')) || ', ' || TRIM(IFNULL(PRS_VNAME, '')) END "
        "AS CHILD_NAME, CASE WHEN Z92O_IDENT IS NULL THEN '' ELSE TRIM(IFNULL(Z92O_NAME, '')) || ', ' || TRIM(IFNULL(Z92O_VNAME, '')) END "
        "AS OTHER_NAME FROM Z92UH "
        "LEFT JOIN PERSON ON PRS_IDENT=Z92U_INDEX_PERSON AND PRS_INDEX_MAINHEADER=Z92U_INDEX_MAINHEADER AND PRS_TYPE>1 "
        "LEFT JOIN Z92OTH ON Z92O_IDENT=Z92U_INDEX_OTHER AND Z92O_INDEX_MAINHEADER=Z92U_INDEX_MAINHEADER "
        "WHERE Z92U_INDEX_MAINHEADER=? AND %1 ORDER BY Z92UH.rowid");
    m_pregSumTree->load(rows.arg(QStringLiteral("(PRS_IDENT IS NOT NULL OR Z92U_INDEX_PERSON=?)")),
                        {kUnbornChild, kUnborn, application, kUnbornChild});
    m_uhChildTree->load(rows.arg(QStringLiteral("PRS_IDENT IS NOT NULL")), {kUnbornChild, kUnborn, application});
    const bool maintenance =
        store::selectValue(QStringLiteral("SELECT COUNT(*) FROM Z92UH WHERE Z92U_INDEX_MAINHEADER=?"), {application})
            .toInt() > 0;
    forms::setShown({m_pregSumTree, m_uhChildTree, m_childLabel}, maintenance);

    m_tree25->load(QStringLiteral("SELECT * FROM Z94LESS25 JOIN PERSON ON PRS_IDENT=Z94_INDEX_PERSON AND "
                                  "PRS_INDEX_MAINHEADER=Z94_INDEX_MAINHEADER WHERE Z94_INDEX_MAINHEADER=? "
                                  "ORDER BY Z94LESS25.rowid"),
                   {application});
    forms::setShown({m_tree25, m_youngLabel}, m_tree25->rowCount() > 0);
}

void TAnspruchMainDlg::childAssigned(int row)
{
    const QString application = m_maintenanceApplication;
    const QString child = m_pregChildTree->text(row, ChildIdent);
    const QString entry = m_pregChildTree->text(row, ChildChoice);
    saveMaintenanceGrids(store::OnError::Report);
    const bool unborn = child == kUnbornChild;
    store::inTransaction([&] {
        if (entry == kNo) {
            return store::execute(QStringLiteral("DELETE FROM Z92UH WHERE Z92U_INDEX_MAINHEADER=? AND "
                                                 "Z92U_INDEX_PERSON=?"),
                                  {application, child}) &&
                   (unborn || store::execute(QStringLiteral("DELETE FROM Z94LESS25 WHERE Z94_INDEX_MAINHEADER=? AND "
                                                            "Z94_INDEX_PERSON=?"),
                                             {application, child}));
        }
        const int type = entry == kInMarriage ? 1 : 0;
        const bool exists = store::selectValue(QStringLiteral("SELECT COUNT(*) FROM Z92UH WHERE "
                                                              "Z92U_INDEX_MAINHEADER=? AND Z92U_INDEX_PERSON=?"),
                                               {application, child}).toInt() > 0;
        const bool kindStored =
            exists ? store::execute(QStringLiteral("UPDATE Z92UH SET Z92U_TYPE=? WHERE Z92U_INDEX_MAINHEADER=? AND "
                                                   "Z92U_INDEX_PERSON=?"),
                                    {type, application, child})
                   : store::execute(QStringLiteral("INSERT INTO Z92UH (Z92U_IDENT, Z92U_INDEX_MAINHEADER, "
                                                   "Z92U_INDEX_PERSON, Z92U_TYPE) VALUES (?, ?, ?, ?)"),
                                    {TMainObject::NewRowIdent(), application, child, type});
        if (!kindStored)
            return false;
        if (unborn)
            return true;
        const QDate birth = store::readDate(store::selectValue(
            QStringLiteral("SELECT PRS_BIRTHDAY FROM PERSON WHERE PRS_IDENT=? AND PRS_INDEX_MAINHEADER=?"),
            {child, application}));
        if (!birth.isValid())
            return true;
        const int age = completedYears(birth, QDate::currentDate());
        if (age < 15 || age > 25)
            return true;
        const bool young = store::selectValue(QStringLiteral("SELECT COUNT(*) FROM Z94LESS25 WHERE "
                                                             "Z94_INDEX_MAINHEADER=? AND Z94_INDEX_PERSON=?"),
                                              {application, child}).toInt() > 0;
        return young || store::execute(QStringLiteral("INSERT INTO Z94LESS25 (Z94_IDENT, Z94_INDEX_MAINHEADER, "
                                                      "Z94_INDEX_PERSON) VALUES (?, ?, ?)"),
                                       {TMainObject::NewRowIdent(), application, child});
    });
    reloadGrids(false);
}

void TAnspruchMainDlg::addParent()
{
    saveMaintenanceGrids(store::OnError::Report);
    store::execute(QStringLiteral("INSERT INTO Z92OTH (Z92O_IDENT, Z92O_INDEX_MAINHEADER) VALUES (?, ?)"),
                   {TMainObject::NewRowIdent(), m_maintenanceApplication});
    reloadGrids(false);
}

void TAnspruchMainDlg::deleteParent()
{
    const int row = m_pregOtherTree->currentRow();
    if (row < 0 || row >= m_pregOtherTree->rowCount())
        return;
    saveMaintenanceGrids(store::OnError::Report);
    const QString application = m_maintenanceApplication;
    const QString parent = m_pregOtherTree->text(row, OtherIdent);
    // No maintenance row may keep pointing at a parent who is gone.
    store::inTransaction([&] {
        return store::execute(QStringLiteral("DELETE FROM Z92OTH WHERE Z92O_IDENT=? AND Z92O_INDEX_MAINHEADER=?"),
                              {parent, application}) &&
               store::execute(QStringLiteral("UPDATE Z92UH SET Z92U_INDEX_OTHER=' ' WHERE Z92U_INDEX_OTHER=? AND "
                                             "Z92U_INDEX_MAINHEADER=?"),
                              {parent, application});
    });
    reloadGrids(false);
}
