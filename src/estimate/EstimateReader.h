#pragma once

#include "EstimateParameters.h"
#include "EstimateTypes.h"

#include <QDate>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

namespace estimate {

// Reads everything the estimate needs of application `application` through the one connection
// (every value bound, owners matched by their trimmed name) and the child-benefit recipient from
// SETTING.INI. The user's choices are left at their defaults. False when a statement fails; `error`
// then holds the engine's message and `input` is incomplete.
bool ReadEstimateInput(const QString& application, const QDate& day, EstimateInput* input, QString* error);

// Sees every statement the reader runs, with its values, before it runs (the benchmark replays them
// bare to weigh the reader against its own statements). An empty observer removes it.
using StatementObserver = std::function<void(const QString& sql, const QVariantList& values)>;
void SetStatementObserver(StatementObserver observer);

// The parameter file of the program folder.
std::optional<EstimateParameters> LoadProgramParameters(QString* error);

// Everything at once for the open application: read, choose the set for `day`, compute. Nothing and
// `error` when the parameters or the database fail.
struct EstimateRun {
    EstimateInput input;
    ParameterSet set; // the set in force on input.day
    EstimateResult result;
    // Recomputes after a change of the choices in `input`; reads nothing.
    void recompute();
};
// `databaseFailed` tells the two kinds of failure apart: the engine's message or a fault of the
// parameter file.
std::optional<EstimateRun> RunEstimate(const QString& application, const QDate& day, QString* error,
                                       bool* databaseFailed = nullptr);

} // namespace estimate
