#include "Catalogue.h"

#include <array>

// The fixed texts of the advice documents, character for character: RTF escapes
// such as \'e9 sit beside accented letters, and double blanks are part of the
// texts. Raw literals keep every backslash as written.

namespace virelai {

// Headings (Titre) and the other pieces used by the selection logic.
// Class average.
const QStringView AverageTitle
    = uR"(\fs40 Moyenne de la classe\par\cf0\fs36 Suggestions Pédagogiques)";
// Class profile, narrative texts.
const QStringView NarrativeProfileTitle
    = uR"(\fs40 Profil de la classe pour les textes Narratifs\par\cf0\fs36 Suggestions Pédagogiques)";
// Class profile, documentary texts.
const QStringView DocumentaryProfileTitle
    = uR"(\fs40 Profil de la classe pour les textes Documentaires\par\cf0\fs36 Suggestions Pédagogiques)";
// Class profile, information search.
const QStringView SearchProfileTitle
    = uR"(\fs40 Profil de la classe pour l'Aptitude à la Recherche d'Informations\par\cf0\fs36 Suggestions Pédagogiques)";
// Pupils weak in general comprehension.
const QStringView GeneralComprehensionTitle
    = uR"(\fs40 Elèves faibles en compréhension générale\par\cf0\fs36 Suggestions Pédagogiques)";
// Pupils weak in reading speed.
const QStringView ReadingSpeedTitle
    = uR"(\fs40 Elèves faibles en vitesse de lecture\par\cf0\fs36 Suggestions Pédagogiques)";
// Results by type of comprehension.
const QStringView ComprehensionTypeTitle
    = uR"(\fs40 Résultats par type de compréhension\par\cf0\fs36 Suggestions Pédagogiques)";
// Start of the heading of types 7 to 9, before the domain name.
const QStringView WeakPupilsTitleStart = uR"(\fs40 Elèves faibles en )";
// Second line of every heading.
const QStringView TitleEnd = uR"(\par\cf0\fs36 Suggestions Pédagogiques)";
// Marker replaced by the first domain (type 1).
const QStringView MarkerXXX = uR"(XXX)";
// Marker replaced by the second domain (type 1).
const QStringView MarkerYYY = uR"(YYY)";
// Marker word asking for the closing note (types 2 to 4).
const QStringView NoteWord = uR"(Note)";
// Class level selecting the CM2 texts (types 5 and 6).
const QStringView LevelCM2 = uR"(CM2)";
// Plain closing of an open profile text.
const QStringView PlainClosing = uR"(})";
// Count sentence, before the number of tests (type 10).
const QStringView TestCountStart = uR"(\par\par Performances cumulées sur )";
// Count sentence ending, at most one test.
const QStringView OneTestEnd = uR"( épreuve.)";
// Count sentence ending, more than one test.
const QStringView TestsEnd = uR"( épreuves.)";

namespace {

// Explanations (Explication): how to read the chart, by document type.

// Type 1: averages show which kinds of text to work on first.
constexpr QStringView AverageExplanation
    = uR"({\b0 Les moyennes vous permettent de d\'e9terminer quels types de texte ou de lecture doivent \'eatre travaill\'e9s en priorit\'e9. Les points forts et faibles sont \'e0 appr\'e9cier en comparaison avec les moyennes nationales, en barres minces.})";

// Types 2 to 4: the suggestions organise the training groups.
constexpr QStringView ProfileExplanation
    = uR"({\b0\fs20 Les suggestions ici faites concernent {\b l'organisation} des perfectionnements, en particulier sous forme d'Ateliers de Questionnement de Textes. \par\par Les groupes de travail proposés doivent être conçus avec souplesse : \par 1) Un cycle d'entraînement comprend 5 séances en général. ; avec certains enfants qui se révèlent vite bons compreneurs, on pourra se contenter de 3, \par  2) Les deux premières séances d'un cycle doivent permettre de réaménager les groupes initialement constitués. \par  3) Si un groupe contient plus de 8 élèves, on le divisera en deux sous-groupes qui suivront le même programme.})";

// Type 5: pupils weak in both narrative and documentary texts.
constexpr QStringView GeneralComprehensionExplanation
    = uR"({Il s'agit d'élèves {\b faibles ou très faibles} à la fois en compréhension de textes narratifs et documentaires.})";

// Type 6: reading speed matters little, but very slow pupils may struggle.
constexpr QStringView ReadingSpeedExplanation
    = uR"({La vitesse de lecture en soi n'est pas, pour des apprentis lecteurs en situation de test, un critère majeur. Toutefois, les élèves particulièrement lents peuvent être en situation délicate, dans certains cas.})";

// Type 7: steadily poor results in narrative texts.
constexpr QStringView NarrativeExplanation
    = uR"({Ces élèves ont des résultats régulièrement médiocres en compréhension des textes narratifs. Parmi eux, certains ont des difficultés partout.})";

// Type 8: steadily poor results in documentary texts.
constexpr QStringView DocumentaryExplanation
    = uR"({Ces élèves ont des résultats régulièrement médiocres en compréhension des textes documentaires. Parmi eux, certains ont des difficultés partout.})";

// Type 9: steadily poor results in information search.
constexpr QStringView SearchExplanation
    = uR"({Ces élèves ont des résultats régulièrement médiocres en recherche d'informations. Parmi eux, certains ont des difficultés partout.})";

// Type 10: explicit versus implicit information may show a reader profile.
constexpr QStringView ComprehensionTypeExplanation
    = uR"({\ulnone Les  performances comparées à la compréhension d'informations explicites d'une part, implicites ou à reconstruire d'autre part, permettent parfois de dégager pour tel enfant un profil de lecteur. Pour ceux dont c'est le cas, on indique ici sur quoi insister dans les perfectionnements.})";

// Reminders (Rappel). A serves types 1 to 4, B type 10; they differ in two capitals.

// Reminder A: combine cultural practice and methodical training ("Ateliers", "Exercices").
constexpr QStringView ReminderA
    = uR"({\ul\i Rappel\par \ulnone Pour am\'e9liorer les performances des \'e9l\'e8ves , il est conseill\'e9 de mettre en oeuvre \'e0 la fois \par\pard{\pntext\f2\'B7\tab}{\*\pn\pnlvlblt\pnf2\pnindent360{\pntxtb\'B7}}\nowidctlpar\fi-720\li1420\tx360 des pratiques culturelles r\'e9guli\'e8res ;\par{\pntext\f2\'B7\tab}des entra\'eenements m\'e9thodiques (Ateliers de questionnement de textes, Exercices sp\'e9cifiques propos\'e9s par le Guide de Perfectionnement ).\par\pard\nowidctlpar On propose \'e9ventuellement ci-dessus des domaines prioritaires ; cela ne signifie pas qu'on n\'e9glige les autres.})";

// Reminder B: the same with "ateliers", "exercices".
constexpr QStringView ReminderB
    = uR"({\ul\i Rappel\par \ulnone Pour am\'e9liorer les performances des \'e9l\'e8ves , il est conseill\'e9 de mettre en oeuvre \'e0 la fois \par\pard{\pntext\f2\'B7\tab}{\*\pn\pnlvlblt\pnf2\pnindent360{\pntxtb\'B7}}\nowidctlpar\fi-720\li1420\tx360 des pratiques culturelles r\'e9guli\'e8res ;\par{\pntext\f2\'B7\tab}des entra\'eenements m\'e9thodiques (ateliers de questionnement de textes, exercices sp\'e9cifiques propos\'e9s par le Guide de Perfectionnement ).\par\pard\nowidctlpar On propose \'e9ventuellement ci-dessus des domaines prioritaires ; cela ne signifie pas qu'on n\'e9glige les autres.})";

// Type 1 (class average): Suggestion by case 0 to 15. Cases 9 and 10 share one text.

// Case 0: case not foreseen.
constexpr QStringView AverageCase0 = uR"({\uc1\pard\f0\fs28 CAS NON PREVU.})";

// Case 1: results close to the national ones or above.
constexpr QStringView AverageCase1
    = uR"({\uc1\pard\f0\fs28 Les résultats de la classe sont proches des résultats nationaux ou sup\'e9rieurs.\par Les activit\'e9s de perfectionnement peuvent \'eatre men\'e9es de fa\'e7on \'e9quilibr\'e9e {\b sur les textes narratifs, documentaires, et les supports de recherche d'informations}.})";

// Case 2: one domain (XXX) weaker: priority seems due to it.
constexpr QStringView AverageCase2
    = uR"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité semble devoir être accordée au travail sur les XXX : en effet, les résultats de la classe sont plus faibles que les nationaux dans ce domaine.})";

// Case 3: one domain (XXX) clearly weaker: priority must go to it.
constexpr QStringView AverageCase3
    = uR"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité doit être accordée au travail sur les XXX : en effet, les résultats de la classe sont nettement plus faibles que les nationaux dans ce domaine.})";

// Case 4: two domains (XXX, YYY) weaker.
constexpr QStringView AverageCase4
    = uR"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité semble devoir être accordée au travail sur les XXX et sur les YYY : en effet, les résultats de la classe sont plus faibles que les nationaux dans ces domaines.})";

// Case 5: one domain (XXX) weaker and one (YYY) clearly weaker.
constexpr QStringView AverageCase5
    = uR"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité sera accordée au travail sur les XXX et surtout sur les YYY : en effet, les résultats de la classe sont respectivement plus faibles et nettement plus faibles  que les nationaux dans ces domaines.})";

// Case 6: two domains (XXX, YYY) clearly weaker.
constexpr QStringView AverageCase6
    = uR"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité doit être accordée au travail sur les XXX et sur les YYY : en effet, les résultats de la classe sont nettement plus faibles que les nationaux dans ces domaines.})";

// Case 7: weaker in every domain.
constexpr QStringView AverageCase7
    = uR"({\uc1\pard\f0\fs28 Les résultats de la classe sont plus faibles que les nationaux dans tous les domaines. \par En principe, les activités de perfectionnement seront menées de façon équilibrée, mais le maître doit quand même définir des priorités en fonction d'objectifs propres à la classe.})";

// Case 8: weaker in every domain, very clearly in one (XXX).
constexpr QStringView AverageCase8
    = uR"({\uc1\pard\f0\fs28 Les résultats de la classe sont plus faibles que les nationaux dans tous les domaines, et très nettement sur les XXX. Dans les activités de perfectionnement, la priorité doit être accordée au travail dans ce dernier secteur.})";

// Case 9: clearly weaker in every domain (also case 10).
constexpr QStringView AverageCase9
    = uR"({\uc1\pard\f0\fs28 Les résultats de la classe sont nettement plus faibles que les nationaux dans tous les domaines. \par Les activités de perfectionnement devraient être menées sur tous les types de lecture, {\b mais le maître doit définir ses priorités}, car on ne peut entraîner dans les trois champs de manière intensive.})";

// Case 11: not every test taken; results close to the national ones or above.
constexpr QStringView AverageCase11
    = uR"({\uc1\pard\f0\fs28 Toutes les épreuves n'ont pas été effectuées. \par Les résultats existants sont proches des résultats nationaux, ou supérieurs. \par Les activités de perfectionnement peuvent être menées de façon équilibrée sur les textes narratifs, documentaires, et les supports de recherche d'informations.})";

// Case 12: not every test taken; one domain (XXX) weaker.
constexpr QStringView AverageCase12
    = uR"({\uc1\pard\f0\fs28 Toutes les épreuves n'ont pas été effectuées. \par Dans les activités de perfectionnement, la priorité semble devoir être accordée au travail sur les XXX : en effet, les résultats de la classe sont plus faibles que les nationaux dans ce domaine.})";

// Case 13: not every test taken; one domain (XXX) clearly weaker.
constexpr QStringView AverageCase13
    = uR"({\uc1\pard\f0\fs28 Toutes les épreuves n'ont pas été effectuées. \par Dans les activités de perfectionnement, la priorité doit être accordée au travail sur les XXX : en effet, les résultats de la classe sont nettement plus faibles que les nationaux dans ce domaine.})";

// Case 14: not every test taken; weaker in both domains present.
constexpr QStringView AverageCase14
    = uR"({\uc1\pard\f0\fs28 Toutes les épreuves n'ont pas été effectuées. \par Les résultats sont plus faibles que les nationaux dans les deux domaines présents. \par Les activités de perfectionnement seront menées de façon équilibrée, mais le maître doit quand même définir une priorité en fonction d'objectifs propres à la classe.})";

// Case 15: a single test taken this term.
constexpr QStringView AverageCase15
    = uR"({\uc1\pard\f0\fs28 Il est impossible de définir des priorités, {\b une seule épreuve a été passée} pour le trimestre courant.})";

constexpr std::array<QStringView, 16> AverageSuggestions = {
    AverageCase0,  AverageCase1,  AverageCase2,  AverageCase3,  AverageCase4, AverageCase5,
    AverageCase6,  AverageCase7,  AverageCase8,  AverageCase9,  AverageCase9, AverageCase11,
    AverageCase12, AverageCase13, AverageCase14, AverageCase15,
};

// Types 2 to 4 (class profile): Suggestion by case 1 to 19, whole RTF documents. An open
// text gets the closing note or "}" appended; a complete one is closed already.

constexpr bool Open = true;
constexpr bool Whole = false;

constexpr std::
    array<ProfileText, 19>
        ProfileSuggestions = {
            {
                // Case 1, open: two groups: A category 2, B categories 3 and 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes\par\par A : cat\'e9gorie 2 ;\par B : cat\'e9gories 3 et 4.\par\par\b\f1 Pour le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 1\par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2, puis de niveau 1)",
                 Open},
                // Case 2, open: two groups: A categories 2 and 3, B category 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes\par\par A : cat\'e9gories 2 et 3 ; \par B : cat\'e9gorie 4.\par\par\b\f1 Pour le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 puis de niveau 1\par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2)",
                 Open},
                // Case 3, complete: two groups: A categories 1 and 2, B categories 3 and 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes\par\par A : cat\'e9gories 1 et 2 ;\par B : cat\'e9gories 3 et 4.\par\par\b\f1 Avec le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 1 \par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2\b0\f2\fs20\par})",
                 Whole},
                // Case 4, open: two groups mixing categories 2 and 3.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes en m\'e9langeant les cat\'e9gories 2 et 3\par\par A : cat\'e9gorie 2 et 3 ;\par B : cat\'e9gorie 2 et 3.\par\par\b\f1 Un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 puis de niveau 1)",
                 Open},
                // Case 5, open: two groups: A category 2, B category 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes\par\par A : cat\'e9gorie 2 ;\par B : cat\'e9gorie 4.\par\par\b\f1 Pour le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 puis de niveau 1\par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2)",
                 Open},
                // Case 6, open: two groups mixing categories 3 and 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes en m\'e9langeant les cat\'e9gories 3 et 4\par\par A : cat\'e9gorie 3 et 4\par B : cat\'e9gorie 3 et 4\par\par\b\f1 Un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2)",
                 Open},
                // Case 7, open: one group: category 2.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera un groupe de travail\par\par A : cat\'e9gorie 2  \par\par\b\f1 Pour ce groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 puis de niveau 1\par\b0 Si l'ensemble dépasse 8 élèves, on fera deux groupes\par\b Le ma\'eetre jugera quels \'e9l\'e8ves appartenant aux autres cat\'e9gories peuvent venir compl\'e9ter ce groupe, ou comment constituer d'autres groupes)",
                 Open},
                // Case 8, open: one group mixing categories 2, 3 and 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnement de textes, on constituera un groupe en mélangeant les catégories 2, 3 et 4 A : catégorie 2 3 et 4\par Si l 'ensemble dépasse 8 élèves, on fera deux groupes, en gardant si possible la même composition\par\par\b\f1 Un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 , puis de niveau 1)",
                 Open},
                // Case 9, open: one group: category 3.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera un groupe de travail\par\par A : cat\'e9gorie 3 \par\par\b\f1 Pour ce groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 \par\par Le ma\'eetre jugera quels \'e9l\'e8ves appartenant aux autres cat\'e9gories peuvent venir compl\'e9ter ce groupe, ou comment constituer d'autres groupes)",
                 Open},
                // Case 10, open: one group: category 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera un groupe de travail\par\par A : cat\'e9gorie 4 \par\par\b\f1 Pour ce groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 \par\b0 Si l'ensemble dépasse 8 élèves, on fera deux groupes\par\b Le ma\'eetre jugera quels \'e9l\'e8ves appartenant aux autres cat\'e9gories peuvent venir compl\'e9ter ce groupe, ou comment constituer d'autres groupes)",
                 Open},
                // Case 11, complete: one group: categories 1 and 2.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera un groupe de travail\par\par A : cat\'e9gories 1 et 2 \parSi l'ensemble dépasse 8 élèves, on fera deux groupes, en gardant la même composition\par\par\b\f1 Pour ce groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 1 \b0\f2\fs20})",
                 Whole},
                // Case 12, open: one group: categories 2 and 3.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera un groupe de travail\par\par A : cat\'e9gories 2 et 3\par Si l'ensemble dépasse 8 élèves, on fera deux groupes de même composition \par\par\b\f1 Pour ce groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 1, puis de niveau 2)",
                 Open},
                // Case 13, complete: two very different groups: A category 1, B category 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes tr\'e8s diff\'e9rents\par\par A : cat\'e9gorie 1\par B : cat\'e9gorie 4\par\b\f1 Pour le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 puis de niveau 1\par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2\b0\f2\fs20\par})",
                 Whole},
                // Case 14, open: the teacher forms the group.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, le ma\'eetre construira le groupe de travail de base comme il l'entend. \par\par\b\f1 Dans le groupe constitu\'e9, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris)",
                 Open},
                // Case 15, complete: every pupil in category 1: no specific training.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Un entra\'eenement sp\'e9cifique des ces \'e9l\'e8ves, tous en cat\'e9gorie 1, n'est pas indispensable.\par Leurs progr\'e8s seront r\'e9alis\'e9s par une pratique de textes plus complexes et plus longs\f1\fs20\par})",
                 Whole},
                // Case 16, open: one group: categories 3 and 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera un groupe de travail\par\par A : cat\'e9gories 3 et 4\par Si l'ensemble dépasse 8 élèves, on fera deux groupes de même composition\par\par\b\f1 Pour ce groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2)",
                 Open},
                // Case 17, open: too few pupils: the teacher forms the group.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour un nombre d'\'e9l\'e8ves aussi restreint, il est difficile de d\'e9terminer  automatiquement des groupes de travail. Aussi, Pour les Ateliers de questionnements de textes, le ma\'eetre construira le groupe de travail de base comme il l'entend..\par\par\b\f1 Dans le groupe constitu\'e9, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris)",
                 Open},
                // Case 18, complete: two groups: A categories 1 and 2, B category 3.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes\par\par A : cat\'e9gories 1 et 2 ;\par B : cat\'e9gories 3.\par\par\b\f1 Avec le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 1 \par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2\b0\f2\fs20\par})", Whole},
                // Case 19, complete: two groups: A categories 1 and 2, B category 4.
                {uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Arial;}{\f2\fnil\fcharset0 Times New Roman;}}\viewkind4\uc1\pard\f0\fs24 Pour les Ateliers de questionnements de textes, on constituera deux groupes\par\par A : cat\'e9gories 1 et 2 ;\par B : cat\'e9gorie 4.\par\par\b\f1 Pour le groupe A, un cycle de 5 s\'e9ances ( 3 en deux semaines) peut \'eatre entrepris avec des textes de niveau 2 puis de niveau 1\par\par Avec le groupe B, on mettra en place un cycle de 5 s\'e9ances avec des textes de niveau 2\b0\f2\fs20\par})",
                 Whole},
            }};

// Closing note: no reason to train category-1 pupils specifically.
constexpr QStringView ClosingNoteText
    = uR"(\par\b0\f0\par\ul Note\ulnone  : il n'y a pas de raison d'entra\'eener sp\'e9cifiquement les enfants de cat\'e9gorie 1.\f2\fs20})";

// Type 5 (weak in general comprehension).

// No pupil weak in general comprehension.
constexpr QStringView NoWeakComprehension
    = uR"({\fs24 Il n'y a pas d'élèves faibles en compréhension générale dans cette classe.})";

// CM2: questioning workshops on texts of growing length, free reading.
constexpr QStringView ComprehensionCM2
    = uR"({\fs24 On proposera à ces élèves des ateliers de questionnement sur des textes d'abord courts, puis de longueur croissante. Cette activité, en principe destinée aux entraînements permettra également d'observer plus précisément les "gestes de la compréhension" qui leur font défaut, et de proposer des exercices adaptés. Ces entraînements coexisteront avec des {\b moments de lecture} libre de romans ou ouvrages documentaires  brefs, bien découpés en chapitres matérialisés. Ils se termineront éventuellement par un bref entretien avec le maître ou entre élèves pour mettre au point ce qu'on a compris.})";

// Pupils with few decoding problems: questioning workshops, free reading.
constexpr QStringView LittleDecoding
    = uR"({\fs24 {\ul Si ces élèves ont peu de problèmes de déchiffrement}, on leur proposera des ateliers de questionnement sur des textes d'abord courts, puis de longueur croissante. Cette activité, en principe destinée aux entraînements permettra également d'observer plus précisément les "gestes de la compréhension" qui leur font défaut, et de proposer des exercices adaptés. Ces entraînements coexisteront avec des {\b moments de lecture} libre de romans ou ouvrages documentaires  brefs, bien découpés en chapitres matérialisés. Ils se termineront éventuellement par un bref entretien avec le maître ou entre élèves pour mettre au point ce qu'on a compris.})";

// Slow pupils may still decode word by word: MIM test, remedial programme.
constexpr QStringView SlowPupils
    = uR"({\fs24 {\ul Si ces élèves sont lents} \ulnone , il se peut qu'ils soient encore obligés de déchiffrer la plupart des mots. On peut s'en assurer en leur faisant passer le test MIM. En cas de faiblesse nette à cette épreuves, il faut mettre en place avec eux un programme spécifique de remise à niveau, avec la collaboration éventuelle de structures spécialisées.})";

// Type 6 (weak in reading speed).

// No exceedingly slow reader.
constexpr QStringView NoSlowReader
    = uR"({\fs24 Il n'y a pas d'élèves qui lisent de façon exagérément lente dans cette classe.})";

// CM2: acceptable or good comprehenders (cat 2 and 1) should be urged to read faster.
constexpr QStringView ReadingSpeedCM2
    = uR"({\fs24 {\ul Si ces élèves sont des compreneurs acceptables ou bons (cat 2 et 1)}, ils peuvent être handicapés à terme (en particulier au collège), malgré leurs qualités, quand ils auront à faire face à des textes longs et abondants. Dans les différents exercices ou activités de lecture, on les incitera à aller plus vite, en donnant parfois à l'affaire un touche de compétition. Si la compréhension ne s'en ressent pas, l'élève aura surmonté  ses habitudes de lenteur excessive. Si au contraire, la compréhension est perturbée, il faudra le laisser revenir un temps à son rythme   antérieur avant de retenter l'expérience. \par \b Attention ! Ces propositions ne peuvent valoir pour des compreneurs médiocres.})";

// Pupils weak in comprehension may still decode word by word: MIM test.
constexpr QStringView WeakInComprehension
    = uR"({\fs24 {\ul Si ces élèves sont faibles en compréhension} \ulnone , il se peut qu'ils soient encore obligés de déchiffrer la plupart des mots. On peut s'en assurer en leur faisant passer le test MIM. En cas de faiblesse nette à cette épreuves, il faut mettre en place avec eux un programme spécifique de remise à niveau, avec la collaboration éventuelle de structures spécialisées.})";

// Good comprehenders should be urged to read faster.
constexpr QStringView GoodComprehenders
    = uR"({\fs24 {\ul Si ces élèves sont de bons compreneurs}, ils peuvent être handicapés à terme (en particulier au collège), malgré leurs qualités, quand ils auront à faire face à des textes longs et abondants. Dans les différents exercices ou activités de lecture, on les incitera à aller plus vite, en donnant parfois à l'affaire un touche de compétition. Si la compréhension ne s'en ressent pas, l'élève aura surmonté  ses habitudes de lenteur excessive. Si au contraire, la compréhension est perturbée, il faudra le laisser revenir un temps à son rythme   antérieur avant de retenter l'expérience. \par \b Attention ! Ces propositions ne peuvent valoir pour des compreneurs médiocres.})";

// Types 7 to 9 (weak in one domain): the no-pupil text, then the advice in parts that are
// joined in order; only the joined text is a balanced group.

// Type 7: no pupil weak in narrative texts.
constexpr QStringView NoWeakNarrative
    = uR"({\fs24 Il n'y a pas d'élèves faibles en texte narratifs dans cette classe.})";

constexpr std::array<QStringView, 2> NarrativeAdvice = {
    // Part 1: pupils weak everywhere; narrative workshops and exercises.
    uR"({\fs24 Les élèves marqués d'une croix ont des difficultés partout. Voir alors les suggestions pédagogiques de la partie "Elèves faibles en compréhension générale". \par\par Pour les élèves dont les difficultés sont spécifiques en textes narratifs. \par 1) On travaillera surtout le domaine narratif dans les {\i Ateliers de questionnements de textes}. \par 2) Parmi les exercices figurant dans le "Guide de perfectionnement", on privilégiera {\i "Compétences syntaxiques" et "Compréhension de segments courts"} si la lecture est encore lente,  par exemple au CE2 ; pour les élèves dont le rythme paraît normal, {\i Compréhension de segments courts, Anaphores et Inférences} sont les aspects à travailler en priorité.)",
    // Part 2: regular reading of short stories, light follow-up.
    uR"(\par 3) Au delà des entraînements méthodiques, la lecture régulière de récits courts, suivie d'une  exploitation légère (ex  résumé oral de la part de l'élève ), est une nécessité importante. On aidera éventuellement l'élève à identifier personnages, lieux, schéma narratif, motivations des personnages. Ceci s'intégrera dans les activités de la classe autour de la Littérature Jeunesse.})",
};

// Type 8: no pupil weak in documentary texts.
constexpr QStringView NoWeakDocumentary
    = uR"({\fs24 Il n'y a pas d'élèves faibles en texte documentaires dans cette classe.})";

constexpr std::array<QStringView, 2> DocumentaryAdvice = {
    // Part 1: pupils weak everywhere; documentary workshops and exercises.
    uR"({\fs24 Les élèves marqués d'une croix ont des difficultés partout. Voir alors les suggestions pédagogiques de la partie "Elèves faibles en compréhension générale". \par\par Pour les élèves dont les difficultés sont spécifiques en textes documentaires. \par 1) On travaillera plus particulièrement, dans les {\i Ateliers de questionnements de textes}, le texte documentaire ou explicatif. \par 2) Parmi les exercices figurant dans le "Guide de perfectionnement", on privilégiera {\i "Compétences syntaxiques" et "Compréhension de segments courts"} si la lecture est encore lente,  par exemple au CE2, et sur des thèmes explicatifs plutôt que narratifs ; pour ceux dont le rythme paraît normal, {\i Compréhension de segments courts, Inférences, Organisation des textes} sont les aspects à travailler en priorité.)",
    // Part 2: regular reading of short documentary works; what is it about.
    uR"(\par 3) .Au delà des entraînements méthodiques, on incitera à  la lecture régulière de brefs ouvrages, ou simplement de pages d'ouvrages documentaires sur des sujets choisis par l'enfant ou liés à des activités en cours. Elles peuvent être  suivies d'exploitations légères, en particulier le rappel oral sur les points principaux évoqués dans l'article. Quelle que soit la nature des activités, une priorité est de créer chez l'enfant un réflexe premier, quand il reconnaît qu'il a affaire à un texte de ce type : se demander de quoi l'on parle et quels sont les différents points abordés.})",
};

// Type 9: no pupil weak in information search.
constexpr QStringView NoWeakSearch
    = uR"({\fs24 Il n'y a pas d'élèves faibles en recherche d'informations dans cette classe.})";

constexpr std::array<QStringView, 3> SearchAdvice = {
    // Part 1: pupils weak everywhere; varied kinds of documents.
    uR"({\fs24 Les élèves marqués d'une croix ont des difficultés partout. Voir alors les suggestions pédagogiques de la partie "Elèves faibles en compréhension générale". \par\par Pour les élèves dont les difficultés sont spécifiques en recherche d'informations, plusieurs points sont à considérer : \par 1) Les supports concernés ne sont pas toujours des textes, mais des documents multiformes, qui comportent mini-textes , parfois en encadré ; photos dessins, plans et graphiques ; listes ; tableaux ; titres et sous-titres. Dans les activités d'entraînement proposées, on s'efforcera de diversifier les supports pour qu'un nombre large de cas soit abordé pendant l'année.)",
    // Part 2: "Recherche d'informations" exercises, small-group work.
    uR"(\par 2) Parmi les exercices figurant dans le "Guide de perfectionnement", on privilégiera {\i "Recherche d'informations"} bien entendu. C'est un type de lecture sélective très souvent représenté dans les manuels, et le maître ne sera pas en peine de trouver des activités. Il n'y a pas d'ateliers de questionnements de textes dans ce domaine, mais des travaux en petit groupe favorisant les aides mutuelles paraissent particulièrement adaptés. \par On gagnera à articuler quand on le peut ces exercices méthodiques avec les projets en cours dans la classe ; voir à ce sujet, dans le guide de perfectionnement, {\i III Le perfectionnement en situation de lecture authentique})",
    // Part 3: awareness of search strategies (holds the ligature oe).
    uR"(\par 3) Dans ses aides ponctuelles ou ses moments de mise au point, le maître privilégiera la prise de conscience des stratégies à mettre en œuvre, du simple repérage ponctuel au croisement d'informations. Voir la partie consacrée à la {\i Recherche d'informations} dans le Guide de perfectionnement, {\b p 30}.})",
};

// Type 10 (results by type of comprehension): Suggestion by case 1 to 8.

constexpr std::array<QStringView, 8> ComprehensionTypeSuggestions = {
    // Case 1: weak but balanced: as for weakness in general comprehension.
    uR"({\fs28 Pour cet enfant, équilibré dans la faiblesse, on reprendra les mêmes suggestions que pour les élèves  faibles en compréhension générale (voir cette analyse).})",
    // Case 2: uncertain profile: no specific suggestion.
    uR"({\fs28 Le profil étant entaché d'incertitude, on ne peut ici faire de suggestion spécifique.})",
    // Case 3: neglects what the text says explicitly.
    uR"({\fs28 Il faut inciter cet enfant, dans les exercices et dans les Ateliers de questionnement de textes, à être plus attentif à la lettre du texte, à ce qui est dit explicitement et qu'il a tendance à négliger. Dans le guide de perfectionnement, on lui proposera des exercices sur {\i Compétences syntaxiques, Construction du sens local, Mémoire} ; mais surtout on lui suggérera de lire moins vite et sans sauter des groupes de mots.})",
    // Case 4: to be trained on what is not explicit.
    uR"({\fs28 On travaillera plus particulièrement avec cet enfant les aspects non explicites de la compréhension, plus particulièrement les exercices  du guide de perfectionnement des chapitres {\i Inférences, Anticipation, Pronominalisations et Anaphores}. Dans les ateliers de questionnement de textes, on l'aidera à prendre conscience des phénomènes en jeu pour comprendre ce qui n'est pas dit littéralement dans le texte.})",
    // Case 5: good comprehension of every kind of information.
    uR"({\fs28 Cet enfant a une bonne compréhension pour toutes sortes d'informations, simples ou à reconstruire. Il est inutile de lui proposer des entraînements spécifiques issus du Guide de perfectionnement. Il participera néanmoins aux {\i Ateliers de questionnements de textes} regroupant des catégories 1 et 2.})",
    // Case 6: acceptable comprehension of every kind of information.
    uR"({\fs28 Cet enfant a une compréhension acceptable pour toutes sortes d'informations, simples ou à reconstruire. Il est inutile de lui proposer des entraînements spécifiques issus du Guide de perfectionnement. Il participera néanmoins aux {\i Ateliers de questionnements de textes} regroupant des catégories 1 et 2.})",
    // Case 7: a single test: no conclusion.
    uR"({\fs28 On ne peut tirer aucune conclusion ni faire de propositions pédagogiques personnalisées à partir d'une seule épreuve})",
    // Case 8: no test taken.
    uR"({\fs28 Pas d'épreuve passée.})",
};

} // namespace

QStringView explication(qint16 TypeDoc)
{
    switch (TypeDoc) {
    case 1:
        return AverageExplanation;
    case 2:
    case 3:
    case 4:
        return ProfileExplanation;
    case 5:
        return GeneralComprehensionExplanation;
    case 6:
        return ReadingSpeedExplanation;
    case 7:
        return NarrativeExplanation;
    case 8:
        return DocumentaryExplanation;
    case 9:
        return SearchExplanation;
    case 10:
        return ComprehensionTypeExplanation;
    default:
        return {};
    }
}

QStringView rappelA()
{
    return ReminderA;
}

QStringView rappelB()
{
    return ReminderB;
}

std::optional<QStringView> averageSuggestion(qint16 CasSelect)
{
    if (CasSelect < 0 || CasSelect >= qint16(AverageSuggestions.size()))
        return std::nullopt;
    return AverageSuggestions[CasSelect];
}

std::optional<ProfileText> profileSuggestion(qint16 CasSelect)
{
    if (CasSelect < 1 || CasSelect > qint16(ProfileSuggestions.size()))
        return std::nullopt;
    return ProfileSuggestions[CasSelect - 1];
}

std::optional<QStringView> comprehensionTypeSuggestion(qint16 CasSelect)
{
    if (CasSelect < 1 || CasSelect > qint16(ComprehensionTypeSuggestions.size()))
        return std::nullopt;
    return ComprehensionTypeSuggestions[CasSelect - 1];
}

QStringView closingNote()
{
    return ClosingNoteText;
}

WeaknessTexts weaknessTexts(qint16 TypeDoc)
{
    if (TypeDoc == 6)
        return {NoSlowReader, ReadingSpeedCM2, WeakInComprehension, GoodComprehenders};
    return {NoWeakComprehension, ComprehensionCM2, SlowPupils, LittleDecoding};
}

DomainTexts domainTexts(qint16 TypeDoc)
{
    switch (TypeDoc) {
    case 8:
        return {NoWeakDocumentary, DocumentaryAdvice};
    case 9:
        return {NoWeakSearch, SearchAdvice};
    default:
        return {NoWeakNarrative, NarrativeAdvice};
    }
}

} // namespace virelai
