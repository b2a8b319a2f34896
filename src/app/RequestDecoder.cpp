#include "RequestDecoder.h"

#include "common/NumericReading.h"

#include <limits>

namespace virelai {

namespace {

// Positions are 16-bit signed: the position after a comma must fit too.
constexpr qsizetype HighestCommaPosition = std::numeric_limits<qint16>::max() - 1;

RequestError requestError(const QString &detail)
{
    return {QStringLiteral("Demande impossible à traiter : ") + detail};
}

QString fieldName(int field)
{
    switch (field) {
    case 1:
        return QStringLiteral("le champ 1 (type de document)");
    case 2:
        return QStringLiteral("le champ 2 (numéro de cas)");
    default:
        return QStringLiteral("le champ %1").arg(field);
    }
}

RequestError outOfRange(int field)
{
    return requestError(fieldName(field)
                        + QStringLiteral(" donne un nombre hors de l'intervalle -32768 à 32767."));
}

RequestError commaTooFar(int field)
{
    return requestError(
        QStringLiteral("la virgule qui suit ") + fieldName(field)
        + QStringLiteral(" est au-delà de la position %1.").arg(HighestCommaPosition));
}

RequestError missingCommaType10()
{
    return requestError(
        QStringLiteral("pour le type 10, le champ 5 doit être suivi d'une virgule."));
}

class CommandLineDecoder
{
public:
    CommandLineDecoder(const QString &S, RequestState &state)
        : S(S)
        , state(state)
    { }

    std::optional<RequestError> decode()
    {
        state.Param3.clear();
        state.Param4.clear();
        for (int field = 1; field <= 4; ++field) {
            if (auto error = takeField(field))
                return error;
        }
        if (state.TypeDoc != 10) {
            state.Param5 = charactersFrom(pos);
            return std::nullopt;
        }
        return takeLastFieldsOfType10();
    }

private:
    // Fields 1 to 4 are taken only when a comma follows them; otherwise the
    // variable keeps its value and pos stays where it is.
    std::optional<RequestError> takeField(int field)
    {
        const qsizetype c = searchComma();
        if (c == 0)
            return std::nullopt;
        if (c > HighestCommaPosition)
            return commaTooFar(field);
        const QString text = characters(pos, c - 1);
        std::optional<RequestError> error;
        switch (field) {
        case 1:
            error = readInteger(field, text, state.TypeDoc);
            break;
        case 2:
            error = readInteger(field, text, state.CasSelect);
            break;
        case 3:
            state.Param3 = text;
            break;
        default:
            state.Param4 = text;
            break;
        }
        if (error)
            return error;
        pos = qint16(c + 1);
        return std::nullopt;
    }

    std::optional<RequestError> takeLastFieldsOfType10()
    {
        const qsizetype c = searchComma();
        if (c == 0)
            return missingCommaType10();
        if (c > HighestCommaPosition)
            return commaTooFar(5);
        state.Param5 = characters(pos, c - 1);
        state.Param6 = charactersFrom(c + 1);
        return std::nullopt;
    }

    static std::optional<RequestError> readInteger(int field, const QString &text, qint16 &target)
    {
        const double rounded = roundHalfEven(Val(text));
        // Written so that NaN and infinities fail too.
        if (!(rounded >= std::numeric_limits<qint16>::min()
              && rounded <= std::numeric_limits<qint16>::max()))
            return outOfRange(field);
        target = qint16(rounded);
        return std::nullopt;
    }

    // 1-based position of the first comma at or after pos, 0 when there is none.
    qsizetype searchComma() const { return S.indexOf(u',', pos - 1) + 1; }

    // Characters first to last, 1-based and inclusive.
    QString characters(qsizetype first, qsizetype last) const
    {
        return S.mid(first - 1, last - first + 1);
    }

    QString charactersFrom(qsizetype first) const { return S.mid(first - 1); }

    const QString &S;
    RequestState &state;
    qint16 pos = 1;
};

} // namespace

Result<RequestState, RequestError> decodeCommandLine(const QString &S, RequestState state)
{
    if (S.isEmpty()) {
        // The class-average document without a case-specific suggestion.
        state.CasSelect = -1;
        state.TypeDoc = 1;
        state.CasOrigine = 0;
        state.IndOrigine = 0;
        return state;
    }
    if (auto error = CommandLineDecoder(S, state).decode())
        return *error;
    return state;
}

} // namespace virelai
