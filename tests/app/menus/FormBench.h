#pragma once

#include "app/FileClipboard.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/printing/PrinterSetup.h"
#include "app/window/Form1.h"
#include "document/builders/BuildContext.h"
#include "document/builders/DocumentSession.h"
#include "document/surface/Surface.h"
#include "support/PdfText.h"
#include "support/RecordingMessages.h"
#include "support/Samples.h"

#include <QAction>

#include <memory>

namespace virelai::testing {

inline const QString MoyenneCas2 = QStringLiteral("1,2,textes narratifs,textes documentaires,");
inline const QString MoyenneCas4 = QStringLiteral("1,4,textes narratifs,textes documentaires,");

inline const QDateTime StartMoment(QDate(2026, 3, 9), QTime(8, 30));

// When the footers of the windows under test are built; a test moves it on.
inline QDateTime footerMoment = StartMoment;

class FooterClock : public Clock
{
public:
    QDateTime now() const override { return footerMoment; }
};

// A window reading the given clipboard, its footers built at StartMoment, its
// dialogs answering as given and its messages recorded, in *messages when asked.
inline std::unique_ptr<Form1> benchForm(std::unique_ptr<ClipboardSource> clipboard,
                                        PrintDialogs dialogs = {},
                                        RecordingMessages **messages = nullptr)
{
    footerMoment = StartMoment;
    auto recorder = std::make_unique<RecordingMessages>();
    if (messages)
        *messages = recorder.get();
    return std::make_unique<Form1>(std::move(clipboard), std::move(recorder),
                                   std::make_unique<FooterClock>(), std::move(dialogs));
}

inline std::unique_ptr<ClipboardSource> type1Clipboard()
{
    return std::make_unique<FileClipboard>(sampleText(1));
}

// The window after start-up with a request, its clipboard holding type 1
// sample data.
inline std::unique_ptr<Form1> startedForm(const QString &request, PrintDialogs dialogs = {},
                                          RecordingMessages **messages = nullptr)
{
    auto form = benchForm(type1Clipboard(), std::move(dialogs), messages);
    form->Form_Load(request);
    return form;
}

// A menu command of the window, by its name.
inline QAction *command(const Form1 &form, const QString &name)
{
    return form.findChild<QAction *>(name);
}

// The page model the window's builders compose on.
inline const Surface &surfaceOf(const Form1 &form)
{
    return *form.findChild<const Surface *>();
}

inline OutlineNavigation &navigationOf(const Form1 &form)
{
    return *form.findChild<OutlineNavigation *>();
}

inline QString suggestionShown(const Form1 &form)
{
    return form.documentSession()->texts().Suggestion;
}

} // namespace virelai::testing
