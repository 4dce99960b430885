// Every page of the assets dialog fits the MDI area of a 1024x768 main window without a horizontal
// scroll bar, with its captions whole. With VELMORA_SCREENSHOTS=<folder> the pages are also saved as
// PNG files to look at.

#include "FixedGrid.h"
#include "ServerObjects.h"
#include "Sql.h"
#include "TestHome.h"
#include "VermoegenMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QtTest>

class TestVermoegenLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesFitTheWindow_data();
    void pagesFitTheWindow();
    void cleanupTestCase();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<TVermoegenMainDlg> m_dialog;
};

void TestVermoegenLayout::initTestCase() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->ok());
    m_messages = std::make_unique<ScriptedMessages>();
    const QString app = createTestApplication(QStringLiteral("Familie Müller"));
    QVERIFY(store::execute("UPDATE PERSON SET PRS_NAME='Müller ', PRS_VNAME='Jürgen ' WHERE PRS_IDENT=?", {app}));
    // Every list shown, with an entry, so that the pages look as they do in use.
    QVERIFY(store::execute("UPDATE VERMAIN SET VEM_FREE_YES=1, VEM_GIRO_YES=1, VEM_BAR_YES=1, VEM_AKT_YES=1, "
                           "VEM_KLV_YES=1, VEM_BSP_YES=1, VEM_RV_FREE_YES=1, VEM_RV_FREE_ISRENTE='Ja ', "
                           "VEM_BBG_YES=1, VEM_UBB_YES=1, VEM_KFZ_YES=1, VEM_ALG_YES=1"));
    QVERIFY(store::execute("INSERT INTO VERGIRO VALUES ('G1', ?, 'Müller, Jürgen ', 'Sparkasse Musterstadt ', "
                           "'12345678 ', '0123456789 ', 1234.56, 0)",
                           {app}));
    m_dialog = std::make_unique<TVermoegenMainDlg>();
    // The MDI area of a 1024x768 main window, less its navigation bar and frames.
    m_dialog->resize(800, 620);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void TestVermoegenLayout::cleanupTestCase() {
    m_dialog.reset();
    m_messages.reset();
    m_home.reset();
}

void TestVermoegenLayout::pagesFitTheWindow_data() {
    QTest::addColumn<int>("page");
    for (int page = 0; page < TVermoegenMainDlg::kPageCount; ++page)
        QTest::newRow(qPrintable(QStringLiteral("page %1").arg(page))) << page;
}

void TestVermoegenLayout::pagesFitTheWindow() {
    QFETCH(int, page);
    m_dialog->ShowPage(page);
    QApplication::processEvents();
    QWidget* content = m_dialog->pageWidget(page);
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        m_dialog->grab().save(QDir(folder).filePath(QStringLiteral("assets-page-%1.png").arg(page, 2, 10, QLatin1Char('0'))));
    }
    auto* scroll = qobject_cast<QScrollArea*>(content->parentWidget()->parentWidget());
    QVERIFY(scroll);
    QVERIFY2(!scroll->horizontalScrollBar()->isVisible(), "horizontal scroll bar");
    // Captions are whole: a wrapping question gets the height it needs.
    for (QLabel* label : content->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        if (!label->wordWrap())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        else
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
    }
    // A list's columns share the width: nothing of them lies beyond the visible part.
    for (FixedGrid* grid : content->findChildren<FixedGrid*>()) {
        if (!grid->isVisible())
            continue;
        QVERIFY2(!grid->horizontalScrollBar()->isVisible() &&
                     grid->horizontalHeader()->length() <= grid->viewport()->width(),
                 qPrintable(QStringLiteral("%1: %2 of %3").arg(grid->objectName()).arg(grid->horizontalHeader()->length()).arg(grid->viewport()->width())));
    }
}

QTEST_MAIN(TestVermoegenLayout)
#include "tst_vermoegen_layout.moc"
