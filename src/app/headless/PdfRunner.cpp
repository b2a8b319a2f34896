#include "PdfRunner.h"

#include "advice/BusyPointer.h"
#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"
#include "app/RunClipboard.h"
#include "app/StandardError.h"
#include "app/StartupInfo.h"
#include "app/headless/SourceDateEpoch.h"
#include "chart/files/AtomicFileWriter.h"
#include "common/Result.h"
#include "common/TextClipboard.h"
#include "document/builders/Clock.h"
#include "document/builders/DocumentSession.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceOutput.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>

#include <memory>

#include <sys/stat.h>

namespace virelai {

namespace {

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

// A SOURCE_DATE_EPOCH that gives no moment.
struct SourceDateEpochRefusal
{
    QString message; // in French
};

// The footer's clock: SOURCE_DATE_EPOCH when it is set, so that a PDF can be
// made again identical; the system clock otherwise.
Result<std::unique_ptr<Clock>, SourceDateEpochRefusal> clockFromEnvironment()
{
    if (!qEnvironmentVariableIsSet("SOURCE_DATE_EPOCH"))
        return std::unique_ptr<Clock>(std::make_unique<SystemClock>());
    const auto moment = momentFromSourceDateEpoch(qgetenv("SOURCE_DATE_EPOCH"));
    if (!moment)
        return SourceDateEpochRefusal {
            QStringLiteral("SOURCE_DATE_EPOCH doit être un nombre entier de secondes.")};
    return std::unique_ptr<Clock>(std::make_unique<FixedClock>(*moment));
}

// Both names lead to one file (the same path, a link, a hard link).
bool sameFile(const QString &first, const QString &second)
{
    struct stat a
    {
    };
    struct stat b
    {
    };
    return ::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0 && a.st_dev == b.st_dev
        && a.st_ino == b.st_ino;
}

// Nothing when the PDF is in place, else why it is not.
std::optional<WriteFailure> writePdf(const Surface &VSPrinter1, const QString &path,
                                     FileWriter &writer)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!writeDocumentPdf(*VSPrinter1.shownDocument(), pdf))
        return WriteFailure {QStringLiteral("le document n'a pas pu être mis en page")};
    return writer.writeWhole(path, pdf.data());
}

} // namespace

int writeRequestedPdf(const ProgramOptions &options, FileWriter &writer)
{
    RequestState program;
    program.chemin = cheminFromDirectory(QCoreApplication::applicationDirPath());
    program.NumVersion = programNumVersion();
    const auto decoded = decodeCommandLine(options.request, program);
    if (!decoded) {
        printError(decoded.failure().message);
        return PdfRequestNotCarried;
    }
    const RequestState &request = decoded.value();
    if (request.TypeDoc == 0) {
        printError(
            QStringLiteral("Aucun document n'est demandé (type 0) : aucun PDF n'est écrit."));
        return PdfNothingRequested;
    }
    if (options.dataFile && sameFile(*options.pdfFile, *options.dataFile)) {
        printError(QStringLiteral("Le fichier PDF %1 est le fichier de données : il n'est pas "
                                  "remplacé.")
                       .arg(*options.pdfFile));
        return PdfFailed;
    }
    const RunClipboard run = clipboardFromOptions(options, std::make_unique<TextClipboard>());
    if (!run) {
        printError(run.failure().message);
        return PdfFailed;
    }
    auto fromEnvironment = clockFromEnvironment();
    if (!fromEnvironment) {
        printError(fromEnvironment.failure().message);
        return PdfFailed;
    }
    const std::unique_ptr<Clock> clock = std::move(fromEnvironment).value();
    Surface VSPrinter1;
    bool documentShown = false;
    QObject::connect(&VSPrinter1, &Surface::documentShown, [&] { documentShown = true; });
    QObject::connect(&VSPrinter1, &Surface::textCut, printError);
    NoWindow window;
    StderrMessages messages;
    NoPointer pointer;
    DocumentSession session(request, *run.value(), VSPrinter1, window, messages, *clock);
    session.buildDocument(pointer);
    if (!documentShown)
        return PdfFailed; // the builder has told why
    if (const auto failure = writePdf(VSPrinter1, *options.pdfFile, writer)) {
        printError(QStringLiteral("Impossible d'écrire le fichier PDF %1 : %2")
                       .arg(*options.pdfFile, failure->cause));
        return PdfFailed;
    }
    return session.chartNoticesOfLastBuild() > 0 ? PdfWrittenWithChartNotices : PdfWritten;
}

int runPdf(int &argc, char **argv, const ProgramOptions &options)
{
    // No display is needed, and none is used even when there is one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    AtomicFileWriter writer;
    return writeRequestedPdf(options, writer);
}

} // namespace virelai
