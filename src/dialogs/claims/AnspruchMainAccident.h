#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class DateEdit;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TUnfallArbeitDlg;
class TUnfallBehandlungDlg;
class TUnfallMainDlg;
class TUnfallSonstigDlg;
class TUnfallTraegerDlg;
class TUnfallVerfahrenDlg;
class TUnfallVerkehrDlg;
class YesNoPair;

// Page 2 of the claims dialog: whether an accident or another damage event caused a person's need,
// and for each person of the household its date, place, cohabitation with the causer, benefits
// already paid, and the five accident detail dialogs. A person's accident data begin with the
// click on "Ja, Angaben zum Unfall:" (the person's UNFMAIN row) and end with the confirmed "Nein".
class AnspruchAccidentPage : public QObject {
    Q_OBJECT
public:
    explicit AnspruchAccidentPage(QObject* parent = nullptr);
    ~AnspruchAccidentPage() override;

    QWidget* content();          // the page's content widget
    void load();                 // reset the controls, read the rows, show what depends on them
    void leave();                // commit and save what is pending (leaving the page, deactivation)
    static QString title();      // header text of the page
    static constexpr int kHelp = 26;

    // The PRS_IDENT of the focused person row; every statement of the page addresses it.
    QString currentPerson() const { return m_person; }

    // The detail dialogs, created on first use and kept, children of the page's content.
    TUnfallMainDlg* mainDialog();
    TUnfallVerfahrenDlg* proceedingsDialog();
    TUnfallTraegerDlg* insurersDialog();
    TUnfallArbeitDlg* workDialog();
    TUnfallVerkehrDlg* trafficDialog();
    TUnfallSonstigDlg* otherDialog();
    TUnfallBehandlungDlg* treatmentsDialog();

private:
    QWidget* build();
    void declareWrites();
    // Puts the person question and everything below it into the state of a person without data.
    void emptyState();
    // The focused row changed: shows that person's stored data.
    void personChange();
    // After the main data changed: a judgment hides every further question, a kind opens the rest.
    void applyMainData(bool judgment, bool kindSet);

    void accidentYesChange();
    void accidentNoChange();
    void membershipYesChange();
    void membershipNoChange();
    void accidentYesClick();
    void accidentNoClick();

    void openMainData();
    void openDetails();
    QString application() const;
    QString displayName() const;

    QPointer<QWidget> m_content;
    QString m_person;

    YesNoPair* m_unfall = nullptr;     // UHM_UNF_YES / UHM_UNF_NO
    YesNoPair* m_accident = nullptr;   // "Ja, Angaben zum Unfall:" / "Nein" of the person
    YesNoPair* m_membership = nullptr; // "Ja, mit:" / "Nein:"
    YesNoPair* m_benefits = nullptr;   // benefits "Ja" / "Nein"

    QTreeWidget* UnfallTree = nullptr;
    QCheckBox* UnfallYesBox = nullptr;
    QCheckBox* UnfallNoBox = nullptr;
    QWidget* m_detailPanel = nullptr;     // date, place and cohabitation
    QWidget* m_cohabitantPanel = nullptr; // name and degree of relationship
    QWidget* m_benefitsPanel = nullptr;   // the benefits question with its boxes
    QLabel* DetailsLabel = nullptr;
    DateEdit* m_date = nullptr;
    QPlainTextEdit* m_location = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_degree = nullptr;
    QPushButton* UnfallMainButton = nullptr;
    QPushButton* UnfallVerfahrenButton = nullptr;
    QPushButton* UnfallTraegerButton = nullptr;
    QPushButton* UnfallDetailButton = nullptr;
    QPushButton* UnfallBehandlungButton = nullptr;

    TUnfallMainDlg* m_mainDialog = nullptr;
    TUnfallVerfahrenDlg* m_proceedingsDialog = nullptr;
    TUnfallTraegerDlg* m_insurersDialog = nullptr;
    TUnfallArbeitDlg* m_workDialog = nullptr;
    TUnfallVerkehrDlg* m_trafficDialog = nullptr;
    TUnfallSonstigDlg* m_otherDialog = nullptr;
    TUnfallBehandlungDlg* m_treatmentsDialog = nullptr;
};
