#include "CompleteDocument.h"

#include "document/rtf/RtfReader.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

const QString WordProcessorFont = QStringLiteral("Times New Roman");

// Puts the surface's font back however the text's placing ends.
class TemporaryFont
{
public:
    TemporaryFont(Surface &VSPrinter1, const QString &font)
        : m_surface(VSPrinter1)
        , m_surfaceFont(VSPrinter1.FontName())
    {
        m_surface.setFontName(font);
    }
    ~TemporaryFont() { m_surface.setFontName(m_surfaceFont); }
    TemporaryFont(const TemporaryFont &) = delete;
    TemporaryFont &operator=(const TemporaryFont &) = delete;

private:
    Surface &m_surface;
    QString m_surfaceFont;
};

} // namespace

void showCompleteDocument(Surface &VSPrinter1, QByteArrayView bytes)
{
    const QString text = decodeWindows1252(bytes);
    VSPrinter1.setDocAction(Surface::NewDocument);
    {
        const TemporaryFont font(VSPrinter1, WordProcessorFont);
        VSPrinter1.setRichText(text);
    }
    VSPrinter1.setDocAction(Surface::EndDocument);
}

} // namespace virelai
