#pragma once

namespace virelai {

struct ProgramOptions;

// Exit statuses of --pdf.
inline constexpr int PdfWritten = 0;
inline constexpr int PdfFailed = 1;
inline constexpr int PdfRequestNotCarried = 2;
inline constexpr int PdfNothingRequested = 3;

// Builds the requested document as the window would (same builders, same chart
// files) on the offscreen platform, and writes it as a PDF to options.pdfFile.
// Every message goes to stderr in French.
int runPdf(int &argc, char **argv, const ProgramOptions &options);

} // namespace virelai
