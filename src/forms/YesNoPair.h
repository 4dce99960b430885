#pragma once

#include <QCheckBox>
#include <QObject>
#include <QVector>
#include <functional>

// Two boxes "Ja" / "Nein" answering one question.
// Complementary: after any change exactly one box is checked (clicking the checked box checks the other).
// Exclusive: checking one box unchecks the other; unchecking leaves the question unanswered.
// The change rule runs on every change (also the program's, also while loading); `clicked` comes only
// from a user's click or space bar, which is where a dialog writes.
class YesNoPair : public QObject {
    Q_OBJECT
public:
    enum Form { Complementary, Exclusive };

    YesNoPair(QCheckBox* yes, QCheckBox* no, Form form, QObject* parent = nullptr);

    QCheckBox* yesBox() const { return m_yes; }
    QCheckBox* noBox() const { return m_no; }
    bool yes() const { return m_yes->isChecked(); }
    bool no() const { return m_no->isChecked(); }

    // Complementary: runs after every change with the state of "Ja".
    // Exclusive: runs when a box becomes checked, with whether it was "Ja".
    void onChange(std::function<void(bool yes)> rule) { m_rule = std::move(rule); }

    // Loading: complementary pairs take "Ja" from one column and derive "Nein".
    void setYes(bool yes);
    // Loading an exclusive pair from its two columns (both false: unanswered). "Ja" is set before
    // "Nein", so a stored both-true ends as "Nein", the rule having seen each step.
    void set(bool yes, bool no);
    // Sets the states without running the rule (a silent reset before loading another row).
    void setSilently(bool yes, bool no);

signals:
    void clicked();

private:
    void runRule(bool yes);
    QCheckBox* m_yes;
    QCheckBox* m_no;
    Form m_form;
    std::function<void(bool)> m_rule;
    bool m_silent = false;
};

// Three or more boxes answering one question: checking one unchecks the others, unchecking leaves the
// question unanswered. The rule runs on every change (with the checked box's index, -1 for none);
// `clicked` comes only from a user's click.
class ExclusiveGroup : public QObject {
    Q_OBJECT
public:
    ExclusiveGroup(const QVector<QCheckBox*>& boxes, QObject* parent = nullptr);

    const QVector<QCheckBox*>& boxes() const { return m_boxes; }
    // The checked box's index, -1 when the question is unanswered.
    int checked() const;
    void onChange(std::function<void(int checkedIndex)> rule) { m_rule = std::move(rule); }
    // Loading: -1 leaves the question unanswered. The rule runs also when nothing changes.
    void set(int index);
    void setSilently(int index);

signals:
    void clicked(int index);

private:
    void runRule();
    QVector<QCheckBox*> m_boxes;
    std::function<void(int)> m_rule;
    bool m_silent = false;
};
