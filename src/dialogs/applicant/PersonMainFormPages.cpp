#include "PersonMainFormPages.h"

#include "Editors.h"
#include "Messages.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace personform {

ExemptionRows exemptionRows(int page, QWidget* parent) {
    ExemptionRows rows;
    rows.widget = new QWidget(parent);
    rows.widget->setObjectName(QStringLiteral("ExemptionRows%1").arg(page));
    auto* grid = new QGridLayout(rows.widget);
    grid->setContentsMargins(24, 2, 0, 2);
    grid->setHorizontalSpacing(18);
    rows.subsidyCaption =
        label(QStringLiteral("Wegen Befreiung von der Versicherungspflicht beantrage ich einen "
                             "Zuschuss zu den Beiträgen:"),
              rows.widget, QStringLiteral("SubsidyCaption%1").arg(page));
    rows.noticeCaption =
        label(QStringLiteral("Die Bescheide über die Befreiung von der Versicherungspflicht und den "
                             "aktuellen Bescheid über die Höhe des monaltichen Beitrages lege ich "
                             "bei für:"),
              rows.widget, QStringLiteral("NoticeCaption%1").arg(page));
    rows.subsidyCaption->setWordWrap(true);
    rows.noticeCaption->setWordWrap(true);
    const QString captions[] = {QStringLiteral("Krankenversicherung"), QStringLiteral("Pflegeversicherung"),
                                QStringLiteral("Rentenversicherung")};
    const QString kinds[] = {QStringLiteral("Kv"), QStringLiteral("Pv"), QStringLiteral("Rv")};
    grid->addWidget(rows.subsidyCaption, 0, 0, 1, 4);
    for (int i = 0; i < 3; ++i) {
        QCheckBox* box =
            checkBox(QStringLiteral("Subsidy%1%2").arg(kinds[i]).arg(page), captions[i], rows.widget);
        grid->addWidget(box, 1, i);
        rows.boxes << box;
    }
    grid->addWidget(rows.noticeCaption, 2, 0, 1, 4);
    for (int i = 0; i < 3; ++i) {
        QCheckBox* box =
            checkBox(QStringLiteral("Notice%1%2").arg(kinds[i]).arg(page), captions[i], rows.widget);
        grid->addWidget(box, 3, i);
        rows.boxes << box;
    }
    grid->setColumnStretch(3, 1);
    return rows;
}

} // namespace personform
