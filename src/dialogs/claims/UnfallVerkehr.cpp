#include "UnfallVerkehr.h"

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

using namespace accident;

namespace {

enum TakingPart { PublicTransport, Pedestrian, Vehicle };
enum PublicKind { Bus, Train, Tram, PublicOther };
enum VehicleKind { Bicycle, Moped, Car, Truck, VehicleOther };
enum Role { Driver, Passenger };

void showAll(const QVector<QWidget*>& widgets, bool shown) {
    for (QWidget* w : widgets)
        w->setVisible(shown);
}

// A caption and its edit on the next row of `grid`; both come and go together.
QVector<QWidget*> field(QGridLayout* grid, const QString& caption, const QString& column, QLineEdit** edit) {
    *edit = forms::lineEdit(column, grid->parentWidget(), 120);
    QLabel* label = addField(grid, caption, *edit);
    return {label, *edit};
}

// The six fields of a driver: name, address, the vehicle's holder and its insurer.
struct DriverBlock {
    QLineEdit* edits[6];
    QVector<QWidget*> widgets;
};

DriverBlock driverBlock(QGridLayout* grid, const QString& prefix) {
    static const char* const captions[] = {"Name, Vorname des Fahrers", "Anschrift", "Name des Fahrzeughalters",
                                           "Anschrift", "Fahrzeug ist versichert bei", "Anschrift"};
    static const char* const suffixes[] = {"NAME", "ADDRESS", "HALTER", "HALTER_ADDRESS", "VERS_NAME", "VERS_ADDRESS"};
    DriverBlock block;
    for (int i = 0; i < 6; ++i)
        block.widgets << field(grid, QString::fromUtf8(captions[i]), prefix + QString::fromLatin1(suffixes[i]),
                               &block.edits[i]);
    return block;
}

QCheckBox* kindBox(const char* column, const char* caption, QWidget* parent) {
    return forms::checkBox(QString::fromLatin1(column), QString::fromUtf8(caption), parent);
}

} // namespace

TUnfallVerkehrDlg::TUnfallVerkehrDlg(QWidget* parent)
    : UnfallDetailDialog(QStringLiteral("TUnfallVerkehrDlg"), QStringLiteral("Verkehrsunfall"),
                         QStringLiteral("Verkehrsunfall  von "), parent) {
    auto* caption = forms::question(
        QStringLiteral("Schildern Sie möglichst ausführlich den Unfall bzw. die Entstehung des Schadens"), this);
    m_description = memo(QStringLiteral("UNF_DESCRIP"), this, 3);
    caption->setBuddy(m_description);
    body()->addWidget(caption);
    body()->addWidget(m_description);

    auto* sides = new QHBoxLayout;
    // The injured person's own way of taking part.
    QGroupBox* own = forms::groupBox(QStringLiteral("OwnGroup"), QStringLiteral("Der Geschädigte"), this);
    auto* ownGrid = new QGridLayout(own);
    ownGrid->setColumnStretch(1, 1);
    const auto wholeLine = [](QGridLayout* grid, QWidget* w) { grid->addWidget(w, grid->rowCount(), 0, 1, 2); };
    const auto kindLine = [](QGridLayout* grid, const QVector<QCheckBox*>& boxes, QLineEdit* text) {
        auto* line = new QHBoxLayout;
        line->setContentsMargins(20, 0, 0, 0);
        for (QCheckBox* b : boxes)
            line->addWidget(b);
        line->addWidget(text, 1);
        grid->addLayout(line, grid->rowCount(), 0, 1, 2);
    };

    QCheckBox* publicYes =
        kindBox("UTR_PUBLIC_YES", "Der Geschädigte benutzte ein öffentliches Verkehrsmittel", own);
    QCheckBox* bus = kindBox("UTR_PUBLIC_BUS", "Bus", own);
    QCheckBox* train = kindBox("UTR_PUBLIC_EISEN", "Eisenbahn", own);
    QCheckBox* tram = kindBox("UTR_PUBLIC_STRASSEN", "Straßenbahn", own);
    QCheckBox* publicOther = kindBox("UTR_PUBLIC_OTHER", "Sonstiges:", own);
    QLineEdit* publicOtherName = forms::lineEdit(QStringLiteral("UTR_PUBLIC_OTHER_NAME"), own, 60);
    publicOtherName->setAccessibleName(QStringLiteral("Sonstiges öffentliches Verkehrsmittel"));
    QCheckBox* walk = kindBox("UTR_WALK", "An dem Unfall war der Geschädigte als Fußgänger beteiligt", own);
    QCheckBox* vehicle = kindBox("UTR_KFZ_YES", "Der Geschädigte war am Unfall mit einem Fahrzeug beteiligt", own);
    QCheckBox* bicycle = kindBox("UTR_KFZ_FAHRRAD", "Fahrrad", own);
    QCheckBox* moped = kindBox("UTR_KFZ_MOPED", "Moped", own);
    QCheckBox* car = kindBox("UTR_KFZ_PKW", "PKW", own);
    QCheckBox* truck = kindBox("UTR_KFZ_LKW", "LKW", own);
    QCheckBox* vehicleOther = kindBox("UTR_KFZ_OTHER", "Sonstiges:", own);
    QLineEdit* vehicleOtherName = forms::lineEdit(QStringLiteral("UTR_KFZ_OTHER_NAME"), own, 60);
    vehicleOtherName->setAccessibleName(QStringLiteral("Sonstiges Fahrzeug"));

    wholeLine(ownGrid, publicYes);
    kindLine(ownGrid, {bus, train, tram, publicOther}, publicOtherName);
    wholeLine(ownGrid, walk);
    wholeLine(ownGrid, vehicle);
    kindLine(ownGrid, {bicycle, moped, car, truck, vehicleOther}, vehicleOtherName);
    QLineEdit* plate = nullptr;
    QLineEdit* damage = nullptr;
    m_plate = field(ownGrid, QStringLiteral("Amtliches Kennzeichen"), QStringLiteral("UTR_KFZ_KENNZEICHEN"), &plate);
    m_damage = field(ownGrid, QStringLiteral("Schadensnummer"), QStringLiteral("UTR_KFZ_SCHADENNR"), &damage);
    auto* roleLabel = forms::label(QStringLiteral("der Geschädigte war"), own);
    QCheckBox* driver = kindBox("UTR_KFZ_FAHRER", "Fahrer", own);
    QCheckBox* passenger = kindBox("UTR_KFZ_BEIFAHRER", "Beifahrer / Insasse, bei:", own);
    auto* roleLine = new QHBoxLayout;
    roleLine->addWidget(driver);
    roleLine->addWidget(passenger);
    roleLine->addStretch(1);
    const int roleRow = ownGrid->rowCount();
    ownGrid->addWidget(roleLabel, roleRow, 0);
    ownGrid->addLayout(roleLine, roleRow, 1);
    const DriverBlock ownDriver = driverBlock(ownGrid, QStringLiteral("UTR_KFZ_KFZ_"));
    ownGrid->setRowStretch(ownGrid->rowCount(), 1);
    sides->addWidget(own, 1);

    // Another road user.
    QGroupBox* other = forms::groupBox(QStringLiteral("OtherGroup"), QStringLiteral("Andere Beteiligte"), this);
    auto* otherGrid = new QGridLayout(other);
    otherGrid->setColumnStretch(1, 1);
    auto* otherUser = new forms::WrappedCheckBox(
        QStringLiteral("UTR_OTHER_YES"),
        QStringLiteral("Es war noch ein anderer Verkehrsteilnehmer / ein anderes Fahrzeug beteiligt:"), other);
    m_otherUser = otherUser->box();
    QCheckBox* otherBicycle = kindBox("UTR_OTHER_FAHRAD", "Fahrrad", other);
    QCheckBox* otherMoped = kindBox("UTR_OTHER_MOPED", "Moped", other);
    QCheckBox* otherCar = kindBox("UTR_OTHER_PKW", "PKW", other);
    QCheckBox* otherTruck = kindBox("UTR_OTHER_LKW", "LKW", other);
    QCheckBox* otherOther = kindBox("UTR_OTHER_OTHER", "Sonstiges:", other);
    QLineEdit* otherName = forms::lineEdit(QStringLiteral("UTR_OTHER_NAME"), other, 60);
    otherName->setAccessibleName(QStringLiteral("Sonstiges Fahrzeug des anderen Beteiligten"));
    wholeLine(otherGrid, otherUser);
    kindLine(otherGrid, {otherBicycle, otherMoped, otherCar, otherTruck, otherOther}, otherName);
    QLineEdit* otherPlate = nullptr;
    QLineEdit* otherDamage = nullptr;
    m_otherPlate = field(otherGrid, QStringLiteral("Amtliches Kennzeichen"),
                         QStringLiteral("UTR_OTHER_KFZ_KENNZEICHEN"), &otherPlate);
    m_otherDamage =
        field(otherGrid, QStringLiteral("Schadensnummer"), QStringLiteral("UTR_OTHER_KFZ_SCHADENNR"), &otherDamage);
    const DriverBlock otherDriver = driverBlock(otherGrid, QStringLiteral("UTR_OTHER_KFZ_"));
    otherGrid->setRowStretch(otherGrid->rowCount(), 1);
    sides->addWidget(other, 1);
    body()->addLayout(sides, 1);

    m_takingPart = new ExclusiveGroup({publicYes, walk, vehicle}, this);
    m_publicKinds = new ExclusiveGroup({bus, train, tram, publicOther}, this);
    m_vehicleKinds = new ExclusiveGroup({bicycle, moped, car, truck, vehicleOther}, this);
    m_role = new ExclusiveGroup({driver, passenger}, this);
    m_otherKinds = new ExclusiveGroup({otherBicycle, otherMoped, otherCar, otherTruck, otherOther}, this);
    m_publicKindBoxes = {bus, train, tram, publicOther};
    m_publicText = {publicOtherName};
    m_vehicleKindBoxes = {bicycle, moped, car, truck, vehicleOther};
    m_vehicleText = {vehicleOtherName};
    m_roleWidgets = {roleLabel, driver, passenger};
    m_driver = ownDriver.widgets;
    m_otherKindBoxes = {otherBicycle, otherMoped, otherCar, otherTruck, otherOther};
    m_otherText = {otherName};
    m_otherDriver = otherDriver.widgets;

    m_takingPart->onChange([this](int index) { takingPartChange(index); });
    m_publicKinds->onChange([this](int index) { publicKindChange(index); });
    m_vehicleKinds->onChange([this](int index) { vehicleKindChange(index); });
    m_role->onChange([this](int index) {
        if (index >= 0) showAll(m_driver, index == Passenger);
    });
    m_otherKinds->onChange([this](int index) { otherKindChange(index); });
    connect(m_otherUser, &QCheckBox::toggled, this, [this](bool ticked) { otherUserChange(ticked); });

    // The columns of UNFKFZ from the fourth on, in their order; boxes are loaded in this order with
    // their rules, so that a stored car with a passenger comes back as such.
    m_columns.box(publicYes, QStringLiteral("UTR_PUBLIC_YES"))
        .box(bus, QStringLiteral("UTR_PUBLIC_BUS"))
        .box(train, QStringLiteral("UTR_PUBLIC_EISEN"))
        .box(tram, QStringLiteral("UTR_PUBLIC_STRASSEN"))
        .box(publicOther, QStringLiteral("UTR_PUBLIC_OTHER"))
        .text(publicOtherName, QStringLiteral("UTR_PUBLIC_OTHER_NAME"))
        .box(walk, QStringLiteral("UTR_WALK"))
        .box(vehicle, QStringLiteral("UTR_KFZ_YES"))
        .box(bicycle, QStringLiteral("UTR_KFZ_FAHRRAD"))
        .box(moped, QStringLiteral("UTR_KFZ_MOPED"))
        .box(car, QStringLiteral("UTR_KFZ_PKW"))
        .box(truck, QStringLiteral("UTR_KFZ_LKW"))
        .box(vehicleOther, QStringLiteral("UTR_KFZ_OTHER"))
        .text(vehicleOtherName, QStringLiteral("UTR_KFZ_OTHER_NAME"))
        .text(plate, QStringLiteral("UTR_KFZ_KENNZEICHEN"))
        .text(damage, QStringLiteral("UTR_KFZ_SCHADENNR"))
        .box(driver, QStringLiteral("UTR_KFZ_FAHRER"))
        .box(passenger, QStringLiteral("UTR_KFZ_BEIFAHRER"));
    for (QLineEdit* e : ownDriver.edits)
        m_columns.text(e, e->objectName());
    m_columns.box(m_otherUser, QStringLiteral("UTR_OTHER_YES"))
        .box(otherBicycle, QStringLiteral("UTR_OTHER_FAHRAD"))
        .box(otherMoped, QStringLiteral("UTR_OTHER_MOPED"))
        .box(otherCar, QStringLiteral("UTR_OTHER_PKW"))
        .box(otherTruck, QStringLiteral("UTR_OTHER_LKW"))
        .box(otherOther, QStringLiteral("UTR_OTHER_OTHER"))
        .text(otherName, QStringLiteral("UTR_OTHER_NAME"))
        .text(otherPlate, QStringLiteral("UTR_OTHER_KFZ_KENNZEICHEN"))
        .text(otherDamage, QStringLiteral("UTR_OTHER_KFZ_SCHADENNR"));
    for (QLineEdit* e : otherDriver.edits)
        m_columns.text(e, e->objectName());
    resize(980, 640);
}

void TUnfallVerkehrDlg::takingPartChange(int index) {
    if (index < 0) return;
    // Whoever took part, "Bus" stays ticked underneath: the sheets have always received it so.
    m_publicKinds->set(Bus);
    showAll(m_publicKindBoxes, index == PublicTransport);
    showAll(m_publicText, false);
    showAll(m_vehicleKindBoxes, index == Vehicle);
    showAll(m_damage, index == Vehicle);
    showAll(m_vehicleText + m_plate + m_roleWidgets + m_driver, false);
    if (index == Vehicle) m_vehicleKinds->set(Bicycle);
}

void TUnfallVerkehrDlg::publicKindChange(int index) {
    if (index >= 0) showAll(m_publicText, index == PublicOther);
}

void TUnfallVerkehrDlg::vehicleKindChange(int index) {
    if (index < 0) return;
    const bool motor = index != Bicycle;
    if (motor) m_role->set(Driver);
    showAll(m_vehicleText, index == VehicleOther);
    showAll(m_plate + m_roleWidgets, motor);
    showAll(m_driver, false);
}

void TUnfallVerkehrDlg::otherUserChange(bool ticked) {
    showAll(m_otherKindBoxes, ticked);
    if (ticked)
        m_otherKinds->set(0);
    else
        showAll(m_otherText + m_otherPlate + m_otherDamage + m_otherDriver, false);
}

void TUnfallVerkehrDlg::otherKindChange(int index) {
    // The other road user's fields show only while that box is ticked; they keep their values.
    if (index < 0 || !m_otherUser->isChecked()) return;
    const bool bicycle = index == 0;
    showAll(m_otherDamage, true);
    showAll(m_otherText, index == 4);
    showAll(m_otherPlate + m_otherDriver, !bicycle);
}

void TUnfallVerkehrDlg::reset() {
    m_description->clear();
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
    for (QCheckBox* b : findChildren<QCheckBox*>())
        b->setChecked(false);
    m_takingPart->set(PublicTransport);
    m_publicKinds->set(Bus);
    otherUserChange(false); // the box may have been unticked already, so its rule did not run
}

void TUnfallVerkehrDlg::load() {
    store::Rows own = store::select(QStringLiteral("SELECT * FROM UNFKFZ WHERE UTR_INDEX_PERSON=? ORDER BY rowid"),
                                    {person()});
    if (own.next()) m_columns.load(own);
    // The description is shared with the other accident dialogs: it is shown whatever this dialog
    // stored, so that closing never erases what another one wrote.
    store::Rows main = accidentRow();
    if (main.next()) m_description->setPlainText(main.text(QStringLiteral("UNF_DESCRIP")));
}

bool TUnfallVerkehrDlg::write() {
    return store::inTransaction([this] {
        return store::execute(QStringLiteral("DELETE FROM UNFKFZ WHERE UTR_INDEX_PERSON=?"), {person()}) &&
               m_columns.insert(QStringLiteral("UNFKFZ"),
                                {QStringLiteral("UTR_IDENT"), QStringLiteral("UTR_INDEX_MAINHEADER"),
                                 QStringLiteral("UTR_INDEX_PERSON")},
                                {TMainObject::NewRowIdent(), application(), person()}) &&
               store::execute(QStringLiteral("UPDATE UNFMAIN SET UNF_DESCRIP=? WHERE UNF_INDEX_PERSON=?"),
                              {store::textValue(m_description->toPlainText()), person()});
    });
}
