#include "DocumentComplet.h"

#include "document/rtf/RtfReader.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

const QString PoliceDesTraitementsDeTexte = QStringLiteral("Times New Roman");

// Puts the surface's font back however the text's placing ends.
class PoliceProvisoire
{
public:
    PoliceProvisoire(Surface &VSPrinter1, const QString &police)
        : m_surface(VSPrinter1)
        , m_policeDeLaSurface(VSPrinter1.FontName())
    {
        m_surface.setFontName(police);
    }
    ~PoliceProvisoire() { m_surface.setFontName(m_policeDeLaSurface); }
    PoliceProvisoire(const PoliceProvisoire &) = delete;
    PoliceProvisoire &operator=(const PoliceProvisoire &) = delete;

private:
    Surface &m_surface;
    QString m_policeDeLaSurface;
};

} // namespace

void montrerDocumentComplet(Surface &VSPrinter1, QByteArrayView bytes)
{
    const QString texte = decodeWindows1252(bytes);
    VSPrinter1.setDocAction(Surface::NewDocument);
    {
        const PoliceProvisoire police(VSPrinter1, PoliceDesTraitementsDeTexte);
        VSPrinter1.setRichText(texte);
    }
    VSPrinter1.setDocAction(Surface::EndDocument);
}

} // namespace virelai
