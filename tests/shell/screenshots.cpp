// Renders the shell's windows into PNG files, to look at them as a user would see them.
#include "Application.h"
#include "DisclaimMain.h"
#include "MainChoice.h"
#include "MainFormUnit.h"
#include "MainLogin.h"
#include "MainStart.h"
#include "OpenAntrag.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "ToolTipWindow.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QStyleFactory>
#include <QtTest>

namespace {

QString target;

void shoot(QWidget* w, const QString& name) {
    w->show();
    if (!QTest::qWaitForWindowExposed(w)) qWarning("not exposed: %s", qPrintable(name));
    QTest::qWait(150);
    const QString file = QDir(target).filePath(name + QStringLiteral(".png"));
    w->grab().save(file);
    qInfo("%s", qPrintable(file));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    target = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(target);

    TestHome home;
    ScriptedMessages messages;
    TMainFormDlg form;
    form.FirstActivation = false;
    MainObject->ConnectDatabase();

    TMainStartDlg start(&form);
    shoot(&start, QStringLiteral("1-start"));
    start.Timer1->stop();
    start.hide();

    TDisclaimMainDlg disclaimer(&form);
    shoot(&disclaimer, QStringLiteral("2-disclaimer"));
    disclaimer.hide();

    TMainLoginDlg login(&form);
    shoot(&login, QStringLiteral("3-registration"));
    login.Edit4->setText(QStringLiteral("Müller, Jürgen"));
    login.Edit1->setText(QStringLiteral("JUERGEN"));
    login.Edit2->setText(QStringLiteral("GEHEIM"));
    login.Edit3->setText(QStringLiteral("GEHEIM"));
    QTest::mouseClick(login.SpeedButton1, Qt::LeftButton);
    TMainLoginDlg again(&form);
    shoot(&again, QStringLiteral("4-login"));
    again.hide();

    TOpenAntragDlg create(&form);
    create.setMode(TOpenAntragDlg::Create);
    shoot(&create, QStringLiteral("5-create"));
    create.Edit1->setText(QStringLiteral("Familie Müller 2024"));
    QTest::mouseClick(create.SpeedButton1, Qt::LeftButton);
    for (const char* name : {"Zweitantrag Schmidt", "Antrag Oktober"})
        store::createApplication(QString::fromUtf8(name));

    TMainChoiceDlg choice(&form);
    shoot(&choice, QStringLiteral("6-choice"));
    choice.hide();

    TOpenAntragDlg open(&form);
    open.setMode(TOpenAntragDlg::Open);
    shoot(&open, QStringLiteral("7-open"));
    open.hide();

    // The main window as after the start: the first application open, the bar shown.
    form.FirstActivation = true;
    form.Steps.showStartScreen = [] {};
    form.Steps.showDisclaimer = [] { return true; };
    form.Steps.login = [] { return true; };
    form.Steps.askNextStep = [] { return int(TMainChoiceDlg::OpenApplication); };
    form.Steps.executeMode = [](int) {
        return store::openApplication(
            store::selectValue(QStringLiteral("SELECT BDG_IDENT FROM MAINHEADER WHERE BDG_SIGN=?"),
                               {QStringLiteral("Familie Müller 2024")})
                .toString());
    };
    form.FormActivate();
    shoot(&form, QStringLiteral("8-main"));
    form.MainBar->markItem(2, 3);
    shoot(&form, QStringLiteral("9-main-assets"));

    TToolTipWindowDlg help(&form);
    help.ShowHelp(2003);
    shoot(&help, QStringLiteral("10-help"));
    return 0;
}
