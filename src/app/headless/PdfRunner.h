#pragma once

namespace virelai {

struct ProgramOptions;
class FileWriter;

// Exit statuses of --pdf.
inline constexpr int PdfWritten = 0;
inline constexpr int PdfFailed = 1;
inline constexpr int PdfRequestNotCarried = 2;
inline constexpr int PdfNothingRequested = 3;
// Written, but at least one chart place shows the notice instead of a chart.
inline constexpr int PdfWrittenWithChartNotices = 4;

// Builds the requested document as the window would (same builders, same chart
// files) on the offscreen platform, and writes it as a PDF to options.pdfFile.
// Every message goes to stderr in French.
int runPdf(int &argc, char **argv, const ProgramOptions &options);

// runPdf's work once the application exists, the PDF put in place by writer
// (tests give one that fails like a full disk).
int writeRequestedPdf(const ProgramOptions &options, FileWriter &writer);

} // namespace virelai
