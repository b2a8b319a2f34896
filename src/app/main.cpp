#include "app/DisplayStart.h"
#include "app/DumpAdvice.h"
#include "app/FrenchTranslations.h"
#include "app/ProgramOptions.h"
#include "app/RunClipboard.h"
#include "app/StandardError.h"
#include "app/SystemClipboard.h"
#include "app/headless/PdfRunner.h"
#include "app/window/Form1.h"
#include "app/window/WindowPictures.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>

using namespace virelai;

namespace {

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
    const auto described = dumpAdvice(options);
    if (!described) {
        printError(described.failure().message);
        return 2;
    }
    const QByteArray &line = described.value();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return 0;
}

int runWindow(int argc, char *argv[], const ProgramOptions &options)
{
    const std::unique_ptr<QApplication> app = applicationOnDisplay(argc, argv);
    installFrenchTranslations(*app);
    // The program's own icon, on its dialogs and message boxes too.
    QApplication::setWindowIcon(windowIcon());
    RunClipboard run = clipboardFromOptions(options, std::make_unique<SystemClipboard>());
    if (!run) {
        QMessageBox::critical(nullptr, QStringLiteral("Erreur"), run.failure().message);
        return 1;
    }
    Form1 form(std::move(run).value());
    if (const auto error = form.Form_Load(options.request)) {
        QMessageBox::critical(nullptr, QStringLiteral("Erreur"), error->message);
        return 2;
    }
    form.showOnScreen();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    const auto parsed = parseProgramOptions(requestArguments(argc, argv));
    if (!parsed) {
        printError(parsed.failure().message);
        return 2;
    }
    const ProgramOptions &options = parsed.value();
    // Qt sees only the program's name: it must not take the host's request for
    // one of its own options.
    int qtArgc = 1;
    if (options.dumpAdvice)
        return runDumpAdvice(qtArgc, argv, options);
    if (options.pdfFile)
        return runPdf(qtArgc, argv, options);
    return runWindow(qtArgc, argv, options);
}
