#include "PersonMainFormIncome.h"

#include "PersonMainFormIncomePages.h"
#include "PersonMainFormPages.h"

PersonIncomePages::PersonIncomePages(TPersonMainFormDlg* dialog)
    : m_dialog(dialog) {}

PersonIncomePages::~PersonIncomePages() = default;

QWidget* PersonIncomePages::createPage(int page) {
    switch (page) {
    case 5: {
        QWidget* content = personform::pageContent(QStringLiteral("IncomeBasicsPage"));
        m_basics = new IncomeBasicsPage(m_dialog, content);
        m_basics->build();
        return content;
    }
    case 6: {
        QWidget* content = personform::pageContent(QStringLiteral("SelfEmploymentPage"));
        m_self = new SelfEmploymentPage(m_dialog, content);
        m_self->build();
        return content;
    }
    case 7: {
        QWidget* content = personform::pageContent(QStringLiteral("EmploymentPage"));
        m_employment = new EmploymentPage(m_dialog, content);
        m_employment->build();
        return content;
    }
    default:
        return personform::pageContent(QStringLiteral("IncomePage%1").arg(page));
    }
}

void PersonIncomePages::loadPage(int page, const QString& person) {
    // Pages 6 and 7 apply only while their box on page 5 is ticked, so page 5 is loaded first.
    switch (page) {
    case 5:
        if (m_basics) m_basics->load(person);
        break;
    case 6:
        if (m_self) m_self->load(person, m_basics && m_basics->selfEmployed());
        break;
    case 7:
        if (m_employment) m_employment->load(person, m_basics && m_basics->employed());
        break;
    default:
        break;
    }
}
