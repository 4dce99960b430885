#include "Application.h"

#include "ServerObjects.h"
#include "Sql.h"

namespace store {

namespace {

bool missing(const QString& sql, const Values& values) { return selectValue(sql, values).isNull(); }

// The rows an application has once, keyed by the application's own identifier; whichever is missing
// is inserted. Runs inside the caller's transaction.
bool insertMissingRows(const QString& id)
{
    struct OncePerApplication {
        const char* table;
        const char* key;
        const char* application;
    };
    static const OncePerApplication rows[] = {
        {"MAINPERSON", "ANS_IDENT", "ANS_INDEX_MAINHEADER"},
        {"VERMAIN", "VEM_IDENT", "VEM_INDEX_MAINHEADER"},
        {"UHMAIN", "UHM_IDENT", "UHM_INDEX_MAINHEADER"},
        {"LIVING", "LIV_IDENT", "LIV_INDEX_MAINHEADER"},
    };
    for (const OncePerApplication& r : rows) {
        const QString table = QString::fromLatin1(r.table);
        const QString application = QString::fromLatin1(r.application);
        if (missing(QStringLiteral("SELECT 1 FROM %1 WHERE %2=?").arg(table, application), {id}) &&
            !execute(QStringLiteral("INSERT INTO %1 (%2,%3) VALUES (?, ?)").arg(table, QString::fromLatin1(r.key), application),
                     {id, id}))
            return false;
    }
    QString applicant =
        selectValue(QStringLiteral("SELECT PRS_IDENT FROM PERSON WHERE PRS_INDEX_MAINHEADER=? AND PRS_TYPE=0"), {id})
            .toString()
            .trimmed();
    if (applicant.isEmpty()) {
        applicant = missing(QStringLiteral("SELECT 1 FROM PERSON WHERE PRS_IDENT=?"), {id}) ? id
                                                                                          : TMainObject::NewRowIdent();
        if (!execute(QStringLiteral("INSERT INTO PERSON (PRS_IDENT,PRS_INDEX_MAINHEADER,PRS_TYPE,PRS_NUMBER,"
                                    "PRS_AZUBI_PROF) VALUES (?, ?, ?, ?, ?)"),
                     {applicant, id, 0, 1, false}))
            return false;
    }
    if (missing(QStringLiteral("SELECT 1 FROM MOREPOWER WHERE MOP_INDEX_PERSON=?"), {applicant})) {
        const QString key = missing(QStringLiteral("SELECT 1 FROM MOREPOWER WHERE MOP_IDENT=?"), {applicant})
                                ? applicant
                                : TMainObject::NewRowIdent();
        if (!execute(QStringLiteral("INSERT INTO MOREPOWER (MOP_IDENT,MOP_INDEX_MAINHEADER,MOP_INDEX_PERSON) "
                                    "VALUES (?, ?, ?)"),
                     {key, id, applicant}))
            return false;
    }
    return true;
}

} // namespace

CreateResult createApplication(const QString& name)
{
    if (name.isEmpty())
        return CreateResult::EmptyName;
    if (!selectValue(QStringLiteral("SELECT BDG_IDENT FROM MAINHEADER WHERE BDG_SIGN=?"), {name}).isNull())
        return CreateResult::DuplicateName;
    const QString id = TMainObject::NewRowIdent();
    const QDate today = QDate::currentDate();
    const bool ok = inTransaction([&] {
        return execute(QStringLiteral("INSERT INTO MAINHEADER (BDG_IDENT,BDG_INDEX_USER,BDG_SIGN,BDG_DATE) "
                                      "VALUES (?, ?, ?, ?)"),
                       {id, MainObject->UserIdent, name, dateValue(today)}) &&
               insertMissingRows(id);
    });
    if (!ok)
        return CreateResult::Failed;
    MainObject->AntragIdent = id;
    MainObject->AntragUserIdent = MainObject->UserIdent;
    MainObject->AntragSign = name;
    MainObject->AntragDate = today;
    return CreateResult::Created;
}

bool ensureApplicationRows(const QString& ident) { return inTransaction([&] { return insertMissingRows(ident); }); }

bool openApplication(const QString& ident)
{
    Rows rows = select(QStringLiteral("SELECT BDG_IDENT, BDG_INDEX_USER, BDG_SIGN, BDG_DATE FROM MAINHEADER "
                                      "WHERE BDG_IDENT=?"),
                       {ident});
    if (!rows.next())
        return false;
    const QString id = rows.text(QStringLiteral("BDG_IDENT"));
    // An imported or damaged application may lack a row that every dialog writes into by UPDATE.
    if (!ensureApplicationRows(id))
        return false;
    MainObject->AntragIdent = id;
    MainObject->AntragUserIdent = rows.text(QStringLiteral("BDG_INDEX_USER"));
    MainObject->AntragSign = rows.text(QStringLiteral("BDG_SIGN"));
    MainObject->AntragDate = rows.date(QStringLiteral("BDG_DATE"));
    return true;
}

} // namespace store
