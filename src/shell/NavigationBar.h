#pragma once

#include "ServerObjects.h"

#include <QAbstractButton>
#include <QVector>
#include <QWidget>

class QVBoxLayout;

// The main window's navigation bar: panels of button-style items, one panel open at a time. A click
// presses the item and releases the other items of its panel.
class NavigationBar : public QWidget, public NavigationMarker {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

    // Returns the new panel's index.
    int addPanel(const QString& caption, int itemHeight, const QStringList& items);
    int panelCount() const { return m_panels.size(); }
    int itemCount(int panel) const;

    int openPanel() const { return m_open; }
    // Opens `panel` and closes every other one; the pressed items stay as they are.
    void setOpenPanel(int panel);
    // The pressed item of `panel`, or -1.
    int pressedItem(int panel) const;
    void releaseItems(int panel);

    void markItem(int panel, int item) override;

    QAbstractButton* panelButton(int panel) const;
    QAbstractButton* itemButton(int panel, int item) const;

signals:
    void itemClicked(int panel, int item);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Panel {
        QAbstractButton* caption = nullptr;
        QWidget* items = nullptr;
        QVector<QAbstractButton*> buttons;
    };
    void press(int panel, int item);
    QVector<Panel> m_panels;
    QVBoxLayout* m_layout;
    int m_open = -1;
};
