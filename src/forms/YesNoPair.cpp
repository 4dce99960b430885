#include "YesNoPair.h"

YesNoPair::YesNoPair(QCheckBox* yes, QCheckBox* no, Form form, QObject* parent)
    : QObject(parent ? parent : yes), m_yes(yes), m_no(no), m_form(form)
{
    // The boxes behave as one radio pair of our own making: Qt's auto-exclusive radios could not
    // leave the question unanswered.
    m_yes->setAutoExclusive(false);
    m_no->setAutoExclusive(false);
    if (form == Complementary) {
        connect(m_yes, &QCheckBox::toggled, this, [this](bool checked) {
            m_no->setChecked(!checked);
            runRule(checked);
        });
        connect(m_no, &QCheckBox::toggled, this, [this](bool checked) {
            if (m_yes->isChecked() == !checked)
                runRule(m_yes->isChecked()); // "Ja" did not change, so its handler did not run
            else
                m_yes->setChecked(!checked);
        });
    } else {
        connect(m_yes, &QCheckBox::toggled, this, [this](bool checked) {
            if (!checked)
                return;
            m_no->setChecked(false);
            runRule(true);
        });
        connect(m_no, &QCheckBox::toggled, this, [this](bool checked) {
            if (!checked)
                return;
            m_yes->setChecked(false);
            runRule(false);
        });
    }
    connect(m_yes, &QCheckBox::clicked, this, &YesNoPair::clicked);
    connect(m_no, &QCheckBox::clicked, this, &YesNoPair::clicked);
}

void YesNoPair::runRule(bool yes)
{
    if (m_rule && !m_silent)
        m_rule(yes);
}

void YesNoPair::setYes(bool yes)
{
    if (m_yes->isChecked() == yes && m_no->isChecked() == !yes) {
        runRule(yes); // loading always brings the dependent controls in step
        return;
    }
    m_yes->setChecked(yes);
    m_no->setChecked(!yes);
}

void YesNoPair::set(bool yes, bool no)
{
    if (m_form == Complementary) {
        setYes(yes);
        return;
    }
    if (!yes && !no) {
        m_yes->setChecked(false);
        m_no->setChecked(false);
        return;
    }
    // In the order of the stored columns: "Ja" first, then "Nein".
    for (QCheckBox* box : {yes ? m_yes : nullptr, no ? m_no : nullptr}) {
        if (!box)
            continue;
        if (box->isChecked() && !(box == m_yes ? m_no : m_yes)->isChecked())
            runRule(box == m_yes); // no change, so no handler ran: loading still brings the dependents in step
        else
            box->setChecked(true);
    }
}

void YesNoPair::setSilently(bool yes, bool no)
{
    m_silent = true;
    if (m_form == Complementary)
        setYes(yes);
    else {
        m_yes->setChecked(yes && !no);
        m_no->setChecked(no);
    }
    m_silent = false;
}

ExclusiveGroup::ExclusiveGroup(const QVector<QCheckBox*>& boxes, QObject* parent)
    : QObject(parent ? parent : boxes.value(0)), m_boxes(boxes)
{
    for (int i = 0; i < m_boxes.size(); ++i) {
        QCheckBox* box = m_boxes.at(i);
        box->setAutoExclusive(false);
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
            if (on)
                for (QCheckBox* other : m_boxes)
                    if (other != box)
                        other->setChecked(false);
            // Unchecking the box that another one replaces is no change of the answer.
            if (on || checked() < 0)
                runRule();
        });
        connect(box, &QCheckBox::clicked, this, [this, i] { emit clicked(i); });
    }
}

int ExclusiveGroup::checked() const
{
    for (int i = 0; i < m_boxes.size(); ++i)
        if (m_boxes.at(i)->isChecked())
            return i;
    return -1;
}

void ExclusiveGroup::runRule()
{
    if (m_rule && !m_silent)
        m_rule(checked());
}

void ExclusiveGroup::set(int index)
{
    if (index == checked()) {
        runRule();
        return;
    }
    if (index < 0 || index >= m_boxes.size()) {
        for (QCheckBox* box : m_boxes)
            box->setChecked(false);
        return;
    }
    m_boxes.at(index)->setChecked(true);
}

void ExclusiveGroup::setSilently(int index)
{
    m_silent = true;
    set(index);
    m_silent = false;
}
