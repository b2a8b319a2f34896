#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <span>

namespace virelai {

// Headings (Titre) with their fixed words.
extern const QStringView AverageTitle;
extern const QStringView NarrativeProfileTitle;
extern const QStringView DocumentaryProfileTitle;
extern const QStringView SearchProfileTitle;
extern const QStringView GeneralComprehensionTitle;
extern const QStringView ReadingSpeedTitle;
extern const QStringView ComprehensionTypeTitle;

// Pieces joined or searched by the selection logic.
extern const QStringView WeakPupilsTitleStart;
extern const QStringView TitleEnd;
extern const QStringView MarkerXXX;
extern const QStringView MarkerYYY;
extern const QStringView NoteWord;
extern const QStringView LevelCM2;
extern const QStringView PlainClosing;
extern const QStringView TestCountStart;
extern const QStringView OneTestEnd;
extern const QStringView TestsEnd;

// A class-profile text: a whole RTF document, left open when `open` (the
// caller closes it with the closing note or "}").
struct ProfileText
{
    QStringView text;
    bool open;
};

// The texts of types 5 and 6, by role.
struct WeaknessTexts
{
    QStringView noPupil; // Suggestion when the clipboard holds no pupil
    QStringView cm2; // Rappel for a CM2 class
    QStringView suggestion; // Suggestion otherwise
    QStringView reminder; // Rappel otherwise
};

// The texts of types 7 to 9: the advice is its parts joined in order.
struct DomainTexts
{
    QStringView noPupil;
    std::span<const QStringView> parts;
};

// How to read the chart, for TypeDoc 1..10 (empty for any other type).
QStringView explication(qint16 TypeDoc);

QStringView rappelA(); // types 1 to 4
QStringView rappelB(); // type 10

// The case texts; no value outside each type's range of cases.
std::optional<QStringView> averageSuggestion(qint16 CasSelect); // 0..15
std::optional<ProfileText> profileSuggestion(qint16 CasSelect); // 1..19
std::optional<QStringView> comprehensionTypeSuggestion(qint16 CasSelect); // 1..8

QStringView closingNote(); // closing note of an open profile text

WeaknessTexts weaknessTexts(qint16 TypeDoc); // 5 or 6
DomainTexts domainTexts(qint16 TypeDoc); // 7, 8 or 9

} // namespace virelai
