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
    if (m_rule)
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
    QCheckBox* checked = yes ? m_yes : (no ? m_no : nullptr);
    if (!checked) {
        m_yes->setChecked(false);
        m_no->setChecked(false);
        return;
    }
    if (checked->isChecked())
        runRule(yes); // no change, so no handler ran: loading still brings the dependents in step
    else
        checked->setChecked(true);
}
