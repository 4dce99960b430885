#include "UnfallMain.h"

#include "Editors.h"
#include "PageBuilder.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace accident;

namespace {
constexpr int kMaxLength = 200;
const QString kSettlementCaption = QStringLiteral("Es wurde ein Vergleich geschlossen am:");

QLineEdit* edit(const QString& column, QWidget* parent) {
    QLineEdit* e = forms::lineEdit(column, parent, 280);
    e->setMaxLength(kMaxLength);
    return e;
}
} // namespace

TUnfallMainDlg::TUnfallMainDlg(QWidget* parent)
    : UnfallDetailDialog(QStringLiteral("TUnfallMainDlg"), QStringLiteral("Unfallhauptdaten"),
                         QStringLiteral("Unfallhautpdaten von "), parent) {
    // The kind of event.
    QGroupBox* kindGroup = forms::groupBox(QStringLiteral("KindGroup"), QStringLiteral("Es handelt sich um"), this);
    auto* kindRow = new QHBoxLayout(kindGroup);
    QCheckBox* work = forms::checkBox(QStringLiteral("UNF_IS_WORK"), QStringLiteral("Arbeitsunfall"), kindGroup);
    QCheckBox* traffic = forms::checkBox(QStringLiteral("UNF_IS_TRAFFIC"), QStringLiteral("Verkehrsunfall"), kindGroup);
    QCheckBox* other =
        forms::checkBox(QStringLiteral("UNF_IS_OTHER"), QStringLiteral("sonstiges Schadensereignis"), kindGroup);
    for (QCheckBox* b : {work, traffic, other})
        kindRow->addWidget(b);
    kindRow->addStretch(1);
    m_kinds = new ExclusiveGroup({work, traffic, other}, this);
    body()->addWidget(kindGroup);

    // The causer and the causer's liability insurance, side by side.
    auto* sides = new QHBoxLayout;
    QGroupBox* causer = forms::groupBox(QStringLiteral("CauserGroup"), QStringLiteral("Unfallverursacher"), this);
    auto* causerGrid = new QGridLayout(causer);
    QLineEdit* sourceName = edit(QStringLiteral("UNF_SOURCE_NAME"), causer);
    QLineEdit* sourceAddress = edit(QStringLiteral("UNF_SOURCE_ADDRESS"), causer);
    addField(causerGrid, QStringLiteral("Name, Vorname"), sourceName);
    addField(causerGrid, QStringLiteral("Anschrift"), sourceAddress);
    causerGrid->setRowStretch(causerGrid->rowCount(), 1);
    QGroupBox* insurer = forms::groupBox(QStringLiteral("InsurerGroup"),
                                         QStringLiteral("Haftpflicht- versicherung des Unfallverursachers"), this);
    auto* insurerGrid = new QGridLayout(insurer);
    QLineEdit* versName = edit(QStringLiteral("UNF_SOURCE_VERS_NAME"), insurer);
    QLineEdit* versAddress = edit(QStringLiteral("UNF_SOURCE_VERS_ADDRESS"), insurer);
    QLineEdit* versNumber = edit(QStringLiteral("UNF_SOURCE_NUMBER"), insurer);
    addField(insurerGrid, QStringLiteral("Bezeichnung"), versName);
    addField(insurerGrid, QStringLiteral("Anschrift"), versAddress);
    addField(insurerGrid, QStringLiteral("Schadensnummer"), versNumber);
    sides->addWidget(causer, 1);
    sides->addWidget(insurer, 1);
    body()->addLayout(sides);

    // The claims for damages.
    QGroupBox* claims = forms::groupBox(QStringLiteral("ClaimsGroup"), QStringLiteral("Schadenersatz"), this);
    auto* claimsGrid = new QGridLayout(claims);
    claimsGrid->setColumnStretch(1, 1);
    auto* question =
        forms::question(QStringLiteral("Hat der Geschädigte bereits Ansprüche auf Schadenersatz erhoben?"), claims);
    claimsGrid->addWidget(question, 0, 0, 1, 2);
    // The "Nein" box is stored in UNF_ERSATZ_YES and "Ja, gegen" in UNF_ERSATZ_NO; the sheets read them so.
    QCheckBox* claimNo = forms::checkBox(QStringLiteral("UNF_ERSATZ_YES"), QStringLiteral("Nein"), claims);
    QCheckBox* claimYes = forms::checkBox(QStringLiteral("UNF_ERSATZ_NO"), QStringLiteral("Ja, gegen"), claims);
    for (QCheckBox* b : {claimNo, claimYes})
        b->setAccessibleDescription(question->text());
    QLineEdit* against = edit(QStringLiteral("UNF_ERSATZ_GEGEN"), claims);
    against->setAccessibleName(QStringLiteral("Ja, gegen"));
    auto* answer = new QHBoxLayout;
    answer->addWidget(claimNo);
    answer->addSpacing(16);
    answer->addWidget(claimYes);
    answer->addWidget(against, 1);
    claimsGrid->addLayout(answer, 1, 0, 1, 2);
    m_claims = new YesNoPair(claimYes, claimNo, YesNoPair::Complementary, this);
    QLineEdit* result = edit(QStringLiteral("UNF_ERSATZ_ERGEBNIS"), claims);
    addField(claimsGrid, QStringLiteral("Ergebnis"), result);

    int row = claimsGrid->rowCount();
    QCheckBox* open = forms::checkBox(QStringLiteral("UNF_ERSATZ_ISOPEN"),
                                      QStringLiteral("Verhandlungen sind noch nicht abgeschlossen"), claims);
    QCheckBox* acknowledged = forms::checkBox(QStringLiteral("UNF_ERSATZ_ISVERS"),
                                              QStringLiteral("Annerkennung durch den Versicherer"), claims);
    QCheckBox* settlement = forms::checkBox(QStringLiteral("UNF_ERSATZ_ISVERGLEICH"), kSettlementCaption, claims);
    m_settlementDate = forms::dateEdit(QStringLiteral("UNF_ERSATZ_ISVERGLEICH_DATE"), claims);
    m_settlementDate->setAccessibleName(kSettlementCaption);
    forms::warnWhenNoDate(m_settlementDate, kSettlementCaption);
    QCheckBox* lawsuit = forms::checkBox(QStringLiteral("UNF_ERSATZ_ISKLAGE"),
                                         QStringLiteral("Klage ist noch anhängig, Gericht / Aktenzeichen:"), claims);
    QLineEdit* court = edit(QStringLiteral("UNF_ERSATZ_ISKLAGE_GERICHT"), claims);
    court->setAccessibleName(lawsuit->text());
    QCheckBox* judgment = forms::checkBox(QStringLiteral("UNF_ERSATZ_ISURTEIL"),
                                          QStringLiteral("Klage wurde durch Urteil beendet"), claims);
    claimsGrid->addWidget(open, row++, 0, 1, 2);
    claimsGrid->addWidget(acknowledged, row++, 0, 1, 2);
    claimsGrid->addWidget(settlement, row, 0);
    claimsGrid->addWidget(m_settlementDate, row++, 1, Qt::AlignLeft);
    claimsGrid->addWidget(lawsuit, row, 0);
    claimsGrid->addWidget(court, row++, 1);
    claimsGrid->addWidget(judgment, row++, 0, 1, 2);
    body()->addWidget(claims);

    QGroupBox* counsel = forms::groupBox(
        QStringLiteral("CounselGroup"),
        QStringLiteral("Die Interessen des Geschädigten wurden/werden vertreten durch (z.B. Rechtsanwalt)"), this);
    auto* counselGrid = new QGridLayout(counsel);
    counselGrid->setColumnStretch(1, 1);
    QLineEdit* lawyer = edit(QStringLiteral("UNF_ERSATZ_ANWALT_ADDRESS"), counsel);
    addField(counselGrid, QStringLiteral("Name, Anschrift"), lawyer);
    body()->addWidget(counsel);
    body()->addStretch(1);

    // The columns in the order they are written.
    m_columns.box(work, QStringLiteral("UNF_IS_WORK"))
        .box(traffic, QStringLiteral("UNF_IS_TRAFFIC"))
        .box(other, QStringLiteral("UNF_IS_OTHER"))
        .text(sourceName, QStringLiteral("UNF_SOURCE_NAME"))
        .text(sourceAddress, QStringLiteral("UNF_SOURCE_ADDRESS"))
        .text(versName, QStringLiteral("UNF_SOURCE_VERS_NAME"))
        .text(versAddress, QStringLiteral("UNF_SOURCE_VERS_ADDRESS"))
        .text(versNumber, QStringLiteral("UNF_SOURCE_NUMBER"))
        .box(claimNo, QStringLiteral("UNF_ERSATZ_YES"))
        .box(claimYes, QStringLiteral("UNF_ERSATZ_NO"))
        .text(against, QStringLiteral("UNF_ERSATZ_GEGEN"))
        .text(result, QStringLiteral("UNF_ERSATZ_ERGEBNIS"))
        .box(open, QStringLiteral("UNF_ERSATZ_ISOPEN"))
        .box(acknowledged, QStringLiteral("UNF_ERSATZ_ISVERS"))
        .box(settlement, QStringLiteral("UNF_ERSATZ_ISVERGLEICH"))
        .box(lawsuit, QStringLiteral("UNF_ERSATZ_ISKLAGE"))
        .box(judgment, QStringLiteral("UNF_ERSATZ_ISURTEIL"))
        .custom(
            QStringLiteral("UNF_ERSATZ_ISVERGLEICH_DATE"), [this] { return settlementDate(); },
            [this](const store::Rows& r) {
                m_settlementDate->setDate(r.date(QStringLiteral("UNF_ERSATZ_ISVERGLEICH_DATE")));
            })
        .text(court, QStringLiteral("UNF_ERSATZ_ISKLAGE_GERICHT"))
        .text(lawyer, QStringLiteral("UNF_ERSATZ_ANWALT_ADDRESS"));
    resize(760, sizeHint().height());
}

void TUnfallMainDlg::reset() {
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
    m_settlementDate->setDate(QDate());
    for (QCheckBox* b : findChildren<QCheckBox*>())
        b->setChecked(false);
    m_claims->setYes(false);
}

void TUnfallMainDlg::load() {
    store::Rows row = accidentRow();
    if (row.next()) m_columns.load(row);
}

QVariant TUnfallMainDlg::settlementDate() const {
    if (m_settlementDate->isAcceptable()) return store::dateValue(m_settlementDate->date());
    store::Rows row = accidentRow();
    return store::dateValue(row.next() ? row.date(QStringLiteral("UNF_ERSATZ_ISVERGLEICH_DATE")) : QDate());
}

bool TUnfallMainDlg::write() {
    if (!m_columns.update(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), person())) return false;
    if (m_settlementDate->isAcceptable()) return true;
    // Everything else is stored; the date that cannot be read stays on screen, marked, to be put right,
    // and the user is told why the dialog stays open (once per text, as when leaving the field).
    m_settlementDate->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_settlementDate->setFocus();
    emit m_settlementDate->editingFinished();
    return false;
}
