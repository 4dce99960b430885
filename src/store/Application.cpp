#include "Application.h"

#include "ServerObjects.h"
#include "Sql.h"

namespace store {

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
               execute(QStringLiteral("INSERT INTO MAINPERSON (ANS_IDENT,ANS_INDEX_MAINHEADER) VALUES (?, ?)"),
                       {id, id}) &&
               execute(QStringLiteral("INSERT INTO PERSON (PRS_IDENT,PRS_INDEX_MAINHEADER,PRS_TYPE,PRS_NUMBER,"
                                      "PRS_AZUBI_PROF) VALUES (?, ?, ?, ?, ?)"),
                       {id, id, 0, 1, false}) &&
               execute(QStringLiteral("INSERT INTO MOREPOWER (MOP_IDENT,MOP_INDEX_MAINHEADER,MOP_INDEX_PERSON) "
                                      "VALUES (?, ?, ?)"),
                       {id, id, id}) &&
               execute(QStringLiteral("INSERT INTO VERMAIN (VEM_IDENT,VEM_INDEX_MAINHEADER) VALUES (?, ?)"),
                       {id, id}) &&
               execute(QStringLiteral("INSERT INTO UHMAIN (UHM_IDENT,UHM_INDEX_MAINHEADER) VALUES (?, ?)"),
                       {id, id}) &&
               execute(QStringLiteral("INSERT INTO LIVING (LIV_IDENT,LIV_INDEX_MAINHEADER) VALUES (?, ?)"), {id, id});
    });
    if (!ok)
        return CreateResult::Failed;
    MainObject->AntragIdent = id;
    MainObject->AntragUserIdent = MainObject->UserIdent;
    MainObject->AntragSign = name;
    MainObject->AntragDate = today;
    return CreateResult::Created;
}

bool openApplication(const QString& ident)
{
    Rows rows = select(QStringLiteral("SELECT BDG_IDENT, BDG_INDEX_USER, BDG_SIGN, BDG_DATE FROM MAINHEADER "
                                      "WHERE BDG_IDENT=?"),
                       {ident});
    if (!rows.next())
        return false;
    MainObject->AntragIdent = rows.text(QStringLiteral("BDG_IDENT"));
    MainObject->AntragUserIdent = rows.text(QStringLiteral("BDG_INDEX_USER"));
    MainObject->AntragSign = rows.text(QStringLiteral("BDG_SIGN"));
    MainObject->AntragDate = rows.date(QStringLiteral("BDG_DATE"));
    return true;
}

} // namespace store
