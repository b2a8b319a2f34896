#pragma once

#include <QString>
#include <QtGlobal>

namespace virelai {

// What the host asked for, decoded from the command line. Only CasSelect and
// IndSelect change after start-up (navigation); everything else is read-only.
struct RequestState
{
    qint16 TypeDoc = 0; // 0: nothing requested
    qint16 CasSelect = 0;
    QString Param3;
    QString Param4;
    QString Param5;
    QString Param6;
    qint16 IndOrigine = 0;
    qint16 CasOrigine = 0;
    qint16 IndSelect = 0;
    QString chemin; // program directory, always ending in one separator
    QString NumVersion; // "2.1.0"
};

} // namespace virelai
