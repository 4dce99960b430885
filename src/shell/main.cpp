#include "DisclaimMain.h"
#include "InstanceLock.h"
#include "MainChoice.h"
#include "MainFormUnit.h"
#include "MainLogin.h"
#include "MainStart.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "OpenAntrag.h"
#include "Paths.h"
#include "ServerObjects.h"
#include "ShellWidgets.h"
#include "ToolTipWindow.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QApplication::setWindowIcon(QIcon(shell::picture("icon.png")));
    forms::installMessageBoxes();

    InstanceLock lock(store::programFolder());
    if (!lock.acquire()) {
        if (lock.heldByOther())
            store::Messages::information(lock.message());
        else
            store::Messages::error(lock.message());
        return 1;
    }

    // In this order: the main window creates the service object every later window relies on.
    MainFormDlg = new TMainFormDlg;
    MainStartDlg = new TMainStartDlg(MainFormDlg);
    DisclaimMainDlg = new TDisclaimMainDlg(MainFormDlg);
    MainLoginDlg = new TMainLoginDlg(MainFormDlg);
    MainChoiceDlg = new TMainChoiceDlg(MainFormDlg);
    OpenAntragDlg = new TOpenAntragDlg(MainFormDlg);
    ToolTipWindowDlg = new TToolTipWindowDlg(MainFormDlg);

    MainFormDlg->show();
    MainFormDlg->activateWindow();
    const int rc = app.exec();

    delete MainFormDlg;
    delete MainObject;
    return rc;
}
