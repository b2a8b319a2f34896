#pragma once

#include "app/FileClipboard.h"
#include "app/window/Form1.h"
#include "document/builders/BuildContext.h"
#include "document/builders/DocumentSession.h"
#include "document/surface/Surface.h"
#include "support/PdfText.h"
#include "support/RecordingMessages.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <memory>

namespace virelai::testing {

inline QString sampleText(const QString &name)
{
    QFile file(QStringLiteral(VIRELAI_SAMPLES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

inline const QDateTime StartMoment(QDate(2026, 3, 9), QTime(8, 30));

// When the footers of the windows under test are built; a test moves it on.
inline QDateTime footerMoment = StartMoment;

class FooterClock : public Clock
{
public:
    QDateTime now() const override { return footerMoment; }
};

// The window after start-up with a request, its clipboard holding sample data
// and its footers built at StartMoment.
inline std::unique_ptr<Form1> startedForm(const QString &request,
                                          const QString &sample = QStringLiteral("type1.txt"))
{
    footerMoment = StartMoment;
    auto form = std::make_unique<Form1>(std::make_unique<FileClipboard>(sampleText(sample)),
                                        nullptr, std::make_unique<FooterClock>());
    form->Form_Load(request);
    return form;
}

inline QString suggestionShown(const Form1 &form)
{
    return form.documentSession()->texts().Suggestion;
}

// Text of the page shown, through a PDF written from the surface.
inline QString shownText(const Surface &surface, const QString &directory)
{
    const QString path = directory + QStringLiteral("/shown.pdf");
    return surface.writePdf(path) ? pdfText(path) : QString();
}

} // namespace virelai::testing
