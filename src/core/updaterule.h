#pragma once
// What the program does with the answer of the update check: whether the text names this
// version, and whether it is shown to the user. And where the check asks: the address set in the
// settings folder or at build time; with none set the program makes no request.

#include <QByteArray>
#include <QString>
#include <QUrl>

#include "model/domain.h"

// The mark of this version in the answer: a blank, then the version number.
inline const QString ThisVersionMark = QStringLiteral(" 18.2");

// True when the answer names this version where it is expected: the first occurrence of
// " 18.2" starts at the fourth character of the answer or later.
bool AnswerNamesThisVersion(const QString& answer);

// True when the answer is shown as a notice: it does not name this version, and no request of
// this run has succeeded before (successfulRequests is UpdateNoticeCount before this answer).
bool UpdateNoticeDue(const QString& answer, int32 successfulRequests);

// The body of the answer as text: in the charset that the Content-Type header names, else in
// UTF-8 when the bytes are valid UTF-8, else in Windows-1252.
QString DecodeUpdateAnswer(const QByteArray& body, const QString& contentType);

// The settings file, in the settings folder, whose one line is the address of the update check.
inline const QString UpdateAddressFileName = QStringLiteral("uppdatering.txt");

// The address that a text names: an https address with a host, blanks around it ignored; empty
// for anything else.
QUrl UpdateAddressOf(const QString& text);

// The address that the settings file's bytes name: one line (Windows-1252) with an address that
// UpdateAddressOf accepts, followed by nothing but empty or blank lines. Empty for any other
// file, which then sets nothing.
QUrl ParseUpdateAddressFile(const QByteArray& bytes);

// The address the update check asks: the one in settingsDir's settings file, else buildAddress
// when it is one; empty when neither names one.
QUrl ConfiguredUpdateAddress(const QString& settingsDir, const QString& buildAddress);
