#pragma once

#include "FixedGrid.h"
#include "Sql.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVector>
#include <QWidget>
#include <functional>

class DataDialog;

namespace store {

// Shows Daten/Tooltips/<fileName> of the program folder in `browser`; a clear note when it is missing.
void showTooltipsFile(QTextBrowser* browser, const QString& fileName);
// The help page <number>.htm.
void showHelpFile(QTextBrowser* browser, int number);

// The help window's operations, provided by the shell.
struct HelpHooks {
    std::function<void(int number)> showHelpAuto; // opens unless the user switched automatic opening off
    std::function<void(int number)> showHelp;     // opens always
};
HelpHooks& help();

// The navigable data dialogs by their panel in the navigation bar, created on first use. The shell
// registers a factory per panel and the host that puts a dialog into the MDI area.
class DialogRegistry {
public:
    static DialogRegistry& instance();
    void registerFactory(int panel, std::function<DataDialog*()> factory);
    bool hasFactory(int panel) const;
    // The panel's dialog, created (and handed to the host) on first use; nullptr when the panel has none.
    DataDialog* dialog(int panel, bool create = true);
    void setHost(std::function<void(DataDialog*)> host) { m_host = std::move(host); }
    // Forgets every dialog and factory (tests; the shell at its end).
    void clear();

private:
    QMap<int, std::function<DataDialog*()>> m_factories;
    QMap<int, DataDialog*> m_dialogs;
    std::function<void(DataDialog*)> m_host;
};

// The panels whose dialogs the forward and back buttons chain, in bar order.
constexpr int kFirstChainedPanel = 0;
constexpr int kLastChainedPanel = 5;

} // namespace store

// The frame every navigable data dialog shares: header with title, short help and the button for the
// detailed help; pages without tabs switched only by the program; forward and back at the bottom.
class DataDialog : public QWidget {
    Q_OBJECT
public:
    struct Frame {
        bool shortHelp = true;  // the short-help browser and the detailed-help button
        bool navigation = true; // forward and back
    };

    DataDialog(int panel, const QString& objectName, QWidget* parent = nullptr);
    DataDialog(int panel, const QString& objectName, Frame frame, QWidget* parent = nullptr);

    int panel() const { return m_panel; }
    int pageCount() const { return m_pages.size(); }
    int currentPage() const { return m_stack->currentIndex(); }
    QWidget* pageWidget(int index) const;

    // Open the dialog's panel, select the page, set its title, load it, bring the dialog to the front.
    virtual void ShowPage(int index);
    // Writes what is pending (the grids of the current page) when another window becomes active.
    // Guarded: failures are ignored.
    virtual void deactivate();

    QLabel* Label1;
    QTextBrowser* WebBrowser1 = nullptr;
    QToolButton* HelpButton = nullptr;
    QToolButton* SpeedButton1 = nullptr; // forward
    QToolButton* SpeedButton2 = nullptr; // back

protected:
    struct Page {
        QString title;     // header text
        int help = 0;      // NNN: short text 1000 + NNN, detailed text 2000 + NNN; 0 for none
        QWidget* content = nullptr;
        std::function<void()> load; // reset the controls, read the rows, show what depends on them
    };
    // Adds a page; its content is placed in a scroll box. Returns the page index.
    int addPage(const Page& page);
    // Sets the header text of the current page (dialogs with per-person suffixes override titleOf).
    virtual QString titleOf(int index) const;
    // Forward and back; overridden where a dialog's pages lead elsewhere.
    virtual void forward();
    virtual void back();
    // Select, title, load and mark in the bar.
    void goToPage(int index);
    // Leaving the current page (forward, back, a bar item, another page shown): its grids are saved,
    // and a failure is shown. Dialogs with lists of their own extend it.
    virtual void leavePage();
    void saveGrids(SaveMode mode);
    // Tab walks the page's fields first, then back and forward, then the help.
    void putFrameLast();
    // Runs the page's loader with writes suspended.
    void loadPage(int index);
    void refreshTitle();
    // The first or last page of the neighbouring dialog in bar order, skipping panels without a dialog.
    static void showNeighbour(int fromPanel, int step);
    // A dialog put on screen by its host without ShowPage still opens loaded, with its page's help.
    void showEvent(QShowEvent* event) override;

private:
    void onPageShown(int index);
    // Back on the first page of the first dialog in bar order, and forward on the last page of the
    // last, lead nowhere and are hidden.
    void updateNavigationButtons();
    static bool hasNeighbour(int fromPanel, int step);
    bool m_loadedOnce = false;
    int m_panel;
    Frame m_frame;
    QStackedWidget* m_stack;
    QVector<Page> m_pages;
};
