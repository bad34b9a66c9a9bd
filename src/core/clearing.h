#pragma once
// The main window's three "0" buttons. Each asks its question (the window asks; on No
// nothing changes) and on Yes calls the matching function here. Each empties its tables,
// runs RecomputeAfterMarking and leaves the system stale.

#include <QString>

inline const QString ClearMarksQuestion = QStringLiteral("Ska vi ta bort alla markeringar i ranken?");
inline const QString ClearGroupConditionsQuestion = QStringLiteral("Ska vi ta bort alla villkor?");
inline const QString ClearAbcdListNejQuestion = QStringLiteral("Ska vi ta bort alla \"Nej\" i listan?");

// Every mark of races 1-6 (race slot 7 keeps its horse 1 in A), the winner counts, the result
// counts, the start-number conditions and the "aktiv" switches of their three groups;
// Events::MarksCleared and StartNrConditionsChanged.
void ClearAllMarks();
// All 100 ABCD group conditions; Events::ConditionsChanged.
void ClearAllGroupConditions();
// Every "Nej" of the ABCD list; Events::ConditionsChanged.
void ClearAllAbcdListNej();
