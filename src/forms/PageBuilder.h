#pragma once

// The pieces every data dialog's pages are built from, so that each dialog library declares its pages
// as a table of controls without linking another dialog library.

#include <QCheckBox>
#include <QLabel>
#include <QWidget>
#include <initializer_list>

class DateEdit;
class QGroupBox;
class QLineEdit;
class QToolButton;

namespace forms {

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent);
QLineEdit* lineEdit(const QString& name, QWidget* parent, int minimumWidth = 0);
DateEdit* dateEdit(const QString& name, QWidget* parent);
QLabel* label(const QString& caption, QWidget* parent, const QString& name = QString());
QGroupBox* groupBox(const QString& name, const QString& title, QWidget* parent);
// A question on a line of its own, wrapped when it is long.
QLabel* question(const QString& caption, QWidget* parent, const QString& name = QString());
void setShown(std::initializer_list<QWidget*> widgets, bool shown);
// Keeps a line from shifting when a field beside its boxes comes and goes.
void keepSpace(std::initializer_list<QWidget*> widgets);
// The tab order of controls that are not created in the order they stand on the page.
void tabChain(std::initializer_list<QWidget*> widgets);
// A date the user typed that is no date stays in the field, marked, and the user is told once per text;
// nothing is stored from it.
void warnWhenNoDate(DateEdit* edit, const QString& caption);
// The content widget of a page: a column of groups on the page background.
QWidget* pageContent(const QString& name);

// A check box whose long caption wraps: the caption is a label beside the box, and a click on the label
// is a click on the box.
class WrappedCheckBox : public QWidget {
    Q_OBJECT
public:
    WrappedCheckBox(const QString& name, const QString& caption, QWidget* parent);
    QCheckBox* box() const { return m_box; }
    QLabel* caption() const { return m_caption; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* m_box;
    QLabel* m_caption;
};

// Gives every input control of a page that has no accessible name the caption it stands by, in
// reading order: the label before it (which becomes its buddy), the box caption before it, or its
// group's title; a "Ja"/"Nein" box is named with its question and its answer. Controls that have a
// name keep it, so a dialog may name a control itself.
void nameInputs(QWidget* page);

// One of the two painted buttons beside a fixed grid: "clear the current row" or "clear the whole table".
QToolButton* clearButton(bool wholeTable, const QString& name, const QString& hint, QWidget* parent);

} // namespace forms
