#include "UnfallVerfahren.h"

#include "PageBuilder.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace accident;

namespace {
struct MemoField {
    const char* column;
    const char* caption;
};
const MemoField kMemos[] = {
    {"UNF_VERLETZUNG", "Welche Verletzungen hat der Geschädigte erliiten?"},
    {"UNF_BEHANDLUNG",
     "Von welchen Stellen ist der Geschädigte untersucht, behandelt oder ist ein Gutachten erstellt worden?"},
    {"UNF_POLICE_ADDRESS", "Welche Polizeibehörde hat den Unfall aufgenommen (Bezeichnung, Anschrift)"},
};
} // namespace

TUnfallVerfahrenDlg::TUnfallVerfahrenDlg(QWidget* parent)
    : UnfallDetailDialog(QStringLiteral("TUnfallVerfahrenDlg"), QStringLiteral("Verfahren"),
                         QStringLiteral("Unfallverfahren von "), parent) {
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const MemoField& m : kMemos) {
        auto* caption = forms::question(QString::fromUtf8(m.caption), holder);
        QPlainTextEdit* edit = memo(QString::fromUtf8(m.column), holder);
        caption->setBuddy(edit);
        layout->addWidget(caption);
        layout->addWidget(edit);
        m_columns.memo(edit, QString::fromUtf8(m.column));
    }

    QGroupBox* group = forms::groupBox(QStringLiteral("ProceedingsGroup"), QString(), holder);
    auto* grid = new QGridLayout(group);
    auto* question = forms::question(
        QStringLiteral("Ist oder war gegen den Verursacher ein Straf- oder Ermittlungsverfahren anhängig?"), group);
    grid->addWidget(question, 0, 0, 1, 2);
    auto* boxes = new QHBoxLayout;
    QCheckBox* no = forms::checkBox(QStringLiteral("UNF_VERF_NO"), QStringLiteral("Nein"), group);
    QCheckBox* yes = forms::checkBox(QStringLiteral("UNF_VERF_YES"), QStringLiteral("Ja:"), group);
    for (QCheckBox* b : {no, yes})
        b->setAccessibleDescription(question->text());
    boxes->addWidget(no);
    boxes->addWidget(yes);
    boxes->addStretch(1);
    grid->addLayout(boxes, 1, 0, 1, 2);
    m_proceedings = new YesNoPair(yes, no, YesNoPair::Exclusive, this);

    QLineEdit* court = forms::lineEdit(QStringLiteral("UNF_VERF_GERICHT"), group);
    QLineEdit* number = forms::lineEdit(QStringLiteral("UNF_VERF_AZ"), group);
    QPlainTextEdit* result = memo(QStringLiteral("UNF_VERF_ERGEBNIS"), group);
    m_proceedingFields << addField(grid, QStringLiteral("Gericht/Staatsanw."), court) << court
                       << addField(grid, QStringLiteral("Aktenzeichen"), number) << number
                       << addField(grid, QStringLiteral("Ergebnis"), result) << result;
    layout->addWidget(group);
    layout->addStretch(1);
    body()->addWidget(holder);

    m_columns.custom(
                 QStringLiteral("UNF_VERF_NO"), [this] { return m_proceedings->no(); },
                 [](const store::Rows&) {})
        .custom(
            QStringLiteral("UNF_VERF_YES"), [this] { return m_proceedings->yes(); },
            [this](const store::Rows& row) {
                const bool stored = row.flag(QStringLiteral("UNF_VERF_YES"));
                const bool storedNo = row.flag(QStringLiteral("UNF_VERF_NO"));
                if (stored || storedNo)
                    m_proceedings->set(stored, storedNo);
                else
                    m_proceedings->set(false, true);
            })
        .text(court, QStringLiteral("UNF_VERF_GERICHT"))
        .text(number, QStringLiteral("UNF_VERF_AZ"))
        .memo(result, QStringLiteral("UNF_VERF_ERGEBNIS"));

    m_proceedings->onChange([this](bool yes) { proceedingsChange(yes); });
    resize(620, 640);
}

void TUnfallVerfahrenDlg::proceedingsChange(bool yes) {
    for (QWidget* w : m_proceedingFields)
        w->setVisible(yes);
}

void TUnfallVerfahrenDlg::reset() {
    for (QPlainTextEdit* m : findChildren<QPlainTextEdit*>())
        m->clear();
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
    m_proceedings->set(false, true);
}

void TUnfallVerfahrenDlg::load() {
    store::Rows row = accidentRow();
    if (row.next()) m_columns.load(row);
}

bool TUnfallVerfahrenDlg::write() {
    return m_columns.update(QStringLiteral("UNFMAIN"), QStringLiteral("UNF_INDEX_PERSON"), person());
}
