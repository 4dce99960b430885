#pragma once

#include "DataDialog.h"

#include <QDate>
#include <QVariant>
#include <memory>

class DateEdit;
class InsurancePages;
class NeedsPage;
class PersonIncomePages;
class PersonalPage;
class QPushButton;
class QTreeWidget;

// The persons of the open application (applicant, partner, further persons) and, for the person chosen
// in the list, personal data, insurance, additional needs and income on eight pages (panel 1 of the bar).
// Every page shows the current person; choosing another person in the list reloads the page on screen.
class TPersonMainFormDlg : public DataDialog {
    Q_OBJECT
public:
    static constexpr int kPanel = 1;
    enum PersonType { Applicant = 0, Partner = 1, FurtherPerson = 2 };
    static QStringList typeNames();

    explicit TPersonMainFormDlg(QWidget* parent = nullptr);
    ~TPersonMainFormDlg() override;

    // PRS_IDENT of the person the pages show; every write of the dialog targets this row.
    QString currentPerson() const { return m_person; }
    // "Name Vorname", as the list shows it.
    QString currentDisplayName() const { return m_displayName; }
    // The person's row in the list.
    int currentPosition() const { return m_position; }

    // The person list: Person, Name, Vorname, Gebrtsdatum and the hidden Index (PRS_IDENT).
    QTreeWidget* PersonMainTRee = nullptr;
    QPushButton* NewButton = nullptr;    // "Neu"
    QPushButton* DeleteButton = nullptr; // "Löschen"

    // Loads the person of the focused list row into every page. Runs with writes suspended.
    void loadPerson();
    // After the names or the birth date were written: the list row and the header show what is stored.
    void refreshListRow();
    // After the type was written: the list is ordered by type, so it is filled again and the row at the
    // same position, which may now hold another person, is loaded.
    void typeChanged();
    // A date field's value for a write that also carries other columns: what the field holds when it
    // is a date or empty, else what is stored, so that a mistyped date never erases a stored one.
    QVariant dateOrStored(const DateEdit* edit, const QString& column) const;

protected:
    QString titleOf(int index) const override;

private:
    void buildPersonList();
    // Every page loads the whole current person; "Neu" and "Löschen" work on page 0 only.
    void loadCurrentPage();
    void showFirst();
    void fillList();
    void focusRow(int position, bool load);
    void resetPages();
    void setPagesEnabled(bool enabled);
    void setPersonButtonsEnabled(bool enabled);
    void addPerson();
    void deletePerson();

    std::unique_ptr<PersonIncomePages> m_income;
    PersonalPage* m_personal = nullptr;
    InsurancePages* m_insurance = nullptr;
    NeedsPage* m_needs = nullptr;

    bool m_shown = false;
    QString m_listApplication; // the application whose persons the list holds
    QString m_person;
    QString m_displayName;
    int m_position = -1;
};
