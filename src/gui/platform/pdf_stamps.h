// The time a printed or exported PDF carries, and the stamps Qt writes into every PDF.
#pragma once

#include <QByteArray>
#include <QDateTime>

// SOURCE_DATE_EPOCH (seconds since 1970, UTC) when set, so that the same input gives the same
// file; now otherwise. Raises std::invalid_argument for a SOURCE_DATE_EPOCH that is not a number.
QDateTime PrintTime();

// Qt stamps every PDF with the time of writing and a random document id. This puts the given
// time in both dates and zeroes the ids, keeping every length, so that the cross-reference
// offsets stay true.
void NormalisePdfStamps(QByteArray& pdf, const QDateTime& printed);
