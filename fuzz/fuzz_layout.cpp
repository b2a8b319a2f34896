// Text laid out on the page as the builders hand it over. The first byte chooses
// the road: below 128, the rest is a help file (Windows-1252, written from the
// top and continued on new pages); otherwise it is a pupil list (UTF-8, in a box
// of the list column). The document is then ended, footer included.
#include "document/rtf/RtfReader.h"
#include "document/surface/Surface.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {

// The pupil list box of a landscape A4 page: 38 % of its printable width.
constexpr double ListBoxWidth = 0.38 * (16838 - 2 * 850);

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView bytes(data + 1, qsizetype(size - 1));
    virelai::Surface surface;
    surface.setFooterText(QStringLiteral("{\\b\\qc {-%d-}\\par}"));
    surface.setDocAction(virelai::Surface::NewDocument);
    if (data[0] < 128) {
        surface.setRichText(virelai::decodeWindows1252(bytes));
    } else {
        surface.setIndentLeft(100);
        surface.TextBox(
            QString::fromUtf8(bytes), surface.CurrentX(), surface.CurrentY(), ListBoxWidth, 0,
            virelai::Surface::TextBoxOption::Wrap | virelai::Surface::TextBoxOption::Shaded);
    }
    surface.setDocAction(virelai::Surface::EndDocument);
    return 0;
}
