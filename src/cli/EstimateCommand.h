#pragma once

#include <QStringList>

namespace cli {

// velmora-cli estimate NAME [--rent-level 1-6] [--date JJJJ-MM-TT] [--json]
int runEstimate(const QStringList& args);

} // namespace cli
