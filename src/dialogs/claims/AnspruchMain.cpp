#include "AnspruchMain.h"

#include "FixedGrid.h"
#include "KeyedGrid.h"
#include "ServerObjects.h"
#include "Sql.h"

#if __has_include("AnspruchMainAccident.h")
#include "AnspruchMainAccident.h"
#define VELMORA_ACCIDENT_PAGE
#endif

namespace {

constexpr int kMaintenancePage = 0;
constexpr int kEmployerPage = 1;
[[maybe_unused]] constexpr int kAccidentPage = 2;

} // namespace

const QString TAnspruchMainDlg::kUnbornChild = QStringLiteral("{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");

TAnspruchMainDlg::TAnspruchMainDlg(QWidget* parent)
    : DataDialog(3, QStringLiteral("AnspruchMainDlg"), parent)
{
    addPage({QStringLiteral("Ansprüche - gegen Dritte"), 24, createMaintenancePage(),
             [this] { loadMaintenancePage(); }});
    addPage({QStringLiteral("Ansprüche - gegen Arbeitgeber, Sozialdienste"), 25, createEmployerPage(),
             [this] { loadEmployerPage(); }});
#ifdef VELMORA_ACCIDENT_PAGE
    m_accidentPage = new AnspruchAccidentPage(this);
    AnspruchAccidentPage* page = m_accidentPage;
    addPage({AnspruchAccidentPage::title(), AnspruchAccidentPage::kHelp, page->content(), [page] { page->load(); }});
#endif
}

void TAnspruchMainDlg::savePage(bool report)
{
    const store::OnError onError = report ? store::OnError::Report : store::OnError::Ignore;
    switch (currentPage()) {
    case kMaintenancePage:
        if (m_maintenanceLoaded)
            saveMaintenanceGrids(onError);
        break;
    case kEmployerPage:
        if (m_employerLoaded)
            saveGrids(report ? SaveMode::Report : SaveMode::Silent);
        break;
#ifdef VELMORA_ACCIDENT_PAGE
    case kAccidentPage:
        m_accidentPage->leave();
        break;
#endif
    default:
        break;
    }
}

void TAnspruchMainDlg::leavePage() { savePage(true); }

void TAnspruchMainDlg::deactivate() { savePage(false); }
