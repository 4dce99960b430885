#pragma once

#include "EstimateTypes.h"

#include <QJsonObject>
#include <QString>

namespace estimate {

// "1.234,56€" (labels) or "1.234,56 €" (grids); only the display rounds.
QString formatMoney(double amount, bool grid = false);
// Two decimals without a currency sign, as the household grid shows persons and areas.
QString formatNumber(double value);
QString formatDate(const QDate& date); // "TT.MM.JJJJ", empty for no date

// The machine-readable form: every figure unrounded.
QJsonObject estimateToJson(const EstimateResult& result);

// The readable form: each section with its grid and total, as the dialog shows them.
QString estimateToText(const EstimateResult& result);

// What the summary label shows: the expected benefit, or that it could not be computed.
QString resultLabel(const EstimateResult& result);

} // namespace estimate
