#include "UnfallSonstig.h"

#include "PageBuilder.h"
#include "ServerObjects.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace accident;

namespace {

QCheckBox* box(const char* column, const char* caption, QWidget* parent) {
    return forms::checkBox(QString::fromLatin1(column), QString::fromUtf8(caption), parent);
}

QLineEdit* edit(const char* column, QWidget* parent) {
    return forms::lineEdit(QString::fromLatin1(column), parent, 200);
}

QWidget* page(QGridLayout** grid) {
    auto* w = new QWidget;
    *grid = new QGridLayout(w);
    (*grid)->setContentsMargins(0, 6, 0, 0);
    (*grid)->setColumnStretch(1, 1);
    return w;
}

// The controls of the four pages, found again by their names when the columns are declared.
template <typename T>
T* named(QWidget* root, const char* name) {
    return root->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

TUnfallSonstigDlg::TUnfallSonstigDlg(QWidget* parent)
    : UnfallDetailDialog(QStringLiteral("TUnfallSonstigDlg"), QStringLiteral("Sonstiger Unfall"),
                         QStringLiteral("Sonstiges Schadenereignis  von "), parent) {
    auto* caption = forms::question(
        QStringLiteral("Schildern Sie möglichst ausführlich den Unfall bzw. die Entstehung des Schadens"), this);
    m_description = memo(QStringLiteral("UNF_DESCRIP"), this, 3);
    caption->setBuddy(m_description);
    body()->addWidget(caption);
    body()->addWidget(m_description);

    QGroupBox* kindGroup = forms::groupBox(QStringLiteral("KindGroup"), QString(), this);
    auto* kindLayout = new QGridLayout(kindGroup);
    QCheckBox* sport = box("UNS_IS_SPORT", "Es handelt sich um einen Sportunfall", kindGroup);
    QCheckBox* doctor = box("UNS_IS_ARZT", "Ärztlicher Kunstfehler", kindGroup);
    QCheckBox* assault = box("UNS_IS_TAT", "Körperverletzung (Tätliche Auseinandersetzung , Überfall o.ä.)", kindGroup);
    QCheckBox* animal = box("UNS_IS_TIER", "Verletzung durch Tiere", kindGroup);
    kindLayout->addWidget(sport, 0, 0);
    kindLayout->addWidget(doctor, 0, 1);
    kindLayout->addWidget(assault, 1, 0);
    kindLayout->addWidget(animal, 1, 1);
    body()->addWidget(kindGroup);
    m_kinds = new ExclusiveGroup({sport, doctor, assault, animal}, this);

    QGroupBox* pages = forms::groupBox(QStringLiteral("KindPagesGroup"), QString(), this);
    auto* pagesLayout = new QVBoxLayout(pages);
    KindPages = new QStackedWidget(pages);
    KindPages->setObjectName(QStringLiteral("KindPages"));
    KindPages->addWidget(sportPage());
    KindPages->addWidget(malpracticePage());
    KindPages->addWidget(assaultPage());
    KindPages->addWidget(animalPage());
    pagesLayout->addWidget(KindPages);
    body()->addWidget(pages, 1);
    m_kinds->onChange([this](int index) {
        if (index >= 0) KindPages->setCurrentIndex(index);
    });

    // The columns of UNFOTHER from the fourth on, in their order. The animal causes stand in another
    // order on the form than in the table, so they are bound by name.
    QWidget* root = KindPages;
    m_columns.box(sport, QStringLiteral("UNS_IS_SPORT"))
        .box(doctor, QStringLiteral("UNS_IS_ARZT"))
        .box(assault, QStringLiteral("UNS_IS_TAT"))
        .box(animal, QStringLiteral("UNS_IS_TIER"));
    for (const char* column : {"UNS_SPORT_IS_NEUTRAL", "UNS_SPORT_IS_GROB", "UNS_SPORT_IS_ABSICHT"})
        m_columns.box(named<QCheckBox>(root, column), QString::fromLatin1(column));
    for (const char* column : {"UNS_ARTZT_VERS_SIGN", "UNS_ARZT_VERS_NUMBER"})
        m_columns.text(named<QLineEdit>(root, column), QString::fromLatin1(column));
    for (const char* column : {"UNS_ARZT_SCHLICHT_YES", "UNS_ARZT_SCHLICHT_NO"})
        m_columns.box(named<QCheckBox>(root, column), QString::fromLatin1(column));
    for (const char* column : {"UNS_ARZT_SCHLICHT_ADDRESS", "UNS_ARZT_SCHLICHT_NUMBER"})
        m_columns.text(named<QLineEdit>(root, column), QString::fromLatin1(column));
    m_columns.memo(named<QPlainTextEdit>(root, "UNS_TAT_DESCRIP"), QStringLiteral("UNS_TAT_DESCRIP"));
    for (const char* column : {"UNS_TAT_POLICE_DATE", "UNS_TAT_POLICE_ADDRESS"})
        m_columns.text(named<QLineEdit>(root, column), QString::fromLatin1(column));
    for (const char* column : {"UNS_TIER_UNFALL", "UNS_TIER_BISS", "UNS_TIER_WILD", "UNS_TIER_OTHER"})
        m_columns.box(named<QCheckBox>(root, column), QString::fromLatin1(column));
    m_columns.text(named<QLineEdit>(root, "UNS_TIER_OTHER_SIGN"), QStringLiteral("UNS_TIER_OTHER_SIGN"));
    m_columns.box(named<QCheckBox>(root, "UNS_TIER_HOUSE"), QStringLiteral("UNS_TIER_HOUSE"));
    for (const char* column : {"UNS_TIER_HOUSE_NAME", "UNS_TIER_HOUSE_HALTER", "UNS_TIER_HOUSE_HALTER_ADDRESS"})
        m_columns.text(named<QLineEdit>(root, column), QString::fromLatin1(column));
    for (const char* column : {"UNS_TIER_HOUSE_MELD_YES", "UNS_TIER_HOUSE_MELD_NO"})
        m_columns.box(named<QCheckBox>(root, column), QString::fromLatin1(column));
    for (const char* column :
         {"UNS_TIER_HOUSE_MELD_VERS_NAME", "UNS_TIER_HOUSE_MELD_VERS_NUMMER", "UNS_TIER_HOUSE_MELD_VERS_SCHADEN"})
        m_columns.text(named<QLineEdit>(root, column), QString::fromLatin1(column));
    resize(760, 600);
}

QWidget* TUnfallSonstigDlg::sportPage() {
    QGridLayout* grid = nullptr;
    QWidget* w = page(&grid);
    auto* line = new QHBoxLayout;
    QCheckBox* neutral = box("UNS_SPORT_IS_NEUTRAL", "unabsichtlich", w);
    QCheckBox* gross = box("UNS_SPORT_IS_GROB", "grob fahrlässig", w);
    QCheckBox* intent = box("UNS_SPORT_IS_ABSICHT", "vorsätzlich", w);
    line->addWidget(forms::label(QStringLiteral("Der Unfall wurde "), w));
    for (QCheckBox* b : {neutral, gross, intent})
        line->addWidget(b);
    line->addWidget(forms::label(QStringLiteral("verursacht."), w));
    line->addStretch(1);
    grid->addLayout(line, 0, 0, 1, 2);
    grid->setRowStretch(1, 1);
    m_sport = new ExclusiveGroup({neutral, gross, intent}, this);
    return w;
}

QWidget* TUnfallSonstigDlg::malpracticePage() {
    QGridLayout* grid = nullptr;
    QWidget* w = page(&grid);
    addField(grid, QStringLiteral("dem Geschädigten wurde folgende Haftpflichtversicherung genannt:"),
             edit("UNS_ARTZT_VERS_SIGN", w));
    addField(grid, QStringLiteral("Schadensnummer"), edit("UNS_ARZT_VERS_NUMBER", w));
    const QString question = QStringLiteral("Ist ein Verfahren vor der Schlichtungsstelle anhängig?");
    grid->addWidget(forms::question(question, w), grid->rowCount(), 0, 1, 2);
    QCheckBox* no = box("UNS_ARZT_SCHLICHT_NO", "Nein", w);
    QCheckBox* yes = box("UNS_ARZT_SCHLICHT_YES", "Ja, Anschrift der Schlichtungsstelle", w);
    for (QCheckBox* b : {no, yes})
        b->setAccessibleDescription(question);
    auto* line = new QHBoxLayout;
    line->addWidget(no);
    line->addWidget(yes);
    QLineEdit* address = edit("UNS_ARZT_SCHLICHT_ADDRESS", w);
    address->setAccessibleName(QStringLiteral("Anschrift der Schlichtungsstelle"));
    line->addWidget(address, 1);
    grid->addLayout(line, grid->rowCount(), 0, 1, 2);
    addField(grid, QStringLiteral("Schadensnummer"), edit("UNS_ARZT_SCHLICHT_NUMBER", w));
    grid->setRowStretch(grid->rowCount(), 1);
    m_arbitration = new YesNoPair(yes, no, YesNoPair::Complementary, this);
    return w;
}

QWidget* TUnfallSonstigDlg::assaultPage() {
    QGridLayout* grid = nullptr;
    QWidget* w = page(&grid);
    auto* caption =
        forms::label(QStringLiteral("Bitte schildern Sie, bei welcher Gelegenheit die Verletzung zustande kam"), w);
    QPlainTextEdit* description = memo(QStringLiteral("UNS_TAT_DESCRIP"), w, 4);
    caption->setBuddy(description);
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(description, 1, 0, 1, 2);
    addField(grid, QStringLiteral("Strafanzeige wurde erstattet am"), edit("UNS_TAT_POLICE_DATE", w));
    addField(grid, QStringLiteral("Polizeidienststelle"), edit("UNS_TAT_POLICE_ADDRESS", w));
    grid->setRowStretch(grid->rowCount(), 1);
    return w;
}

QWidget* TUnfallSonstigDlg::animalPage() {
    QGridLayout* grid = nullptr;
    QWidget* w = page(&grid);
    auto* line = new QHBoxLayout;
    line->addWidget(forms::label(QStringLiteral("Es handelt sich um"), w));
    QCheckBox* traffic = box("UNS_TIER_UNFALL", "Verkehrsunfall", w);
    QCheckBox* game = box("UNS_TIER_WILD", "Wildunfall", w);
    QCheckBox* bite = box("UNS_TIER_BISS", "Bissverletzung", w);
    QCheckBox* other = box("UNS_TIER_OTHER", "sonstige Ursache", w);
    for (QCheckBox* b : {traffic, game, bite, other})
        line->addWidget(b);
    QLineEdit* otherSign = edit("UNS_TIER_OTHER_SIGN", w);
    otherSign->setAccessibleName(other->text());
    line->addWidget(otherSign, 1);
    grid->addLayout(line, 0, 0, 1, 2);
    m_animalCause = new ExclusiveGroup({traffic, game, bite, other}, this);

    auto* pet = new QHBoxLayout;
    QCheckBox* house = box("UNS_TIER_HOUSE", "Es handelt sich um ein Haustier, und zwar:", w);
    QLineEdit* petName = edit("UNS_TIER_HOUSE_NAME", w);
    petName->setAccessibleName(house->text());
    pet->addWidget(house);
    pet->addWidget(petName, 1);
    grid->addLayout(pet, 1, 0, 1, 2);
    addField(grid, QStringLiteral("Halter des Haustieres ist"), edit("UNS_TIER_HOUSE_HALTER", w));
    addField(grid, QStringLiteral("Anschrift"), edit("UNS_TIER_HOUSE_HALTER_ADDRESS", w));
    grid->addWidget(box("UNS_TIER_HOUSE_MELD_NO", "Der Unfall wurde nicht gemeldet", w), grid->rowCount(), 0, 1, 2);
    grid->addWidget(box("UNS_TIER_HOUSE_MELD_YES", "der Unfall wurde dem Tierhalter gemeldet", w), grid->rowCount(), 0,
                    1, 2);
    addField(grid, QStringLiteral("dem Geschädigten wurde folgende Haftpflicht- versicherung genannt:"),
             edit("UNS_TIER_HOUSE_MELD_VERS_NAME", w));
    addField(grid, QStringLiteral("Versicherungs-Nr"), edit("UNS_TIER_HOUSE_MELD_VERS_NUMMER", w));
    addField(grid, QStringLiteral("Schadensnummer"), edit("UNS_TIER_HOUSE_MELD_VERS_SCHADEN", w));
    grid->setRowStretch(grid->rowCount(), 1);
    return w;
}

void TUnfallSonstigDlg::reset() {
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
    // In the order of the form; the arbitration pair follows its rule and ends on "Nein".
    for (QCheckBox* b : findChildren<QCheckBox*>())
        b->setChecked(false);
    m_arbitration->setYes(false);
    m_kinds->set(0);
    KindPages->setCurrentIndex(0);
    m_description->clear();
    for (QPlainTextEdit* m : KindPages->findChildren<QPlainTextEdit*>())
        m->clear();
}

void TUnfallSonstigDlg::load() {
    store::Rows own = store::select(QStringLiteral("SELECT * FROM UNFOTHER WHERE UNS_INDEX_PERSON=? ORDER BY rowid"),
                                    {person()});
    if (own.next()) m_columns.load(own);
    // The description is shared with the other accident dialogs: it is shown whatever this dialog
    // stored, so that closing never erases what another one wrote.
    store::Rows main = accidentRow();
    if (main.next()) m_description->setPlainText(main.text(QStringLiteral("UNF_DESCRIP")));
}

bool TUnfallSonstigDlg::write() {
    return store::inTransaction([this] {
        return store::execute(QStringLiteral("DELETE FROM UNFOTHER WHERE UNS_INDEX_PERSON=?"), {person()}) &&
               m_columns.insert(QStringLiteral("UNFOTHER"),
                                {QStringLiteral("UNS_IDENT"), QStringLiteral("UNS_INDEX_MAINHEADER"),
                                 QStringLiteral("UNS_INDEX_PERSON")},
                                {TMainObject::NewRowIdent(), application(), person()}) &&
               store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_DESCRIP=? WHERE UNF_INDEX_PERSON=?"),
                              {store::textValue(m_description->toPlainText()), person()});
    });
}
