#include "DataDialog.h"
#include "Editors.h"
#include "PersonMainForm.h"
#include "PersonMainFormIncomePages.h"
#include "PersonMainFormPages.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace personform;

namespace {

const QString kTable = QStringLiteral("SELFMONEY");
const QString kPrefix = QStringLiteral("SEM");
} // namespace

SelfEmploymentPage::SelfEmploymentPage(TPersonMainFormDlg* dialog, QWidget* content)
    : QObject(content)
    , m_dialog(dialog)
    , m_content(content) {}

void SelfEmploymentPage::build() {
    auto* layout = static_cast<QVBoxLayout*>(m_content->layout());
    m_note = income::notApplicableNote(QStringLiteral("SelfNotApplicableLabel"), m_content);
    layout->addWidget(m_note);
    m_controls = new QWidget(m_content);
    m_controls->setObjectName(QStringLiteral("SelfControls"));
    auto* controls = new QVBoxLayout(m_controls);
    controls->setContentsMargins(0, 0, 0, 0);
    controls->setSpacing(12);
    layout->addWidget(m_controls);
    layout->addStretch(1);

    QGroupBox* expected =
        groupBox(QStringLiteral("SelfExpectedGroup"),
                 QStringLiteral("Voraussichtliches Einkommen aus selbständiger Tätigkeit"), m_controls);
    auto* grid = new QGridLayout(expected);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);
    m_kindBox = checkBox(QStringLiteral("SelfKindBox"), QStringLiteral("Art der Selbständigkeit"), expected);
    m_kind = lineEdit(QStringLiteral("SelfKindEdit"), expected, 360);
    grid->addWidget(m_kindBox, 0, 0);
    auto* kindLine = new QHBoxLayout;
    kindLine->addWidget(m_kind);
    kindLine->addStretch(1);
    grid->addLayout(kindLine, 0, 1);

    m_inputBox = checkBox(QStringLiteral("SelfInputBox"),
                          QStringLiteral("Voraussichtliche Betriebseinnahmen "), expected);
    m_from = dateEdit(QStringLiteral("SelfInputFromEdit"), expected);
    m_until = dateEdit(QStringLiteral("SelfInputUntilEdit"), expected);
    warnWhenNoDate(m_from, QStringLiteral("von"));
    warnWhenNoDate(m_until, QStringLiteral("bis"));
    m_input = income::moneyEdit(QStringLiteral("SelfInputAmountEdit"),
                                QStringLiteral("Voraussichtliche Betriebseinnahmen"), expected);
    grid->addWidget(m_inputBox, 1, 0);
    auto* inputLine = new QHBoxLayout;
    inputLine->setSpacing(8);
    for (QWidget* w : std::initializer_list<QWidget*>{label(QStringLiteral("von"), expected), m_from,
                                                      label(QStringLiteral("bis"), expected), m_until})
        inputLine->addWidget(w);
    inputLine->addSpacing(16);
    inputLine->addWidget(label(QStringLiteral("Höhe"), expected));
    inputLine->addWidget(m_input);
    inputLine->addWidget(label(QStringLiteral("Monatlich"), expected));
    inputLine->addStretch(1);
    grid->addLayout(inputLine, 1, 1);

    m_outputBox = checkBox(QStringLiteral("SelfOutputBox"),
                           QStringLiteral("Voraussichtliche Betriebsausgaben"), expected);
    m_output = income::moneyEdit(QStringLiteral("SelfOutputAmountEdit"),
                                 QStringLiteral("Voraussichtliche Betriebsausgaben"), expected);
    m_outputSign = lineEdit(QStringLiteral("SelfOutputSignEdit"), expected, 300);
    grid->addWidget(m_outputBox, 2, 0);
    auto* outputLine = new QHBoxLayout;
    outputLine->setSpacing(8);
    outputLine->addWidget(label(QStringLiteral("Höhe"), expected));
    outputLine->addWidget(m_output);
    outputLine->addWidget(label(QStringLiteral("Monatlich"), expected));
    outputLine->addSpacing(16);
    outputLine->addWidget(label(QStringLiteral("ggf. Erläuterung"), expected));
    outputLine->addWidget(m_outputSign, 1);
    grid->addLayout(outputLine, 2, 1);
    controls->addWidget(expected);

    QGroupBox* change =
        groupBox(QStringLiteral("SelfChangeGroup"), QStringLiteral("Gewinnentwicklung"), m_controls);
    auto* changeLayout = new QVBoxLayout(change);
    changeLayout->setSpacing(8);
    changeLayout->addWidget(
        question(QStringLiteral("Der Gewinn hat sich gegenüber den Vorjahren verändert?"), change));
    m_changeYes = checkBox(QStringLiteral("SelfChangeYesBox"), QStringLiteral("Ja, weil"), change);
    m_changeReason = lineEdit(QStringLiteral("SelfChangeReasonEdit"), change, 420);
    m_changeNo = checkBox(QStringLiteral("SelfChangeNoBox"), QStringLiteral("Nein"), change);
    m_change = new YesNoPair(m_changeYes, m_changeNo, YesNoPair::Complementary, this);
    auto* changeLine = new QHBoxLayout;
    changeLine->setSpacing(8);
    changeLine->addWidget(m_changeYes);
    changeLine->addWidget(m_changeReason, 1);
    changeLine->addSpacing(24);
    changeLine->addWidget(m_changeNo);
    changeLine->addStretch(1);
    changeLayout->addLayout(changeLine);
    controls->addWidget(change);

    QGroupBox* proof = groupBox(QStringLiteral("SelfProofGroup"), QStringLiteral("Nachweise"), m_controls);
    auto* proofLayout = new QVBoxLayout(proof);
    proofLayout->setSpacing(8);
    m_taxBox =
        checkBox(QStringLiteral("SelfTaxBox"),
                 QStringLiteral("Einkommensteuerbescheid / Einkommensteuererklärung aus dem Kalenerjahr "
                                "beigefügt"),
                 proof);
    m_taxYear = income::yearSpin(QStringLiteral("SelfTaxYearSpin"), proof);
    auto* taxLine = new QHBoxLayout;
    taxLine->addWidget(m_taxBox);
    taxLine->addWidget(m_taxYear);
    taxLine->addStretch(1);
    proofLayout->addLayout(taxLine);
    m_otherBox = checkBox(QStringLiteral("SelfOtherBox"),
                          QStringLiteral("sonstige geeignete Unterlage(n) ist/sind beigefügt"), proof);
    proofLayout->addWidget(m_otherBox);
    controls->addWidget(proof);

    declareWrites();
    {
        store::LoadScope resetting;
        reset();
    }
    m_controls->hide();
}

void SelfEmploymentPage::declareWrites() {
    const auto rowKey = [this] { return m_row; };
    const auto findRow = [this] {
        m_row = income::findOrCreateRow(kTable, kPrefix, m_dialog->currentPerson());
        return !m_row.isEmpty();
    };
    (new WriteGroup(kTable, QStringLiteral("SEM_IDENT"), rowKey, this))
        ->before(findRow)
        .flag(m_kindBox, QStringLiteral("SEM_YES"))
        .flag(m_inputBox, QStringLiteral("SEM_INPUT_YES"))
        .flag(m_outputBox, QStringLiteral("SEM_OUTPUT_YES"))
        .flag(m_changeYes, QStringLiteral("SEM_CHANGE_YES"))
        .flag(m_changeNo, QStringLiteral("SEM_CHANGE_NO"))
        .flag(m_taxBox, QStringLiteral("SEM_FROM_TAX_YES"))
        .flag(m_otherBox, QStringLiteral("SEM_FORM_OTHER_YES"));

    const auto dateValue = [this](DateEdit* edit, const QString& column) {
        return income::dateFieldValue(edit, kTable, QStringLiteral("SEM_IDENT"), m_row, column);
    };
    m_values = new WriteGroup(kTable, QStringLiteral("SEM_IDENT"), rowKey, this);
    m_values->before(findRow)
        .text(m_kind, QStringLiteral("SEM_SIGN"))
        .value(QStringLiteral("SEM_INPUT_FROM"),
               [this, dateValue] { return dateValue(m_from, QStringLiteral("SEM_INPUT_FROM")); })
        .value(QStringLiteral("SEM_INPUT_UNTIL"),
               [this, dateValue] { return dateValue(m_until, QStringLiteral("SEM_INPUT_UNTIL")); })
        .money(m_input, QStringLiteral("SEM_INPUT_BRUTTO"))
        .text(m_outputSign, QStringLiteral("SEM_OUTPUT_SIGN"))
        .money(m_output, QStringLiteral("SEM_OUTPUT_BRUTTO"))
        .text(m_changeReason, QStringLiteral("SEM_CHANGE_DESCRIP"))
        .value(QStringLiteral("SEM_FORM_TAX_YEAR"), [this] {
            return store::textValue(m_taxYear->value() == 0 ? QString()
                                                            : QString::number(m_taxYear->value()));
        });
    const auto writeValues = [this] {
        if (!store::isLoading()) m_values->write();
    };
    connect(m_from, &DateEdit::dateEdited, this, writeValues);
    connect(m_until, &DateEdit::dateEdited, this, writeValues);
    connect(m_taxYear, qOverload<int>(&QSpinBox::valueChanged), this, writeValues);
}

void SelfEmploymentPage::reset() {
    for (QCheckBox* b : {m_kindBox, m_inputBox, m_outputBox, m_taxBox, m_otherBox})
        b->setChecked(false);
    m_change->setYes(false);
    for (QLineEdit* e : {m_kind, m_outputSign, m_changeReason})
        e->clear();
    m_from->setDate({});
    m_until->setDate({});
    m_input->setValue(0);
    m_output->setValue(0);
    m_taxYear->setValue(0);
}

void SelfEmploymentPage::load(const QString& person, bool applies) {
    m_controls->setVisible(applies);
    m_note->setVisible(!applies);
    reset();
    m_row.clear();
    store::Rows row = store::select(
        QStringLiteral("SELECT * FROM SELFMONEY WHERE SEM_INDEX_MAINHEADER=? AND SEM_INDEX_PERSON=?"),
        {MainObject ? MainObject->AntragIdent : QString(), person});
    if (!row.next()) return;
    m_kindBox->setChecked(row.flag(QStringLiteral("SEM_YES")));
    m_inputBox->setChecked(row.flag(QStringLiteral("SEM_INPUT_YES")));
    m_outputBox->setChecked(row.flag(QStringLiteral("SEM_OUTPUT_YES")));
    // "Nein" is set first, then "Ja, weil": the stored "Ja, weil" decides.
    m_change->setYes(row.flag(QStringLiteral("SEM_CHANGE_YES")));
    m_taxBox->setChecked(row.flag(QStringLiteral("SEM_FROM_TAX_YES")));
    m_otherBox->setChecked(row.flag(QStringLiteral("SEM_FORM_OTHER_YES")));
    m_kind->setText(row.text(QStringLiteral("SEM_SIGN")));
    m_from->setDate(income::readDateText(row.text(QStringLiteral("SEM_INPUT_FROM"))));
    m_until->setDate(income::readDateText(row.text(QStringLiteral("SEM_INPUT_UNTIL"))));
    m_input->setValue(row.amount(QStringLiteral("SEM_INPUT_BRUTTO")));
    m_output->setValue(row.amount(QStringLiteral("SEM_OUTPUT_BRUTTO")));
    m_outputSign->setText(row.text(QStringLiteral("SEM_OUTPUT_SIGN")));
    m_changeReason->setText(row.text(QStringLiteral("SEM_CHANGE_DESCRIP")));
    // No year, a blank and a text that is no year all show as no year.
    bool ok = false;
    const int y = row.text(QStringLiteral("SEM_FORM_TAX_YEAR")).toInt(&ok);
    m_taxYear->setValue(ok ? y : 0);
}
