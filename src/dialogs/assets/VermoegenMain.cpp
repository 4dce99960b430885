#include "VermoegenMain.h"
#include "VermoegenMainPages.h"

#include "FixedGrid.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "WriteGroup.h"
#include "YesNoPair.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QSpinBox>

using assets::assetPages;

TVermoegenMainDlg::TVermoegenMainDlg(QWidget* parent)
    : DataDialog(kPanel, QStringLiteral("TVermoegenMainDlg"), parent) {
    m_answers.resize(kPageCount);
    m_grids.resize(kPageCount);
    m_gridPanels.resize(kPageCount);
    for (int page = 0; page < kPageCount; ++page) {
        const assets::AssetPage& p = assetPages().at(page);
        Page entry;
        entry.title = p.title;
        entry.help = 11 + page;
        if (page == kFreePage) {
            entry.content = createFreePage();
            entry.load = [this] { loadFreePage(); };
        } else if (page == kPensionPage) {
            entry.content = createPensionPage();
            entry.load = [this] { loadPensionPage(); };
        } else {
            entry.content = createAssetPage(page);
            entry.load = [this, page] { loadAssetPage(page); };
        }
        addPage(entry);
    }
    // The header keeps the longest word of any title whole ("Kapitallebensversicherungen").
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setItalic(true);
    titleFont.setPixelSize(19);
    const QFontMetrics metrics(titleFont);
    int widest = Label1->minimumWidth();
    for (const assets::AssetPage& p : assetPages())
        for (const QString& word : p.title.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = qMax(widest, metrics.horizontalAdvance(word) + 8);
    Label1->setMinimumWidth(widest);
    setupAnswerGroup();
    resetAnswersSilently();
}

void TVermoegenMainDlg::setupAnswerGroup() {
    // One statement for all thirty boxes, whichever was clicked, in the stored order of VERMAIN.
    m_answerGroup =
        new WriteGroup(QStringLiteral("VERMAIN"), QStringLiteral("VEM_INDEX_MAINHEADER"), assets::applicationKey, this);
    m_answerGroup->before([this] {
        if (assets::applicationKey().isEmpty())
            return false;
        if (m_answersFor == assets::applicationKey())
            return true;
        // The boxes still show another application's answers: show this one's, and write nothing.
        loadPage(currentPage());
        return false;
    });
    for (int page = 0; page < kPageCount; ++page) {
        const QString stem = QStringLiteral("VEM_%1_").arg(assetPages().at(page).answer);
        m_answerGroup->pair(m_answers.at(page), stem + QStringLiteral("YES"), stem + QStringLiteral("NO"));
        if (page == kPensionPage) {
            m_answerGroup->pair(m_rvRente, QString(), QString())
                .value(QStringLiteral("VEM_RV_FREE_ISRENTE"),
                       [this] { return m_rvRente->yes() ? QStringLiteral("Ja") : QStringLiteral(" "); })
                // From the stored list, which is what the print shows, not from a list on screen
                // that may belong to another moment or was never loaded.
                .value(QStringLiteral("VEM_RV_FREE_OWNER"), [] { return storedPensionOwners(assets::applicationKey()); })
                .pair(m_rvTax, QStringLiteral("VEM_RV_TAXFREE_YES"), QStringLiteral("VEM_RV_TAXFREE_NO"));
        }
    }
    connect(m_answers.at(kAlgPage)->noBox(), &QCheckBox::clicked, this, [this] { AlgNoClick(); });
}

void TVermoegenMainDlg::ensureAnswers() {
    if (m_answersFor == assets::applicationKey())
        return;
    resetAnswersSilently();
    readAnswers();
}

void TVermoegenMainDlg::resetAnswersSilently() {
    // The starting state, set without any rule: every question "Nein", every list hidden.
    QVector<QCheckBox*> boxes;
    for (YesNoPair* pair : m_answers)
        boxes << pair->yesBox() << pair->noBox();
    boxes << m_rvRente->yesBox() << m_rvRente->noBox() << m_rvTax->yesBox() << m_rvTax->noBox();
    for (QCheckBox* box : boxes) {
        const QSignalBlocker block(box);
        box->setChecked(box->text() == QLatin1String("Nein"));
    }
    for (QWidget* panel : m_gridPanels)
        if (panel)
            panel->hide();
    m_freePanel->hide();
    m_rvRentePanel->hide();
    m_rvPersonGrid->hide();
}

void TVermoegenMainDlg::readAnswers() {
    const QString application = assets::applicationKey();
    m_answersFor = application;
    store::Rows row = store::select(QStringLiteral("SELECT * FROM VERMAIN WHERE VEM_INDEX_MAINHEADER=?"), {application});
    const bool found = row.next();
    auto flag = [&](const QString& column) { return found && row.flag(column); };
    for (int page = 0; page < kPageCount; ++page) {
        const assets::AssetPage& p = assetPages().at(page);
        YesNoPair* pair = m_answers.at(page);
        // "Ja" first, then "Nein", each with its rule: a stored both-true reads as "Nein". The rules
        // of this order only show and hide; whatever deletes runs on a user's click alone.
        pair->yesBox()->setChecked(flag(QStringLiteral("VEM_%1_YES").arg(p.answer)));
        pair->noBox()->setChecked(flag(QStringLiteral("VEM_%1_NO").arg(p.answer)));
        if (!pair->yes() && !pair->no())
            (p.defaultYes ? pair->yesBox() : pair->noBox())->setChecked(true);
        if (page == kPensionPage) {
            const bool rente = found && row.text(QStringLiteral("VEM_RV_FREE_ISRENTE")) == QLatin1String("Ja");
            (rente ? m_rvRente->yesBox() : m_rvRente->noBox())->setChecked(true);
            m_rvTax->yesBox()->setChecked(flag(QStringLiteral("VEM_RV_TAXFREE_YES")));
            m_rvTax->noBox()->setChecked(flag(QStringLiteral("VEM_RV_TAXFREE_NO")));
        }
    }
    {
        const QSignalBlocker block(m_freeJoint);
        m_freeJoint->setValue(found ? row.integer(QStringLiteral("VEM_FREE_ALL")) : 0);
    }
}
