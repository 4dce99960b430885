#include "TestHome.h"

#include "Application.h"
#include "ProgramFolder.h"
#include "ServerObjects.h"
#include "Sql.h"

#include <QDir>
#include <QDirIterator>
#include <QtTest>

#include <sys/types.h>
#include <unistd.h>

namespace {
// A message box that no test expected must not wait for a click that never comes.
store::Answer unexpectedMessage(const store::Message& m)
{
    qWarning("unexpected message box: %s", qPrintable(m.text));
    return store::Answer::Cancel;
}
} // namespace

TestHome::TestHome(bool connect)
{
    store::Messages::setResponder(unexpectedMessage);
    store::setStrictLoading(true);
    QString error;
    m_ok = m_dir.isValid() && store::initializeProgramFolder(m_dir.path(), QStringLiteral(VELMORA_BUILD_HOME), &error);
    if (!m_ok)
        qWarning("program folder not made: %s", qPrintable(error));
    qputenv("VELMORA_HOME", m_dir.path().toLocal8Bit());
    if (m_ok && connect) {
        delete MainObject;
        MainObject = new TMainObject;
        m_ok = MainObject->ConnectDatabase();
    }
}

TestHome::~TestHome()
{
    delete MainObject;
    MainObject = nullptr;
    qunsetenv("VELMORA_HOME");
}

QString TestHome::file(const QString& relative) const { return QDir(m_dir.path()).filePath(relative); }

ScriptedMessages::ScriptedMessages()
{
    store::Messages::setResponder([this](const store::Message& m) {
        m_shown << m;
        if (m.kind == store::MessageKind::Information || m.kind == store::MessageKind::Error)
            return store::Answer::Ok;
        return m_answers.isEmpty() ? m_fallback : m_answers.takeFirst();
    });
}

ScriptedMessages::~ScriptedMessages() { store::Messages::setResponder(unexpectedMessage); }

QStringList ScriptedMessages::texts() const
{
    QStringList list;
    for (const store::Message& m : m_shown)
        list << m.text;
    return list;
}

QString createTestApplication(const QString& name)
{
    if (MainObject->UserIdent.isEmpty())
        MainObject->UserIdent = TMainObject::NewRowIdent();
    if (store::createApplication(name) != store::CreateResult::Created)
        return {};
    return MainObject->AntragIdent;
}

void clickBox(QAbstractButton* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(qMin(8, box->width() / 2), box->height() / 2));
}

namespace {
constexpr uid_t kNobody = 65534;
}

OtherUser::OtherUser(const QString& folder)
{
    if (geteuid() != 0)
        return;
    QStringList paths{folder};
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    for (const QString& p : paths)
        if (::chown(QFile::encodeName(p).constData(), kNobody, kNobody) != 0)
            qWarning("chown %s failed", qPrintable(p));
    m_switched = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
}

OtherUser::~OtherUser()
{
    if (m_switched && (::seteuid(0) != 0 || ::setegid(0) != 0))
        qFatal("cannot return to root");
}
