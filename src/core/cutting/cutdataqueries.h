#pragma once
// The record sources of the cutting-data grids. Each query carries the text
// the user knows ("select * from cutdat where GrpIndex = 3 and Operation =
// 'Drill'") and the condition that actually runs, with the group number and
// the operation types bound as values: an operation type holding a quote is
// compared as it stands and can never change the query.

#include "cutting/cuttingdatabase.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace arvex {

inline constexpr int kMaxOperationTypes = 500;
inline constexpr int kMaxToolGrades = 100;

// ---- Cutting data window ------------------------------------------------------
// "select * from cutdat where GrpIndex = " + group. A group number below 1
// is no group: the query selects nothing.
CutDataQuery GroupQuery(int group);
// ... + " and Operation = '" + type + "'": exactly the rows of that type.
CutDataQuery OperationTypeQuery(int group, const QString& type);
// "select * from cutdat where GrpIndex = -1": the empty grid.
CutDataQuery NoRowsQuery();

// The grid keyword of an operation name, case-insensitive, each match
// replacing the one before: "turn", "face" and "groove" give "turn", then
// "drill", "spot", "mill", "ream", "center" give themselves. "" when none
// matches (Spot Drill gives "spot", Center Drill gives "center").
QString GridKeyword(const QString& operationName);
// The collected operation types whose lower-case text contains keyword.
QStringList KeywordAlternatives(const QStringList& operationTypes, const QString& keyword);
// The rows of every alternative of keyword in the group:
// "select * from cutdat where GrpIndex = 3 and (Operation = 'a' or Operation = 'b')";
// NoRowsQuery() when there is no keyword or no alternative.
CutDataQuery KeywordQuery(int group, const QStringList& operationTypes, const QString& keyword);

// ---- Cutting database editor --------------------------------------------------------
// The whole table as the editor binds it on opening (record source "Cutdat").
CutDataQuery WholeTableQuery();
// "Show All Cutting Data": "select * from CutDat".
CutDataQuery ShowAllQuery();
// "Show Above Data Only": "select * from CutDat" with " where " and
// "GrpIndex = " + group (when group > 0) and "Operation = '" + type + "'"
// (when type is not empty), joined by " and ".
CutDataQuery AboveDataQuery(int group, const QString& type);

// ---- Collected lists ------------------------------------------------------------------
// The distinct Operation values of rows, compared exactly, in row order, up
// to limit; empty values are not collected.
QStringList CollectOperationTypes(const std::vector<CuttingDataRecord>& rows, int limit = kMaxOperationTypes);
// The distinct ToolGrade values in the same way, up to limit.
QStringList CollectToolGrades(const std::vector<CuttingDataRecord>& rows, int limit = kMaxToolGrades);

// A text as an SQL literal for display: quotes around it, quotes inside doubled.
QString QuotedForDisplay(const QString& text);

}  // namespace arvex
