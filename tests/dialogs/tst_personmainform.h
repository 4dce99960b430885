#pragma once

// What the persons dialog tests share: a program folder with one application, the dialog shown on it,
// short ways to act as a user would, and reads of what the database holds.

#include "PersonMainForm.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

struct PersonsFixture {
    TestHome home;
    ScriptedMessages messages;
    QString application;
    std::unique_ptr<TPersonMainFormDlg> dialog;

    explicit PersonsFixture(const QString& lastName = QStringLiteral("Müller"),
                            const QString& firstName = QStringLiteral("Anna")) {
        application = createTestApplication(QStringLiteral("Antrag"));
        // The applicant dialog keeps these equal to the applicant's names.
        store::execute(QStringLiteral("UPDATE PERSON SET PRS_NAME=?, PRS_VNAME=? WHERE PRS_IDENT=?"),
                       {store::textValue(lastName), store::textValue(firstName), application});
        dialog = std::make_unique<TPersonMainFormDlg>();
        dialog->resize(1200, 950);
        dialog->ShowPage(0);
    }

    template <class T = QWidget> T* find(const QString& name) const {
        T* w = dialog->findChild<T*>(name);
        if (!w) qFatal("no control %s", qPrintable(name));
        return w;
    }
    QTreeWidget* list() const { return dialog->PersonMainTRee; }
    int rows() const { return list()->topLevelItemCount(); }
    QString cell(int row, int column) const { return list()->topLevelItem(row)->text(column); }
    QString ident(int row) const { return cell(row, 4); }
    // A user focusing another row of the list.
    void selectRow(int row) const { list()->setCurrentItem(list()->topLevelItem(row)); }
    // "Neu": returns the new person, which is then the current one.
    QString addPerson() const {
        clickBox(dialog->NewButton);
        return dialog->currentPerson();
    }
    // Shows the page afresh, as the navigation bar does; everything is read from the database again.
    void showPage(int page) const { dialog->ShowPage(page); }
};

inline QVariant storedValue(const QString& table, const QString& keyColumn, const QString& key,
                            const QString& column) {
    return store::selectValue(QStringLiteral("SELECT %1 FROM %2 WHERE %3=?").arg(column, table, keyColumn),
                              {key});
}

inline QVariant stored(const QString& person, const QString& column) {
    return storedValue(QStringLiteral("PERSON"), QStringLiteral("PRS_IDENT"), person, column);
}

inline QVariant storedNeed(const QString& person, const QString& column) {
    return storedValue(QStringLiteral("MOREPOWER"), QStringLiteral("MOP_INDEX_PERSON"), person, column);
}

// Sets columns of a person row directly, as stored data to load from.
inline void seed(const QString& person, const QString& assignments, store::Values values) {
    values << person;
    QVERIFY(
        store::execute(QStringLiteral("UPDATE PERSON SET %1 WHERE PRS_IDENT=?").arg(assignments), values));
}

inline bool isAscii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 0x7e) return false;
    return true;
}

// Replaces the field's text as a user typing would; QTest types ASCII only, the rest arrives as one edit.
inline void typeText(QLineEdit* edit, const QString& text) {
    if (isAscii(text) && !text.isEmpty()) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    } else {
        edit->setText(text);
        emit edit->textEdited(text);
    }
}

// Appends to the field's text, key by key.
inline void typeMore(QLineEdit* edit, const QString& text) {
    edit->end(false);
    QTest::keyClicks(edit, text);
}

// A user's choice of an entry in a drop-down list.
inline void choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}
