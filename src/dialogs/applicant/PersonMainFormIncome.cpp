#include "PersonMainFormIncome.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

// Placeholder until the income pages are built: the persons dialog already shows and chains them.
PersonIncomePages::PersonIncomePages(TPersonMainFormDlg* dialog)
    : m_dialog(dialog)
{
}

PersonIncomePages::~PersonIncomePages() = default;

QWidget* PersonIncomePages::createPage(int page)
{
    auto* widget = new QWidget;
    widget->setObjectName(QStringLiteral("IncomePage%1").arg(page));
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(new QLabel(QStringLiteral("Diese Seite entfällt vorerst."), widget));
    layout->addStretch();
    return widget;
}

void PersonIncomePages::loadPage(int, const QString&) {}
