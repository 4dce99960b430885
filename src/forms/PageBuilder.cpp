#include "PageBuilder.h"

#include "Editors.h"
#include "Messages.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace forms {

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* lineEdit(const QString& name, QWidget* parent, int minimumWidth) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (minimumWidth > 0) edit->setMinimumWidth(minimumWidth);
    return edit;
}

DateEdit* dateEdit(const QString& name, QWidget* parent) {
    auto* edit = new DateEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 24);
    return edit;
}

QLabel* label(const QString& caption, QWidget* parent, const QString& name) {
    auto* l = new QLabel(caption, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

QLabel* question(const QString& caption, QWidget* parent, const QString& name) {
    QLabel* l = label(caption, parent, name);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
}

QGroupBox* groupBox(const QString& name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    // The caption sits as a small tab on the frame, so that the groups read as parts of one form.
    box->setStyleSheet(QStringLiteral(
        "QGroupBox { background: rgba(255,255,255,200); border: 1px solid #9a9acd; "
        "border-radius: 4px; margin-top: 0.8em; padding: 1.1em 6px 6px 6px; } "
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 10px; "
        "padding: 1px 6px; color: navy; font-weight: bold; background: white; "
        "border: 1px solid #9a9acd; border-radius: 3px; }"));
    return box;
}

void setShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets)
        w->setVisible(shown);
}

void keepSpace(std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
}

void tabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void warnWhenNoDate(DateEdit* edit, const QString& caption) {
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, caption] {
        const QString text = edit->text().trimmed();
        if (edit->isAcceptable()) {
            edit->setProperty("warnedText", QVariant());
            return;
        }
        // Once per text: the message box takes the focus, which finishes the editing again.
        if (edit->property("warnedText").toString() == text) return;
        edit->setProperty("warnedText", text);
        store::Messages::information(
            QStringLiteral("„%1“ ist kein gültiges Datum für „%2“.\nBitte geben Sie das "
                           "Datum in der Form TT.MM.JJJJ ein, zum Beispiel 24.12.1980.\n"
                           "Bis dahin bleibt die bisher gespeicherte Angabe erhalten.")
                .arg(text, caption));
    });
}

QWidget* pageContent(const QString& name) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    return page;
}

WrappedCheckBox::WrappedCheckBox(const QString& name, const QString& caption, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    m_box = checkBox(name, QString(), this);
    m_box->setAccessibleName(caption);
    m_caption = label(caption, this, name + QStringLiteral("Caption"));
    m_caption->setWordWrap(true);
    m_caption->installEventFilter(this);
    layout->addWidget(m_box, 0, Qt::AlignTop);
    layout->addWidget(m_caption, 1);
}

bool WrappedCheckBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_caption && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_box->isEnabled()) {
        m_box->setFocus(Qt::MouseFocusReason);
        m_box->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

namespace {
// A small table with a red cross over one row or over all of it: the two clear buttons.
QIcon clearIcon(bool wholeTable) {
    QPixmap pixmap(28, 28);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 110), 1));
    p.setBrush(QColor(250, 250, 255));
    p.drawRect(3, 3, 22, 22);
    for (int y = 9; y < 25; y += 5)
        p.drawLine(3, y, 25, y);
    p.drawLine(11, 3, 11, 25);
    const QRectF crossed = wholeTable ? QRectF(3, 3, 22, 22) : QRectF(3, 14, 22, 5);
    p.fillRect(crossed, QColor(255, 210, 210, 170));
    p.setPen(QPen(QColor(190, 0, 0), 2.4));
    const QRectF c = wholeTable ? QRectF(7, 7, 14, 14) : QRectF(9, 11.5, 10, 10);
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
    return QIcon(pixmap);
}
} // namespace

namespace {

QString plainCaption(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

bool isAnswer(const QString& caption)
{
    static const QRegularExpression answer(QStringLiteral("^(Ja|Nein)([ ,:].*)?$"));
    return answer.match(caption).hasMatch();
}

bool isInput(QWidget* w)
{
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || (qobject_cast<QTextEdit*>(w) && !qobject_cast<QTextBrowser*>(w)) ||
           qobject_cast<QAbstractItemView*>(w);
}

struct Namer {
    QLabel* label = nullptr; // the last label, while it names no control yet
    QString caption;         // the last caption: a label's or a box's
    QString question;        // the last label's
    QString group;           // the title of the group being walked

    void widget(QWidget* w)
    {
        if (!w)
            return;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            const QString text = plainCaption(l->text());
            if (!text.isEmpty()) {
                label = l->buddy() ? nullptr : l;
                caption = question = text;
            }
            return;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString text = plainCaption(button->text());
            if (button->accessibleName().isEmpty()) {
                if (!text.isEmpty() && isAnswer(text) && !question.isEmpty())
                    button->setAccessibleName(question + QStringLiteral(" – ") + text);
                else if (text.isEmpty() && !caption.isEmpty())
                    button->setAccessibleName(caption);
            }
            if (!text.isEmpty())
                caption = text;
            return;
        }
        if (isInput(w)) {
            if (w->accessibleName().isEmpty()) {
                const QString name = !caption.isEmpty() ? caption : group;
                if (label) {
                    label->setBuddy(w);
                    label = nullptr;
                }
                if (!name.isEmpty())
                    w->setAccessibleName(name);
            }
            return;
        }
        auto* box = qobject_cast<QGroupBox*>(w);
        const QString outer = group;
        if (box && !box->title().isEmpty()) {
            group = plainCaption(box->title());
            caption = question = group;
            label = nullptr;
        }
        if (w->layout())
            layout(w->layout());
        group = outer;
    }

    void layout(QLayout* l)
    {
        QVector<std::pair<std::pair<int, int>, QLayoutItem*>> items;
        auto* grid = qobject_cast<QGridLayout*>(l);
        for (int i = 0; i < l->count(); ++i) {
            int row = i, column = 0, rows = 0, columns = 0;
            if (grid)
                grid->getItemPosition(i, &row, &column, &rows, &columns);
            items.append({{row, column}, l->itemAt(i)});
        }
        // A grid is read row by row, left to right.
        std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& item : items) {
            if (QWidget* w = item.second->widget())
                widget(w);
            else if (QLayout* inner = item.second->layout())
                layout(inner);
        }
    }
};

} // namespace

void nameInputs(QWidget* page)
{
    if (!page || !page->layout())
        return;
    Namer namer;
    namer.layout(page->layout());
}

QToolButton* clearButton(bool wholeTable, const QString& name, const QString& hint, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(clearIcon(wholeTable));
    b->setIconSize(QSize(28, 28));
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace forms
