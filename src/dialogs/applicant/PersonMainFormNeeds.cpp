#include "PersonMainForm.h"
#include "PersonMainFormPages.h"
#include "Sql.h"
#include "WriteGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace personform;

NeedsPage::NeedsPage(TPersonMainFormDlg* dialog)
    : QObject(dialog)
    , m_dialog(dialog) {}

QWidget* NeedsPage::create() {
    QWidget* page = pageContent(QStringLiteral("NeedsPage"));
    QGroupBox* box = groupBox(QStringLiteral("NeedsGroup"), QStringLiteral("Mehrbedarfe"), page);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(10);
    layout->addWidget(
        question(QStringLiteral("Um einen eventuellen Mehrbedarf zu ermitteln, beantworten Sie bitte "
                                "foigende Fragen:"),
                 box));

    m_pregnant = checkBox(QStringLiteral("PregnantBox"), QStringLiteral("Person ist Schwanger"), box);
    m_delivery = lineEdit(QStringLiteral("DeliveryEdit"), box, 160);
    auto* pregnancy = new QHBoxLayout;
    pregnancy->setSpacing(12);
    pregnancy->addWidget(m_pregnant);
    pregnancy->addSpacing(24);
    pregnancy->addWidget(label(QStringLiteral("voraussichtlicher Entbindungstermin"), box));
    pregnancy->addWidget(m_delivery);
    pregnancy->addStretch(1);
    layout->addLayout(pregnancy);

    m_alone = checkBox(QStringLiteral("SingleParentBox"), QStringLiteral("Person ist allein erziehend"), box);
    layout->addWidget(m_alone);
    const auto wrapped = [&](const QString& name, const QString& caption) {
        auto* w = new WrappedCheckBox(name, caption, box);
        layout->addWidget(w);
        return w->box();
    };
    m_disabled =
        wrapped(QStringLiteral("DisabledBox"),
                QStringLiteral("Person gehört zu dem Personenkreis der behinderten Menschen UND erhält "
                               "Leistungen zur Teilnahme am Arbeitsleben nach §33 Neuestes Buch zum "
                               "Sozialgesetzbuch (SGB IX) oder Eingliederungshilfen nach §45 Abs. 1 Satz 1 "
                               "bis 3 Zwöftes Buch zum Sozialgesetz."));
    m_food =
        wrapped(QStringLiteral("CostlyFoodBox"),
                QStringLiteral("Person benötigt aus medizinischen Gründen eine kostenaufwändige Ernährung."));
    m_noWork = wrapped(QStringLiteral("NoWorkGBox"),
                       QStringLiteral("Person ist nicht erwerbsfähig und Inhaber eines "
                                      "Ausweises nach § 69 Abs. 5 SGB IX mit "
                                      "Merkkennzeichen G."));
    static_cast<QVBoxLayout*>(page->layout())->addWidget(box);
    static_cast<QVBoxLayout*>(page->layout())->addStretch(1);

    // No pregnancy, no delivery date.
    connect(m_pregnant, &QCheckBox::toggled, this, [this](bool pregnant) {
        if (!pregnant) m_delivery->clear();
    });

    const auto key = [d = m_dialog] { return d->currentPerson(); };
    (new WriteGroup(QStringLiteral("MOREPOWER"), QStringLiteral("MOP_INDEX_PERSON"), key, this))
        ->flag(m_pregnant, QStringLiteral("MOP_PREGNANT_YES"))
        .flag(m_alone, QStringLiteral("MOP_ALONE_YES"))
        .flag(m_disabled, QStringLiteral("MOP_BEHINDERT"))
        .flag(m_food, QStringLiteral("MOP_MORE_FOOT"))
        .flag(m_noWork, QStringLiteral("MMOP_NOWORK_YES"))
        .value(QStringLiteral("MOP_PREGNANT_UNTIL"),
               [this] { return store::textValue(m_pregnant->isChecked() ? m_delivery->text() : QString()); });
    (new WriteGroup(QStringLiteral("MOREPOWER"), QStringLiteral("MOP_INDEX_PERSON"), key, this))
        ->text(m_delivery, QStringLiteral("MOP_PREGNANT_UNTIL"));
    return page;
}

void NeedsPage::reset() {
    for (QCheckBox* b : {m_pregnant, m_alone, m_disabled, m_food, m_noWork})
        b->setChecked(false);
    m_delivery->clear();
}

void NeedsPage::load(const store::Rows& row) {
    reset();
    m_pregnant->setChecked(row.flag(QStringLiteral("MOP_PREGNANT_YES")));
    m_alone->setChecked(row.flag(QStringLiteral("MOP_ALONE_YES")));
    m_disabled->setChecked(row.flag(QStringLiteral("MOP_BEHINDERT")));
    m_food->setChecked(row.flag(QStringLiteral("MOP_MORE_FOOT")));
    m_noWork->setChecked(row.flag(QStringLiteral("MMOP_NOWORK_YES")));
    m_delivery->setText(row.text(QStringLiteral("MOP_PREGNANT_UNTIL")));
}
