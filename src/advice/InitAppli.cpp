#include "InitAppli.h"

#include "advice/Catalogue.h"
#include "common/NumericReading.h"
#include "common/TrimBlancs.h"

#include <array>
#include <span>

namespace virelai {

using namespace catalogue;

namespace {

// Shows the hourglass for its lifetime, so a failing builder cannot leave it on.
class HourglassWhileBuilding
{
public:
    explicit HourglassWhileBuilding(BusyPointer &pointer)
        : pointer(pointer)
    {
        pointer.setMousePointer(BusyPointer::Hourglass);
    }
    ~HourglassWhileBuilding() { pointer.setMousePointer(BusyPointer::Default); }
    HourglassWhileBuilding(const HourglassWhileBuilding &) = delete;
    HourglassWhileBuilding &operator=(const HourglassWhileBuilding &) = delete;

private:
    BusyPointer &pointer;
};

// Only the first occurrence is replaced; an empty replacement removes the marker.
void remplacerPremier(QString &texte, QStringView marqueur, const QString &remplacement)
{
    const qsizetype p = texte.indexOf(marqueur);
    if (p >= 0)
        texte.replace(p, marqueur.size(), remplacement);
}

QString joindre(std::span<const QStringView> morceaux)
{
    QString texte;
    for (QStringView morceau : morceaux)
        texte += morceau;
    return texte;
}

bool pressePapiersVide(const ClipboardSource &clipboard)
{
    return TrimBlancs(clipboard.text()).isEmpty();
}

void moyenne(const RequestState &request, AdviceTexts &texts, DocumentBuilders &builders)
{
    texts.Titre = TitreMoyenne.toString();
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel = rappelA().toString();
    if (const auto suggestion = suggestionMoyenne(request.CasSelect))
        texts.Suggestion = suggestion->toString();
    remplacerPremier(texts.Suggestion, MarqueurXXX, request.Param3);
    remplacerPremier(texts.Suggestion, MarqueurYYY, request.Param4);
    builders.AffMoyenne();
}

QStringView titreProfil(qint16 TypeDoc)
{
    switch (TypeDoc) {
    case 2:
        return TitreProfilNarratifs;
    case 3:
        return TitreProfilDocumentaires;
    default:
        return TitreProfilRecherche;
    }
}

void profil(const RequestState &request, AdviceTexts &texts, DocumentBuilders &builders)
{
    texts.Titre = titreProfil(request.TypeDoc).toString();
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel = rappelA().toString();
    const QStringView fermeture = request.Param4 == MotNote ? noteFinale() : FermetureSimple;
    if (const auto profilDuCas = suggestionProfil(request.CasSelect)) {
        texts.Suggestion = profilDuCas->texte.toString();
        if (profilDuCas->ouvert)
            texts.Suggestion += fermeture;
    }
    builders.AffProfil();
}

void faiblesse(const RequestState &request, AdviceTexts &texts, const ClipboardSource &clipboard,
               DocumentBuilders &builders)
{
    const bool aucunEleve = pressePapiersVide(clipboard);
    const TextesFaiblesse textes = textesFaiblesse(request.TypeDoc);
    texts.Titre = (request.TypeDoc == 5 ? TitreComprehensionGenerale : TitreVitesse).toString();
    texts.Explication = explication(request.TypeDoc).toString();
    if (aucunEleve) {
        texts.Rappel.clear();
        texts.Suggestion = textes.aucunEleve.toString();
    } else if (request.Param4 == NiveauCM2) {
        texts.Suggestion.clear();
        texts.Rappel = textes.texteCM2.toString();
    } else {
        texts.Suggestion = textes.suggestion.toString();
        texts.Rappel = textes.rappel.toString();
    }
    builders.AffRevVit();
}

void faiblesseDomaine(const RequestState &request, AdviceTexts &texts,
                      const ClipboardSource &clipboard, DocumentBuilders &builders)
{
    const bool aucunEleve = pressePapiersVide(clipboard);
    const TextesDomaine textes = textesDomaine(request.TypeDoc);
    texts.Titre = joindre(std::array<QStringView, 3> {DebutTitreFaibles, request.Param4, FinTitre});
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel.clear();
    if (aucunEleve) {
        texts.Suggestion = textes.aucunEleve.toString();
    } else {
        texts.Suggestion = joindre(textes.parties);
    }
    builders.AffCompGene();
}

// "Performances cumulées sur " + the trimmed text of Param6 + the singular or
// plural ending, chosen on the real number read from it (never rounded).
QString phraseNombreEpreuves(const QString &Param6)
{
    const QString u = TrimBlancs(Param6);
    const double n = Val(u);
    return joindre(
        std::array<QStringView, 3> {DebutNombreEpreuves, u, n > 1 ? FinEpreuves : FinEpreuve});
}

void typeComp(const RequestState &request, AdviceTexts &texts, DocumentBuilders &builders)
{
    texts.Titre = TitreTypeComp.toString();
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel = rappelB().toString();
    if (const auto suggestion = suggestionTypeComp(request.CasSelect))
        texts.Suggestion = suggestion->toString();
    texts.Explication += phraseNombreEpreuves(request.Param6);
    builders.AffTypeComp();
}

} // namespace

void InitAppli(const RequestState &request, AdviceTexts &texts, const ClipboardSource &clipboard,
               DocumentBuilders &builders, BusyPointer &pointer)
{
    if (request.TypeDoc == 0)
        return;
    const HourglassWhileBuilding hourglass(pointer);
    switch (request.TypeDoc) {
    case 1:
        moyenne(request, texts, builders);
        break;
    case 2:
    case 3:
    case 4:
        profil(request, texts, builders);
        break;
    case 5:
    case 6:
        faiblesse(request, texts, clipboard, builders);
        break;
    case 7:
    case 8:
    case 9:
        faiblesseDomaine(request, texts, clipboard, builders);
        break;
    case 10:
        typeComp(request, texts, builders);
        break;
    default:
        builders.AffAide(request.Param3);
        break;
    }
}

} // namespace virelai
