#pragma once
// The table side of the main window's actions: each function is what a button does to the
// tables; the window asks its questions and opens its windows around them.

// Coupons or single rows exist that were not saved since they were built.
bool UnsavedSystemExists();
// Coupons exist that were not saved since they were built.
bool UnsavedCouponsExist();

// A graded round no longer belongs to the system (SaveRoundInFile := 0): a construction and
// a varying reduction make a new system.
void DetachGradedRound();
// "Spara system": the system is saved without the graded round and its round data.
void PrepareSystemSave();

// "Rätta": the grading starts over (Graded := 0). True when there is a system to grade.
bool BeginGrading();

// "Varierande reducering", once the user agreed: the coupons are given up and LReducgrad is
// hidden until the next construction.
void BeginVaryingReduction();

// "Se kuponger": the viewer starts at the first kept coupon, or at none without coupons.
void SelectFirstKeptCoupon();
