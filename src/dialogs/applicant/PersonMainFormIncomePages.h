#pragma once

// Pages 5 to 7 of the persons dialog. Each page object lives as long as its content widget, keeps the
// controls in step with their rules, declares the page's two statements and loads the current person's
// row. A page's row is made by the first save that needs it, never by loading.

#include <QCheckBox>
#include <QObject>
#include <QVector>

class DateEdit;
class IncomeDetailDialog;
class MoneyEdit;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;
class TPersonMainFormDlg;
class WriteGroup;
class YesNoPair;

namespace income {

// The row of `table` (prefix e.g. "MIP") that belongs to the current person of the open application,
// inserted with a new identifier when there is none. Empty when it could not be found or made (the
// error has been shown) or when no person is loaded.
QString findOrCreateRow(const QString& table, const QString& prefix, const QString& person);

// SUM(<column>) of a detail table over the person's rows; 0 for an empty list.
double detailSum(const QString& table, const QString& prefix, const QString& column, const QString& person);

// A read-only amount showing a list's sum.
MoneyEdit* sumField(const QString& name, QWidget* parent);
// An amount field of the page: German input, two decimals. What cannot be read counts as 0 and is
// stored so; the user is told once per text, naming the field by `caption`, and the text stays to be
// corrected.
MoneyEdit* moneyEdit(const QString& name, const QString& caption, QWidget* parent);
QSpinBox* spinBox(const QString& name, int minimum, int maximum, QWidget* parent);
// A year that may be left out (0, shown blank).
QSpinBox* yearSpin(const QString& name, QWidget* parent);
QPushButton* detailButton(const QString& name, QWidget* parent);
// The note that replaces a page whose kind of income the person does not have.
QLabel* notApplicableNote(const QString& name, QWidget* parent);

// A date kept as text: German short date, or a single blank for none.
QVariant dateText(const QDate& date);
// Reads a date kept as text ("11.12.2026", also ISO or with a time); invalid when there is none.
QDate readDateText(const QString& text);

// What a date field stores with the other values of its row: its date, or none when it is empty. A
// text that is no date keeps what is stored, so that a slip of the keyboard erases nothing.
QVariant dateFieldValue(const DateEdit* edit, const QString& table, const QString& rowColumn,
                        const QString& row, const QString& column);

} // namespace income

// Page 5 "Einkommen - Basisangaben": kinds of income, pension, unemployment benefit, travel to work,
// insurances and further deductions (MAINMONEY), with the sums of three detail lists.
class IncomeBasicsPage : public QObject {
    Q_OBJECT
public:
    IncomeBasicsPage(TPersonMainFormDlg* dialog, QWidget* content);
    void build();
    void load(const QString& person);
    bool selfEmployed() const { return m_self->isChecked(); }
    bool employed() const { return m_sold->isChecked(); }

private:
    struct Insurance {
        QCheckBox* row = nullptr;
        QVector<QCheckBox*> intervals;
        QLabel* amountLabel = nullptr;
        MoneyEdit* amount = nullptr;
        QLabel* perLabel = nullptr;
    };
    struct DetailList {
        QCheckBox* box = nullptr;
        QPushButton* button = nullptr;
        QLabel* sumLabel = nullptr;
        MoneyEdit* sum = nullptr;
        QLabel* perLabel = nullptr;
        IncomeDetailDialog* dialog = nullptr;
        QString table, prefix, column;
    };
    QWidget* buildKinds(QWidget* parent);
    QWidget* buildTravel(QWidget* parent);
    QWidget* buildInsurances(QWidget* parent);
    QWidget* buildDeductions(QWidget* parent);
    void addDetailList(DetailList& list, QWidget* parent, QGridLayout* grid, int row);
    Insurance insuranceRow(const QString& name, const QString& caption, QWidget* parent, QGridLayout* grid,
                           int row);
    void declareWrites();
    void connectRules();
    void showDependents();
    void reset();
    void openDetails(DetailList& list);
    void readSum(DetailList& list);
    QVector<QCheckBox*> flagBoxes() const;

    TPersonMainFormDlg* m_dialog;
    QWidget* m_content;
    QString m_row; // MIP_IDENT of the row the statements update

    QCheckBox* m_noIncome = nullptr;
    QCheckBox* m_self = nullptr;
    QCheckBox* m_sold = nullptr;
    QCheckBox* m_pension = nullptr;
    QVector<QWidget*> m_pensionDetails;
    QLineEdit* m_pensionKind = nullptr;
    MoneyEdit* m_pensionAmount = nullptr;
    QCheckBox* m_gYes = nullptr;
    QCheckBox* m_gNo = nullptr;
    YesNoPair* m_g = nullptr;
    QCheckBox* m_alg1 = nullptr;
    QVector<QWidget*> m_alg1Details;
    MoneyEdit* m_alg1Day = nullptr;
    MoneyEdit* m_alg1Month = nullptr;
    DetailList m_otherAny;
    DetailList m_otherOne;
    DetailList m_deductions;
    QCheckBox* m_car = nullptr;
    QVector<QWidget*> m_carDetails;
    QLineEdit* m_town = nullptr;
    QDoubleSpinBox* m_distance = nullptr;
    QSpinBox* m_days = nullptr;
    QCheckBox* m_more = nullptr;
    Insurance m_kfz;
    Insurance m_hv;
    Insurance m_rv;

    WriteGroup* m_flags = nullptr;
    WriteGroup* m_amounts = nullptr;
};

// Page 6 "Einkommen aus Selbständigkeit" (SELFMONEY).
class SelfEmploymentPage : public QObject {
    Q_OBJECT
public:
    SelfEmploymentPage(TPersonMainFormDlg* dialog, QWidget* content);
    void build();
    // `applies`: the self-employment box of page 5 is ticked.
    void load(const QString& person, bool applies);

private:
    void declareWrites();
    void reset();

    TPersonMainFormDlg* m_dialog;
    QWidget* m_content;
    QWidget* m_controls = nullptr;
    QLabel* m_note = nullptr;
    QString m_row;

    QCheckBox* m_kindBox = nullptr;
    QLineEdit* m_kind = nullptr;
    QCheckBox* m_inputBox = nullptr;
    DateEdit* m_from = nullptr;
    DateEdit* m_until = nullptr;
    MoneyEdit* m_input = nullptr;
    QCheckBox* m_outputBox = nullptr;
    MoneyEdit* m_output = nullptr;
    QLineEdit* m_outputSign = nullptr;
    QCheckBox* m_changeYes = nullptr;
    QCheckBox* m_changeNo = nullptr;
    YesNoPair* m_change = nullptr;
    QLineEdit* m_changeReason = nullptr;
    QCheckBox* m_taxBox = nullptr;
    QSpinBox* m_taxYear = nullptr;
    QCheckBox* m_otherBox = nullptr;

    WriteGroup* m_values = nullptr;
};

// Page 7 "Einkommen aus Beschäftigung": the pay statement of an employment (SOLDMONEY), with the sums
// of the further current payments and the one-off payments.
class EmploymentPage : public QObject {
    Q_OBJECT
public:
    EmploymentPage(TPersonMainFormDlg* dialog, QWidget* content);
    void build();
    // `applies`: the employment box of page 5 is ticked.
    void load(const QString& person, bool applies);

private:
    QWidget* buildPeriod(QWidget* parent);
    QWidget* buildPay(QWidget* parent);
    QWidget* buildFurther(QWidget* parent);
    QWidget* buildEmployer(QWidget* parent);
    void declareWrites();
    void reset();
    void openFurther();
    void openOneOff();
    void readSums();

    TPersonMainFormDlg* m_dialog;
    QWidget* m_content;
    QWidget* m_controls = nullptr;
    QLabel* m_note = nullptr;
    QString m_row;

    QCheckBox* m_monthBox = nullptr;
    QComboBox* m_month = nullptr;
    QSpinBox* m_monthYear = nullptr;
    QCheckBox* m_partBox = nullptr;
    YesNoPair* m_period = nullptr;
    QVector<QWidget*> m_monthDetails;
    QVector<QWidget*> m_partDetails;
    DateEdit* m_partFrom = nullptr;
    DateEdit* m_partUntil = nullptr;
    QSpinBox* m_partYear = nullptr;

    MoneyEdit* m_gross = nullptr;
    QCheckBox* m_svYes = nullptr;
    QCheckBox* m_svNo = nullptr;
    YesNoPair* m_sv = nullptr;
    QVector<QWidget*> m_svDetails;
    MoneyEdit* m_svAmount = nullptr;
    MoneyEdit* m_minus = nullptr;
    QLineEdit* m_taxClass = nullptr;
    MoneyEdit* m_subsidy = nullptr;
    MoneyEdit* m_net = nullptr;
    QSpinBox* m_payDay = nullptr;
    QCheckBox* m_inMonth = nullptr;
    QCheckBox* m_nextMonth = nullptr;
    YesNoPair* m_due = nullptr;

    QPushButton* m_furtherButton = nullptr;
    MoneyEdit* m_furtherSum = nullptr;
    QCheckBox* m_oneYes = nullptr;
    QCheckBox* m_oneNo = nullptr;
    YesNoPair* m_one = nullptr;
    QVector<QWidget*> m_oneDetails;
    QPushButton* m_oneButton = nullptr;
    MoneyEdit* m_oneSum = nullptr;
    IncomeDetailDialog* m_furtherDialog = nullptr;
    IncomeDetailDialog* m_oneDialog = nullptr;

    QLineEdit* m_start = nullptr;
    QCheckBox* m_evenYes = nullptr;
    QCheckBox* m_evenNo = nullptr;
    YesNoPair* m_even = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLineEdit* m_company = nullptr;
    QLineEdit* m_street = nullptr;
    QLineEdit* m_zip = nullptr;
    QLineEdit* m_town = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_reference = nullptr;

    WriteGroup* m_flags = nullptr;
    WriteGroup* m_values = nullptr;
};
