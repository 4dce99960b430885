#pragma once

#include <QDate>
#include <QLineEdit>

// An amount field in German notation. value() is 0 for what cannot be read; the text is shown with
// two decimals once the user leaves the field.
class MoneyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MoneyEdit(QWidget* parent = nullptr);
    double value() const;
    void setValue(double amount);
    // Whether the text can be read as an amount (an empty field can).
    bool isReadable() const;

signals:
    // A user's edit.
    void valueEdited(double amount);
};

// A date field "TT.MM.JJJJ" that may be empty (no date).
class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);
    QDate date() const;
    void setDate(const QDate& date);
    // Empty or a valid date: what may be stored.
    bool isAcceptable() const;

signals:
    // A user's edit that left a storable value (a valid date, or an emptied field).
    void dateEdited(const QDate& date);
};
