#pragma once
// The 100 start-number conditions and the three groups over them.
//
// A start-number condition marks start numbers in any race slots (StartNrCondMarks) and
// forbids some hit counts 0-7 (StartNrCondForbiddenCounts): a row whose picks hit the
// condition's marks in exactly a forbidden number of race slots is removed, unless the
// condition belongs to an active group, in which case it only decides whether the condition
// is met. A group (ConditionGroupActive, ConditionGroupMembers, ConditionGroupLimits) keeps
// the rows in which the number of its met members lies within its limits.
//
// These operations keep the tables consistent for the start-number window and the group
// window: the used flags and count, the unreachable counts (above the number of race slots
// that carry a mark; all eight when there is none), the active count, comments, the copy
// buffer. Every change of something a row depends on runs the start-number window's rows-stale
// reset (MarkRowsStaleStartNr); comments and copying change no row and reset nothing.
//
// Every change except of a comment or the copy buffer ends with
// Events::StartNrConditionsChanged.Emit().

#include <QString>

#include "conditions/rowconditions.h"
#include "conditions/winnercounts.h"

constexpr int StartNrHitCounts = 8;  // hit counts 0-7
constexpr int StartNrCommentLength = 40;

// Number of race slots 1-7 in which condition c marks at least one start number.
int StartNrCondMarkedSlots(int c);

// Recomputes the used flag (and StartNrCondUsedCount) and the unreachable counts of c.
void UpdateStartNrConditionUsage(int c);
// Counts the active conditions into StartNrCondActiveCount and returns the number.
int UpdateActiveConditionCount();

// What the start-number window does when it becomes active: recounts the active conditions,
// empties the copy buffer, removes from every condition the marks of horses that are in no
// group, and recomputes the usage of all 100 conditions.
void RefreshStartNrConditionsOnActivation();

// A press on the mark of start number n in race slot r of condition c (shown in panel 1 or
// 2): stores ClickedStartNrCode; when the horse is in a group, makes c active, toggles the
// mark, updates c's usage and runs the reset. Returns false (and changes nothing else) for a
// horse in no group.
bool PressStartNrMark(int c, int panel, int r, int n);
// Toggles whether hit count k of c is forbidden; only a count that c can reach acts.
// Returns true when it acted.
bool ToggleStartNrForbiddenCount(int c, int k);
// Sets the active flag of c; a change recounts and runs the reset. Returns true on a change.
bool SetStartNrConditionActive(int c, bool active);
// The comment of c, converted to Windows-1252 and cut to 40 characters.
void SetStartNrConditionComment(int c, const QString& text);

// "Kopiera": the forbidden counts, the marks and the comment text into the copy buffer.
void CopyStartNrCondition(int c, const QString& comment);
// "Klistra in": the copy buffer into c (its active flag is kept). Returns false, changing
// nothing, when nothing was copied since the window last became active.
bool PasteStartNrCondition(int c);
// "Radera": empties c's marks, forbidden counts and comment; its active flag is kept.
void DeleteStartNrCondition(int c);
// Clears every condition back to its start state except the active flags and the copy
// buffer: no marks, no forbidden counts, every count unreachable, no comment, none in use.
void ClearAllStartNrConditions();

// The question that guards ClearAllStartNrConditions.
inline const QString ClearStartNrConditionsQuestion = QStringLiteral("Ska vi ta bort alla villkor?");

// ---- What the windows show ----

// The group (1-4) whose colour the mark of (r, n) in c shows; 0 = unmarked (white).
int StartNrMarkGroup(int c, int r, int n);
// How count label k of c looks: Impossible (disabled, white), Allowed or Forbidden.
CountLook StartNrCountLook(int c, int k);
QString StartNrUsedHeading();    // "Villkor på startnr, n st"
QString StartNrActiveCaption();  // "aktiva: n st"

// ---- The groups over the start-number conditions ----

// Ticks or unticks group g's "aktiv" box, or condition c's member box in group g. A change
// runs the reset. Return true on a change.
bool SetConditionGroupActive(int g, bool active);
bool SetConditionGroupMember(int g, int c, bool member);
// Whether condition c's member boxes take clicks: only an active condition's do.
bool ConditionGroupBoxEnabled(int c);

// The limit edits: index 1-6 = E1L, E1H, E2L, E2H, E3L, E3H.
constexpr int ConditionGroupLimitCount = 6;
// A limit edit's text as its rule takes it: an integer is clamped to 0-100; an empty text or
// one that is not an integer gives the stored value.
byte GroupLimitFromText(const QString& text, byte stored);
// A change of a limit edit's text: stores the value by GroupLimitFromText and runs the reset
// when the stored limit changed. Returns false when the text is neither empty nor an integer:
// the edit then shows the stored value again.
bool TakeConditionGroupLimit(int index, const QString& text);
// True when the edit's text is not the stored limit written plainly (checked when the edit
// loses the focus: "Antal villkor?" and the stored value shown again).
bool ConditionGroupLimitTextDiffers(int index, const QString& text);
inline const QString GroupLimitMessage = QStringLiteral("Antal villkor?");
