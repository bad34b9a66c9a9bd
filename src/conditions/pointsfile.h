#pragma once
// The points file (".str"): one points condition as 114 text lines. Lines 1-105 hold the
// points per horse (race-major), 106-107 the upper and lower row-sum limits, 108-109 the
// upper and lower row-product limits, 110-111 the sum and product switches, 112-113 their
// modes and 114 the condition's name.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/variabl.h"

struct PointsFileContent {
    int32 points[HorseCount + 1] = {};  // [1..105], the whole numbers as read
    int32 sumMax = 0, sumMin = 0;
    double prodMax = 0, prodMin = 0;
    int32 sumActive = 0, prodActive = 0, sumMode = 0, prodMode = 0;
    QString name;  // line 114, at most 40 characters
};

// All or nothing: std::nullopt when a line 1-114 is missing or not a number of its kind
// (or a point lies outside what a point can hold).
std::optional<PointsFileContent> ParsePointsFile(const QStringList& lines);
