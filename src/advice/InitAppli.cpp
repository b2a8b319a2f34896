#include "InitAppli.h"

#include "advice/Catalogue.h"
#include "common/NumericReading.h"
#include "common/TrimBlancs.h"

#include <array>
#include <span>

namespace virelai {

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
void replaceFirst(QString &text, QStringView marker, const QString &replacement)
{
    const qsizetype p = text.indexOf(marker);
    if (p >= 0)
        text.replace(p, marker.size(), replacement);
}

QString joined(std::span<const QStringView> pieces)
{
    QString text;
    for (QStringView piece : pieces)
        text += piece;
    return text;
}

bool clipboardEmpty(const ClipboardSource &clipboard)
{
    return TrimBlancs(clipboard.text()).isEmpty();
}

void chooseAverage(const RequestState &request, AdviceTexts &texts, DocumentBuilders &builders)
{
    texts.Titre = AverageTitle.toString();
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel = rappelA().toString();
    if (const auto suggestion = averageSuggestion(request.CasSelect))
        texts.Suggestion = suggestion->toString();
    replaceFirst(texts.Suggestion, MarkerXXX, request.Param3);
    replaceFirst(texts.Suggestion, MarkerYYY, request.Param4);
    builders.AffMoyenne();
}

QStringView profileTitle(qint16 TypeDoc)
{
    switch (TypeDoc) {
    case 2:
        return NarrativeProfileTitle;
    case 3:
        return DocumentaryProfileTitle;
    default:
        return SearchProfileTitle;
    }
}

void chooseProfile(const RequestState &request, AdviceTexts &texts, DocumentBuilders &builders)
{
    texts.Titre = profileTitle(request.TypeDoc).toString();
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel = rappelA().toString();
    const QStringView closing = request.Param4 == NoteWord ? closingNote() : PlainClosing;
    if (const auto caseProfile = profileSuggestion(request.CasSelect)) {
        texts.Suggestion = caseProfile->text.toString();
        if (caseProfile->open)
            texts.Suggestion += closing;
    }
    builders.AffProfil();
}

void chooseWeakness(const RequestState &request, AdviceTexts &texts,
                    const ClipboardSource &clipboard, DocumentBuilders &builders)
{
    const bool noPupil = clipboardEmpty(clipboard);
    const WeaknessTexts choices = weaknessTexts(request.TypeDoc);
    texts.Titre = (request.TypeDoc == 5 ? GeneralComprehensionTitle : ReadingSpeedTitle).toString();
    texts.Explication = explication(request.TypeDoc).toString();
    if (noPupil) {
        texts.Rappel.clear();
        texts.Suggestion = choices.noPupil.toString();
    } else if (request.Param4 == LevelCM2) {
        texts.Suggestion.clear();
        texts.Rappel = choices.cm2.toString();
    } else {
        texts.Suggestion = choices.suggestion.toString();
        texts.Rappel = choices.reminder.toString();
    }
    builders.AffRevVit();
}

void chooseDomainWeakness(const RequestState &request, AdviceTexts &texts,
                          const ClipboardSource &clipboard, DocumentBuilders &builders)
{
    const bool noPupil = clipboardEmpty(clipboard);
    const DomainTexts choices = domainTexts(request.TypeDoc);
    texts.Titre
        = joined(std::array<QStringView, 3> {WeakPupilsTitleStart, request.Param4, TitleEnd});
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel.clear();
    if (noPupil) {
        texts.Suggestion = choices.noPupil.toString();
    } else {
        texts.Suggestion = joined(choices.parts);
    }
    builders.AffCompGene();
}

// "Performances cumulées sur " + the trimmed text of Param6 + the singular or
// plural ending, chosen on the real number read from it (never rounded).
QString testCountSentence(const QString &Param6)
{
    const QString u = TrimBlancs(Param6);
    const double n = Val(u);
    return joined(std::array<QStringView, 3> {TestCountStart, u, n > 1 ? TestsEnd : OneTestEnd});
}

void typeComp(const RequestState &request, AdviceTexts &texts, DocumentBuilders &builders)
{
    texts.Titre = ComprehensionTypeTitle.toString();
    texts.Explication = explication(request.TypeDoc).toString();
    texts.Rappel = rappelB().toString();
    if (const auto suggestion = comprehensionTypeSuggestion(request.CasSelect))
        texts.Suggestion = suggestion->toString();
    texts.Explication += testCountSentence(request.Param6);
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
        chooseAverage(request, texts, builders);
        break;
    case 2:
    case 3:
    case 4:
        chooseProfile(request, texts, builders);
        break;
    case 5:
    case 6:
        chooseWeakness(request, texts, clipboard, builders);
        break;
    case 7:
    case 8:
    case 9:
        chooseDomainWeakness(request, texts, clipboard, builders);
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
