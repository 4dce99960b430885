#pragma once

#include <QStringList>

namespace cli {

// The exit code of an estimate whose result is incomplete (a person without a usable birth date).
constexpr int kIncompleteExitCode = 3;

// velmora-cli estimate NAME [--rent-level 1-6] [--date JJJJ-MM-TT] [--json]
int runEstimate(const QStringList& args);

} // namespace cli
