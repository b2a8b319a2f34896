#include "ProgramOptions.h"

namespace virelai {

namespace {

// Takes the file name after a file option; the option may appear once.
std::optional<OptionsError> takeFileArgument(const QStringList &arguments, qsizetype &index,
                                             std::optional<QString> &target)
{
    const QString &option = arguments.at(index);
    if (target)
        return OptionsError {QStringLiteral("L'option %1 est donnée deux fois.").arg(option)};
    if (index + 1 >= arguments.size())
        return OptionsError {QStringLiteral("L'option %1 demande un nom de fichier.").arg(option)};
    target = arguments.at(++index);
    return std::nullopt;
}

bool looksLikeOption(const QString &argument)
{
    return argument.startsWith(QStringLiteral("--"));
}

} // namespace

Result<ProgramOptions, OptionsError> parseProgramOptions(const QStringList &arguments)
{
    ProgramOptions options;
    qsizetype index = 0;
    for (; index < arguments.size(); ++index) {
        const QString &argument = arguments.at(index);
        if (argument == QStringLiteral("--")) {
            ++index;
            break;
        }
        std::optional<OptionsError> error;
        if (argument == QStringLiteral("--dump-advice"))
            options.dumpAdvice = true;
        else if (argument == QStringLiteral("--pdf"))
            error = takeFileArgument(arguments, index, options.pdfFile);
        else if (argument == QStringLiteral("--data"))
            error = takeFileArgument(arguments, index, options.dataFile);
        else if (looksLikeOption(argument))
            error = OptionsError {QStringLiteral("Option inconnue : %1").arg(argument)};
        else
            break;
        if (error)
            return *error;
    }
    if (options.dumpAdvice && options.pdfFile)
        return OptionsError {QStringLiteral("Les options --dump-advice et --pdf s'excluent.")};
    options.request = arguments.sliced(index).join(u' ');
    return options;
}

} // namespace virelai
