#include "SurfaceOutput.h"

#include "SurfaceDocument.h"
#include "Twips.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace virelai {

namespace {

// Fine enough that nothing is rounded visibly; the text stays vector text.
constexpr int PdfResolution = 1200;

QPageLayout pdfPageLayout(const PageGeometry &geometry)
{
    const QSizeF points = geometry.size / TwipsPerPoint;
    return QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF());
}

QRectF deviceRect(const PageGeometry &geometry, double dotsPerInch)
{
    return QRectF(0, 0, twipsToPixels(geometry.size.width(), dotsPerInch),
                  twipsToPixels(geometry.size.height(), dotsPerInch));
}

bool paintPdf(const SurfaceDocument &document, QPdfWriter &writer)
{
    writer.setResolution(PdfResolution);
    writer.setCreator(QStringLiteral("Virelai"));
    writer.setPageLayout(pdfPageLayout(document.pageGeometry(0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int page = 0; page < document.pageCount(); ++page) {
        const PageGeometry &geometry = document.pageGeometry(page);
        if (page > 0) {
            writer.setPageLayout(pdfPageLayout(geometry));
            writer.newPage();
        }
        document.renderPage(page, painter, deviceRect(geometry, PdfResolution));
    }
    return painter.end();
}

} // namespace

bool writeDocumentPdf(const SurfaceDocument &document, const QString &path)
{
    if (document.pageCount() == 0)
        return false;
    QPdfWriter writer(path);
    return paintPdf(document, writer);
}

bool writeDocumentPdf(const SurfaceDocument &document, QIODevice &device)
{
    if (document.pageCount() == 0)
        return false;
    QPdfWriter writer(&device);
    return paintPdf(document, writer);
}

QImage renderDocumentPage(const SurfaceDocument &document, int pageIndex, double dotsPerInch)
{
    if (pageIndex < 0 || pageIndex >= document.pageCount() || dotsPerInch <= 0)
        return {};
    const QRectF target = deviceRect(document.pageGeometry(pageIndex), dotsPerInch);
    QImage image(target.size().toSize(), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int dotsPerMeter = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    document.renderPage(pageIndex, painter, target);
    return image;
}

} // namespace virelai
