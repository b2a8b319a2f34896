#include "RtfSamples.h"

namespace virelai::testing {

const QString Heading
    = QStringLiteral(R"rtf({\colortbl ;\red0\green0\blue255;}{\cf1\fs36\b\qc {)rtf")
    + QStringLiteral(R"rtf(\fs40 Moyenne de la classe\par\cf0\fs36 Suggestions Pédagogiques)rtf")
    + QStringLiteral(R"rtf(}\par\par })rtf");

const QString ReminderA = QStringLiteral(
    R"rtf({\ul\i Rappel\par \ulnone Pour am\'e9liorer les performances des \'e9l\'e8ves , il est conseill\'e9 de mettre en oeuvre \'e0 la fois \par\pard{\pntext\f2\'B7\tab}{\*\pn\pnlvlblt\pnf2\pnindent360{\pntxtb\'B7}}\nowidctlpar\fi-720\li1420\tx360 des pratiques culturelles r\'e9guli\'e8res ;\par{\pntext\f2\'B7\tab}des entra\'eenements m\'e9thodiques (Ateliers de questionnement de textes, Exercices sp\'e9cifiques propos\'e9s par le Guide de Perfectionnement ).\par\pard\nowidctlpar On propose \'e9ventuellement ci-dessus des domaines prioritaires ; cela ne signifie pas qu'on n\'e9glige les autres.})rtf");

const QString CompleteCase3 = QStringLiteral(
    R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes\par\par A : cat\'e9gories 1 et 2 ;\par B : cat\'e9gories 3 et 4.\par\par\b\f1 Avec le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 1 \par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2\b0\f2\fs20\par})rtf");

const QString SlowPupils = QStringLiteral(
    R"rtf({\fs24 {\ul Si ces élèves sont lents} \ulnone , il se peut qu'ils soient encore obligés de déchiffrer la plupart des mots.})rtf");

const QString Type9Joined
    = QStringLiteral(R"rtf({\fs24 Les élèves marqués d'une croix ont des difficultés partout.)rtf")
    + QStringLiteral(
          R"rtf(\par 2) on privilégiera {\i "Recherche d'informations"} bien entendu.)rtf")
    + QStringLiteral(R"rtf(\par 3) les stratégies à mettre en œuvre, {\b p 30}.})rtf");

} // namespace virelai::testing
