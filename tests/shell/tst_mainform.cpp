#include "DataDialog.h"
#include "MainFormUnit.h"
#include "OpenAntrag.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "ToolTipWindow.h"

#if __has_include("PersonMainForm.h")
#include "PersonMainForm.h"
#define WITH_PERSONS
#include <QTreeWidget>
#endif

#include <QMdiSubWindow>
#include <QtTest>
#include <stdexcept>

namespace {

// A data dialog that records what the main window asks of it.
class ProbeDialog : public DataDialog {
public:
    ProbeDialog(int panel, int pages, bool failing = false)
        : DataDialog(panel, QStringLiteral("Probe%1").arg(panel))
        , m_failing(failing) {
        for (int i = 0; i < pages; ++i)
            addPage({QStringLiteral("Seite %1").arg(i), 0, new QWidget, nullptr});
    }
    void ShowPage(int index) override {
        shown << index;
        DataDialog::ShowPage(index);
    }
    void deactivate() override {
        ++deactivations;
        if (m_failing) throw std::runtime_error("the store went away");
    }
    QList<int> shown;
    int deactivations = 0;

private:
    bool m_failing;
};

struct Window {
    TestHome home;
    TMainFormDlg form;
    Window() {
        // No start sequence here: the window is set up as after it.
        form.FirstActivation = false;
        MainObject->ConnectDatabase();
        form.show();
        if (!QTest::qWaitForWindowActive(&form)) qWarning("the main window did not become active");
    }
    // Puts a probe into `panel` in place of whatever dialog the program has there.
    ProbeDialog*& probe(int panel, int pages = 8, bool failing = false) {
        probes[panel] = nullptr;
        store::DialogRegistry::instance().registerFactory(panel, [this, panel, pages, failing] {
            probes[panel] = new ProbeDialog(panel, pages, failing);
            return probes[panel];
        });
        return probes[panel];
    }
    void click(int panel, int item) {
        QTest::mouseClick(form.MainBar->panelButton(panel), Qt::LeftButton);
        QTest::mouseClick(form.MainBar->itemButton(panel, item), Qt::LeftButton);
    }
    QMap<int, ProbeDialog*> probes;
};

QList<QPair<int, int>> pressedItems(const NavigationBar* bar) {
    QList<QPair<int, int>> pressed;
    for (int p = 0; p < bar->panelCount(); ++p)
        for (int i = 0; i < bar->itemCount(p); ++i)
            if (bar->itemButton(p, i)->isChecked()) pressed << qMakePair(p, i);
    return pressed;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void barHasItsPanelsAndItems();
    void clickCreatesTheDialogOnceAndReleasesOtherPanels();
    void panelWithoutDialogDoesNothing();
    void markNavItemOpensThePanelAndPressesTheItem();
    void changingTheActiveDialogDeactivatesThePrevious();
    void closeCompletesWithoutAnyDataDialog();
    void closeSurvivesAFailingDeactivation();
    void exitButtonAsksFirst();
    void helpWindowOpensAutomaticallyUntilSwitchedOff();
    void closeBoxAsksAndSavesTheOpenDialog();
    void headerCreatesAndSwitchesApplications();
    void helpChoiceKeptPerUserAcrossRestart();
    void personsListFollowsTheSwitch();
};

void MainFormTest::barHasItsPanelsAndItems() {
    Window w;
    const NavigationBar* bar = w.form.MainBar;
    const QStringList captions{"Antragsteller", "Personen",     "Vermögen",     "Ansprüche",
                               "Unterkunft",    "Gemeinschaft", "Auswertungen", "Drucken"};
    const QList<int> items{2, 8, 13, 3, 1, 4, 1, 2};
    const QList<int> heights{36, 28, 26, 36, 28, 36, 36, 36};
    QCOMPARE(bar->panelCount(), 8);
    for (int p = 0; p < 8; ++p) {
        QCOMPARE(bar->panelButton(p)->text(), captions.at(p));
        QCOMPARE(bar->itemCount(p), items.at(p));
        QCOMPARE(bar->itemButton(p, 0)->height(), heights.at(p));
    }
    QCOMPARE(bar->itemButton(2, 12)->text(), QStringLiteral("Arbeitslosengeld I"));
    QCOMPARE(bar->openPanel(), 0);
    QCOMPARE(bar->width(), 180);
    // Shown only once an application is open.
    QVERIFY(!bar->isVisible());
    for (QToolButton* hidden : {w.form.Image3, w.form.Image4, w.form.Image5}) {
        QVERIFY(!hidden->isVisible());
        QVERIFY(!hidden->isEnabled());
    }
    QVERIFY(w.form.Image2->isVisible());
}

void MainFormTest::clickCreatesTheDialogOnceAndReleasesOtherPanels() {
    Window w;
    ProbeDialog*& persons = w.probe(1);
    w.form.MainBar->setVisible(true);
    MainObject->MarkNavItem(0, 0); // the applicant's page is on screen

    w.click(1, 0);
    QVERIFY(persons);
    QCOMPARE(persons->shown, QList<int>{0});
    QCOMPARE(pressedItems(w.form.MainBar), (QList<QPair<int, int>>{{1, 0}}));
    QMdiSubWindow* window = w.form.MdiArea->activeSubWindow();
    QVERIFY(window);
    QCOMPARE(window->widget(), persons);
    QVERIFY(window->isMaximized());

    ProbeDialog* first = persons;
    w.click(1, 5);
    QCOMPARE(persons, first);
    QCOMPARE(persons->shown, (QList<int>{0, 5}));
    QCOMPARE(pressedItems(w.form.MainBar), (QList<QPair<int, int>>{{1, 5}}));
    QCOMPARE(w.form.MdiArea->subWindowList().size(), 1);
}

void MainFormTest::panelWithoutDialogDoesNothing() {
    Window w;
    int panel = -1;
    for (int p = 0; p < w.form.MainBar->panelCount() && panel < 0; ++p)
        if (!store::DialogRegistry::instance().hasFactory(p)) panel = p;
    if (panel < 0) QSKIP("every panel has its dialog");
    ScriptedMessages messages;
    w.form.MainBar->setVisible(true);
    w.click(panel, 0);
    QVERIFY(messages.texts().isEmpty());
    QVERIFY(w.form.MdiArea->subWindowList().isEmpty());
    QCOMPARE(pressedItems(w.form.MainBar), (QList<QPair<int, int>>{{panel, 0}}));
}

void MainFormTest::markNavItemOpensThePanelAndPressesTheItem() {
    Window w;
    NavigationBar* bar = w.form.MainBar;
    bar->setVisible(true);
    struct Mark {
        int panel, item;
    };
    for (const Mark m : {Mark{2, 5}, Mark{5, 3}, Mark{0, 1}, Mark{7, 0}}) {
        MainObject->MarkNavItem(m.panel, m.item);
        QCOMPARE(bar->openPanel(), m.panel);
        QCOMPARE(pressedItems(bar), (QList<QPair<int, int>>{{m.panel, m.item}}));
        for (int p = 0; p < bar->panelCount(); ++p)
            QCOMPARE(bar->itemButton(p, 0)->isVisible(), p == m.panel);
    }
}

void MainFormTest::changingTheActiveDialogDeactivatesThePrevious() {
    Window w;
    ProbeDialog*& persons = w.probe(1);
    ProbeDialog*& assets = w.probe(2, 13);
    w.form.MainBar->setVisible(true);
    w.click(1, 2);
    w.click(2, 4);
    QCOMPARE(persons->deactivations, 1);
    QCOMPARE(assets->deactivations, 0);
    w.click(2, 5); // the same dialog stays active
    QCOMPARE(assets->deactivations, 0);
    w.click(1, 0);
    QCOMPARE(assets->deactivations, 1);
    QCOMPARE(persons->deactivations, 1);
}

void MainFormTest::closeCompletesWithoutAnyDataDialog() {
    Window w;
    ScriptedMessages messages;
    QVERIFY(MainObject);
    QVERIFY(w.form.close());
    QVERIFY(!MainObject);
}

void MainFormTest::closeSurvivesAFailingDeactivation() {
    Window w;
    ScriptedMessages messages;
    ProbeDialog*& assets = w.probe(2, 13);
    ProbeDialog*& persons = w.probe(1, 8, true);
    w.form.MainBar->setVisible(true);
    w.click(2, 0);
    w.click(1, 0); // persons is the active child, and its deactivation fails
    QCOMPARE(assets->deactivations, 1);
    QVERIFY(w.form.close());
    QCOMPARE(persons->deactivations, 1);
    QCOMPARE(assets->deactivations, 1); // not the active child when closing
    QVERIFY(!MainObject);
}

void MainFormTest::exitButtonAsksFirst() {
    Window w;
    ScriptedMessages messages;
    messages.answer({store::Answer::Cancel, store::Answer::Yes});
    QTest::mouseClick(w.form.Image2, Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList{"Wollen Sie Ihre Arbeit beenden?"});
    QCOMPARE(messages.shown().first().kind, store::MessageKind::ConfirmYesCancel);
    QVERIFY(w.form.isVisible());
    QVERIFY(MainObject);
    QTest::mouseClick(w.form.Image2, Qt::LeftButton);
    QVERIFY(!w.form.isVisible());
    QVERIFY(!MainObject);
}

void MainFormTest::helpWindowOpensAutomaticallyUntilSwitchedOff() {
    Window w;
    TToolTipWindowDlg help(&w.form);
    ToolTipWindowDlg = &help;
    QCOMPARE(help.windowTitle(), QStringLiteral("Hilfe"));

    // The data dialogs reach the window through the store's help operations.
    store::help().showHelpAuto(2003);
    QVERIFY(help.isVisible());
    QCOMPARE(help.shownNumber(), 2003);
    QCOMPARE(help.size(), QSize(400, 657));
    // At the right edge of the main window, clear of its left-hand input columns.
    QCOMPARE(help.geometry().right(), w.form.geometry().right());
    QVERIFY(help.geometry().left() > w.form.geometry().left() + w.form.width() / 2);
    QVERIFY(help.WebBrowser1->toPlainText().contains(QStringLiteral("Personen")));
    store::help().showHelpAuto(2004); // an open window follows the pages
    QCOMPARE(help.shownNumber(), 2004);

    help.close();
    QVERIFY(!help.isVisible());
    QTest::mouseClick(help.CheckBox1, Qt::LeftButton, {}, QPoint(6, help.CheckBox1->height() / 2));
    QVERIFY(help.CheckBox1->isChecked());
    store::help().showHelpAuto(2005);
    QVERIFY(!help.isVisible());
    QCOMPARE(help.shownNumber(), 2004);

    store::help().showHelp(2005);
    QVERIFY(help.isVisible());
    QCOMPARE(help.shownNumber(), 2005);

    // A file that is not there says so instead of showing an empty window.
    store::help().showHelp(2099);
    QVERIFY(help.WebBrowser1->toPlainText().contains(QStringLiteral("2099.htm ist nicht vorhanden")));
    ToolTipWindowDlg = nullptr;
}

void MainFormTest::closeBoxAsksAndSavesTheOpenDialog() {
    Window w;
    ProbeDialog*& persons = w.probe(1);
    w.form.MainBar->setVisible(true);
    w.click(1, 0);
    ScriptedMessages messages;
    messages.answer({store::Answer::Cancel, store::Answer::Yes});
    QVERIFY(!w.form.close()); // the close box, answered with Abbrechen
    QCOMPARE(messages.texts(), QStringList{"Wollen Sie Ihre Arbeit beenden?"});
    QVERIFY(w.form.isVisible());
    QCOMPARE(persons->deactivations, 0);
    QVERIFY(MainObject);
    QVERIFY(w.form.close());
    QCOMPARE(persons->deactivations, 1);
    QVERIFY(!MainObject);
}

void MainFormTest::headerCreatesAndSwitchesApplications() {
    Window w;
    MainObject->UserIdent = TMainObject::NewRowIdent();
    const QString first = createTestApplication(QStringLiteral("Erster Haushalt"));
    ProbeDialog*& persons = w.probe(1);
    w.form.Steps.executeMode = [&w](int mode) {
        TOpenAntragDlg dialog(&w.form);
        dialog.setMode(mode);
        QTimer::singleShot(0, &dialog, [&dialog, mode] {
            if (mode == TOpenAntragDlg::Create) {
                QTest::keyClicks(dialog.Edit1, QStringLiteral("Zweiter Haushalt"));
                QTest::mouseClick(dialog.SpeedButton1, Qt::LeftButton);
            } else {
                QTest::mouseClick(dialog.MainList->viewport(), Qt::LeftButton, {},
                                  dialog.MainList->visualItemRect(dialog.MainList->item(0)).center());
                QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton);
            }
        });
        return dialog.exec() == QDialog::Accepted;
    };
    w.form.MainBar->setVisible(true);
    w.form.Image5->setVisible(true);
    w.form.Image5->setEnabled(true);
    w.click(1, 0);
    QTest::mouseClick(w.form.Image5, Qt::LeftButton);
    QCOMPARE(persons->deactivations, 1); // its pending rows went to the first application
    const QString second = MainObject->AntragIdent;
    QVERIFY(second != first);
    QCOMPARE(store::selectValue(QStringLiteral("SELECT count(*) FROM MAINHEADER")).toInt(), 2);
    QVERIFY(w.form.Label1->text().contains(QStringLiteral("Zweiter Haushalt")));
    QVERIFY(w.form.Image4->isVisible());
    QVERIFY(w.form.Image5->isVisible());

    w.click(1, 0);
    QTest::mouseClick(w.form.Image4, Qt::LeftButton); // "Erster Haushalt" sorts first
    QCOMPARE(MainObject->AntragIdent, first);
    QVERIFY(w.form.Label1->text().contains(QStringLiteral("Erster Haushalt")));
    QCOMPARE(persons->deactivations, 2);
    w.click(1, 0); // the data dialogs read the open application when a page is shown
    QCOMPARE(persons->shown, (QList<int>{0, 0, 0}));
    QCOMPARE(persons->deactivations, 2); // once per switch, not again when the applicant came up
}

void MainFormTest::helpChoiceKeptPerUserAcrossRestart() {
    TestHome home;
    QVERIFY(home.ok());
    const QString anna = TMainObject::NewRowIdent();
    const QString bernd = TMainObject::NewRowIdent();
    {
        MainObject->UserIdent = anna;
        TToolTipWindowDlg help;
        store::help().showHelpAuto = [&help](int number) { help.ShowHelpAuto(number); };
        help.ShowHelpAuto(2003);
        QVERIFY(help.isVisible());
        QTest::mouseClick(help.CheckBox1, Qt::LeftButton, {}, QPoint(6, help.CheckBox1->height() / 2));
        QVERIFY(help.CheckBox1->isChecked());
        store::help().showHelpAuto = nullptr;
    }
    // A restart: a new service object and a new window on the same program folder.
    delete MainObject;
    MainObject = new TMainObject;
    QVERIFY(MainObject->ConnectDatabase());
    MainObject->UserIdent = anna;
    TToolTipWindowDlg again;
    again.ShowHelpAuto(2004);
    QVERIFY(again.CheckBox1->isChecked());
    QVERIFY(!again.isVisible());
    MainObject->UserIdent = bernd; // another user keeps his own choice
    again.ShowHelpAuto(2004);
    QVERIFY(!again.CheckBox1->isChecked());
    QVERIFY(again.isVisible());
}

void MainFormTest::personsListFollowsTheSwitch() {
#ifdef WITH_PERSONS
    Window w;
    ScriptedMessages messages;
    MainObject->UserIdent = TMainObject::NewRowIdent();
    for (const char* name : {"Alt", "Beck"}) {
        const QString id = createTestApplication(QStringLiteral("Haushalt %1").arg(QLatin1String(name)));
        store::execute(QStringLiteral("UPDATE PERSON SET PRS_NAME=? WHERE PRS_IDENT=?"),
                       {QLatin1String(name) + QLatin1Char(' '), id});
    }
    w.form.Steps.executeMode = [&w](int mode) {
        TOpenAntragDlg dialog(&w.form);
        dialog.setMode(mode);
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::mouseClick(dialog.SpeedButton2, Qt::LeftButton); });
        return dialog.exec() == QDialog::Accepted;
    };
    w.form.MainBar->setVisible(true);
    auto listed = [] {
        QStringList names;
        auto* persons = qobject_cast<TPersonMainFormDlg*>(store::DialogRegistry::instance().dialog(1, false));
        for (int i = 0; persons && i < persons->PersonMainTRee->topLevelItemCount(); ++i)
            names << persons->PersonMainTRee->topLevelItem(i)->text(1);
        return names;
    };
    w.click(1, 0);
    QCOMPARE(listed(), QStringList{"Beck"});
    w.form.Image4->setVisible(true);
    w.form.Image4->setEnabled(true);
    QTest::mouseClick(w.form.Image4, Qt::LeftButton); // the first of the list: "Haushalt Alt"
    QCOMPARE(MainObject->AntragSign, QStringLiteral("Haushalt Alt"));
    w.click(1, 0);
    QCOMPARE(listed(), QStringList{"Alt"});
#else
    QSKIP("the persons dialog is not part of this build");
#endif
}

QTEST_MAIN(MainFormTest)
#include "tst_mainform.moc"
