#pragma once
// What the accident tests share: persons of the test application, the stored accident row, and a
// way to work inside a modal detail dialog.

#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace accidenttest {

inline QString app() { return MainObject->AntragIdent; }

// Adds a person of `type` to the open application; returns its identifier.
inline QString addPerson(int type, int number, const QString& name, const QString& firstName) {
    const QString id = TMainObject::NewRowIdent();
    if (!store::execute(QStringLiteral("INSERT INTO PERSON (PRS_IDENT,PRS_INDEX_MAINHEADER,PRS_TYPE,PRS_NUMBER,"
                                       "PRS_NAME,PRS_VNAME) VALUES (?, ?, ?, ?, ?, ?)"),
                        {id, app(), type, number, store::textValue(name), store::textValue(firstName)}))
        return {};
    return id;
}

inline void nameApplicant(const QString& name, const QString& firstName) {
    store::execute(QStringLiteral("UPDATE PERSON SET PRS_NAME=?, PRS_VNAME=? WHERE PRS_IDENT=?"),
                   {store::textValue(name), store::textValue(firstName), app()});
}

// The person's accident row, created as the page's first "Ja" does.
inline bool addAccidentRow(const QString& person) {
    return store::execute(
        QStringLiteral("INSERT INTO UNFMAIN (UNF_IDENT,UNF_INDEX_MAINHEADER,UNF_INDEX_PERSON) VALUES (?, ?, ?)"),
        {TMainObject::NewRowIdent(), app(), person});
}

inline int count(const QString& table, const QString& personColumn, const QString& person) {
    return store::selectValue(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2=?").arg(table, personColumn), {person})
        .toInt();
}

// A stored column of the person's accident row, as it lies in the table.
inline QVariant stored(const QString& column, const QString& person,
                       const QString& table = QStringLiteral("UNFMAIN"),
                       const QString& personColumn = QStringLiteral("UNF_INDEX_PERSON")) {
    return store::selectValue(QStringLiteral("SELECT %1 FROM %2 WHERE %3=?").arg(column, table, personColumn),
                              {person});
}

inline void userTypes(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->setText(text);
    emit edit->textEdited(text);
}

inline void userTypes(QPlainTextEdit* edit, const QString& text) {
    edit->setFocus();
    edit->setPlainText(text);
}

// Runs `whileOpen` inside the next modal dialog; `close` then clicks "Schließen" if the dialog is
// still open. A dialog that is still open after that is closed without writing, so a failing check
// never leaves the test waiting.
inline void whileModal(const std::function<void(QDialog*)>& whileOpen, bool close = true) {
    QTimer::singleShot(0, [whileOpen, close] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) {
            QWARN("no modal dialog open");
            return;
        }
        whileOpen(d);
        if (close && d->isVisible())
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        if (d->isVisible()) d->QDialog::done(QDialog::Rejected);
    });
}

} // namespace accidenttest
