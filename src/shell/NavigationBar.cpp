#include "NavigationBar.h"

#include "ShellWidgets.h"

#include <QPainter>
#include <QStyleOption>
#include <QVBoxLayout>

namespace {

const QColor kNavy(0, 0, 128);

// A panel's caption: opens the panel.
class PanelCaption : public QAbstractButton {
public:
    PanelCaption(const QString& text, QWidget* parent)
        : QAbstractButton(parent) {
        setText(text);
        setCursor(Qt::PointingHandCursor);
        setFixedHeight(34);
        QFont f = font();
        f.setPixelSize(19);
        f.setBold(true);
        f.setItalic(true);
        setFont(f);
    }
    bool open = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(2, 1, -2, -1);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, underMouse() ? QColor(255, 255, 255) : QColor(246, 246, 255));
        g.setColorAt(1, open ? QColor(176, 176, 240) : QColor(214, 214, 255));
        p.setPen(QPen(QColor(120, 120, 200), 1));
        p.setBrush(g);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(kNavy);
        // The caption keeps its size as long as it fits; a longer one is made smaller, never cut off.
        QFont f = font();
        const QRectF textRect = r.adjusted(8, 0, -4, 0);
        while (f.pixelSize() > 13 && QFontMetrics(f).horizontalAdvance(text()) > textRect.width())
            f.setPixelSize(f.pixelSize() - 1);
        p.setFont(f);
        p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());
    }
    void enterEvent(QEnterEvent* e) override {
        update();
        QAbstractButton::enterEvent(e);
    }
    void leaveEvent(QEvent* e) override {
        update();
        QAbstractButton::leaveEvent(e);
    }
};

// An item of a panel: a flat button whose text may take two lines.
class PanelItem : public QAbstractButton {
public:
    PanelItem(const QString& text, int height, QWidget* parent)
        : QAbstractButton(parent) {
        setText(text);
        setToolTip(text);
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
        setFixedHeight(height);
        // The low items of the long panels take a smaller font, so that most captions fit one line.
        QFont f = font();
        f.setPixelSize(height < 30 ? 11 : 12);
        setFont(f);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(6, 1, -4, -1);
        if (isChecked() || isDown()) {
            p.setPen(QPen(kNavy, 1));
            p.setBrush(QColor(255, 255, 255));
            p.drawRoundedRect(r, 3, 3);
            p.fillRect(QRectF(r.left(), r.top() + 3, 4, r.height() - 6), kNavy);
        } else if (underMouse()) {
            p.setPen(QPen(QColor(140, 140, 220), 1));
            p.setBrush(QColor(226, 226, 255));
            p.drawRoundedRect(r, 3, 3);
        }
        p.setPen(isChecked() ? kNavy : QColor(20, 20, 90));
        p.drawText(r.adjusted(12, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text());
    }
    void enterEvent(QEnterEvent* e) override {
        update();
        QAbstractButton::enterEvent(e);
    }
    void leaveEvent(QEvent* e) override {
        update();
        QAbstractButton::leaveEvent(e);
    }
    // The bar decides what a click means: it always presses, never releases.
    void nextCheckState() override {}
};

} // namespace

NavigationBar::NavigationBar(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("MainBar"));
    setFixedWidth(180);
    m_layout->setContentsMargins(2, 4, 2, 4);
    m_layout->setSpacing(2);
    m_layout->addStretch(1);
}

int NavigationBar::addPanel(const QString& caption, int itemHeight, const QStringList& items) {
    const int index = m_panels.size();
    Panel panel;
    panel.caption = new PanelCaption(caption, this);
    panel.caption->setObjectName(QStringLiteral("MainBarPanel%1").arg(index));
    panel.items = new QWidget(this);
    auto* itemLayout = new QVBoxLayout(panel.items);
    itemLayout->setContentsMargins(0, 2, 0, 6);
    itemLayout->setSpacing(1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new PanelItem(items.at(i), itemHeight, panel.items);
        button->setObjectName(QStringLiteral("MainBarItem%1_%2").arg(index).arg(i));
        itemLayout->addWidget(button);
        connect(button, &QAbstractButton::clicked, this, [this, index, i] {
            press(index, i);
            emit itemClicked(index, i);
        });
        panel.buttons.append(button);
    }
    panel.items->setVisible(false);
    connect(panel.caption, &QAbstractButton::clicked, this, [this, index] { setOpenPanel(index); });
    // Before the closing stretch, so that the panels stay together at the top.
    m_layout->insertWidget(m_layout->count() - 1, panel.caption);
    m_layout->insertWidget(m_layout->count() - 1, panel.items);
    m_panels.append(panel);
    if (m_open < 0) setOpenPanel(index);
    return index;
}

int NavigationBar::itemCount(int panel) const {
    return panel >= 0 && panel < m_panels.size() ? m_panels.at(panel).buttons.size() : 0;
}

void NavigationBar::setOpenPanel(int panel) {
    if (panel < 0 || panel >= m_panels.size()) return;
    m_open = panel;
    for (int p = 0; p < m_panels.size(); ++p) {
        static_cast<PanelCaption*>(m_panels.at(p).caption)->open = p == panel;
        m_panels.at(p).caption->update();
        m_panels.at(p).items->setVisible(p == panel);
    }
}

int NavigationBar::pressedItem(int panel) const {
    if (panel < 0 || panel >= m_panels.size()) return -1;
    const auto& buttons = m_panels.at(panel).buttons;
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons.at(i)->isChecked()) return i;
    return -1;
}

void NavigationBar::releaseItems(int panel) {
    if (panel < 0 || panel >= m_panels.size()) return;
    for (QAbstractButton* b : m_panels.at(panel).buttons)
        b->setChecked(false);
}

void NavigationBar::press(int panel, int item) {
    const auto& buttons = m_panels.at(panel).buttons;
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->setChecked(i == item);
}

void NavigationBar::markItem(int panel, int item) {
    for (int p = 0; p < m_panels.size(); ++p)
        releaseItems(p);
    setOpenPanel(panel);
    if (panel >= 0 && panel < m_panels.size() && item >= 0 && item < m_panels.at(panel).buttons.size())
        press(panel, item);
}

QAbstractButton* NavigationBar::panelButton(int panel) const {
    return panel >= 0 && panel < m_panels.size() ? m_panels.at(panel).caption : nullptr;
}

QAbstractButton* NavigationBar::itemButton(int panel, int item) const {
    return item >= 0 && item < itemCount(panel) ? m_panels.at(panel).buttons.at(item) : nullptr;
}

void NavigationBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(shell::kBarRed, shell::kBarGreen, shell::kBarBlue));
    p.setPen(QColor(120, 120, 200));
    p.drawLine(rect().topRight(), rect().bottomRight());
}
