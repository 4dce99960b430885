#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

#include <functional>
#include <initializer_list>

class MoneyEdit;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class WriteGroup;

// Which support one person receives from relatives living in the household: money, housing, meals
// and further benefits. Modal; edits the person's MEMBERHELP row. The answers are written at each
// click, the amounts and the description whenever the dialog closes, however it is closed.
class TMemberHelpDetailsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMemberHelpDetailsDlg(QWidget* parent = nullptr);

    // Shows the person's details and returns once the dialog has closed and the amounts are stored.
    int Show(const QString& application, const QString& person, const QString& displayName);

    // Whatever the way of closing, the result is OK.
    void done(int result) override;

private:
    void createControls();
    void createRules();
    void reset();
    void read();
    bool ensureRow();
    bool writeAmounts();

    QCheckBox* box(const QString& name) const { return m_boxes.value(name); }
    QWidget* part(const QString& name) const { return m_parts.value(name); }
    // Ticks a box so that its rule runs, also when it is ticked already.
    void tickWithRule(const QString& name);
    void untick(std::initializer_list<const char*> names);
    void display(std::initializer_list<const char*> names, bool shown);

    QString m_application;
    QString m_person;
    QLabel* m_title = nullptr;
    QMap<QString, QCheckBox*> m_boxes;
    QMap<QString, QWidget*> m_parts; // every box, caption, amount and the memo, by object name
    QMap<QString, std::function<void()>> m_rules;
    MoneyEdit* m_moneyAmount = nullptr;
    MoneyEdit* m_housingPayment = nullptr;
    MoneyEdit* m_totalCosts = nullptr;
    MoneyEdit* m_payAmount = nullptr;
    QPlainTextEdit* m_otherMemo = nullptr;
    WriteGroup* m_answers = nullptr;
};
