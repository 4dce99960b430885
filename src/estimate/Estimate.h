#pragma once

#include "EstimateParameters.h"
#include "EstimateTypes.h"

#include <optional>

namespace estimate {

// Every figure of every grid, from the input and one parameter set. Pure: no database, no widgets,
// no clock (the day is part of the input). Figures that cannot be computed are named in
// `problems` and make the result incomplete instead of silently counting as something.
EstimateResult ComputeEstimate(const EstimateInput& input, const ParameterSet& parameters);

// Completed years on `day`. A birthday on 29 February falls on 1 March in a common year.
int AgeInYears(const QDate& birth, const QDate& day);

// The date a captured text means: "TT.MM.JJJJ" (also without leading zeros) or ISO "JJJJ-MM-TT",
// either optionally followed by a time. Anything else, "0" and blanks included, is no date.
QDate parseDateText(const QString& text);

// The exempt part of an income x (income minus deductions) per month.
double IncomeExemption(double x, const ParameterSet& parameters);

// Rent ceiling for `persons` persons in the household at rent level `level` (0..5).
double RentCeiling(int persons, int level, const ParameterSet& parameters);

// Adequate living area in square metres; nothing when the household size lies outside the table.
std::optional<double> AdequateArea(int persons, const Living& living, const ParameterSet& parameters);

// A premium per interval as a monthly amount.
double MonthlyPremium(const Premium& premium, const ParameterSet& parameters);

// Weekly or daily unemployment benefit as a monthly amount.
double MonthlyBenefit(const BenefitRow& row, const ParameterSet& parameters);

// LIV_PERSON_COUNT as a number: 0 when the text is no whole number.
int OtherPersonCount(const QString& text);

} // namespace estimate
