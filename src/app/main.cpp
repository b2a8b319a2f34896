#include "app/DumpAdvice.h"
#include "app/FrenchTranslations.h"
#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"
#include "app/StartupInfo.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <cstdio>

using namespace virelai;

namespace {

void printError(const QString &message)
{
    std::fputs(qPrintable(message + u'\n'), stderr);
}

QStringList requestArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int runDumpAdvice(int argc, char *argv[], const ProgramOptions &options)
{
    QCoreApplication app(argc, argv);
    const DumpOutcome outcome = dumpAdvice(options);
    if (outcome.exitStatus != 0)
        printError(outcome.errorMessage);
    else
        std::fwrite(outcome.standardOutput.constData(), 1, outcome.standardOutput.size(), stdout);
    return outcome.exitStatus;
}

int runWindow(int argc, char *argv[], const ProgramOptions &options)
{
    QApplication app(argc, argv);
    installFrenchTranslations(app);
    RequestState request;
    request.chemin = cheminFromDirectory(QCoreApplication::applicationDirPath());
    request.NumVersion = programNumVersion();
    QMainWindow Form1;
    Form1.setWindowTitle(windowCaption(request.NumVersion));
    if (const auto error = decodeCommandLine(options.request, request)) {
        QMessageBox::critical(nullptr, QStringLiteral("Erreur"), error->message);
        return 2;
    }
    Form1.show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    ProgramOptions options;
    if (const auto error = parseProgramOptions(requestArguments(argc, argv), options)) {
        printError(error->message);
        return 2;
    }
    // Qt sees only the program's name: it must not take the host's request for
    // one of its own options.
    int qtArgc = 1;
    if (options.dumpAdvice)
        return runDumpAdvice(qtArgc, argv, options);
    if (options.pdfFile) {
        printError(QStringLiteral("L'option --pdf n'est pas encore disponible."));
        return 1;
    }
    return runWindow(qtArgc, argv, options);
}
