#pragma once

#include <QStringList>

namespace cli {

// velmora-cli print NAME (--complete | --sheet LIST | --group GROUP) [--as-preview] [--pdf FILE] [--list]
// [--html DIR]. Needs a QGuiApplication (fonts and the PDF writer).
int runPrint(const QStringList& args);

} // namespace cli
