#include "DataDialog.h"

#include "FixedGrid.h"
#include "PageBuilder.h"
#include "Paths.h"
#include "ServerObjects.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace store {

void showTooltipsFile(QTextBrowser* browser, const QString& fileName)
{
    const QString path = programPath(QStringLiteral("Daten/Tooltips/") + fileName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        browser->setHtml(QStringLiteral("<p style=\"color:#800000\">Die Datei %1 ist nicht vorhanden. "
                                        "Bitte prüfen Sie, ob das Programm vollständig installiert ist "
                                        "(Ordner Daten/Tooltips).</p>")
                             .arg(fileName.toHtmlEscaped()));
        return;
    }
    browser->setSearchPaths({QFileInfo(path).absolutePath()});
    browser->setHtml(QString::fromUtf8(file.readAll()));
}

void showHelpFile(QTextBrowser* browser, int number)
{
    showTooltipsFile(browser, QStringLiteral("%1.htm").arg(number));
}

HelpHooks& help()
{
    static HelpHooks hooks;
    return hooks;
}

DialogRegistry& DialogRegistry::instance()
{
    static DialogRegistry registry;
    return registry;
}

void DialogRegistry::registerFactory(int panel, std::function<DataDialog*()> factory)
{
    m_factories.insert(panel, std::move(factory));
}

bool DialogRegistry::hasFactory(int panel) const { return m_factories.contains(panel); }

DataDialog* DialogRegistry::dialog(int panel, bool create)
{
    if (DataDialog* d = m_dialogs.value(panel))
        return d;
    if (!create || !m_factories.contains(panel))
        return nullptr;
    DataDialog* d = m_factories.value(panel)();
    m_dialogs.insert(panel, d);
    if (m_host)
        m_host(d);
    return d;
}

void DialogRegistry::clear()
{
    m_factories.clear();
    m_dialogs.clear();
    m_host = nullptr;
}

} // namespace store

namespace {

QToolButton* pictureButton(const QString& picture, const QString& text, const QString& hint, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setIcon(QIcon(store::programPath(QStringLiteral("Daten/Bilder/") + picture)));
    b->setIconSize(QSize(28, 28));
    b->setText(text);
    b->setToolTip(hint);
    b->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

DataDialog::DataDialog(int panel, const QString& objectName, QWidget* parent)
    : DataDialog(panel, objectName, Frame{}, parent)
{
}

DataDialog::DataDialog(int panel, const QString& objectName, Frame frame, QWidget* parent)
    : QWidget(parent), m_panel(panel), m_frame(frame)
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* header = new QFrame(this);
    header->setObjectName(QStringLiteral("HeaderPanel"));
    header->setStyleSheet(QStringLiteral("#HeaderPanel { border-image: url(%1) 0 0 0 0 stretch stretch; }")
                              .arg(store::programPath(QStringLiteral("Daten/Bilder/header.png"))));
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(10, 4, 6, 4);
    Label1 = new QLabel(header);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: navy; font-size: 19px; font-weight: bold; font-style: italic;"));
    Label1->setMinimumWidth(260);
    Label1->setWordWrap(true);
    headerLayout->addWidget(Label1, 2);
    if (frame.shortHelp) {
        WebBrowser1 = new QTextBrowser(header);
        WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
        WebBrowser1->setOpenLinks(false);
        WebBrowser1->setFixedHeight(70);
        WebBrowser1->setFrameShape(QFrame::NoFrame);
        WebBrowser1->setStyleSheet(QStringLiteral("background: rgba(255,255,255,180);"));
        headerLayout->addWidget(WebBrowser1, 5);
        HelpButton = pictureButton(QStringLiteral("help.png"), QString(),
                                   QStringLiteral("Ausführliche Hilfe anfordern"), header);
        HelpButton->setObjectName(QStringLiteral("HelpButton"));
        headerLayout->addWidget(HelpButton);
        connect(HelpButton, &QToolButton::clicked, this, [this] {
            const Page* p = currentPage() >= 0 && currentPage() < m_pages.size() ? &m_pages.at(currentPage()) : nullptr;
            if (p && p->help && store::help().showHelp)
                store::help().showHelp(2000 + p->help);
        });
    }
    layout->addWidget(header);

    m_stack = new QStackedWidget(this);
    layout->addWidget(m_stack, 1);
    connect(m_stack, &QStackedWidget::currentChanged, this, &DataDialog::onPageShown);

    if (frame.navigation) {
        auto* bottom = new QFrame(this);
        bottom->setObjectName(QStringLiteral("BottomPanel"));
        bottom->setStyleSheet(QStringLiteral("#BottomPanel { background: rgb(198,198,255); }"));
        auto* bottomLayout = new QHBoxLayout(bottom);
        bottomLayout->setContentsMargins(8, 2, 8, 2);
        SpeedButton2 = pictureButton(QStringLiteral("back.png"), QStringLiteral("&Zurück"),
                                     QStringLiteral("Zur vorherigen Seite (Alt+Z, Alt+Links, Strg+Bild auf)"), bottom);
        SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
        SpeedButton1 = pictureButton(QStringLiteral("forward.png"), QStringLiteral("&Weiter"),
                                     QStringLiteral("Zur nächsten Seite (Alt+W, Alt+Rechts, Strg+Bild ab)"), bottom);
        SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
        SpeedButton1->setLayoutDirection(Qt::RightToLeft);
        bottomLayout->addWidget(SpeedButton2);
        bottomLayout->addStretch(1);
        bottomLayout->addWidget(SpeedButton1);
        layout->addWidget(bottom);
        connect(SpeedButton1, &QToolButton::clicked, this, [this] { forward(); });
        connect(SpeedButton2, &QToolButton::clicked, this, [this] { back(); });
        const auto shortcut = [this](const QKeySequence& keys, QToolButton* button) {
            auto* s = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
            connect(s, &QShortcut::activated, button, [button] {
                if (button->isVisible() && button->isEnabled()) button->click();
            });
        };
        shortcut(QKeySequence(Qt::ALT | Qt::Key_Right), SpeedButton1);
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), SpeedButton1);
        shortcut(QKeySequence(Qt::ALT | Qt::Key_Left), SpeedButton2);
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), SpeedButton2);
    }
    if (HelpButton) {
        HelpButton->setAccessibleName(QStringLiteral("Ausführliche Hilfe anfordern"));
        HelpButton->setToolTip(QStringLiteral("Ausführliche Hilfe anfordern (F1)"));
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(f1, &QShortcut::activated, HelpButton, &QToolButton::click);
    }
}

int DataDialog::addPage(const Page& page)
{
    auto* scroll = new QScrollArea(m_stack);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setObjectName(QStringLiteral("ScrollBox%1").arg(m_pages.size() + 1));
    scroll->setFocusPolicy(Qt::NoFocus); // a stop that does nothing
    page.content->setObjectName(page.content->objectName().isEmpty()
                                    ? QStringLiteral("TabSheet%1").arg(m_pages.size() + 1)
                                    : page.content->objectName());
    page.content->setAutoFillBackground(false);
    scroll->setStyleSheet(QStringLiteral("QScrollArea { border-image: url(%1) 0 0 0 0 stretch stretch; } "
                                         "QScrollArea > QWidget > QWidget { background: transparent; }")
                              .arg(store::programPath(QStringLiteral("Daten/Bilder/page.png"))));
    scroll->setWidget(page.content);
    forms::nameInputs(page.content);
    m_pages.append(page);
    // Adding the first page selects it without a page change that the dialog has asked for.
    const QSignalBlocker block(m_stack);
    const int index = m_stack->addWidget(scroll);
    putFrameLast();
    return index;
}

void DataDialog::putFrameLast()
{
    QList<QWidget*> frame;
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton2, SpeedButton1, HelpButton, WebBrowser1})
        if (w)
            frame << w;
    if (frame.isEmpty())
        return;
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain())
        if (isAncestorOf(w) && !frame.contains(w))
            last = w;
    if (!last)
        return;
    // The page's fields come first, in reading order; then back and forward; the help last.
    QWidget::setTabOrder(last, frame.first());
    for (int i = 1; i < frame.size(); ++i)
        QWidget::setTabOrder(frame.at(i - 1), frame.at(i));
}

QWidget* DataDialog::pageWidget(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index).content : nullptr;
}

QString DataDialog::titleOf(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index).title : QString();
}

void DataDialog::refreshTitle() { Label1->setText(titleOf(currentPage())); }

void DataDialog::loadPage(int index)
{
    if (index < 0 || index >= m_pages.size() || !m_pages.at(index).load)
        return;
    m_loadedOnce = true;
    store::LoadScope loading;
    m_pages.at(index).load();
}

void DataDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_loadedOnce || m_pages.isEmpty())
        return;
    // The host shows a new dialog before the ShowPage that created it runs; that ShowPage loads the
    // page, so the first visit loads once. Only a dialog shown without ShowPage loads here.
    QTimer::singleShot(0, this, [this] {
        if (m_loadedOnce)
            return;
        onPageShown(currentPage());
        refreshTitle();
        loadPage(currentPage());
    });
}

bool DataDialog::hasNeighbour(int fromPanel, int step)
{
    for (int p = fromPanel + step; p >= store::kFirstChainedPanel && p <= store::kLastChainedPanel; p += step)
        if (store::DialogRegistry::instance().hasFactory(p))
            return true;
    return false;
}

void DataDialog::updateNavigationButtons()
{
    if (!SpeedButton1)
        return;
    SpeedButton1->setVisible(currentPage() < pageCount() - 1 || hasNeighbour(m_panel, +1));
    SpeedButton2->setVisible(currentPage() > 0 || hasNeighbour(m_panel, -1));
}

void DataDialog::onPageShown(int index)
{
    updateNavigationButtons();
    // Controls a dialog adds after its pages (lists above the pages, rows shown later) are named too.
    if (QWidget* page = pageWidget(index))
        forms::nameInputs(page);
    putFrameLast();
    if (index < 0 || index >= m_pages.size() || !m_pages.at(index).help)
        return;
    if (WebBrowser1)
        store::showHelpFile(WebBrowser1, 1000 + m_pages.at(index).help);
    if (store::help().showHelpAuto)
        store::help().showHelpAuto(2000 + m_pages.at(index).help);
}

void DataDialog::saveGrids(SaveMode mode)
{
    QWidget* page = pageWidget(currentPage());
    if (!page)
        return;
    for (FixedGrid* grid : page->findChildren<FixedGrid*>())
        grid->save(mode);
}

void DataDialog::leavePage()
{
    // The navigation buttons take no focus, so no grid has seen the user leave it.
    saveGrids(SaveMode::Report);
}

void DataDialog::ShowPage(int index)
{
    // Showing a page reloads it: what the open page holds is saved first.
    if (isVisible())
        leavePage();
    if (MainObject)
        MainObject->MarkNavItem(m_panel, index);
    const bool changed = m_stack->currentIndex() != index;
    m_stack->setCurrentIndex(index);
    if (!changed)
        onPageShown(index);
    refreshTitle();
    loadPage(index);
    show();
    raise();
    // In the MDI area the dialog becomes the active child, so the one it replaces is deactivated.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        sub->raise();
    }
}

void DataDialog::goToPage(int index)
{
    leavePage();
    m_stack->setCurrentIndex(index);
    refreshTitle();
    loadPage(index);
    if (MainObject)
        MainObject->MarkNavItem(m_panel, index);
}

void DataDialog::forward()
{
    if (currentPage() < pageCount() - 1)
        goToPage(currentPage() + 1);
    else {
        leavePage();
        showNeighbour(m_panel, +1);
    }
}

void DataDialog::back()
{
    if (currentPage() > 0)
        goToPage(currentPage() - 1);
    else {
        leavePage();
        showNeighbour(m_panel, -1);
    }
}

void DataDialog::showNeighbour(int fromPanel, int step)
{
    store::DialogRegistry& registry = store::DialogRegistry::instance();
    for (int p = fromPanel + step; p >= store::kFirstChainedPanel && p <= store::kLastChainedPanel; p += step) {
        if (!registry.hasFactory(p))
            continue;
        DataDialog* d = registry.dialog(p);
        if (!d || d->pageCount() == 0)
            continue;
        d->ShowPage(step > 0 ? 0 : d->pageCount() - 1);
        return;
    }
}

void DataDialog::deactivate() { saveGrids(SaveMode::Silent); }
