#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <span>

namespace virelai::catalogue {

// Headings (Titre) with their fixed words.
extern const QStringView TitreMoyenne;
extern const QStringView TitreProfilNarratifs;
extern const QStringView TitreProfilDocumentaires;
extern const QStringView TitreProfilRecherche;
extern const QStringView TitreComprehensionGenerale;
extern const QStringView TitreVitesse;
extern const QStringView TitreTypeComp;

// Pieces joined or searched by the selection logic.
extern const QStringView DebutTitreFaibles;
extern const QStringView FinTitre;
extern const QStringView MarqueurXXX;
extern const QStringView MarqueurYYY;
extern const QStringView MotNote;
extern const QStringView NiveauCM2;
extern const QStringView FermetureSimple;
extern const QStringView DebutNombreEpreuves;
extern const QStringView FinEpreuve;
extern const QStringView FinEpreuves;

// A class-profile text: a whole RTF document, left open when `ouvert` (the
// caller closes it with the closing note or "}").
struct TexteProfil
{
    QStringView texte;
    bool ouvert;
};

// The texts of types 5 and 6, by role.
struct TextesFaiblesse
{
    QStringView aucunEleve; // Suggestion when the clipboard holds no pupil
    QStringView texteCM2; // Rappel for a CM2 class
    QStringView suggestion; // Suggestion otherwise
    QStringView rappel; // Rappel otherwise
};

// The texts of types 7 to 9: the advice is its parts joined in order.
struct TextesDomaine
{
    QStringView aucunEleve;
    std::span<const QStringView> parties;
};

// How to read the chart, for TypeDoc 1..10 (empty for any other type).
QStringView explication(qint16 TypeDoc);

QStringView rappelA(); // types 1 to 4
QStringView rappelB(); // type 10

// The case texts; no value outside each type's range of cases.
std::optional<QStringView> suggestionMoyenne(qint16 CasSelect); // 0..15
std::optional<TexteProfil> suggestionProfil(qint16 CasSelect); // 1..19
std::optional<QStringView> suggestionTypeComp(qint16 CasSelect); // 1..8

QStringView noteFinale(); // closing note of an open profile text

TextesFaiblesse textesFaiblesse(qint16 TypeDoc); // 5 or 6
TextesDomaine textesDomaine(qint16 TypeDoc); // 7, 8 or 9

} // namespace virelai::catalogue
