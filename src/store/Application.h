#pragma once

#include <QString>

namespace store {

enum class CreateResult { Created, EmptyName, DuplicateName, Failed };

// Creates a named application with the rows that exist once per application (MAINHEADER, MAINPERSON,
// the applicant's PERSON and MOREPOWER rows, VERMAIN, UHMAIN, LIVING), all keyed by one new identifier,
// in one transaction, and makes it the open application of MainObject.
CreateResult createApplication(const QString& name);

// Makes the stored application `ident` the open one; false when there is none.
bool openApplication(const QString& ident);

} // namespace store
