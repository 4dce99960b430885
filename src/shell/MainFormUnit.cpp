#include "MainFormUnit.h"

#include "DataDialog.h"
#include "DisclaimMain.h"
#include "MainChoice.h"
#include "MainLogin.h"
#include "MainStart.h"
#include "Messages.h"
#include "OpenAntrag.h"
#include "ProgramEnd.h"
#include "ServerObjects.h"
#include "ShellWidgets.h"
#include "Sql.h"
#include "ToolTipWindow.h"
#include "UVersion.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <vector>

// A dialog library takes part as soon as it is linked: its header is then on the include path.
#if __has_include("MainAntrag.h")
#include "MainAntrag.h"
#define VELMORA_MAINANTRAG
#endif
#if __has_include("PersonMainForm.h")
#include "PersonMainForm.h"
#define VELMORA_PERSONMAINFORM
#endif
#if __has_include("VermoegenMain.h")
#include "VermoegenMain.h"
#define VELMORA_VERMOEGENMAIN
#endif
#if __has_include("AnspruchMain.h")
#include "AnspruchMain.h"
#define VELMORA_ANSPRUCHMAIN
#endif
#if __has_include("LivingMain.h")
#include "LivingMain.h"
#define VELMORA_LIVINGMAIN
#endif
#if __has_include("GemeinschaftMain.h")
#include "GemeinschaftMain.h"
#define VELMORA_GEMEINSCHAFTMAIN
#endif
#if __has_include("ResultMainNew.h")
#include "ResultMainNew.h"
#define VELMORA_RESULTMAINNEW
#endif
#if __has_include("MainPrint.h")
#include "MainPrint.h"
#define VELMORA_MAINPRINT
#endif

TMainFormDlg* MainFormDlg = nullptr;

void registerDialogs() {
    struct Entry {
        int panel;
        std::function<DataDialog*()> create;
    };
    // A panel without an entry has no dialog yet: its items do nothing.
    const std::vector<Entry> table = {
#ifdef VELMORA_MAINANTRAG
        {0, [] { return new TMainAntragDlg; }}, // Antragsteller
#endif
#ifdef VELMORA_PERSONMAINFORM
        {1, [] { return new TPersonMainFormDlg; }}, // Personen
#endif
#ifdef VELMORA_VERMOEGENMAIN
        {2, [] { return new TVermoegenMainDlg; }}, // Vermögen
#endif
#ifdef VELMORA_ANSPRUCHMAIN
        {3, [] { return new TAnspruchMainDlg; }}, // Ansprüche
#endif
#ifdef VELMORA_LIVINGMAIN
        {4, [] { return new TLivingMainDlg; }}, // Unterkunft
#endif
#ifdef VELMORA_GEMEINSCHAFTMAIN
        {5, [] { return new TGemeinschaftMainDlg; }}, // Gemeinschaft
#endif
#ifdef VELMORA_RESULTMAINNEW
        {6, [] { return new TResultMainNewDlg; }}, // Auswertungen
#endif
#ifdef VELMORA_MAINPRINT
        {7, [] { return new TMainPrintDlg; }}, // Drucken
#endif
    };
    store::DialogRegistry& registry = store::DialogRegistry::instance();
    for (const Entry& entry : table)
        registry.registerFactory(entry.panel, entry.create);
}

namespace {

struct BarPanel {
    const char* caption;
    int itemHeight;
    std::vector<const char*> items;
};

const std::vector<BarPanel> kBarPanels = {
    {"Antragsteller", 36, {"Antragsteller", "Weitere Daten"}},
    {"Personen",
     28,
     {"Personen", "Krankenversicherung Seite 1", "Krankenversicherung Seite 2", "Rentenversicherung",
      "Mehrbedarfe", "Einkommen - Basisangaben", "Einkommen aus Selbständigkeit",
      "Einkommen aus Beschäftigung"}},
    {"Vermögen",
     26,
     {"Freistellungsaufträge", "Girokonten", "Bargeld", "Sparbücher / Sparkonten", "Sparbriefe / Wertpapiere",
      "Kapitallebens-/ Rentenvers.", "Bausparverträge", "Altersvorsorge", "bebaute Grundst. / Wohneigentum",
      "unbebaute Grundstücke", "Kraftfahrzeuge", "Schenkungen / Spenden", "Arbeitslosengeld I"}},
    {"Ansprüche",
     36,
     {"Unterhaltsansprüche gegen Dritte", "Ansprüche gegen Arbeitgeber, Sozialdienste",
      "Hilfebedürftigkeit durch Unfall"}},
    {"Unterkunft", 28, {"Kosten für Unterkunft und Heizung"}},
    {"Gemeinschaft",
     36,
     {"Vorliegen einer Verantwortung- und Einstehensgemeinschaft", "Umfang der Hilfebedürtigkeit",
      "Kostenaufwändige Ernährung", "Anspruch auf Kindergeld"}},
    {"Auswertungen", 36, {"Voraussichtliche Leistungen"}},
    {"Drucken", 36, {"Ausdruck des Antrages und der Zusatzblätter", "Originalformulare und Hinweise"}},
};

// The dialogs whose pending entries the close writes, in this order.
const int kClosingPanels[] = {1, 2, 5, 3};

const QLocale kGerman(QLocale::German, QLocale::Germany);

template <typename Dialog> Dialog* instance(Dialog*& global, QWidget* owner) {
    if (!global) global = new Dialog(owner);
    return global;
}

QMdiSubWindow* subWindowOf(QWidget* dialog) {
    return dialog ? qobject_cast<QMdiSubWindow*>(dialog->parentWidget()) : nullptr;
}

// Deactivation writes what is pending; whatever goes wrong there must not stop what comes next.
void guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

TMainFormDlg::TMainFormDlg(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainFormDlg"));
    setWindowTitle(QStringLiteral("Velmora 2007 - Antragerstellung leichtgemacht..."));
    setWindowIcon(QIcon(shell::picture("icon.png")));
    resize(1024, 768);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* header = new QFrame(central);
    header->setObjectName(QStringLiteral("HeaderStrip"));
    header->setFixedHeight(40);
    header->setStyleSheet(QStringLiteral("#HeaderStrip { border-image: url(%1) 0 0 0 0 stretch stretch; }")
                              .arg(shell::picture("header.png")));
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(6, 0, 16, 2);
    headerLayout->setSpacing(4);
    Image2 = shell::imageButton(QStringLiteral("exit.png"), QStringLiteral("Programm beenden"),
                                QStringLiteral("Image2"), header);
    Image5 = shell::imageButton(QStringLiteral("icon.png"), QStringLiteral("Neuen Antrag anlegen"),
                                QStringLiteral("Image5"), header);
    Image4 = shell::imageButton(QStringLiteral("forward.png"), QStringLiteral("Bestehenden Antrag öffnen"),
                                QStringLiteral("Image4"), header);
    Image3 = shell::imageButton(QStringLiteral("back.png"), QStringLiteral("Aktuellen Antrag löschen"),
                                QStringLiteral("Image3"), header);
    for (QToolButton* b : {Image2, Image5, Image4, Image3})
        headerLayout->addWidget(b);
    // Creating and switching are offered once an application is open; deleting one is not offered.
    for (QToolButton* b : {Image5, Image4, Image3}) {
        b->setVisible(false);
        b->setEnabled(false);
    }
    headerLayout->addStretch(1);
    Label1 = new QLabel(header);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setStyleSheet(
        QStringLiteral("color: navy; font-size: 19px; font-weight: bold; font-style: italic;"));
    headerLayout->addWidget(Label1);
    layout->addWidget(header);

    auto* client = new QWidget(central);
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    MainBar = new NavigationBar(client);
    for (const BarPanel& panel : kBarPanels) {
        QStringList items;
        for (const char* item : panel.items)
            items << QString::fromUtf8(item);
        MainBar->addPanel(QString::fromUtf8(panel.caption), panel.itemHeight, items);
    }
    MainBar->setVisible(false);
    clientLayout->addWidget(MainBar);
    Panel2 = new QFrame(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* backLayout = new QVBoxLayout(Panel2);
    backLayout->setContentsMargins(0, 0, 0, 0);
    auto* backImage = new QFrame(Panel2);
    backImage->setObjectName(QStringLiteral("MainBackImage"));
    backImage->setStyleSheet(
        QStringLiteral("#MainBackImage { border-image: url(%1) 0 0 0 0 stretch stretch; }")
            .arg(shell::picture("background.png")));
    backLayout->addWidget(backImage);
    clientLayout->addWidget(Panel2, 1);
    MdiArea = new QMdiArea(client);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->setBackground(QColor(236, 236, 255));
    MdiArea->setVisible(false);
    clientLayout->addWidget(MdiArea, 1);
    layout->addWidget(client, 1);
    setCentralWidget(central);

    const int widths[4] = {200, 100, 200, 200};
    const QString fixedTexts[2] = {QStringLiteral("Velmora · Arbeitslosengeld II"),
                                   QStringLiteral("Einzelplatz")};
    for (int i = 0; i < 4; ++i) {
        StatusPanel[i] = new QLabel(i < 2 ? fixedTexts[i] : QString(), statusBar());
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanel[i]->setFixedWidth(widths[i]);
        StatusPanel[i]->setFrameShape(QFrame::StyledPanel);
        StatusPanel[i]->setFrameShadow(QFrame::Sunken);
        StatusPanel[i]->setContentsMargins(4, 0, 4, 0);
        statusBar()->addWidget(StatusPanel[i]);
    }
    StatusPanel[2]->setAlignment(Qt::AlignCenter);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMainFormDlg::Timer1Timer);
    Timer1->start();
    Timer1Timer();

    connect(MainBar, &NavigationBar::itemClicked, this, &TMainFormDlg::MainBarItemClick);
    connect(Image2, &QToolButton::clicked, this, &TMainFormDlg::Image2Click);
    connect(Image3, &QToolButton::clicked, this, &TMainFormDlg::Image3Click);
    connect(Image4, &QToolButton::clicked, this, &TMainFormDlg::Image4Click);
    connect(Image5, &QToolButton::clicked, this, &TMainFormDlg::Image5Click);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        // Null means the whole program lost the focus; only a change between children counts.
        if (!window || window == m_activeChild) return;
        QPointer<QMdiSubWindow> previous = m_activeChild;
        m_activeChild = window;
        if (previous)
            if (auto* dialog = qobject_cast<DataDialog*>(previous->widget()))
                guarded([dialog] { dialog->deactivate(); });
    });

    // The service object comes first: every window created after this one finds it in place.
    delete MainObject;
    MainObject = new TMainObject;
    MainObject->Navigation = MainBar;
    MainObject->LoginDialog = [this] { return Steps.login && Steps.login(); };

    Steps.showStartScreen = [this] { instance(MainStartDlg, this)->exec(); };
    Steps.showDisclaimer = [this] { return instance(DisclaimMainDlg, this)->exec() == QDialog::Accepted; };
    Steps.login = [this] { return instance(MainLoginDlg, this)->exec() == QDialog::Accepted; };
    Steps.askNextStep = [this] { return instance(MainChoiceDlg, this)->AskNextStep(); };
    Steps.executeMode = [this](int mode) { return instance(OpenAntragDlg, this)->ExecuteMode(mode); };

    store::help().showHelpAuto = [](int number) {
        if (ToolTipWindowDlg) ToolTipWindowDlg->ShowHelpAuto(number);
    };
    store::help().showHelp = [](int number) {
        if (ToolTipWindowDlg) ToolTipWindowDlg->ShowHelp(number);
    };

    store::DialogRegistry& registry = store::DialogRegistry::instance();
    registry.clear();
    registerDialogs();
    registry.setHost([this](DataDialog* dialog) { hostDialog(dialog); });
}

TMainFormDlg::~TMainFormDlg() {
    // The data dialogs go with the MDI area; nothing may reach them or the bar afterwards.
    store::DialogRegistry::instance().clear();
    if (MainObject && MainObject->Navigation == MainBar) {
        MainObject->Navigation = nullptr;
        MainObject->LoginDialog = nullptr;
    }
    if (MainFormDlg == this) MainFormDlg = nullptr;
    // The small dialogs made on demand are this window's children and go with it.
    auto forget = [this](auto*& global) {
        if (global && global->parent() == this) global = nullptr;
    };
    forget(MainStartDlg);
    forget(DisclaimMainDlg);
    forget(MainLoginDlg);
    forget(MainChoiceDlg);
    forget(OpenAntragDlg);
    forget(ToolTipWindowDlg);
}

bool TMainFormDlg::event(QEvent* event) {
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && FirstActivation) {
        // The sequence opens modal dialogs; it runs after the activation has been handled.
        QTimer::singleShot(0, this, &TMainFormDlg::FormActivate);
    }
    return QMainWindow::event(event);
}

void TMainFormDlg::FormActivate() {
    if (!FirstActivation) return;
    {
        TVersion version;
        StatusPanel[3]->setText(QStringLiteral("Build Nr: ") + version.FileVersionText());
    }
    // Cleared before the first modal dialog: each one re-activates this window when it closes.
    FirstActivation = false;

    Steps.showStartScreen();
    if (shell::programEnding()) return;
    if (!Steps.showDisclaimer()) {
        if (!shell::programEnding()) shell::endProgram();
        return;
    }
    if (shell::programEnding()) return;
    if (!MainObject->ConnectDatabase()) {
        QString text = QStringLiteral("Fehler bei Verbindungsaufbau zur Datenbank!");
        if (!MainObject->ConnectError().isEmpty())
            text += QStringLiteral("\n\n") + MainObject->ConnectError();
        store::Messages::information(text);
        shell::endProgram(1);
        return;
    }
    if (!MainObject->LoginUser()) {
        // "Abbruch" in the login dialog is the user's decision, not an error to report.
        if (shell::programEnding()) return;
        store::Messages::information(QStringLiteral("Fehler bei der Anmeldung!"));
        shell::endProgram(1);
        return;
    }
    if (shell::programEnding()) return;
    if (!MainObject->UpgradeSchema()) {
        store::Messages::information(
            QStringLiteral("Die Datenbank konnte nicht auf den Stand dieser Programmversion "
                           "gebracht werden. Das Programm wird beendet."));
        shell::endProgram(1);
        return;
    }
    if (!openFirstApplication()) return;
    showOpenApplication();
}

bool TMainFormDlg::openFirstApplication() {
    for (;;) {
        const bool stored =
            !store::selectValue(QStringLiteral("SELECT BDG_IDENT FROM MAINHEADER LIMIT 1")).isNull();
        const bool open = stored ? ChooseAntrag() : Steps.executeMode(TOpenAntragDlg::Create);
        if (shell::programEnding()) return false;
        if (open) return true;
        // Every dialog works on the open application; without one there is nothing to show.
        if (store::Messages::confirmYesNo(
                QStringLiteral("Es ist kein Antrag geöffnet. Ohne einen Antrag kann "
                               "Velmora nicht weiterarbeiten.\n\n"
                               "Wollen Sie das Programm beenden?"))) {
            shell::endProgram();
            return false;
        }
    }
}

bool TMainFormDlg::ChooseAntrag() {
    for (;;) {
        const int step = Steps.askNextStep();
        if (shell::programEnding()) return false;
        if (step != TMainChoiceDlg::NewApplication && step != TMainChoiceDlg::OpenApplication) return false;
        if (Steps.executeMode(step)) return true;
        if (shell::programEnding()) return false;
    }
}

void TMainFormDlg::showOpenApplication() {
    Label1->setText(QStringLiteral("Antrag ") + MainObject->AntragSign + QStringLiteral(" vom ") +
                    kGerman.toString(MainObject->AntragDate, QStringLiteral("dd.MM.yyyy")));
    MainBar->setVisible(true);
    for (QToolButton* b : {Image5, Image4}) {
        b->setVisible(true);
        b->setEnabled(true);
    }
    Panel2->setVisible(false);
    MdiArea->setVisible(true);
    openApplicantDialog();
}

void TMainFormDlg::openApplicantDialog() {
    if (DataDialog* dialog = store::DialogRegistry::instance().dialog(0)) {
        dialog->ShowPage(0);
        if (QMdiSubWindow* window = subWindowOf(dialog)) MdiArea->setActiveSubWindow(window);
        return;
    }
    // Until the applicant dialog is part of the program, the area says what will appear there.
    if (!m_placeholder) {
        auto* placeholder = new QWidget;
        placeholder->setObjectName(QStringLiteral("ApplicantPlaceholder"));
        auto* layout = new QVBoxLayout(placeholder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(shell::headerStrip(QStringLiteral("Antragsteller"), placeholder));
        auto* note = new QLabel(QStringLiteral("Die Eingabeseiten zum Antragsteller stehen in dieser "
                                               "Programmversion noch nicht zur Verfügung."),
                                placeholder);
        note->setAlignment(Qt::AlignCenter);
        note->setWordWrap(true);
        note->setStyleSheet(QStringLiteral("color: navy; font-size: 15px;"));
        layout->addWidget(note, 1);
        QMdiSubWindow* window = MdiArea->addSubWindow(placeholder, Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->showMaximized();
        m_placeholder = placeholder;
    }
    MdiArea->setActiveSubWindow(subWindowOf(m_placeholder));
    MainObject->MarkNavItem(0, 0);
}

void TMainFormDlg::hostDialog(DataDialog* dialog) {
    // Data dialogs live until the program ends: the frame offers no way to close one.
    QMdiSubWindow* window = MdiArea->addSubWindow(dialog, Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->showMaximized();
    MdiArea->setActiveSubWindow(window);
}

void TMainFormDlg::MainBarItemClick(int panel, int item) {
    for (int p = 0; p < MainBar->panelCount(); ++p)
        if (p != panel) MainBar->releaseItems(p);
    DataDialog* dialog = store::DialogRegistry::instance().dialog(panel);
    if (!dialog) return;
    dialog->ShowPage(item);
    if (QMdiSubWindow* window = subWindowOf(dialog)) MdiArea->setActiveSubWindow(window);
}

void TMainFormDlg::Timer1Timer() {
    StatusPanel[2]->setText(
        kGerman.toString(QDateTime::currentDateTime(), QStringLiteral("dd.MM.yyyy HH:mm:ss")));
}

void TMainFormDlg::Image2Click() {
    if (!store::Messages::confirmYesCancel(QStringLiteral("Wollen Sie Ihre Arbeit beenden?"))) return;
    m_endConfirmed = true;
    close();
}

void TMainFormDlg::Image5Click() {
    const QString before = MainObject->AntragIdent;
    QPointer<QMdiSubWindow> active = saveActiveDialog();
    Steps.executeMode(TOpenAntragDlg::Create);
    if (!m_activeChild && MainObject && MainObject->AntragIdent == before) m_activeChild = active;
    if (!shell::programEnding() && !MainObject->AntragIdent.isEmpty()) showOpenApplication();
}

void TMainFormDlg::Image4Click() {
    const QString before = MainObject->AntragIdent;
    QPointer<QMdiSubWindow> active = saveActiveDialog();
    Steps.executeMode(TOpenAntragDlg::Open);
    if (!m_activeChild && MainObject && MainObject->AntragIdent == before) m_activeChild = active;
    if (!shell::programEnding() && !MainObject->AntragIdent.isEmpty()) showOpenApplication();
}

QPointer<QMdiSubWindow> TMainFormDlg::saveActiveDialog() {
    // Pending grid rows belong to the application they were typed for: written before another opens,
    // and not a second time once the next application's dialog takes over.
    QPointer<QMdiSubWindow> active = m_activeChild;
    m_activeChild = nullptr;
    if (active)
        if (auto* dialog = qobject_cast<DataDialog*>(active->widget()))
            guarded([dialog] { dialog->deactivate(); });
    return active;
}

void TMainFormDlg::Image3Click() {
    // Deleting an application is not part of the program: the questions are asked, nothing is deleted.
    if (store::Messages::confirmYesCancel(
            QStringLiteral("Sind Sie sicher, dass Sie alle aktuellen Daten löschen wollen?")))
        store::Messages::confirmYesCancel(QStringLiteral(
            "Alle Informationen zu diesem Antrag gehen unwiderruflich verloren!\nFortsetzen?"));
}

void TMainFormDlg::closeEvent(QCloseEvent* event) {
    // The close box is the exit button's twin; an end already decided asks nothing more.
    if (!m_endConfirmed && !shell::programEnding() && MainObject && isVisible() &&
        !store::Messages::confirmYesCancel(QStringLiteral("Wollen Sie Ihre Arbeit beenden?"))) {
        event->ignore();
        return;
    }
    m_endConfirmed = true;
    FormClose();
    event->accept();
}

void TMainFormDlg::FormClose() {
    if (!MainObject) return;
    store::DialogRegistry& registry = store::DialogRegistry::instance();
    for (int panel : kClosingPanels) {
        guarded([&] {
            DataDialog* dialog = registry.dialog(panel, false);
            if (dialog && m_activeChild && subWindowOf(dialog) == m_activeChild) dialog->deactivate();
        });
    }
    MainObject->Navigation = nullptr;
    delete MainObject;
    MainObject = nullptr;
}
