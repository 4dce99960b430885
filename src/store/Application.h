#pragma once

#include <QString>

namespace store {

enum class CreateResult { Created, EmptyName, DuplicateName, Failed };

// Creates a named application with the rows that exist once per application (MAINHEADER, MAINPERSON,
// the applicant's PERSON and MOREPOWER rows, VERMAIN, UHMAIN, LIVING), all keyed by one new identifier,
// in one transaction, and makes it the open application of MainObject.
CreateResult createApplication(const QString& name);

// Inserts whichever of the rows that exist once per application is missing (an imported or damaged
// application), in one transaction.
bool ensureApplicationRows(const QString& ident);

// Makes the stored application `ident` the open one, with its once-per-application rows complete;
// false when there is none or its rows cannot be completed (the error has been shown).
bool openApplication(const QString& ident);

} // namespace store
