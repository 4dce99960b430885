#pragma once

#include "UnfallDetailDialog.h"

class ExclusiveGroup;
class QCheckBox;
class QPlainTextEdit;

// A traffic accident: how the injured person took part (public transport, on foot, with a vehicle,
// as its driver or a passenger) and the other road user. The row of UNFKFZ is replaced as a whole
// on "Schließen"; the description is the one the work and other-event dialogs share.
class TUnfallVerkehrDlg : public accident::UnfallDetailDialog {
    Q_OBJECT
public:
    explicit TUnfallVerkehrDlg(QWidget* parent = nullptr);

protected:
    void reset() override;
    void load() override;
    bool write() override;

private:
    using Widgets = QVector<QWidget*>;
    void takingPartChange(int index);
    void publicKindChange(int index);
    void vehicleKindChange(int index);
    void otherUserChange(bool ticked);
    void otherKindChange(int index);

    QPlainTextEdit* m_description;
    ExclusiveGroup* m_takingPart;  // public transport, pedestrian, vehicle
    ExclusiveGroup* m_publicKinds; // Bus, Eisenbahn, Straßenbahn, Sonstiges
    ExclusiveGroup* m_vehicleKinds; // Fahrrad, Moped, PKW, LKW, Sonstiges
    ExclusiveGroup* m_role;        // Fahrer, Beifahrer
    ExclusiveGroup* m_otherKinds;  // of the other road user
    QCheckBox* m_otherUser;

    // What the rules show and hide.
    Widgets m_publicKindBoxes, m_publicText, m_vehicleKindBoxes, m_vehicleText, m_plate, m_damage, m_roleWidgets,
        m_driver;
    Widgets m_otherKindBoxes, m_otherText, m_otherPlate, m_otherDamage, m_otherDriver;
    accident::ColumnTable m_columns; // UNFKFZ from its fourth column on
};
