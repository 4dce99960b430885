#pragma once

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>

namespace store {

// What a failing statement does: Report shows the engine's message in the one error display;
// Ignore is for the guarded places (grid saves, deactivation, closing).
enum class OnError { Report, Ignore };

using Values = QVariantList;

// Runs one statement with its values bound in order of the placeholders (`?` or `:name`).
bool execute(const QString& sql, const Values& values = {}, OnError onError = OnError::Report);
// The same, telling how many rows the statement changed; -1 when it failed.
int executeCounted(const QString& sql, const Values& values = {}, OnError onError = OnError::Report);
// The engine's message of the last statement that failed (for guarded places that report later).
QString lastDatabaseError();

// The rows of a SELECT, read column by column with the store's conventions.
class Rows {
public:
    explicit Rows(QSqlQuery query, bool ok);
    bool ok() const { return m_ok; }
    bool next();

    QVariant value(const QString& column) const;
    // Trimmed text; empty for NULL.
    QString text(const QString& column) const;
    bool flag(const QString& column) const;
    int integer(const QString& column) const;
    // 0 when NULL or unreadable.
    double amount(const QString& column) const;
    // Invalid (no date) when NULL, 0, empty or unreadable.
    QDate date(const QString& column) const;

    QSqlQuery& query() { return m_query; }

private:
    QSqlQuery m_query;
    bool m_ok;
};

Rows select(const QString& sql, const Values& values = {}, OnError onError = OnError::Report);

// Convenience: the first column of the first row, or an invalid value when there is none.
QVariant selectValue(const QString& sql, const Values& values = {}, OnError onError = OnError::Report);

// A text as it is written: with one blank appended, so that an empty field is a single blank.
QVariant textValue(const QString& text);
// A date as it is written: ISO text, NULL for no date.
QVariant dateValue(const QDate& date);

// A table or column name as SQL writes it: in double quotes, so that names such as "ALG-SPERR_ENDE"
// work; a name that is already quoted stays as it is. Only for the program's own names, never input.
QString quoteIdentifier(const QString& name);

// Reads a stored value with the store's conventions (used by Rows and by callers holding a QVariant).
QString readText(const QVariant& v);
double readAmount(const QVariant& v);
QDate readDate(const QVariant& v);

// Runs `work` inside one transaction: committed when it returns true, rolled back otherwise
// (also when the transaction cannot be started). Returns whether the work was committed.
bool inTransaction(const std::function<bool()>& work, OnError onError = OnError::Report);

// The one error display for unguarded failures.
void reportDatabaseError(const QString& engineMessage);

// While a page loads, controls are set by the program and nothing may be written: inside a load scope
// `execute` refuses every statement that changes data, so that no rule that deletes or resets can run
// because a control was set while loading.
bool isLoading();
class LoadScope {
public:
    LoadScope();
    ~LoadScope();
    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;
};
// The few writes that loading a page makes on purpose (a value it must store as it loads it) open
// this scope around them.
class LoadWrite {
public:
    LoadWrite();
    ~LoadWrite();
    LoadWrite(const LoadWrite&) = delete;
    LoadWrite& operator=(const LoadWrite&) = delete;
};
// Tests: a write refused inside a load scope aborts the program instead of only being refused, so
// that no such write can slip through a test run unnoticed.
void setStrictLoading(bool strict);

} // namespace store
