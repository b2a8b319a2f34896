#include "PdfRunner.h"

#include "advice/BusyPointer.h"
#include "app/FileClipboard.h"
#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"
#include "app/StartupInfo.h"
#include "app/TextClipboard.h"
#include "app/headless/SourceDateEpoch.h"
#include "document/builders/Clock.h"
#include "document/builders/DocumentSession.h"
#include "document/surface/Surface.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace virelai {

namespace {

void printError(const QString &message)
{
    std::fputs(qPrintable(message + u'\n'), stderr);
}

class NoWindow : public DocumentWindow
{
public:
    void MajFenetre() override { }
    void repaintWindow() override { }
};

class StderrMessages : public TeacherMessages
{
public:
    void MsgBox(const QString &Prompt, const QString &Title) override
    {
        printError(Title + QStringLiteral(" : ") + Prompt);
    }
};

class NoPointer : public BusyPointer
{
public:
    void setMousePointer(int) override { }
};

std::unique_ptr<ClipboardSource> clipboardFor(const ProgramOptions &options, QString &erreur)
{
    if (!options.dataFile)
        return std::make_unique<TextClipboard>();
    auto fromFile = FileClipboard::load(*options.dataFile, erreur);
    if (!fromFile)
        return nullptr;
    return std::make_unique<FileClipboard>(std::move(*fromFile));
}

// The footer's clock: SOURCE_DATE_EPOCH when it is set, so that a PDF can be
// made again identical; the system clock otherwise.
std::unique_ptr<Clock> clockFromEnvironment(QString &erreur)
{
    if (!qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH"))
        return std::make_unique<SystemClock>();
    const auto moment = momentFromSourceDateEpoch(qgetenv("SOURCE_DATE_EPOCH"));
    if (!moment) {
        erreur = QStringLiteral("SOURCE_DATE_EPOCH doit être un nombre entier de secondes.");
        return nullptr;
    }
    return std::make_unique<FixedClock>(*moment);
}

int buildAndWrite(const ProgramOptions &options)
{
    RequestState request;
    request.chemin = cheminFromDirectory(QCoreApplication::applicationDirPath());
    request.NumVersion = programNumVersion();
    if (const auto error = decodeCommandLine(options.request, request)) {
        printError(error->message);
        return PdfRequestNotCarried;
    }
    if (request.TypeDoc == 0) {
        printError(
            QStringLiteral("Aucun document n'est demandé (type 0) : aucun PDF n'est écrit."));
        return PdfNothingRequested;
    }
    QString erreur;
    const auto clipboard = clipboardFor(options, erreur);
    const auto clock = clipboard ? clockFromEnvironment(erreur) : nullptr;
    if (!clock) {
        printError(erreur);
        return PdfFailed;
    }
    Surface VSPrinter1;
    bool documentShown = false;
    QObject::connect(&VSPrinter1, &Surface::documentShown, [&] { documentShown = true; });
    NoWindow window;
    StderrMessages messages;
    NoPointer pointer;
    DocumentSession session(request, *clipboard, VSPrinter1, window, messages, *clock);
    session.InitAppli(pointer);
    if (!documentShown)
        return PdfFailed; // the builder has told why
    if (!VSPrinter1.writePdf(*options.pdfFile)) {
        printError(QStringLiteral("Impossible d'écrire le fichier PDF ") + *options.pdfFile);
        return PdfFailed;
    }
    return PdfWritten;
}

} // namespace

int runPdf(int &argc, char **argv, const ProgramOptions &options)
{
    // No display is needed, and none is used even when there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return buildAndWrite(options);
}

} // namespace virelai
