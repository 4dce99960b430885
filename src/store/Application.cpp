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

bool deletePerson(const QString& person)
{
    if (person.trimmed().isEmpty() || person == QLatin1String("DUMMY"))
        return false;
    // Table and column names come from the database's own dictionary, never from input.
    QList<std::pair<QString, QString>> references;
    Rows rows = select(QStringLiteral("SELECT m.name AS tbl, c.name AS col FROM sqlite_master m, "
                                      "pragma_table_info(m.name) c WHERE m.type='table' ORDER BY m.name, c.cid"));
    if (!rows.ok())
        return false;
    while (rows.next()) {
        const QString table = rows.text(QStringLiteral("tbl"));
        const QString column = rows.text(QStringLiteral("col"));
        if (table != QLatin1String("PERSON") && column.endsWith(QLatin1String("_INDEX_PERSON")))
            references.append({table, column});
    }
    return inTransaction([&] {
        for (const auto& [table, column] : references)
            if (!execute(QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(quoteIdentifier(table), quoteIdentifier(column)),
                         {person}))
                return false;
        return execute(QStringLiteral("DELETE FROM PERSON WHERE PRS_IDENT=?"), {person});
    });
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
